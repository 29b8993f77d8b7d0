// archive: taking one member out of a component's archive with the
// desktop's extractor "7za" (in the program directory), and the check of a
// file name against the characters the desktop refuses.
#ifndef WELDAPP_ARCHIVE_H
#define WELDAPP_ARCHIVE_H

#include <cstdio>

// Results of Extract_From_Archive.
enum {
    ARCHIVE_OK = 0,
    ARCHIVE_NOT_READABLE = 1,   // the archive cannot be read
    ARCHIVE_TARGET_LOCKED = 2,  // the target directory cannot be written
    ARCHIVE_NO_EXEC = 3,        // "EXEC" not set
    ARCHIVE_NO_TEMP = 4,        // "TEMP" not set
    ARCHIVE_FAILED = 5,         // the extractor failed or left no such member
    ARCHIVE_UNSAFE = 6,         // a stored name leaves its folder, or the member is no plain file name
    ARCHIVE_TOO_LONG = 7,       // a path too long for the desktop
};

// Extracts the member (a plain file name) of the archive into the target
// directory, replacing a file of that name there. The archive's listing is
// read first: an archive with a stored name that leaves its folder ("../",
// an absolute path, a drive) is refused before anything is extracted. The
// extractor writes into a private folder of "TEMP"; only the member, a
// plain file, is then moved to the target in one step, so the target never
// holds a half-extracted file. The extractor is started directly (no
// shell); its output goes to "7zprot.txt" in "TEMP", which stays. Returns
// an ARCHIVE_ code; shows nothing.
int Extract_From_Archive(const char* archive, const char* member, const char* target_directory);

// 1 when the extractor's technical listing (as "7za l -slt" writes it)
// names only paths that stay inside the archive's folder; 0 when one is
// absolute, has a drive or a ".." part. Paths before the "----------" line
// describe the archive itself and are not looked at.
int Check_Archive_Listing(FILE* listing);

// 1 when the name is acceptable as a file name of the desktop; 0 for "."
// and "..", and for a name with \ / : * ? " < > or |. With show_message
// the reason is shown in a message box. The empty name is acceptable.
int Check_File_Name(const char* name, int show_message);

#endif
