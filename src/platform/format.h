/* format.h -- printf-style formatting into bounded buffers and growing
 * strings, and the one way to write a text through the program's stdio
 * table.
 *
 * Every formatted text of the system goes through these calls, so a cut
 * text is always terminated, a null format is the empty text and a format
 * error leaves an empty text behind instead of stale bytes.  The format
 * is the caller's own literal; text from data is passed as an argument of
 * "%s", never as the format.
 */
#ifndef PLATFORM_FORMAT_H
#define PLATFORM_FORMAT_H

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <string>

/* Formats into buffer, cut to size - 1 bytes and always terminated (size
 * must be at least 1).  A null format gives the empty text.  Returns the
 * length the whole text has (size or more: it was cut), or -1 after a
 * format error, with the buffer emptied. */
int VEK_Format_Bounded_V(char* buffer, size_t size, const char* format, va_list ap);
/* The same with the arguments in the call: snprintf's bytes and result,
 * the common conversions (those of VEK_Format_Once) formatted without the
 * C library's printf. */
int VEK_Format_Bounded(char* buffer, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));

/* The whole text into out, however long.  A null format gives the empty
 * text.  False after a format error, with out emptied. */
bool VEK_Format_String_V(std::string& out, const char* format, va_list ap);

/* The bytes snprintf gives for "%.<precision>f" of v (precision 0 to 9),
 * terminated, into out (size bytes): exact for every value below 2^43 in
 * magnitude (held in 128-bit integers, a tie rounded to the even neighbour
 * as the C library rounds by default), the C library itself for larger
 * ones and for infinities and NaN.  Returns the length, or -1 when size
 * was too small or the precision out of range. */
int VEK_Format_Fixed(char* out, size_t size, double v, int precision);

/* Room for one value of VEK_Format_Fixed6_Values: a blank, a sign, 309
 * integer digits, the point and six decimals, and the terminator. */
enum { VEK_FIXED6_ROOM = 320 };

/* " %lf" of each of the n values one after the other into out, which needs
 * VEK_FIXED6_ROOM bytes a value and one for the terminator: the bytes of
 * snprintf, as VEK_Format_Fixed makes them, in one call for a whole list
 * of coordinates.  Returns the length written (terminated); 0 for n <= 0. */
size_t VEK_Format_Fixed6_Values(char* out, const double* values, int n);

/* The common conversions of VEK_Format_Once (those it formats without the
 * C library) straight into out (size bytes, at least 1), terminated: for a
 * writer that puts a text together in a buffer of its own.  Returns the
 * length, or -1 for a format that needs the C library or a text that does
 * not fit (out then holds nothing of use; the caller formats the usual
 * way).  ap is read from a copy and stays as it was. */
int VEK_Format_Quick_V(char* out, size_t size, const char* format, va_list ap);

/* The text of one printf-style call, formatted once: in the buffer of the
 * record (on the caller's stack) unless it is long, else in `large`.
 * text and size are the result, bytes after a zero byte included. */
struct VEK_Formatted {
    char small[1024];
    std::string large;
    const char* text;
    size_t size;
};
/* Fills f; a null format gives the empty text.  False after a format
 * error, with the empty text. */
bool VEK_Format_Once(VEK_Formatted* f, const char* format, va_list ap);

/* Writes text (null: nothing) to stream through the fprintf entry of the
 * stdio table the program handed over (VEKSetStdioFctPtr), before that
 * through the C library, so that the layout calls and the print-list
 * writers share one stream.  Returns what fprintf returns; -1 for a null
 * stream. */
int VEK_Stdio_Write(FILE* stream, const char* text);

/* Writes the n bytes at text (which need no terminator and may hold any
 * byte) to stream through the fwrite entry of the same table, else the C
 * library's fwrite (VEK_Stream_Put when the table's entry is that fwrite):
 * finished text goes out without being read as a format again.  Returns n,
 * or -1 for a null stream or a short write. */
int VEK_Stdio_Write_Bytes(FILE* stream, const char* text, size_t n);

/* VEK_Stdio_Write_Bytes of a blank (when blank is set) and then the n bytes
 * at text, as two calls would write them, in one piece straight into the
 * stream's buffer when the table writes with the C library's fwrite and
 * they fit there: for the lines of a text, each begun with a blank.
 * Returns the count written, or -1 for a null stream or a short write. */
int VEK_Stdio_Write_Blank_And(FILE* stream, bool blank, const char* text, size_t n);

/* The bytes of the C library's fwrite to stream, without its lock (each
 * stream of the program is written by one thread) and, where the C library
 * lets its own macros do so, copied straight into the stream's buffer when
 * they fit there.  Not through the stdio table.  Returns n, or -1 for a null
 * stream or a short write. */
int VEK_Stream_Put(FILE* stream, const char* text, size_t n);

/* For writers that put many short pieces together (picture records): the
 * free part of the stream's own buffer when it has at least n bytes, else
 * null (and always null where the C library does not show its buffer).
 * What the caller writes there becomes part of the stream only with
 * VEK_Stream_Advance(stream, bytes written), before any other call on the
 * stream; bytes beyond those are never written. */
char* VEK_Stream_Room(FILE* stream, size_t n);
void VEK_Stream_Advance(FILE* stream, size_t n);

/* One printf-style text formatted once (VEK_Format_Once) and written to
 * stream with VEK_Stream_Put, formatted straight into the stream's buffer
 * where it fits.  Returns the count written, 0 for a null format, -1 for a
 * null stream, a format error or a short write. */
int VEK_Stream_Printf_V(FILE* stream, const char* format, va_list ap);

/* For a writer that looks at its text before it writes it: formats
 * (VEK_Format_Once's fast path only) straight into the free part of the
 * stream's buffer, skip bytes on, when the stdio table writes with the C
 * library's fwrite (or none was handed over) and there is room.  Returns
 * the length, *text where the text begins, which holds no zero byte (a "%c"
 * of one is declined); the stream is not advanced (the
 * caller does that with VEK_Stream_Advance, or leaves it).  -1 when any of
 * that does not hold: ap has then been read in part, and the caller formats
 * from a copy of it the usual way. */
int VEK_Stdio_Format_In_Place_V(FILE* stream, size_t skip, const char* format, va_list ap, char** text);

/* The same through the stdio table as VEK_Stdio_Write_Bytes: straight when
 * the table writes with the C library's fwrite (or none was handed over),
 * else formatted once and handed to the table's fwrite. */
int VEK_Stdio_Printf_V(FILE* stream, const char* format, va_list ap);

#endif
