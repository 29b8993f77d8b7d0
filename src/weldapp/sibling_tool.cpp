// sibling_tool: start a desktop tool and wait for its window to close (see
// the header).
#include "weldapp/sibling_tool.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "base/cp850.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "platform/screen.h"

namespace {

enum { WAIT_FONT = 0x1000, SQUARES = 10, SQUARE_STEP = 23, SQUARE_SIZE = 15, FRAME_CELL = 63 };

int Title_Length(const Sibling_Tool* tool) { return static_cast<int>(std::strlen(tool->title)); }

void Show_Lines(const char* title, const char* const* lines, int count) {
    Init_Message();
    if (title) Set_Message_Title(title);
    for (int i = 0; i < count; ++i) Fill_Message("%s", lines[i]);
    Draw_Message();
}

// A tool that cannot be started or that ends with an error is named in a
// box; the program then takes nothing from it.
void Tool_Failed(const Sibling_Tool* tool, bool started) {
    char name[VEK_MAX_PATH + 8];
    std::snprintf(name, sizeof name, "- %s -", tool->program);
    const char* lines[] = {"Das VEK-Werkzeug", name,
                           started ? "wurde mit einem Fehler beendet." : "ist nicht installiert!",
                           "Es wurden keine Daten übernommen."_cp};
    Show_Lines(started ? "Werkzeugfehler" : "Installationsproblem", lines, 4);
}

// The texts of the boxes stay inside them whatever the font's widths, so
// that the saved screen under a box covers all that was drawn. x1 = -1
// gives the viewport back as it was before.
void Clip_To(int x1, int y1, int x2, int y2) {
    static int saved[4];
    if (x1 < 0) {
        pxView(saved[0], saved[1], saved[2], saved[3]);
        return;
    }
    pxQVwp(&saved[0], &saved[1], &saved[2], &saved[3]);
    pxView(x1, y1, x2, y2);
}

void Square(int x, int y, int fill, int outline) {
    if (fill >= 0) {
        pxFgc(fill);
        pxRect(x, y, x + SQUARE_SIZE, y + SQUARE_SIZE);
    }
    pxFgc(outline);
    pxLine(x, y, x + SQUARE_SIZE, y);
    pxLine(x + SQUARE_SIZE, y, x + SQUARE_SIZE, y + SQUARE_SIZE);
    pxLine(x + SQUARE_SIZE, y + SQUARE_SIZE, x, y + SQUARE_SIZE);
    pxLine(x, y + SQUARE_SIZE, x, y);
}

// The box with the running blue square: its screen is saved and put back
// by the caller with the same rectangle.
void Draw_Square_Box(const Sibling_Tool* tool, int cx, int cy) {
    const int white = Nearest_RGB_Color(255, 255, 255), black = Nearest_RGB_Color(0, 0, 0);
    const int blue = Nearest_RGB_Color(0, 128, 255);
    pxFgc(white);
    pxRect(cx - 130, cy - 30, cx + 130, cy + 30);
    pxFgc(black);
    pxLine(cx - 130, cy - 30, cx + 130, cy - 30);
    pxLine(cx + 130, cy - 30, cx + 130, cy + 30);
    pxLine(cx + 130, cy + 30, cx - 130, cy + 30);
    pxLine(cx - 130, cy + 30, cx - 130, cy - 30);
    const int n = static_cast<int>(std::strlen(tool->wait_text));
    Clip_To(cx - 129, cy - 29, cx + 129, cy + 29);
    Pop_RFont(WAIT_FONT);
    pxText(cx + tool->text_x, cy - 10, tool->wait_text, n);
    pxText(cx + tool->text_x + 1, cy - 10, tool->wait_text, n);  // bold look
    Push_RFont();
    Clip_To(-1, 0, 0, 0);
    for (int k = 0; k < SQUARES; ++k) Square(cx - 110 + SQUARE_STEP * k, cy, -1, blue);
}

void Draw_Manager_Box(int cx, int cy) {
    Draw_Funny_Area_to_PS(5, cx - 120, cy - 45, cx + 120, cy + 45, 0);
    pxFgc(Nearest_Color_Index(192, 192, 192));
    pxRect(cx - 118, cy - 43, cx + 118, cy + 43);
    pxFgc(BLACK_CI);
    Clip_To(cx - 118, cy - 43, cx + 118, cy + 43);
    Pop_RFont(WAIT_FONT);
    pxText(cx - 25, cy - 5, "Warte auf Antwort", 17);
    pxText(cx - 25, cy + 13, "des Profilmanagers", 18);
    Push_RFont();
    Clip_To(-1, 0, 0, 0);
}

void Wait_For_Window(const Sibling_Tool* tool, int length) {
    for (int i = 0; i < TOOL_START_POLLS; ++i) {
        if (FindVEKWindow(tool->title, length)) return;
        VEKSleep(TOOL_START_POLL_MS);
    }
}

void Run_Squares(const Sibling_Tool* tool, int length, int cx, int cy) {
    const int white = Nearest_RGB_Color(255, 255, 255), black = Nearest_RGB_Color(0, 0, 0);
    const int blue = Nearest_RGB_Color(0, 128, 255);
    for (int i = 0; FindVEKWindow(tool->title, length);) {
        Square(cx - 110 + SQUARE_STEP * i, cy, white, blue);
        i = (i + 1) % SQUARES;
        Square(cx - 110 + SQUARE_STEP * i, cy, blue, black);
        pxFlsh();
        VEKSleep(TOOL_RUN_POLL_MS);
    }
}

void Run_Animation(const Sibling_Tool* tool, int length, int cx, int cy) {
    for (int f = 0; FindVEKWindow(tool->title, length); f = (f + 1) % TOOL_MANAGER_FRAMES) {
        pxDrawPartialTransparentDIB("Anima1.bmp", FRAME_CELL * f, 0, FRAME_CELL * f + 62, 62, cx - 100, cy - 30,
                                    cx - 38, cy + 32, 201, -1, -1, -1, -1);
        pxFlsh();
        VEKSleep(TOOL_MANAGER_POLL_MS);
    }
}

}  // namespace

char* Tool_Answer_Path(char* buffer, int size, const char* name) {
    const char* temp = VEKGetEnv("TEMP");
    if (!temp || !buffer || size < 1) return nullptr;
    return VEK_Join_Path(buffer, static_cast<size_t>(size), temp, name);
}

int Sibling_Tool_Open(const Sibling_Tool* tool) {
    if (!tool || !FindVEKWindow(tool->title, Title_Length(tool))) return 0;
    Show_Lines(nullptr, tool->open_lines, 3);
    return 1;
}

int Run_Sibling_Tool(const Sibling_Tool* tool, const char* const* arguments, const char* answer_file) {
    if (!tool || Sibling_Tool_Open(tool)) return 0;
    const int length = Title_Length(tool);
    const char* exec = VEKGetEnv("EXEC");
    char path[VEK_MAX_PATH + 1], answer[VEK_MAX_PATH + 1];
    if (!exec || !VEK_Join_Path(path, sizeof path, exec, tool->program)) return 0;
    if (answer_file) {
        if (!Tool_Answer_Path(answer, sizeof answer, answer_file)) return 0;
        std::remove(answer);
    }
    std::vector<const char*> argv{path};
    for (const char* const* a = arguments; a && *a; ++a) argv.push_back(*a);
    argv.push_back(nullptr);
    if (tool->flush) _flushall();
    if (VEKSpawnv(1, path, argv.data()) < 0) {
        Tool_Failed(tool, false);
        return 0;
    }
    const int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    if (tool->box == TOOL_BOX_SQUARES) {
        Save_Screen_Rectangle(cx - 130, cy - 30, cx + 130, cy + 30);
        Draw_Square_Box(tool, cx, cy);
        setMouseCursor(TOOL_BUSY_CURSOR);
        Wait_For_Window(tool, length);
        Run_Squares(tool, length, cx, cy);
        setMouseCursor(0);
        Restore_Screen_Rectangle(cx - 130, cy - 30, cx + 130, cy + 30);
    } else {
        Save_Screen_Rectangle(cx - 120, cy - 45, cx + 130, cy + 55);
        Draw_Manager_Box(cx, cy);
        Wait_For_Window(tool, length);
        Run_Animation(tool, length, cx, cy);
        Restore_Screen_Rectangle(cx - 120, cy - 45, cx + 130, cy + 55);
    }
    pxFlsh();
    const int status = VEK_Last_Spawn_Status();
    if (status != 0 && status != -2) {
        // A tool that failed may have left part of an answer: none of it
        // is taken.
        if (answer_file) std::remove(answer);
        Tool_Failed(tool, true);
        return 0;
    }
    return 1;
}
