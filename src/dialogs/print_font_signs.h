// The letters of code page 850 that the print list's font draws as formula
// signs: the font keeps its Greek letters, arrows and relations on bytes
// where code page 850 has letters and frame lines, so "Fenêtre" typed into
// a field that reaches the list would print as "Fen→tre". Texts the user
// types for the list are held to the other letters; a text the program is
// given (the desktop's position text) is named instead.
#ifndef DIALOGS_PRINT_FONT_SIGNS_H
#define DIALOGS_PRINT_FONT_SIGNS_H

#include <cstddef>
#include <string>

// True when the print list's font draws the byte as another sign than code
// page 850's character (0x88 "ê" as an arrow, 0xA3 "ú" as Delta, 0xFA "·"
// as a cube). Never for ASCII, nor for the bytes both draw alike (0xF8 "°",
// 0xFD "²").
bool Print_Font_Redraws(unsigned char byte);
// The bytes of the first n of text that Print_Font_Redraws, each once, in
// the order they first stand there; empty for none or a null text.
std::string Print_Font_Signs_In(const char* text, size_t n);
// The characters named for a refusal or a notice: "\"ê\" (Byte 0x88)", several
// joined by ", " (code page 850).
std::string Print_Font_Sign_Names(const std::string& bytes);
// Every character a text for the list cannot hold: the letters before byte
// 0xB0 one by one, the others by their count and range ("ê ë î ú und 27
// weitere Zeichen der Bytes 0xB0 bis 0xFA"; code page 850).
std::string Print_Font_Sign_List(void);
// True, after a box titled as every refused input that names each such
// character of the text with its byte and all those a text cannot hold, when
// the text holds one; `kept` says what stays. False, and no box, otherwise.
bool Refuse_Print_Font_Signs(const char* text, size_t n, const char* kept);

#endif
