// A small program with a window of the stand-in, for the window test: it
// waits 200 ms for nothing and logs whether the stand-in's clock and the
// real one both ran that long, then writes every event it gets to the log file named by its argument (one
// line each), echoes typed characters on the screen, marks clicks with a
// square, edits a field on F2, runs a menu on F3 and the special
// characters on F4, and asks with a message box when the window's close box is
// clicked; exit code 0 when the answer is yes.  Exit code
// 2 when no window could be opened.
#include <chrono>
#include <cstdio>

#include "platform/desktop.h"
#include "platform/display_sdl.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"

namespace {

FILE* log_file = nullptr;

void Log(const char* what, int a, int b = 0, int c = 0) {
    std::fprintf(log_file, "%s %d %d %d\n", what, a, b, c);
    std::fflush(log_file);
}

// The typed characters on a white line near the top.
void Show_Typed(const char* typed, int n) {
    pxFgc(WHITE_CI);
    pxRect(4, 4, NPIXEL_X - 5, 19);
    pxFgc(BLACK_CI);
    pxText(6, 15, typed, n);
}

// F2 edits "abc" in a field of 10 characters below the typed line; the
// result and the text's bytes go to the log, the text onto the screen.
void Edit_Field() {
    char field[11] = "abc";
    int result = Short_Edit_Text(10, 60, field, 10, 0);
    std::fprintf(log_file, "edit %d %d", result, LAST_SHEET_EDIT_KEY);
    for (const char* c = field; *c; ++c) std::fprintf(log_file, " %d", (unsigned char)*c);
    std::fprintf(log_file, "\n");
    std::fflush(log_file);
    pxFgc(BLACK_CI);
    pxText(10, 100, field, -1);
}

// F3 runs a menu at the mouse: "eins", "zwei" (greyed), "drei" with the
// sub-menu "a", "b"; the chosen entry and the action run go to the log.
int action_run = 0;
int Action_A() { return action_run = 1; }
int Action_B() { return action_run = 2; }
void Run_Menu() {
    static VEKMenuItem sub[2] = {{"a", "", Action_A, nullptr, 0, 0, 1}, {"b", "", Action_B, nullptr, 0, 0, 1}};
    static VEKMenuItem menu[3] = {{"eins", "", nullptr, nullptr, 0, 0, 1},
                                  {"zwei", "", nullptr, nullptr, 0, 0, 0},
                                  {"drei", "", nullptr, sub, 2, 0, 1}};
    action_run = 0;
    int chosen = Menue_Manager(menu, 3, 0, M_XPOS, M_YPOS);
    Log("menu", chosen, action_run);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !(log_file = std::fopen(argv[1], "w"))) return 1;
    if (!Init_Grafik_Mode()) return 2;
    VEKSetFrameTitle("window probe");
    Draw_Funny_Area_to_PS(5, 0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 1);
    Show_Typed("", 0);
    // A time-out runs on the real clock with a window.
    VEKMessage m;
    InitVEKMessage(&m);
    m.timeout = 200;
    const long long before = VEK_Clock_ms();
    const auto start = std::chrono::steady_clock::now();
    int ev = GetVEKMessage(VEK_MASK_TIMEOUT, &m);
    const auto real = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    Log("timeout", ev == VEK_MSG_TIMEOUT, VEK_Clock_ms() - before >= 200, real.count() >= 200);
    char typed[64];
    int n = 0;
    for (;;) {
        ev = GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_RIGHT_DOWN | VEK_MASK_KEY | VEK_MASK_WHEEL, &m);
        if (ev == VEK_MSG_CLOSE) {
            // Asked as the program asks before it ends.
            Log("close", 0);
            Init_Message();
            Set_Message_Title("window probe");
            Fill_Message("Fenster schliessen?");
            int yes = Answer_is_Yes(1);
            Log("answer", yes);
            if (yes) break;
            continue;
        }
        if (ev == VEK_MSG_KEY) {
            int k = getkey();
            Log("key", k, getkeymask());
            if (k >= 0x20 && k <= 0xFF && n < (int)sizeof typed) typed[n++] = (char)k;
            Show_Typed(typed, n);
            if (k == VEK_KEY_F1 + 1) Edit_Field();
            if (k == VEK_KEY_F1 + 2) Run_Menu();
            if (k == VEK_KEY_F1 + 3) Log("special", Get_UserSelected_SpecialCharacter());
        } else if (ev == VEK_MSG_WHEEL) {
            Log("wheel", m.wheel);
        } else {
            Log("press", ev == VEK_MSG_LEFT_DOWN ? 1 : 2, M_XPOS, M_YPOS);
            pxFgc(ev == VEK_MSG_LEFT_DOWN ? RED_CI : BLUE_CI);
            pxRect(M_XPOS - 2, M_YPOS - 2, M_XPOS + 2, M_YPOS + 2);
        }
    }
    Exit_Grafik_Mode();
    std::fclose(log_file);
    return 0;
}
