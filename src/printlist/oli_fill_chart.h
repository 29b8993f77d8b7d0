// Fill-pattern chart: the 65 fill patterns of the print-list viewer (0 to
// 64) as numbered boxes, for a user who chooses the pattern of a layer.
#ifndef PRINTLIST_OLI_FILL_CHART_H
#define PRINTLIST_OLI_FILL_CHART_H

#include <cstdio>

// A heading line and a picture of 15 x 26 cm (y downwards) with the 65
// patterns, six boxes of 2.5 x 2.0 cm a row, each with its number in a
// white box. The result of the last write (0 for a null stream, which
// writes nothing).
int Oli_Choose_Fill_Pattern(FILE* stream);
// Writes the chart into ".TMP" beside the component's files and shows it
// in the viewer. The viewer's result (1 shown); 0 when the file cannot be
// made or written, or the viewer fails.
int Show_Fill_Patterns(void);

#endif
