/* file_chooser.h -- the desktop's file chooser, as the stand-in offers it.
 *
 * The program prepares a request record once (title, start directory,
 * filter, flags) and asks it for a file name.  Headless, the chooser takes
 * the scripted "type" or "keys" event at the head of the queue: the text
 * typed is the path chosen, an edit ended with Escape (0x1B) or an empty
 * text cancels.  Without such an event the chooser is cancelled.  With a window open and no scripted
 * event waiting, the path is typed into an inline editor in the middle of
 * the screen under the chooser's title (Escape cancels).
 */
#ifndef PLATFORM_FILE_CHOOSER_H
#define PLATFORM_FILE_CHOOSER_H

enum { VEK_FILE_NAME_SIZE = 261 };

/* Flag words the program passes: choose an existing file to read, or a
 * file to write (kept and reported only). */
enum { VEK_FILE_CHOOSE_READ = 0x1009, VEK_FILE_CHOOSE_WRITE = 0x2004 };

struct VEKGetFileNameRequest {
    int flags;
    int size;                              /* capacity of `file`, at most VEK_FILE_NAME_SIZE */
    char title[128];
    char start_directory[VEK_FILE_NAME_SIZE];
    char filter[128];
    char file[VEK_FILE_NAME_SIZE];         /* the chosen path after a result of 0 */
};

/* Prepares the request (texts cut to their fields; null texts count as
 * empty; a size outside 1 .. VEK_FILE_NAME_SIZE becomes that limit).  The
 * three unnamed words are kept for nothing.  Returns 1, 0 for a null
 * request. */
int InitVEKGetFileNameEx(VEKGetFileNameRequest* request, int flags, const char* title,
                         const char* start_directory, const char* filter, int a, int b, int c, int size);
/* Asks for a file: 0 when one was chosen (its path in request->file, cut to
 * size - 1 characters is refused: a longer path cancels with a message
 * box), 1 when the chooser was cancelled, -1 for a null request. */
int VEKGetFileNameEx(VEKGetFileNameRequest* request);
/* The flags of the last request asked (for tests); 0 before any. */
int VEK_Last_File_Chooser_Flags(void);

#endif
