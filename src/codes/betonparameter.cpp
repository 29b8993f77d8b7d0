// The data side of the concrete and reinforcing-steel input pages: picker
// lists, the definition-mode word, factor-table columns and the text-file
// helpers (see the header).
#include "codes/betonparameter.h"

#include <cstring>

#include "base/vesk.h"
#include "codes/betonguete.h"
#include "codes/nad_file.h"
#include "codes/versioned_text.h"
#include "platform/screen.h"

namespace {

const char* const kDinConcrete[BETONGUETE_DIN_COUNT] = {"B15", "B25", "B35", "B45", "B55"};
const char* const kConcrete[BETONGUETE_COUNT] = {"C12/15", "C16/20", "C20/25", "C25/30", "C30/37",
                                                  "C35/45", "C40/50", "C45/55", "C50/60", "C55/67",
                                                  "C60/75", "C70/85", "C80/95", "C90/105", "C100/115"};
const char* const kLightweight[BETONGUETE_LC_COUNT] = {"LC12/13", "LC16/18", "LC20/22", "LC25/28",
                                                        "LC30/33", "LC35/38", "LC40/44", "LC45/50",
                                                        "LC50/55", "LC55/60", "LC60/66"};
const char* const kDinSteel[3] = {"BSt 220/340", "BSt 420 S", "BSt 500 S"};
const char* const kSeparator = "-------";

int g_definition_mode = 0;

// The entry colours, as palette entries.
int Green() { return Nearest_RGB_Color(0, 164, 0); }
int Black() { return Nearest_RGB_Color(0, 0, 0); }
int Brown() { return Nearest_RGB_Color(155, 126, 66); }
int Blue() { return Nearest_RGB_Color(0, 0, 255); }
int Orange() { return Nearest_RGB_Color(234, 164, 0); }

Grade_Pick_List* New_List(int mode, int stride, int capacity) {
    auto* list = static_cast<Grade_Pick_List*>(ITools_Realloc(nullptr, sizeof(Grade_Pick_List), 1));
    list->mode = mode;
    list->stride = stride;
    list->names = static_cast<char*>(ITools_Realloc(nullptr, static_cast<size_t>(capacity) * stride, 1));
    const size_t ints = static_cast<size_t>(capacity) * sizeof(int32_t);
    list->colours = static_cast<int32_t*>(ITools_Realloc(nullptr, ints, 1));
    list->flags = static_cast<int32_t*>(ITools_Realloc(nullptr, ints, 1));
    list->ids = static_cast<int32_t*>(ITools_Realloc(nullptr, ints, 1));
    return list;
}

void Add(Grade_Pick_List* list, const char* name, int colour, int flags, int id) {
    const int i = list->count++;
    NAD_Copy_Name(list->names + static_cast<size_t>(i) * list->stride, static_cast<size_t>(list->stride), name);
    list->colours[i] = colour;
    list->flags[i] = flags;
    list->ids[i] = id;
}

void Add_Separator(Grade_Pick_List* list) { Add(list, kSeparator, Orange(), PICK_SEPARATOR, -1); }

void Default_Column(Factor_Column* c, int column) {
    std::memset(c, 0, sizeof *c);
    NAD_Copy_Name(c->name, sizeof c->name, "Welcher Faktor ?");
    NAD_Copy_Name(c->symbol, sizeof c->symbol, "???");
    NAD_Copy_Name(c->unit, sizeof c->unit, "???");
    c->x = column * 68;
    c->layout = 6;
    c->width = 63;
    c->gap = 5;
}

}  // namespace

static_assert(sizeof(Factor_Column) == 200, "a factor-table column is 200 bytes");

// ---- Picker lists ----

Grade_Pick_List* Make_Concrete_Pick_List(int mode, int options) {
    Grade_Pick_List* list = New_List(mode, PICK_CONCRETE_STRIDE, mode ? 35 : 5);
    list->lightweight_shown = (options & PICK_OPTION_SHOW_ALPHA) ? 1 : 0;
    if (options & PICK_OPTION_DIN) {
        for (int i = 0; i < BETONGUETE_DIN_COUNT; ++i) Add(list, kDinConcrete[i], Green(), PICK_DIN_CONCRETE, i);
        if (!mode) return list;
        Add_Separator(list);
    }
    if (!mode) return list;
    for (int i = 0; i < BETONGUETE_COUNT; ++i) Add(list, kConcrete[i], Black(), 0, 5 + i);
    if (options & PICK_OPTION_LIGHTWEIGHT) {
        Add_Separator(list);
        for (int i = 0; i < BETONGUETE_LC_COUNT; ++i) Add(list, kLightweight[i], Brown(), PICK_LIGHTWEIGHT, 5 + i);
    }
    if (options & PICK_OPTION_FREE) {
        Add_Separator(list);
        Add(list, "frei", Blue(), PICK_FREE_CONCRETE, PICK_FREE_CONCRETE_ID);
    }
    return list;
}

Grade_Pick_List* Make_Steel_Pick_List(int mode) {
    Grade_Pick_List* list = New_List(mode, PICK_STEEL_STRIDE, mode ? 8 : 3);
    for (int i = 0; i < 3; ++i) Add(list, kDinSteel[i], Green(), PICK_DIN_STEEL, i);
    if (!mode) return list;
    Add_Separator(list);
    Add(list, mode == 2 ? "B500A" : "BSt 500 (A)", Black(), 0, 3);
    Add(list, mode == 2 ? "B500B" : "BSt 500 (B)", Black(), 0, 4);
    Add_Separator(list);
    Add(list, "frei", Blue(), PICK_FREE_STEEL, PICK_FREE_STEEL_ID);
    return list;
}

int Find_Pick_Position(const Grade_Pick_List* list, int id, int mask) {
    if (!list) return 0;
    for (int i = 0; i < list->count; ++i)
        if (list->ids[i] == id && (mask == 0 || (list->flags[i] & mask))) return i;
    return 0;
}

void Get_Pick_Entry(const Grade_Pick_List* list, int position, int* id, int* flags) {
    int found_id = -1;
    int found_flags = 0;
    if (list && position >= 0 && position < list->count) {
        int i = position;
        while (i > 0 && (list->flags[i] & PICK_SEPARATOR)) --i;
        found_id = list->ids[i];
        found_flags = list->flags[i];
    }
    if (id) *id = found_id;
    if (flags) *flags = found_flags;
}

void Free_Pick_List(Grade_Pick_List* list) {
    if (!list) return;
    ITools_Free(&list->names);
    ITools_Free(&list->colours);
    ITools_Free(&list->flags);
    ITools_Free(&list->ids);
    ITools_Free(&list);
}

void Set_Definition_Mode(int mode) { g_definition_mode = mode; }

int Get_Definition_Mode(void) { return g_definition_mode; }

// ---- Factor table ----

void Init_Factor_List(Factor_List* table, int n) {
    if (!table) return;
    std::memset(table, 0, sizeof *table);
    table->flag_1 = table->flag_2 = 1;
    table->selected = -1;
    if (n < 1) return;
    table->columns = static_cast<Factor_Column*>(ITools_Realloc(nullptr, sizeof(Factor_Column) * n, 1));
    for (int i = 0; i < n; ++i) Default_Column(&table->columns[i], i);
    table->count = n;
}

void Reset_Factor_List(Factor_List* table, int n) {
    if (!table) return;
    Free_Factor_List(table);
    Init_Factor_List(table, n);
}

void Free_Factor_List(Factor_List* table) {
    if (!table) return;
    ITools_Free(&table->columns);
    table->count = 0;
}

int Factor_List_Height(const Factor_List* table) {
    if (!table) return 0;
    int sum = 0;
    for (int i = 0; i < table->count; ++i) sum += table->columns[i].width + table->columns[i].gap;
    return sum;
}

int Add_Factor_Row(Factor_List* table, const char* name, const char* symbol, const char* subscript,
                   const char* unit, int layout, int width, int gap) {
    if (!table) return 0;
    const int x = table->left + 8 + Factor_List_Height(table);
    table->columns = static_cast<Factor_Column*>(
        ITools_Realloc(table->columns, sizeof(Factor_Column) * (static_cast<size_t>(table->count) + 1), 0));
    Factor_Column* c = &table->columns[table->count];
    std::memset(c, 0, sizeof *c);
    NAD_Copy_Name(c->name, sizeof c->name, name);
    NAD_Copy_Name(c->symbol, sizeof c->symbol, symbol);
    NAD_Copy_Name(c->subscript, sizeof c->subscript, subscript);
    NAD_Copy_Name(c->unit, sizeof c->unit, unit);
    c->x = x;
    c->layout = layout;
    c->width = width;
    c->gap = gap;
    return ++table->count;
}

// ---- Text files ----

void Skip_Comment_Lines(FILE* file) {
    if (!file) return;
    for (int c; (c = std::fgetc(file)) != EOF;) {
        if (c <= 32) continue;
        if (c == '#') {
            // The whole line: the tail of a long comment is no data.
            while ((c = std::fgetc(file)) != EOF && c != '\n') {
            }
            continue;
        }
        std::ungetc(c, file);
        return;
    }
}

FILE* Get_Text_Read_File(void) { return Versioned_Read_File(); }

FILE* Get_Text_Write_File(void) { return Versioned_Write_File(); }
