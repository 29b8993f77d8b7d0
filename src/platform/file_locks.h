/* Locks of files between processes (flock): whether a live process holds
 * one, and taking one that another process may hold for long (stopped,
 * say), without waiting for ever. */
#ifndef PLATFORM_FILE_LOCKS_H
#define PLATFORM_FILE_LOCKS_H

#include <cstddef>

/* Whether a live process holds a lock (flock) on the file at path ("/"):
 * false for a file nobody holds, one that cannot be asked (it cannot be
 * opened) and none.  A lock of this process through another descriptor
 * counts as held. */
bool VEK_File_Held(const char* path);

/* What the lock of a file tells of its writer. */
enum VEK_Hold_State {
    VEK_HOLD_FREE = 0,  /* nobody holds it (or the file cannot be opened to ask) */
    VEK_HOLD_HELD,      /* a live process holds it */
    VEK_HOLD_UNKNOWN,   /* the file system takes no lock there (ENOLCK, say): it cannot be asked */
};

/* VEK_File_Held with a folder that takes no locks told apart from a file
 * nobody holds: a VEK_HOLD_* value. */
int VEK_File_Hold_State(const char* path);

/* What VEK_Take_Lock came to. */
enum VEK_Lock_Result {
    VEK_LOCK_TAKEN = 0,  /* the descriptor holds the lock */
    VEK_LOCK_NONE,       /* the file system takes no lock there: go on as without one */
    VEK_LOCK_REFUSED,    /* another process held it for all the time given (errno EWOULDBLOCK) */
};

/* Takes the exclusive lock (flock) of the open descriptor fd, whose file
 * `what` names on the console.  A lock another process holds is waited
 * for, on the real clock, at most VEK_Lock_Wait_Seconds().  A wait of a
 * second or more, or one for a stopped holder (told at once), is told on
 * stderr: which process holds it (its id, its command line, and that it is
 * stopped when it is; "another process" only for one of no process of this
 * machine) and how long the wait may be; a shorter one is silent.  When
 * that time has passed, stderr says that the wait is given up.  A lock
 * given up once is given up at once, and silently, for the rest of the run
 * while it is still held. */
int VEK_Take_Lock(int fd, const char* what);

/* The seconds VEK_Take_Lock waits: 60, or the whole number 0 to 3600 of
 * the environment entry VEK_LOCK_WAIT (for tests). */
int VEK_Lock_Wait_Seconds(void);

/* Where files take no locks (some network folders), who writes a file is
 * told by a record of the writer beside it: this machine's name, its boot,
 * the process space, the process id and the start time of the process.
 * A writer whose record names this machine and boot is live while a
 * process of that id and start time is; one of another boot of this
 * machine is gone; one of another machine (or process space) cannot be
 * told from here. */
enum VEK_Owner_State {
    VEK_OWNER_UNKNOWN = 0,  /* another machine's, or no record that can be read */
    VEK_OWNER_LIVE,
    VEK_OWNER_GONE,
};

/* The record as its text holds it. */
struct VEK_Owner_Record {
    long pid;
    unsigned long long start;  /* clock ticks after the boot (/proc/<pid>/stat) */
    char boot[40];             /* the boot's id (/proc/sys/kernel/random/boot_id) */
    char space[40];            /* the process space ("pid:[4026531836]") */
    char host[72];             /* the machine's name */
};

/* Makes the record of this process at path ("/"), a new file (never one
 * that stands), lasting: 1, else 0 (errno says why; EEXIST when a file
 * stands there). */
int VEK_Write_Owner_Record(const char* path);

/* The state of the writer that the record at path names (VEK_OWNER_*). */
int VEK_Owner_State(const char* path);

/* The text of a record as VEK_Write_Owner_Record writes it, into buffer
 * (size bytes): its length, or 0 when it does not fit or a field holds a
 * byte a record's word cannot (a blank, a control byte). */
size_t VEK_Format_Owner_Record(const VEK_Owner_Record* record, char* buffer, size_t size);

/* Reads a record's text (size bytes, not terminated): 1 with *record
 * filled, 0 for a text that is no whole record (nothing else then). */
int VEK_Parse_Owner_Record(const char* text, size_t size, VEK_Owner_Record* record);

#endif
