// The rows of a print-list table that stand together on a page.
//
// A table writer that gives a cell more rows than one (a long load-case
// name under its column) writes the further rows with their cells before
// it blank: the reader attaches such a row to the row above it, so the
// renderer keeps them on one page and the layout check reports a page
// break between them. The rule reads the row's text alone (the list's
// bytes carry no other mark): a row continues the row that starts its
// group when it has text and its first text stands right of the start
// row's first cell (its first word after the leading blanks). Columns
// count in characters, as the monospaced table shows them; texts in UTF-8.
#ifndef PLATFORM_OLI_TABLE_ROWS_H
#define PLATFORM_OLI_TABLE_ROWS_H

#include <string>

// The column of the first character of `text` that is not a blank, and the
// column right after the word that starts there; both text.size()-based
// columns of characters (a UTF-8 sequence counts once). No text: -1, -1.
inline void Oli_Table_First_Word(const std::string& text, int* first, int* end) {
    *first = *end = -1;
    int column = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;  // the tail of a UTF-8 sequence
        const bool blank = c == ' ' || c == '\t';
        if (*first < 0 && !blank) *first = column;
        if (*first >= 0 && blank) {
            *end = column;
            return;
        }
        ++column;
    }
    if (*first >= 0) *end = column;
}

// Whether `row` continues the group that `start` begins (see above).
inline bool Oli_Table_Row_Continues(const std::string& start, const std::string& row) {
    int start_first, start_end, row_first, row_end;
    Oli_Table_First_Word(start, &start_first, &start_end);
    Oli_Table_First_Word(row, &row_first, &row_end);
    return start_first >= 0 && row_first >= 0 && row_first > start_end;
}

#endif
