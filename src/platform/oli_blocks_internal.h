// The blocks of a print list in their order, for the renderer: those a
// document keeps in memory, or those of an opened list (OLI_Open_Document)
// read again from its file one at a time; not for other modules.
#ifndef PLATFORM_OLI_BLOCKS_INTERNAL_H
#define PLATFORM_OLI_BLOCKS_INTERNAL_H

#include <sys/stat.h>

#include <cstddef>
#include <memory>
#include <string>

#include "platform/oli_lines_internal.h"
#include "platform/oli_view.h"

// The file of an opened list: a descriptor of its own, and the bytes that
// are the list (from `start` to `end`: what the file held when opened),
// with their sums (every reading of them compares) and what the file was
// when opened, to tell another program's change of it.
struct OliListFile {
    int fd = -1;
    long long start = 0, end = 0;
    Oli_List_Sums sums;
    struct stat opened {};
    OliListFile() = default;
    OliListFile(const OliListFile&) = delete;
    OliListFile& operator=(const OliListFile&) = delete;
    ~OliListFile();
};

// Whether two looks at a file see it as the same: the same file (device and
// inode), size and time of its last change of bytes (not of its state: a
// list renamed or removed while it is held keeps its bytes). A rewrite of
// the same size within the clock's step is not seen here: the sums of the
// list's bytes tell that.
bool Oli_Same_File_State(const struct stat& a, const struct stat& b);

// Walks the blocks of a document from one of them on. An opened list's
// blocks come as the reader keeps them (a picture with the records drawn
// on top of it after its end line), each read when it is asked for: only
// the block given last is held, and the lines of the one being read.
class Oli_Block_Stream {
public:
    // From block `index`, whose keyword line begins `offset` bytes into the
    // list's file (0 and 0 for the first block; the offset is not looked at
    // for a document in memory).
    Oli_Block_Stream(const OliDocument& doc, size_t index, long long offset);
    Oli_Block_Stream(const Oli_Block_Stream&) = delete;
    Oli_Block_Stream& operator=(const Oli_Block_Stream&) = delete;
    ~Oli_Block_Stream();

    // The next block, null after the last. It stays as it is until the next
    // call. Throws std::bad_alloc when memory runs out, and Oli_List_Changed
    // when an opened list's file no longer holds the bytes it was opened
    // with (already when made, for a list whose file changed while the
    // reader read it).
    const OliBlock* Next();
    // Of the block Next gave last: its number in the document and where its
    // keyword line begins in the list's file (0 in memory).
    size_t Index() const { return index_; }
    long long Offset() const { return offset_; }

private:
    struct File_Walk;
    const OliDocument& doc_;
    size_t next_ = 0;       // the number of the next block
    size_t index_ = 0;
    long long offset_ = 0;
    std::unique_ptr<File_Walk> walk_;  // an opened list's reading
};

// Every field of a block in words (numbers by their bits), for comparing
// two readings of one list: equal texts, equal blocks.
std::string Oli_Block_Text(const OliBlock& b);

#endif
