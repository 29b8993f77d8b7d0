// The desktop's print-list viewer as the stand-in offers it: the rendered
// pages on the stand-in's screen, one at a time, with a bar to go to the
// previous or next page and to close the viewer. The screen under the
// viewer comes back when it closes.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/display_sdl.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/oli_view.h"
#include "platform/posix.h"
#include "platform/screen.h"

namespace {

enum {
    BAR_HEIGHT = 34,     // the bar of the viewer along the top of the screen
    PAGE_MARGIN = 6,     // grey room around the page
    BUTTON_WIDTH = 130,
    BUTTON_HEIGHT = 24,
    BUTTON_GAP = 10,
    VIEWER_FONT = 0x1000,
};

enum Action { NONE = -1, PREVIOUS, NEXT, FIRST, LAST, CLOSE };

struct Button {
    const char* text;
    Action action;
    int x1, y1, x2, y2;
    bool Contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

struct Viewer {
    OliPageSet* set = nullptr;
    int page = 1, pages = 0;
    std::string name;                        // the list's file name, as the bar shows it
    std::vector<Button> buttons;
    std::unordered_map<unsigned, int> colour_of;  // page colour -> screen palette entry
    std::vector<int> pixels;                 // the page as screen colour indices
};

// The screen's palette entry nearest to a page colour, looked up once per
// colour: a page holds a few thousand colours of its edges at most.
int Colour_Index(Viewer& v, unsigned rgb) {
    auto it = v.colour_of.find(rgb);
    if (it != v.colour_of.end()) return it->second;
    const int index = Nearest_Color_Index(static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                                          static_cast<int>(rgb & 0xFF));
    v.colour_of.emplace(rgb, index);
    return index;
}

void Place_Buttons(Viewer& v) {
    static const struct {
        const char* text;
        Action action;
    } kButtons[] = {{"< vorige Seite", PREVIOUS}, {"n\x84" "chste Seite >", NEXT}, {"schlie\xE1" "en", CLOSE}};
    v.buttons.clear();
    int x = NPIXEL_X - 3 * (BUTTON_WIDTH + BUTTON_GAP);
    for (const auto& b : kButtons) {
        const int y1 = (BAR_HEIGHT - BUTTON_HEIGHT) / 2;
        v.buttons.push_back({b.text, b.action, x, y1, x + BUTTON_WIDTH - 1, y1 + BUTTON_HEIGHT - 1});
        x += BUTTON_WIDTH + BUTTON_GAP;
    }
}

bool Enabled(const Viewer& v, Action a) {
    if (a == PREVIOUS) return v.page > 1;
    if (a == NEXT) return v.page < v.pages;
    return true;
}

void Draw_Bar(const Viewer& v) {
    pxFgc(-1);
    pxRect(0, 0, NPIXEL_X - 1, BAR_HEIGHT - 1);
    pxFgc(-15);
    pxLine(0, BAR_HEIGHT - 1, NPIXEL_X - 1, BAR_HEIGHT - 1);
    char text[300];
    std::snprintf(text, sizeof text, "Vorschau: %s", v.name.c_str());
    pxFgc(-6);
    const int room = v.buttons.empty() ? NPIXEL_X : v.buttons.front().x1 - 180;
    pxView(0, 0, std::max(0, room), BAR_HEIGHT - 1);
    pxText(10, 22, text, -1);
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    std::snprintf(text, sizeof text, "Seite %d von %d", v.page, v.pages);
    if (!v.buttons.empty()) pxText(v.buttons.front().x1 - 170, 22, text, -1);
    for (const Button& b : v.buttons) {
        Draw_Funny_Area_to_PS(5, b.x1, b.y1, b.x2, b.y2, 1);
        pxFgc(Enabled(v, b.action) ? -14 : -16);
        pxBTxt(b.x1, b.y1, b.x2, b.y2, b.text, -1, PX_ALIGN_CENTRE | PX_ALIGN_MIDDLE);
    }
}

// The page fills the height below the bar; it is drawn at the resolution
// that makes its 29.7 cm that high.
void Draw_Page(Viewer& v) {
    const int top = BAR_HEIGHT + PAGE_MARGIN, room = NPIXEL_Y - top - PAGE_MARGIN;
    pxFgc(Nearest_RGB_Color(96, 96, 96));
    pxRect(0, BAR_HEIGHT, NPIXEL_X - 1, NPIXEL_Y - 1);
    OliPageImage image;
    const double dpi = std::max(10.0, room / (29.7 / 2.54));
    if (!OLI_Render_Page_Image(v.set, v.page, dpi, &image)) {
        pxFgc(WHITE_CI);
        pxText(20, top + 20, "Die Seite kann nicht gezeigt werden.", -1);
        return;
    }
    const int x1 = std::max(0, (NPIXEL_X - image.width) / 2);
    v.pixels.resize(image.rgb.size());
    for (size_t i = 0; i < image.rgb.size(); ++i) v.pixels[i] = Colour_Index(v, image.rgb[i]);
    pxStRc(x1, top, x1 + image.width - 1, top + image.height - 1, v.pixels.data());
    pxFgc(BLACK_CI);
    pxLine(x1 - 1, top - 1, x1 + image.width, top - 1);
    pxLine(x1 + image.width, top - 1, x1 + image.width, top + image.height);
    pxLine(x1 + image.width, top + image.height, x1 - 1, top + image.height);
    pxLine(x1 - 1, top + image.height, x1 - 1, top - 1);
}

void Draw(Viewer& v) {
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    const int fg = pxQFgc();
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Pop_RFont(VIEWER_FONT);
    Draw_Page(v);
    Draw_Bar(v);
    Push_RFont();
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
}

Action Key_Action(int key) {
    switch (key) {
    case VEK_KEY_ESC: return CLOSE;
    case VEK_KEY_PGDN: case VEK_KEY_RIGHT: case VEK_KEY_DOWN: case ' ': case VEK_KEY_ENTER: return NEXT;
    case VEK_KEY_PGUP: case VEK_KEY_LEFT: case VEK_KEY_UP: case VEK_KEY_BACKSPACE: return PREVIOUS;
    case VEK_KEY_HOME: return FIRST;
    case VEK_KEY_END: return LAST;
    default: return NONE;
    }
}

// The next action of the user: a key, the wheel, or a click released on the
// button it was pressed on; the window's close request (and a run without
// events) closes the viewer.
Action Next_Action(const Viewer& v) {
    for (;;) {
        const int ev = GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_KEY | VEK_MASK_WHEEL, nullptr);
        if (ev == VEK_MSG_CLOSE) return CLOSE;
        if (ev == VEK_MSG_KEY) {
            const Action a = Key_Action(getkey());
            if (a != NONE) return a;
        } else if (ev == VEK_MSG_WHEEL) {
            const int turn = M_SCROLL;
            M_SCROLL = 0;
            if (turn != 0) return turn > 0 ? PREVIOUS : NEXT;
        } else if (ev == VEK_MSG_LEFT_DOWN) {
            for (const Button& b : v.buttons)
                if (b.Contains(M_XPOS, M_YPOS)) {
                    GetVEKMessage(VEK_MASK_LEFT_UP, nullptr);
                    if (b.Contains(M_XPOS, M_YPOS)) return b.action;
                }
        }
    }
}

std::string File_Name(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Shows the pages until the user closes the viewer; 1, or 0 when the list
// cannot be read or has no page.
int Show_List(const char* path, int* refusal) {
    OliDocument doc;
    if (!OLI_Read_Document_File(path, &doc, refusal)) return 0;
    const std::string list = VEK_Native_String(path);
    Viewer v;
    const std::unique_ptr<OliPageSet, void (*)(OliPageSet*)> set(OLI_Open_Page_Set(doc), OLI_Close_Page_Set);
    v.set = set.get();
    if (!v.set) {
        std::fprintf(stderr, "print list %s: no page to show\n", list.c_str());
        return 0;
    }
    v.pages = OLI_Page_Set_Count(v.set);
    v.name = File_Name(list);
    Place_Buttons(v);
    Save_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    for (Action a = NONE; a != CLOSE; a = Next_Action(v)) {
        const int before = v.page;
        if (a == PREVIOUS) v.page = std::max(1, v.page - 1);
        else if (a == NEXT) v.page = std::min(v.pages, v.page + 1);
        else if (a == FIRST) v.page = 1;
        else if (a == LAST) v.page = v.pages;
        if (a == NONE || v.page != before) Draw(v);
    }
    Restore_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    pxFlsh();
    return 1;
}

}  // namespace

int Quick_OLI_View(const char* /*prefix*/, const char* path) {
    if (!path) return 0;
    int refusal = VEK_READ_OK;
    try {
        if (Show_List(path, &refusal)) return 1;
    } catch (...) {  // out of memory
    }
    if (refusal != VEK_READ_OK)
        PrintMessage("Die Druckliste kann nicht angezeigt werden.\n%s: %s", path, VEK_Read_Refusal_Text(refusal));
    else
        PrintMessage("Die Druckliste kann nicht angezeigt werden.\n%s", path);
    return 0;
}
