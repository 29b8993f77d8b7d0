// sibling_tool: starting a tool of the desktop and waiting for it. The
// internal-force selection, the component selection, the plan editor and
// the profile manager run as programs of their own; each call refuses when
// the tool's window is already open, starts the tool from the desktop's
// program directory ("EXEC"), shows a small wait box while the tool's
// window exists, and leaves the caller to read the tool's answer file from
// the temporary directory ("TEMP").
//
// Everything runs in the main thread; while a tool runs the program reads
// no input and only the wait box changes. The procedure keeps no state
// between calls.
#ifndef WELDAPP_SIBLING_TOOL_H
#define WELDAPP_SIBLING_TOOL_H

enum {
    TOOL_START_POLLS = 30,      // looks for the window while the tool starts
    TOOL_START_POLL_MS = 100,
    TOOL_RUN_POLL_MS = 120,     // the running square of the wait box
    TOOL_MANAGER_POLL_MS = 60,  // the profile manager's animation
    TOOL_MANAGER_FRAMES = 18,
    TOOL_BUSY_CURSOR = 6,
};

enum Sibling_Tool_Box { TOOL_BOX_SQUARES = 0, TOOL_BOX_MANAGER = 1 };

// One tool: what is started, how its window is known, what the wait box
// says, and the three lines shown when the tool is already open.
struct Sibling_Tool {
    const char* program;       // file name in the program directory
    const char* title;         // window title, compared on its whole length
    const char* wait_text;     // the square box's text
    int text_x;                // the wait text's x relative to the screen centre
    int flush;                 // flush every output stream before the start
    Sibling_Tool_Box box;
    const char* open_lines[3];
};

// 1 when the tool's window is already open (and its three lines are shown
// in a message box), else 0.
int Sibling_Tool_Open(const Sibling_Tool* tool);

// Runs the tool with the arguments (after its path; null-terminated, null
// for none). A non-null answer file (a name in "TEMP") is removed before
// the start, so that an answer left by an earlier run is never taken for a
// new one. Returns 1 when the tool ran and its window has closed; 0 when
// its window was already open (message box), "EXEC" (or, with an answer
// file, "TEMP") is not set (no message), the tool could not be started or
// ended with an error (message box naming the tool).
int Run_Sibling_Tool(const Sibling_Tool* tool, const char* const* arguments, const char* answer_file);

// The answer file's path: "TEMP" joined with the name, into buffer (size
// bytes). Null when "TEMP" is unset or the path does not fit.
char* Tool_Answer_Path(char* buffer, int size, const char* name);

#endif
