// The batch rule of the toolkit's dialogs: while the program runs without a
// window (the batch flag of the window library, set by a "-refresh" run) no
// dialog opens; its text goes to stderr and the dialog returns its default
// at once. Not for other modules.
#ifndef DIALOGS_DIALOG_BATCH_INTERNAL_H
#define DIALOGS_DIALOG_BATCH_INTERNAL_H

#include <cstdio>

#include "platform/msgbox.h"

// True (and the text, when given, on stderr as one line) in batch mode.
inline bool Dialog_Refused_In_Batch(const char *text) {
    if (!VEK_Batch_Mode()) return false;
    if (text && *text) std::fprintf(stderr, "%s\n", text);
    return true;
}

#endif
