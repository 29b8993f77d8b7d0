// One print-list page with every symbol, chart and list style of the
// picture library, for the rendered-page test and for a person to look at
// (docs/printlist-symbols.png is its first page).
#ifndef TESTS_PRINTLIST_SYMBOL_PAGE_H
#define TESTS_PRINTLIST_SYMBOL_PAGE_H

#include <cstdio>

namespace symbol_page {

// Writes the page into the list f; png names a PNG file that the raster
// picture embeds.
void Write(FILE* f, const char* png);

}  // namespace symbol_page

#endif
