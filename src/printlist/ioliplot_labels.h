// Labels that point at something in a print-list picture: a text on a
// horizontal shoulder with a leader line to the point (plain, or with a
// small filled triangle behind the text), and a bold text made of the same
// text written four times a little apart.
//
// Refused with a message (oli_checks.h): no picture open, a point or height
// that is not a finite number or beyond 1 km of paper, a negative height,
// a text of more than 255 characters or with a line break or « ».
#ifndef PRINTLIST_IOLIPLOT_LABELS_H
#define PRINTLIST_IOLIPLOT_LABELS_H

// The text at (x, y) four times, 0.1 mm apart on paper; one group in the
// plot file.
void Oli_Bold_Text(double x, double y, const char* text);
// The formatted text (trailing blanks dropped) on a shoulder from (x2, y2),
// with a leader from the point (x1, y1); h is the text height in cm. One
// element.
void Oli_Leader_Label(double x1, double y1, double x2, double y2, double h, const char* format, ...)
    __attribute__((format(printf, 6, 7)));
// The same with its own text height record; with flag 0 a small filled
// triangle behind the text.
void Oli_Leader_Label_Flag(double x1, double y1, double x2, double y2, int flag, double h, const char* format, ...)
    __attribute__((format(printf, 7, 8)));

#endif
