// The user's free text in the print list.
#include "weldapp/user_comment.h"

#include <cstring>
#include <string>

#include "platform/font.h"
#include "printlist/oli_para.h"

int User_Comment_Line_Width = 600;

static int width_of(const char* text, int n) {
    int left = 0, right = 0;
    pxQTxX(text, n, &left, &right);
    return right - left;
}

void Write_Wrapped_Text(FILE* file, const char* text) {
    if (!file || !text) return;
    const char* rest = text;
    while (*rest) {
        const int piece = static_cast<int>(std::strcspn(rest, "\n"));
        int len = piece;
        // Grow the prefix until it is too wide; a piece that fits is whole.
        int n = 1;
        while (n <= piece && width_of(rest, n) <= User_Comment_Line_Width) ++n;
        if (n <= piece) {
            if (rest[n] == ' ') {
                len = n + 1;
            } else {
                len = n;
                for (int k = n - 1; k >= 1; --k)
                    if (rest[k] == ' ') {
                        len = k + 1;
                        break;
                    }
            }
            // A line starts with at least one character, so the text ends.
            if (len > piece) len = piece;
            if (len < 1) len = 1;
        }
        std::string line(rest, static_cast<size_t>(len));
        if (line.empty()) OLI_printf(file, "%s", " \n");
        else OLI_printf(file, "%s\n", line.c_str());
        rest += len;
        if (*rest == '\n' && len == piece) ++rest;
    }
}
