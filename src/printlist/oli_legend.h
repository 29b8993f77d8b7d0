// Legend of formula symbols and the list of literature and standards.
//
// A report collects legend entries (a key such as "f╬\y╬r" and its
// explanation) while it is written and prints them as one block; entries
// may cite a reference, which goes into the literature list and is printed
// with its number in the block "Literatur und Normen:". Both lists live for
// the whole run; a report clears them with their clear calls.
//
// Texts are never cut: a key of more than 25 characters, an explanation of
// more than 200, an entry of more than 235, a reference of more than 200,
// a text with a line break, a 76th entry or a 21st reference are refused
// with a message (oli_checks.h) and leave the lists as they were.
#ifndef PRINTLIST_OLI_LEGEND_H
#define PRINTLIST_OLI_LEGEND_H

#include <cstdio>

enum {
    OLI_LEGEND_MAX = 75,
    OLI_LEGEND_KEY_MAX = 25,
    OLI_LEGEND_EXPLANATION_MAX = 200,
    OLI_LEGEND_ENTRY_MAX = 235,
    OLI_LITERATURE_MAX = 20,
    OLI_REFERENCE_MAX = 200,
};

// count := 0.
void Oli_Legend_Clear(void);
// Adds the entry "key╬r - explanation╬r" unless an entry of the same key
// exists. The key is taken as it is; the explanation is the format of the
// further arguments. Returns the entry's length; 0 when the key was
// present (nothing changes); -1 when refused.
int Oli_Legend_Add(const char* key, const char* explanation, ...) __attribute__((format(printf, 2, 3)));
// The key is key_format filled with the value (one floating conversion,
// e.g. "l╬\\%.0f╬r"), the explanation taken as it is. Results as above; a
// key format of another form is refused.
int Oli_Legend_Add_Value(const char* key_format, const char* explanation, double value);
// The reference goes into the literature list (Oli_Literature_Add) and the
// explanation is explanation_format filled with its number (one int
// conversion, e.g. "Nachweis nach [%d]"). Results as above; a refused
// reference refuses the entry.
int Oli_Legend_Add_Citation(const char* key, const char* explanation_format, const char* reference);
// Both: key from the value, explanation from the reference's number.
int Oli_Legend_Add_Citation_Value(const char* key_format, const char* explanation_format, double value,
                                  const char* reference);
int Oli_Legend_Count(void);
// mark := count; Oli_Legend_Reset_To_Mark takes the entries after it back.
void Oli_Legend_Mark(void);
void Oli_Legend_Reset_To_Mark(void);
// Takes the last n entries back (count not below 0; a negative n changes
// nothing).
void Oli_Legend_Drop(int n);
// The entries packed into lines of the page width, each line a small
// paragraph, 0.1 cm before and 0.4 cm after the block; nothing for a null
// stream or without entries.
void Oli_Legend_Write(FILE* stream);
// The entries as a two-cell list: the keys, then at one tab stop behind the
// widest key their explanations, in paragraph mode 3.
void Oli_Legend_Write_Table(FILE* stream);

// count := 0.
void Oli_Literature_Clear(void);
// The 1-based number of the reference: that of an equal text listed
// already, else the text is appended. 0 when refused.
int Oli_Literature_Add(const char* reference);
// The block "Literatur und Normen:" and the numbered references; nothing
// for a null stream or an empty list.
void Oli_Literature_List(FILE* stream);

#endif
