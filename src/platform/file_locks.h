/* Locks of files between processes (flock): whether a live process holds
 * one, and taking one that another process may hold for long (stopped,
 * say), without waiting for ever. */
#ifndef PLATFORM_FILE_LOCKS_H
#define PLATFORM_FILE_LOCKS_H

/* Whether a live process holds a lock (flock) on the file at path ("/"):
 * false for a file nobody holds, one that cannot be asked (it cannot be
 * opened) and none.  A lock of this process through another descriptor
 * counts as held. */
bool VEK_File_Held(const char* path);

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

#endif
