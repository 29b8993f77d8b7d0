// What the partial-internal-forces modules share among themselves; not for
// callers outside src/thinwall.
#ifndef THINWALL_TSV_INTERNAL_H
#define THINWALL_TSV_INTERNAL_H

// The family code of the catalogue name behind the name record's leading
// character, through the installed profile services; 0 without them.
int TSV_Catalogue_Family(const char* name);

#endif
