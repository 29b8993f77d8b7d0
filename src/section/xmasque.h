// xmasque: the section mask, a plain text form of a Querschnitt, and the
// readable dumps of a section and its elements.
//
// Layout: the section header "Q number intern", then the node count and the
// nodes, the edge count and the edges, the curve count and the curves, the
// group count and the groups. Every element has a header line "keyword
// number intern" and its data; references are written as internal numbers.
// Curve names stand between the bytes 0xAE and 0xAF. Readers skip any white
// space between fields (so CRLF files read as well), refuse over-long
// keywords and names and non-finite numbers; writers end lines with LF.
// Both work on a stream the caller opened; none opens or closes a file.
#ifndef SECTION_XMASQUE_H
#define SECTION_XMASQUE_H

#include <cstdio>

#include "section/section_model.h"

enum { XMASQUE_NAME_MAX = 255 };  // longest curve name a reader accepts

// Writers: 1, or 0 for a null stream or object, a null list entry, a name
// that cannot be written (it holds the closing byte 0xAF) or a failed write.
int Write_Querschnitt(FILE* stream, const Querschnitt* section);
int Write_Element_Header(FILE* stream, const void* element);
int Write_Querschnittsknoten(FILE* stream, const Querschnittsknoten* node);
int Write_Querschnittskante(FILE* stream, const Querschnittskante* edge);
// A built-in law whose parameters differ from the table is written as a law
// of its own (type without 0x8000, with its parameter line), so that nothing
// is lost on reading.
int Write_Spannungsdehnungslinie(FILE* stream, const Spannungsdehnungslinie* curve);
int Write_Querschnittsgruppe(FILE* stream, const Querschnittsgruppe* group);

// Readers: the element (added to the section when one is given), or null on
// any failure, which frees what the failed read created and drops the
// references it took. A whole-section read resolves curve references after
// all curves are read, so a curve may refer to a later one. Refused as
// damaged: an internal number below 1 or one that another element of the
// section already has, an area whose edges do not close its outline, a
// number that is no decimal word (as Scan_Double_Word reads it).
Querschnitt* Read_Querschnitt(FILE* stream);
int Read_Element_Header(FILE* stream, const Querschnitt_Elementtyp* type, Querschnitt_Element* header);
Querschnittsknoten* Read_Querschnittsknoten(FILE* stream, Querschnitt* section);
Querschnittskante* Read_Querschnittskante(FILE* stream, Querschnitt* section);
Spannungsdehnungslinie* Read_Spannungsdehnungslinie(FILE* stream, Querschnitt* section);
Querschnittsgruppe* Read_Querschnittsgruppe(FILE* stream, Querschnitt* section);

// Dumps; nothing for a null stream or object.
void Print_Element_Header(FILE* stream, const void* element);
void Print_Querschnittsknoten(FILE* stream, const Querschnittsknoten* node);
void Print_Querschnittskante(FILE* stream, const Querschnittskante* edge);
void Print_Querschnittsgruppe(FILE* stream, const Querschnittsgruppe* group);
void Print_Querschnitt(FILE* stream, const Querschnitt* section);

#endif
