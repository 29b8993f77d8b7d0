// profile_picker: the families of the profile file and the picker on the
// stand-in's screen (see the header).
#include "weldapp/profile_picker.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <tuple>

#include "base/cp850.h"
#include "platform/display_sdl.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "profiles/profil_file.h"
#include "weldapp/profile_manager.h"

namespace {

const char kTypeOrder[] = "DTULRK";  // the catalogue's type letters, in the order shown

// The numbers of a designation, in order ("L100X50X10": 100, 50, 10).
std::vector<double> Numbers_Of(const std::string& name) {
    std::vector<double> numbers;
    for (size_t i = name.compare(0, 3, "1/2") == 0 ? 3 : 0; i < name.size();) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) {
            ++i;
            continue;
        }
        char* end = nullptr;
        numbers.push_back(std::strtod(name.c_str() + i, &end));
        i = static_cast<size_t>(end - name.c_str());
    }
    return numbers;
}

// The family of a designation: its leading letters (after "1/2") and, when
// the designation has no "X", the letters after its number.
std::string Family_Name(const std::string& name) {
    size_t i = name.compare(0, 3, "1/2") == 0 ? 3 : 0;
    const size_t letters = i;
    while (i < name.size() && std::isalpha(static_cast<unsigned char>(name[i]))) ++i;
    // A designation that begins with no letter names no series.
    if (i == letters) return "sonstige";
    std::string family = letters ? "1/2 " + name.substr(letters, i - letters) : name.substr(0, i);
    if (name.find('X') == std::string::npos) {
        size_t j = name.size();
        while (j > i && std::isalpha(static_cast<unsigned char>(name[j - 1]))) --j;
        if (j < name.size() && j > i) family += " ... " + name.substr(j);
    }
    return family;
}

// A designation as the file stores it: up to 15 characters, blank-padded.
bool Usable_Name(const char* stored, std::string* name) {
    std::string s(stored, strnlen(stored, PROFIL_KEY_LENGTH));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (s.empty()) return false;
    for (char c : s)
        if (c <= ' ' || c > '~') return false;
    *name = s;
    return true;
}

// ---- the picker on the screen ----

enum {
    TITLE_HEIGHT = 30,
    ROW = 18,
    LIST_TOP = 58,
    FAMILY_X1 = 10,
    FAMILY_X2 = 190,
    SIZE_X1 = 200,
    BUTTON_HEIGHT = 24,
    PICKER_FONT = 0x1000,
    WHEEL_ROWS = 3,
};

enum Action {
    NONE,
    FAMILY_PAGE_UP,
    FAMILY_PAGE_DOWN,
    SIZE_PAGE_UP,
    SIZE_PAGE_DOWN,
    TAKE,
    CANCEL,
};

struct Button {
    const char* text;
    Action action;
    int x1, y1, x2, y2;
    bool Contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

struct Picker {
    const std::vector<Profile_Family>* families = nullptr;
    int family = 0, size = -1;         // chosen family and size (-1 none)
    int family_top = 0, size_top = 0;  // first row shown of each list
    int bottom = 0, rows = 1;          // lists end at bottom and show rows rows
    std::vector<Button> buttons;

    const Profile_Family& Family() const { return (*families)[static_cast<size_t>(family)]; }
    int Sizes() const { return static_cast<int>(Family().sizes.size()); }
    int Families() const { return static_cast<int>(families->size()); }
};

int Clamp(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

void Layout(Picker& p) {
    const int W = NPIXEL_X, H = NPIXEL_Y;
    p.bottom = H - 90;
    p.rows = std::max(1, (p.bottom - LIST_TOP) / ROW);
    p.bottom = LIST_TOP + p.rows * ROW;
    const int y1 = p.bottom + 6, y2 = y1 + BUTTON_HEIGHT - 1;
    const int yb1 = H - 8 - BUTTON_HEIGHT, yb2 = H - 9;
    p.buttons = {{"Bild auf", FAMILY_PAGE_UP, FAMILY_X1, y1, 95, y2},
                 {"Bild ab", FAMILY_PAGE_DOWN, 105, y1, FAMILY_X2, y2},
                 {"Bild auf", SIZE_PAGE_UP, SIZE_X1, y1, SIZE_X1 + 95, y2},
                 {"Bild ab", SIZE_PAGE_DOWN, SIZE_X1 + 105, y1, SIZE_X1 + 190, y2},
                 {"übernehmen"_cp, TAKE, W - 250, yb1, W - 140, yb2},
                 {"abbrechen", CANCEL, W - 130, yb1, W - 20, yb2}};
}

// The rows first..first+rows of a list of texts in the box x1..x2, the
// chosen one marked.
void Draw_List(const Picker& p, int x1, int x2, int first, int chosen, int count,
               const std::function<std::string(int)>& text) {
    const int white = Nearest_RGB_Color(255, 255, 255), mark = Nearest_RGB_Color(10, 36, 106);
    pxFgc(white);
    pxRect(x1, LIST_TOP, x2, p.bottom);
    Draw_Funny_Area_to_PS(3, x1 - 2, LIST_TOP - 2, x2 + 2, p.bottom + 2, 0);
    pxView(x1, LIST_TOP, x2, p.bottom);
    for (int r = 0; r < p.rows && first + r < count; ++r) {
        const int i = first + r, y = LIST_TOP + r * ROW;
        if (i == chosen) {
            pxFgc(mark);
            pxRect(x1, y, x2, y + ROW - 1);
        }
        pxFgc(i == chosen ? white : BLACK_CI);
        const std::string t = text(i);
        pxText(x1 + 4, y + 13, t.c_str(), static_cast<int>(t.size()));
    }
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
}

void Draw(const Picker& p) {
    const int W = NPIXEL_X, H = NPIXEL_Y;
    pxView(0, 0, W - 1, H - 1);
    Pop_RFont(PICKER_FONT);
    pxFgc(-1);
    pxRect(0, 0, W - 1, H - 1);
    pxFgc(-7);
    pxRect(0, 0, W - 1, TITLE_HEIGHT - 1);
    pxFgc(-8);
    pxText(10, 20, "Profil aus der Profildatei PROFIL wählen"_cp, -1);
    pxFgc(-6);
    pxText(FAMILY_X1, LIST_TOP - 8, "Profilreihe", -1);
    char heading[96];
    std::snprintf(heading, sizeof heading, "Profil (%d in %s)", p.Sizes(), p.Family().name.c_str());
    pxText(SIZE_X1, LIST_TOP - 8, heading, -1);
    Draw_List(p, FAMILY_X1, FAMILY_X2, p.family_top, p.family, p.Families(),
              [&](int i) { return (*p.families)[static_cast<size_t>(i)].name; });
    Draw_List(p, SIZE_X1, W - 10, p.size_top, p.size, p.Sizes(),
              [&](int i) { return p.Family().sizes[static_cast<size_t>(i)]; });
    pxFgc(-6);
    const std::string chosen = "Gewählt: "_cp + (p.size >= 0 ? p.Family().sizes[static_cast<size_t>(p.size)] : "-");
    pxText(10, H - 14, chosen.c_str(), -1);
    for (const Button& b : p.buttons) {
        Draw_Funny_Area_to_PS(5, b.x1, b.y1, b.x2, b.y2, 1);
        pxFgc(b.action == TAKE && p.size < 0 ? -16 : -14);
        pxBTxt(b.x1, b.y1, b.x2, b.y2, b.text, -1, PX_ALIGN_CENTRE | PX_ALIGN_MIDDLE);
    }
    Push_RFont();
    pxFlsh();
}

// The chosen size stays in view.
void Show_Size(Picker& p) {
    if (p.size < 0) return;
    if (p.size < p.size_top) p.size_top = p.size;
    if (p.size >= p.size_top + p.rows) p.size_top = p.size - p.rows + 1;
}

void Choose_Family(Picker& p, int family) {
    family = Clamp(family, 0, p.Families() - 1);
    if (family != p.family) {
        p.family = family;
        p.size = -1;
        p.size_top = 0;
    }
    if (p.family < p.family_top) p.family_top = p.family;
    if (p.family >= p.family_top + p.rows) p.family_top = p.family - p.rows + 1;
}

void Scroll(int* top, int delta, int count, int rows) { *top = Clamp(*top + delta, 0, std::max(0, count - rows)); }

void Choose_Preset(Picker& p, const char* preset) {
    if (!preset) return;
    std::string want;
    for (const char* c = preset; *c; ++c)
        if (*c != '~' && *c != ' ') want += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    for (int f = 0; f < p.Families(); ++f) {
        const std::vector<std::string>& sizes = (*p.families)[static_cast<size_t>(f)].sizes;
        const auto at = std::find(sizes.begin(), sizes.end(), want);
        if (at == sizes.end()) continue;
        Choose_Family(p, f);
        p.size = static_cast<int>(at - sizes.begin());
        Show_Size(p);
        return;
    }
}

// One user action; true when the picker is done (*taken set when a size
// was taken).
bool Act(Picker& p, std::string* taken) {
    const int ev = GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_KEY | VEK_MASK_WHEEL, nullptr);
    Action action = NONE;
    if (ev == VEK_MSG_CLOSE) return true;
    if (ev == VEK_MSG_KEY) {
        switch (getkey()) {
        case VEK_KEY_ESC: action = CANCEL; break;
        case VEK_KEY_ENTER: action = TAKE; break;
        case VEK_KEY_UP: p.size = std::max(0, p.size - 1); break;
        case VEK_KEY_DOWN: p.size = std::min(p.Sizes() - 1, p.size + 1); break;
        case VEK_KEY_PGUP: p.size = std::max(0, p.size - p.rows); break;
        case VEK_KEY_PGDN: p.size = std::min(p.Sizes() - 1, std::max(0, p.size) + p.rows); break;
        case VEK_KEY_HOME: p.size = 0; break;
        case VEK_KEY_END: p.size = p.Sizes() - 1; break;
        case VEK_KEY_LEFT: Choose_Family(p, p.family - 1); break;
        case VEK_KEY_RIGHT: Choose_Family(p, p.family + 1); break;
        default: return false;
        }
        Show_Size(p);
    } else if (ev == VEK_MSG_WHEEL) {
        const int rows = M_SCROLL > 0 ? -WHEEL_ROWS : WHEEL_ROWS;
        M_SCROLL = 0;
        if (M_XPOS < SIZE_X1) Scroll(&p.family_top, rows, p.Families(), p.rows);
        else Scroll(&p.size_top, rows, p.Sizes(), p.rows);
    } else if (ev == VEK_MSG_LEFT_DOWN) {
        const int x = M_XPOS, y = M_YPOS, row = (y - LIST_TOP) / ROW;
        for (const Button& b : p.buttons)
            if (b.Contains(x, y)) {
                GetVEKMessage(VEK_MASK_LEFT_UP, nullptr);
                if (b.Contains(M_XPOS, M_YPOS)) action = b.action;
            }
        if (y >= LIST_TOP && y < p.bottom && x >= FAMILY_X1 && x <= FAMILY_X2 && p.family_top + row < p.Families()) {
            Choose_Family(p, p.family_top + row);
        } else if (y >= LIST_TOP && y < p.bottom && x >= SIZE_X1 && x <= NPIXEL_X - 10 &&
                   p.size_top + row < p.Sizes()) {
            if (p.size == p.size_top + row) action = TAKE;
            p.size = p.size_top + row;
        }
    } else {
        return false;
    }
    switch (action) {
    case FAMILY_PAGE_UP: Scroll(&p.family_top, -p.rows, p.Families(), p.rows); break;
    case FAMILY_PAGE_DOWN: Scroll(&p.family_top, p.rows, p.Families(), p.rows); break;
    case SIZE_PAGE_UP: Scroll(&p.size_top, -p.rows, p.Sizes(), p.rows); break;
    case SIZE_PAGE_DOWN: Scroll(&p.size_top, p.rows, p.Sizes(), p.rows); break;
    case TAKE:
        if (p.size < 0) break;
        *taken = p.Family().sizes[static_cast<size_t>(p.size)];
        return true;
    case CANCEL: return true;
    default: break;
    }
    Draw(p);
    return false;
}

}  // namespace

int Read_Profile_Families(FILE* profil, const char* filter, std::vector<Profile_Family>* families) {
    if (!families) return 0;
    families->clear();
    if (!profil) return 0;
    // (type rank, family name) -> designations
    std::map<std::pair<int, std::string>, std::vector<std::string>> found;
    const long count = Profil_Record_Count(profil);
    ProfilRecord record;
    for (long i = 0; i < count && Read_Profil_Record(profil, i, &record); ++i) {
        const char type = record.code[3];
        const char* rank = type ? std::strchr(kTypeOrder, type) : nullptr;
        std::string name;
        if (!rank || (filter && *filter && !std::strchr(filter, type)) || !Usable_Name(record.name, &name)) continue;
        found[{static_cast<int>(rank - kTypeOrder), Family_Name(name)}].push_back(name);
    }
    for (auto& [key, sizes] : found) {
        std::sort(sizes.begin(), sizes.end(), [](const std::string& a, const std::string& b) {
            return std::make_tuple(Numbers_Of(a), a) < std::make_tuple(Numbers_Of(b), b);
        });
        sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
        families->push_back({key.second, kTypeOrder[key.first], std::move(sizes)});
    }
    return static_cast<int>(families->size());
}

std::string Run_Profile_Picker(const std::vector<Profile_Family>& families, const char* preset) {
    if (families.empty()) return "";
    Picker p;
    p.families = &families;
    Layout(p);
    Choose_Preset(p, preset);
    Draw(p);
    std::string taken;
    while (!Act(p, &taken)) {
    }
    return taken;
}

const char* Select_Profile_at_Current(const char* current, int mode) {
    std::string name = current ? current : "";
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (name.empty() || name.find_first_not_of(' ') == std::string::npos) unsetenv(PROFILE_PICKER_CURRENT_ENTRY);
    else setenv(PROFILE_PICKER_CURRENT_ENTRY, name.c_str(), 1);
    const char* chosen = Select_Profile_from_Manager(mode);
    unsetenv(PROFILE_PICKER_CURRENT_ENTRY);
    return chosen;
}
