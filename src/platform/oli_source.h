// The identity of the input file a print list was made from, carried in the
// list, so that a list that is not its input's shows it: a run that
// replaced the input file and was cut off before its new list stood left
// the old list, with its old verdict, beside a new input.
//
// The list holds it as a block of its own at its end (a list stands under
// its name only whole):
//
//     #SOURCE
//      <bytes> <digest> <name>
//
// the input file's length in bytes, the 64-bit FNV-1a hash of its bytes as
// sixteen lower-case hexadecimal digits, and its name (code page 850, no
// folder), one blank apart. The viewer and the program's window compare it
// with the input file beside the list: the file of the list's own name with
// the suffix of the named one ("A001_01.OLI" names "A001_01.INP"; a
// component copied under another name keeps to its own input).
#ifndef PLATFORM_OLI_SOURCE_H
#define PLATFORM_OLI_SOURCE_H

#include <cstddef>
#include <cstdio>
#include <string>

inline constexpr const char OLI_SOURCE_KEYWORD[] = "#SOURCE";

struct OliSource {
    std::string name;               // the input file's name, without a folder
    long long size = -1;            // its length in bytes; -1: no identity
    unsigned long long digest = 0;  // FNV-1a (64 bits) of its bytes
};

// The FNV-1a hash (64 bits) of `n` bytes, going on from `hash` (the
// offset basis for the first bytes).
inline constexpr unsigned long long OLI_SOURCE_DIGEST_START = 0xcbf29ce484222325ULL;
unsigned long long OLI_Source_Digest(const void* bytes, size_t n,
                                     unsigned long long hash = OLI_SOURCE_DIGEST_START);

// The identity of `n` bytes under `name`.
OliSource OLI_Source_Of_Bytes(const char* name, const void* bytes, size_t n);

// The identity of what the stream holds from its start to its end, under
// `name`; the stream is put back to its start. false (identity empty) when
// it cannot be read or holds more than VEK_READ_CAP_DATA bytes.
bool OLI_Source_Of_Stream(FILE* stream, const char* name, OliSource* out);

// Writes the identity block into an open list; nothing for a null stream,
// an empty identity or a name that cannot stand in it (empty, a line end, a
// folder's separator, a control byte). 1 written, 0 not.
int OLI_Write_Source(FILE* list, const OliSource& source);

// Reads the block's text line; false when it is none (the numbers not as
// written, no name, a name that cannot stand in the block).
bool OLI_Read_Source_Line(const std::string& line, OliSource* out);

// The identity a list at `path` carries, read from its last 64 KiB (the
// program writes it last); false when it carries none there or cannot be
// read.
bool OLI_List_Source(const char* path, OliSource* out);

// The input file the identity names, beside the list at `path` (native):
// the list's own name with the suffix of the named file. "" when there is
// no identity or no such name.
std::string OLI_Source_Input_Path(const char* path, const OliSource& named);

// Whether the list at `path`, carrying `named`, is not its input's: the
// input beside it (above) is there and its bytes are not those the list
// was made from. The input file's name in *input (for what the pages and
// the window say). false also when it cannot be judged: no identity, no
// input file beside the list, or one that cannot be read.
bool OLI_Source_Differs(const char* path, const OliSource& named, std::string* input);

#endif
