/* posix.h -- the Windows and C runtime calls the program makes, on POSIX.
 *
 * The program builds Windows paths: "\" separators, sometimes a drive
 * letter.  Every call here accepts "\" as well as "/" in the names it is
 * given and works with "/" on this platform.  Paths the program joins itself
 * should go through VEK_Join_Path, which joins with "/".
 */
#ifndef PLATFORM_POSIX_H
#define PLATFORM_POSIX_H

#include <cstddef>
#include <cstdio>
#include <string>

enum { VEK_MAX_PATH = 260 };

/* Copies `name` into the buffer with every "\" turned into "/".  Returns the
 * buffer, or null when the name needs size or more bytes (the buffer then
 * holds the first size - 1 bytes) or an argument is null / size below 1. */
char* VEK_Native_Path(char* buffer, size_t size, const char* name);

/* Joins `dir` and `name` with one "/" between them (none added when dir is
 * empty or already ends in a separator); both may use "\" or "/", the
 * result uses "/".  Returns the buffer, or null when the result needs size
 * or more bytes or an argument is null (buffer then terminated if size > 0). */
char* VEK_Join_Path(char* buffer, size_t size, const char* dir, const char* name);

/* The same two as strings without a size limit, for the stand-in's own
 * files; a null name or dir counts as "".  Never fail. */
std::string VEK_Native_String(const char* name);
std::string VEK_Join_String(const char* dir, const char* name);

/* Makes the name dir/<prefix><hex>.TMP of a file that did not exist, creates
 * it empty and stores the name in buffer (room for VEK_MAX_PATH + 1 bytes).
 * With unique non-zero the number is `unique` and no file is created.
 * Returns the number used, 0 on failure (buffer then unspecified). */
unsigned int GetTempFileNameA(const char* dir, const char* prefix, unsigned int unique, char* buffer);

/* A new unique file name in dir (or the system's temporary directory when
 * dir is null or does not exist) starting with prefix, in a block from
 * malloc that the caller frees with free; null on failure. */
char* _tempnam(const char* dir, const char* prefix);

/* The current directory into buffer (size bytes); null when it does not fit
 * or cannot be determined.  A null buffer gives a malloc'ed copy. */
char* _getcwd(char* buffer, int size);

/* 0 when the path exists and allows `mode` (0 existence, 1 execution,
 * 2 writing, 4 reading, 6 both), else -1. */
int _access(const char* path, int mode);

/* The absolute, "/"-separated form of `relative` in `absolute` (max bytes);
 * "." and ".." parts are resolved by text; the file need not exist.  With a
 * null `absolute` a block from malloc is returned.  Null when the result does
 * not fit or `relative` is null. */
char* _fullpath(char* absolute, const char* relative, size_t max);

/* Splits a path into drive ("X:" or ""), directory (with its trailing
 * separator), file name and extension (with its dot).  Each output may be
 * null; each non-null output needs room for VEK_MAX_PATH + 1 bytes and is
 * filled bounded. */
void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);

/* Results of the writers of whole files: VEK_Write_File_Replacing and the
 * callbacks that fill its temporary, and the sync calls below. */
enum { VEK_WRITE_FAILED = 0, VEK_WRITE_DONE = 1 };

/* Writes the file at `path` whole or not at all, and so that it survives a
 * power cut once the call has returned VEK_WRITE_DONE.  `write` fills a new
 * temporary file (a unique name made with mkstemp in the target's
 * directory, opened "wb") and returns VEK_WRITE_DONE when all went well.
 * Only when it did, and the stream shows no error, its bytes have reached
 * the disc (fsync) and it closes cleanly, is the temporary renamed over the
 * target in one step, and then the directory is synced so that the rename
 * lasts too; an existing target keeps its permissions (a new one gets those
 * the process's umask allows), a symbolic link stays a link to the file it
 * names.  Returns VEK_WRITE_DONE; VEK_WRITE_FAILED when any step failed:
 * the target is then untouched and no temporary is left, except when only
 * the directory's sync failed: the new file then stands but may not survive
 * a power cut.  `path` may use "\" or "/". */
int VEK_Write_File_Replacing(const char* path, int (*write)(FILE* f, void* context), void* context);

/* How VEK_Replace_File went. */
enum VEK_Replace_Result {
    VEK_REPLACE_FAILED = 0,      /* not replaced: the target is untouched, no temporary left; errno says why */
    VEK_REPLACE_DONE = 1,        /* replaced, lasting */
    VEK_REPLACE_UNSYNCED = 2,    /* replaced, but the directory's sync failed (errno says why): the new
                                  * file stands and may not survive a power cut */
    VEK_REPLACE_UNREADABLE = 3,  /* the check refused the complete new file: the target is untouched */
};

/* Flags of VEK_Replace_File. */
enum {
    VEK_REPLACE_LINK = 1,  /* a symbolic link at `path` is replaced itself (the file it names, if
                            * any, is left alone), as a rename over it does */
    VEK_REPLACE_SWEEP_FOLDER = 2, /* the stale temporaries of saves of any file in the folder the new
                                   * file goes to are removed first, not only the target's own (as
                                   * VEK_Remove_Stale_Temporaries does): for large files */
};

/* VEK_Write_File_Replacing with the outcome told apart and two choices.
 * `check`, when not null, is given the path of the complete, synced
 * temporary and `context` before the rename: anything but VEK_WRITE_DONE
 * keeps the target and removes the temporary (VEK_REPLACE_UNREADABLE), so
 * that a file its own reader would refuse never replaces one it takes.
 * Without VEK_REPLACE_LINK a link keeps naming its file and the new bytes
 * go beside that file; with it the link itself is replaced.  Only a
 * directory (EISDIR) or, without the flag, any other kind of file that is
 * no regular one (ENODEV) is refused as a target. */
int VEK_Replace_File(const char* path, int (*write)(FILE* f, void* context),
                     int (*check)(const char* written, void* context), void* context, int flags);

/* Removes the temporaries of the saves this process is writing now, for a
 * run that must end at once in the middle of one (a library that cannot go
 * on): no part of a file stays behind it.  Async-signal-safe. */
void VEK_Remove_Live_Temporaries(void);

/* For a program's start: a signal that ends the run (SIGTERM, SIGINT,
 * SIGHUP, SIGPIPE, SIGXFSZ, a fault ...) first removes the temporaries of
 * the saves it is writing, then ends it as it would have (the same signal,
 * its default action).  A signal the program already handles or ignores
 * is left to it.  At most 16 saves of one process run at once (nested in
 * each other's writers); a further one fails with EMFILE. */
void VEK_Remove_Temporaries_On_Signals(void);

/* Makes the bytes of the file at `path` ("\" or "/") reach the disc.
 * VEK_WRITE_DONE, else VEK_WRITE_FAILED (errno says why). */
int VEK_Sync_File(const char* path);

/* Makes the entries of the directory that holds `path` (a file in it, "\"
 * or "/") reach the disc: the renames and removals made there last.  A
 * file system that has nothing to sync for a directory counts as synced.
 * VEK_WRITE_DONE, else VEK_WRITE_FAILED (errno says why). */
int VEK_Sync_Directory_Of(const char* path);

/* The temporaries are named ".vek-<pid>-<target's name>-XXXXXX" (the name
 * cut to fit) and held (flock) while they are written: a save that is
 * killed (SIGKILL, a power cut) leaves its temporary behind, and the next
 * save of the same target removes those whose writer is gone (no process
 * holds it, and no process has that id, or it is this process and not
 * writing it now, or it has not been touched for VEK_STALE_TEMP_SECONDS).
 * A temporary of a save that runs at the same time in another process
 * stays.  Where the file system keeps no locks, an id no process of this
 * machine has may be another machine's live writer: such a temporary
 * stays until it is that old. */
enum { VEK_STALE_TEMP_SECONDS = 24 * 60 * 60 };

/* Removes the temporaries in the folder of `path` ("\" or "/") whose writer
 * is gone, of saves of any file there, by the rule above: for a run that
 * writes there otherwise (the component's print list), so that a killed
 * save's temporary does not wait for a save of its own target (a save of
 * large files asks VEK_Replace_File for the same, VEK_REPLACE_SWEEP_FOLDER). */
void VEK_Remove_Stale_Temporaries(const char* path);

/* Opening a file for reading, for every reader of a file that a user or
 * another program hands over.  Only a regular file is opened: a directory,
 * a FIFO, a device or a socket is refused without waiting for a writer and
 * without reading from it (a FIFO would hang the reader, a device such as
 * /dev/zero would feed it forever); so is a file larger than the cap of its
 * kind.  Why a file was refused: */
enum VEK_Read_Refusal {
    VEK_READ_OK = 0,
    VEK_READ_MISSING,     /* no such file (errno ENOENT or ENOTDIR) */
    VEK_READ_DENIED,      /* there, but it cannot be opened (errno says why) */
    VEK_READ_NOT_A_FILE,  /* a directory (errno EISDIR) or a FIFO, device, socket (ENODEV) */
    VEK_READ_TOO_LARGE,   /* beyond the cap (errno EFBIG) */
};

/* Caps by kind, in bytes: a file larger than its kind ever is, is damaged
 * or not the file meant. */
#define VEK_READ_CAP_SMALL (1LL << 20)    /* answers of tools, titles, version files */
#define VEK_READ_CAP_DATA (256LL << 20)   /* input, annex, exchange, control-word, mask, catalogue files */
#define VEK_READ_CAP_LIST (4LL << 30)     /* print lists, plot files, pictures */

/* The most bytes a print list the program writes may have: what its
 * readers take (VEK_READ_CAP_LIST), or fewer when the environment entry
 * VEK_LIST_LIMIT names fewer (whole bytes; for tests, which must not write
 * gigabytes; a larger number or anything else changes nothing). */
long long VEK_Print_List_Limit(void);

/* Opens `path` ("\" or "/") for reading in binary mode, when it is a
 * regular file of at most max_bytes bytes.  Returns the stream, or null
 * with *refusal (when given) set to why and errno set as listed above; on
 * success *refusal is VEK_READ_OK.  Never blocks on the file's kind. */
FILE* VEK_Open_Reading(const char* path, long long max_bytes, int* refusal);

/* The reason in words for a message ("nicht vorhanden", "nicht lesbar",
 * "keine Datei", "zu groß", code page 850); "" for VEK_READ_OK. */
const char* VEK_Read_Refusal_Text(int refusal);

/* Flushes every open output stream; returns 0. */
int _flushall(void);

/* Removes a file: non-zero on success, 0 on failure. */
int DeleteFileA(const char* name);

/* Milliseconds of the virtual clock (wraps after 49.7 days like the original). */
unsigned int GetTickCount(void);

/* Waits on the virtual clock. */
void Sleep(unsigned int ms);

/* Gives a stream that will take many megabytes (a print list, a plot file)
 * a write buffer of 1 MiB, so that it reaches the disc in few large writes.
 * Call it right after opening, before the first write.  The buffers come
 * from a small pool kept for the run; a buffer goes back to it only through
 * VEK_Fclose_Buffered, so a stream closed otherwise keeps its buffer for
 * good and nothing is ever shared.  1 given, 0 when the pool was empty or
 * the stream null (it keeps the C library's buffer). */
int VEK_Give_Large_Buffer(FILE* stream);
/* fclose, and the stream's large buffer (if it had one) back to the pool;
 * EOF also for a stream whose error mark a failed write set before (ferror).
 * errno then says why the first write of a stream of VEK_Open_Writing
 * failed, when one did, else why the close failed (EIO for the mark). */
int VEK_Fclose_Buffered(FILE* stream);

/* Opens `path` ("\" or "/") for writing, made or emptied (mode 0666 less
 * the umask), as a stream that keeps why its first write failed: a write
 * that fails in the middle of a long file (a full disc), behind calls that
 * do not look at what it returned, is still told with its reason by
 * VEK_Fclose_Buffered.  Its writes are the program's own write(2) calls.
 * Null (errno set) when it cannot be opened. */
FILE* VEK_Open_Writing(const char* path);

/* Writes the stream's buffered bytes and then the n bytes at text to its
 * file (a stream of VEK_Open_Writing or a plain file's), as fwrite would
 * put them there, without copying them into the buffer: for pieces of many
 * kilobytes for which the buffer has no room.  A stream of VEK_Open_Writing writes
 * both in one system call (a plain file's in two).  The stream's position
 * stays known
 * (ftell, fseek), and a failed write marks it as fwrite's would (ferror;
 * kept by VEK_Open_Writing's stream).  Returns n, -1 after a failed write,
 * VEK_STRAIGHT_NOT_HERE (nothing done) for a stream that is not being
 * written through a full buffer or has no file, or a C library whose
 * streams this cannot do it for. */
enum { VEK_STRAIGHT_NOT_HERE = -2 };
int VEK_Write_Straight(FILE* stream, const char* text, size_t n);

#endif
