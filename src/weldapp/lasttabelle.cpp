// The load-case table of the load-case page and the actions of its buttons.
#include "weldapp/lasttabelle.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/vesk.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/valuecheck.h"
#include "platform/field_number.h"
#include "platform/msgbox.h"
#include "weldapp/control_words.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/tool_text.h"

static_assert(sizeof(Lasttabelle_Zeile) == sizeof(Lastfall), "a row has the size of a load case");

Lasttabelle_Requests Lasttabelle_Request = {0, 0, 0, 0};

namespace {

const char* Unit_Picture(int unit) {
    switch (unit) {
    case 0: return "EC3_schweisslasten_1.bmp";
    case 1: return "EC3_schweisslasten_2.bmp";
    case 2: return "EC3_schweisslasten_3.bmp";
    default: return "EC3_schweisslasten.bmp";
    }
}

// The page's state.
struct Table_State {
    int built = -1;     // the table built last
    int page = -1;      // the table the page shows
    int unit = 0;       // unit code the built table is in
    int area = -1, x = 0, y = 0;  // where it stands (y: its first row)
    // The record the table was made for and what it held then (or after the
    // table's last store): a record changed behind the table's back differs.
    SchweissnahtAnschluss* record = nullptr;
    Lastfall* loads = nullptr;
    int count = 0;
    int changes = 0;    // the service's change count at that time
    // 0-based rows put into the page as fields since the page's last fill:
    // the only rows whose values the user can have edited in between.
    std::vector<int> exposed;
};

Table_State state;
Lasttabelle_Services services = {};

// A name of at most 40 characters, padded with blanks to 40.
void Set_Name(char* to, const char* from) {
    const size_t n = strnlen(from, LASTTABELLE_NAME);
    std::memmove(to, from, n);
    to[n] = '\0';
    Pad_Blank(to, LASTTABELLE_NAME + 1);
}

Lasttabelle_Zeile Blank_Row() {
    Lasttabelle_Zeile row{};
    Pad_Blank(row.name, LASTTABELLE_NAME + 1);
    return row;
}

// A record's case in the table's unit (the factors of Load_Unit_To_Screen).
Lasttabelle_Zeile Row_of(const Lastfall& c, Schnittkraefte_Units to_screen) {
    Lasttabelle_Zeile row{};
    Set_Name(row.name, c.name);
    row.forces = Scale_Schnittkraefte(c.forces, to_screen);
    return row;
}

// A row as a load case in N and Nmm (the factors of Load_Unit_From_Screen),
// its name padded to 40 characters.
Lastfall Case_of(const Lasttabelle_Zeile& row, Schnittkraefte_Units from_screen) {
    Lastfall c{};
    Set_Name(c.name, row.name);
    c.forces = Scale_Schnittkraefte(row.forces, from_screen);
    return c;
}

bool Same_Case(const Lastfall& a, const Lastfall& b) {
    const Schnittkraefte &f = a.forces, &g = b.forces;
    return std::strcmp(a.name, b.name) == 0 && f.N == g.N && f.V_y == g.V_y && f.V_z == g.V_z && f.M_x == g.M_x &&
           f.M_y == g.M_y && f.M_z == g.M_z;
}

void Remember_Record(SchweissnahtAnschluss* record) {
    state.record = record;
    state.loads = record ? record->loads : nullptr;
    state.count = record ? record->load_count : 0;
    state.changes = Table_Change_Count(state.built);
}

bool Record_Unchanged(const SchweissnahtAnschluss* record) {
    return record && record == state.record && record->loads == state.loads && record->load_count == state.count;
}

// The whole table into the record it was made for.
void Store_All() {
    SchweissnahtAnschluss* r = state.record;
    if (!r || state.built < 0) return;
    const int before = r->load_count;
    Lasttabelle_to_Record(state.built, &r->load_count, &r->loads);
    if (r->load_count != before || !r->results) New_Schweissnaht_Results(r);
    Remember_Record(r);
    state.exposed.clear();
}

// The rows the user can have edited into the record, each only when it
// differs from its case, so that an untouched value never goes through the
// unit factors twice.
void Store_Exposed() {
    SchweissnahtAnschluss* r = state.record;
    if (!r || state.built < 0 || !Record_Unchanged(r)) return;
    if (Table_Change_Count(state.built) != state.changes) {
        Store_All();
        return;
    }
    std::sort(state.exposed.begin(), state.exposed.end());
    state.exposed.erase(std::unique(state.exposed.begin(), state.exposed.end()), state.exposed.end());
    const Schnittkraefte_Units f = Load_Unit_From_Screen(state.unit);
    for (int k : state.exposed) {
        auto* row = static_cast<Lasttabelle_Zeile*>(Table_Row_Data(state.built, k + 1));
        if (!row || k >= r->load_count) continue;
        // The name field takes up to the length it has: keep it at 40.
        Pad_Blank(row->name, LASTTABELLE_NAME + 1);
        const Lastfall c = Case_of(*row, f);
        if (!Same_Case(c, r->loads[k])) r->loads[k] = c;
    }
}

// Removes the built table (and its fields from the page).
void Drop_Table() {
    if (state.built >= 0) Release_Table(state.built);
    if (state.page == state.built) state.page = -1;
    state.built = -1;
    state.exposed.clear();
}

void Define_Table(int area, int x, int y) {
    const int t = Define_Table_in_Scrollable_Area(area, y, x + 5, x + 875, LASTTABELLE_ROW_HEIGHT,
                                                  static_cast<int>(sizeof(Lasttabelle_Zeile)), Draw_Lasttabelle_Row);
    state.built = t;
    state.area = area;
    state.x = x;
    state.y = y;
    if (t < 0) return;
    const Lasttabelle_Zeile blank = Blank_Row();
    Set_Table_Template_Row(t, &blank);
    Set_Table_Part_Offset(t, 4, -3, 10);
    Set_Table_Part_Offset(t, 1, 0, -2);
    Set_Table_Part_Offset(t, 2, 19, -2);
    Set_Table_Part_Offset(t, 3, 3, -2);
    // A sort icon above each force column, at the offset of its force.
    for (int i = 0; i < 6; ++i) {
        const char* value = reinterpret_cast<const char*>(&(blank.forces.*LASTFALL_COLUMNS[i]));
        Add_Table_Column(t, x + 5 + 47 + 82 * i + 30, y - 14, 0, 1, "%8.2f",
                         static_cast<int>(value - reinterpret_cast<const char*>(&blank)));
    }
    Set_Table_Window_Mode(t, 1);
}

// A new table for the record at the place given (y: the first row).
void Build_Table(SchweissnahtAnschluss* record, int area, int x, int y) {
    state.unit = record->load_unit;
    Define_Table(area, x, y);
    if (state.built >= 0) {
        const Schnittkraefte_Units f = Load_Unit_To_Screen(state.unit);
        for (int i = 0; i < record->load_count && record->loads; ++i) {
            const Lasttabelle_Zeile row = Row_of(record->loads[i], f);
            Append_Table_Row(state.built, &row);
        }
        Set_Table_Row_Limit(state.built, LASTTABELLE_MAX_ROWS);
    }
    Remember_Record(record);
}

int Ask(int kind, int width, int height, void* info, Lasttabelle_Text_Callback text) {
    if (!services.question_sheet) return 1;
    return services.question_sheet(kind, width, height, nullptr, info, text);
}

void Import_From_Component() {
    int info[3] = {1, 6, LASTTABELLE_MAX_ROWS};
    if (!services.import_component || !Ask(1, 330, 140, info, Import_Help_Text)) return;
    SchweissnahtAnschluss* r = state.record;
    Store_All();
    if (services.import_component(r) > 0) Drop_Table();
}

void Show_Import_Information() {
    if (!services.question_sheet || !services.protocol_text) return;
    const int n = services.count_protocol_lines ? services.count_protocol_lines() : 0;
    const int height = std::max(18 * n, 500);
    services.question_sheet(-1, 700, height + 44, nullptr, nullptr, services.protocol_text);
}

// The rows of the built table that carry a force (rows without one are
// dropped before every evaluation).
int Rows_With_Load() {
    int n = 0;
    for (int k = 1; k <= Table_Row_Count(state.built); ++k) {
        const auto* row = static_cast<const Lasttabelle_Zeile*>(Table_Row_Data(state.built, k));
        for (auto column : LASTFALL_COLUMNS)
            if (row && row->forces.*column != 0) {
                ++n;
                break;
            }
    }
    return n;
}

// The columns of M_y, M_z and M_x (LASTFALL_COLUMNS).
bool Is_Moment_Column(int column) { return column == 1 || column == 3 || column == 5; }

// The units of a force and of a moment in the table's unit code.
const char* Force_Unit(int unit) { return unit == 0 || unit == 1 ? "kN" : "N"; }
const char* Moment_Unit(int unit) {
    static const char* const kMoments[4] = {"kNm", "kNcm", "Nm", "Nmm"};
    return kMoments[unit >= 0 && unit <= 3 ? unit : 3];
}

// A file whose combinations hold a value that no cell takes (no number, or
// beyond LASTFALL_MAX_FORCE) is not read: the first such value is named with
// its combination and the limits. True when the file is refused.
bool Refuse_Unstorable_File(const std::vector<double>& values, const std::vector<char>& names, int count) {
    static const char* const kSymbols[6] = {"N", "My", "Vz", "Mz", "Vy", "Mx"};
    const int unit = state.unit;
    for (int g = 0; g < count; ++g)
        for (int k = 0; k < 6; ++k) {
            const double v = values[static_cast<size_t>(g) * 6 + k];
            if (std::fabs(v * Lasttabelle_Column_Factor(unit, k)) <= LASTFALL_MAX_FORCE) continue;
            const char* name = &names[static_cast<size_t>(g) * 41];
            const bool moment = Is_Moment_Column(k);
            Init_Message();
            Set_Message_Title(VEK_REFUSAL_TITLE);
            // The file's numbers are read in single precision: seven digits.
            if (std::isfinite(v))
                Fill_Message("Die Datei wird nicht eingelesen: in Kombination %d (%.40s) ist %s = %.7g %s."_cp, g + 1,
                             name, kSymbols[k], v, moment ? Moment_Unit(unit) : Force_Unit(unit));
            else
                Fill_Message("Die Datei wird nicht eingelesen: in Kombination %d (%.40s) ist %s keine Zahl oder zu groß."_cp,
                             g + 1, name, kSymbols[k]);
            Fill_Message("Eine Kraft darf höchstens %s %s, ein Moment höchstens %s %s betragen."_cp,
                         VEK_Number_Text(LASTFALL_MAX_FORCE / Lasttabelle_Column_Factor(unit, 0)).c_str(),
                         Force_Unit(unit), VEK_Number_Text(LASTFALL_MAX_FORCE / Lasttabelle_Column_Factor(unit, 1)).c_str(),
                         Moment_Unit(unit));
            Fill_Message("%s", "Die Lastfalltabelle bleibt unverändert."_cp);
            Draw_Message();
            return true;
        }
    return false;
}

void Read_Text_File() {
    std::vector<double> values;
    std::vector<char> names;
    try {
        values.resize(6 * LASTTABELLE_MAX_ROWS);
        names.resize(41 * LASTTABELLE_MAX_ROWS);
    } catch (const std::bad_alloc&) {
        Out_Of_Memory_Exit();
    }
    int info[3] = {1, 6, LASTTABELLE_MAX_ROWS};
    if (!Ask(1, 390, 210, info, Textfile_Help_Text)) return;
    int count = 0;
    Read_Ctrlword_Values(values.data(), &count, 6, 6, LASTTABELLE_MAX_ROWS, names.data(), 41, 'S');
    if (count < 1) {
        PrintMessage("%s", "Es wurden keine Schnittgrößenkombinationen eingelesen.\n"
                           "Bitte überprüfen Sie das Dateiformat."_cp);
        return;
    }
    if (Refuse_Unstorable_File(values, names, count)) return;
    // The file's cases come after those of the table, which holds at most
    // LASTTABELLE_MAX_ROWS: a file that fits only in part is not taken.
    if (const int loaded = Rows_With_Load(); loaded + count > LASTTABELLE_MAX_ROWS) {
        PrintMessage("Die Tabelle enthält %d Lastfälle, die Datei %d Kombinationen:\n"
                     "zusammen mehr als %d, die Datei wird nicht eingelesen."_cp,
                     loaded, count, static_cast<int>(LASTTABELLE_MAX_ROWS));
        return;
    }
    const Lasttabelle_Zeile blank = Blank_Row();
    Set_Table_Template_Row(state.built, &blank);
    for (int g = 0; g < count; ++g) {
        Lasttabelle_Zeile row{};
        Set_Name(row.name, &names[static_cast<size_t>(g) * 41]);
        const double* v = &values[static_cast<size_t>(g) * 6];
        for (int k = 0; k < 6; ++k) row.forces.*LASTFALL_COLUMNS[k] = v[k];
        Append_Table_Row(state.built, &row);
    }
    Store_All();
}

// Every load case would go at one click: the user says so first, "Nein"
// (keep them) the default.
bool Confirm_Clear_Table() {
    if (state.page != state.built) return false;
    Init_Message();
    Set_Message_Title("Nachfrage");
    Fill_Message("%s", "Sollen alle Lastfälle der Tabelle gelöscht werden?"_cp);
    Fill_Message("(Anzahl der Lastfälle: %d)"_cp, Table_Row_Count(state.built));
    Set_Message_Symbol(3, 1, 0, 0);
    return Answer_is_Yes(0) != 0;
}

void Clear_Table() {
    if (state.page != state.built) return;
    SchweissnahtAnschluss* r = state.record;
    const int area = state.area, x = state.x, y = state.y;
    Drop_Table();
    Define_Table(area, x, y);
    if (state.built < 0) return;
    // The one blank case a table without rows stands for (the record never
    // holds fewer), shown at once: the table and the chart name the same
    // cases.
    const Lasttabelle_Zeile blank = Blank_Row();
    Append_Table_Row(state.built, &blank);
    Set_Table_Row_Limit(state.built, LASTTABELLE_MAX_ROWS);
    state.page = state.built;
    state.record = r;
    Store_All();
}

}  // namespace

void Set_Lasttabelle_Services(const Lasttabelle_Services* s) { services = s ? *s : Lasttabelle_Services{}; }

double Lasttabelle_Column_Factor(int unit, int column) {
    const Schnittkraefte_Units u = Load_Unit_From_Screen(unit);
    return Is_Moment_Column(column) ? u.moment : u.force;
}

int Lasttabelle_Column_Decimals(int unit, int column) {
    return 2 + static_cast<int>(std::lround(std::log10(Lasttabelle_Column_Factor(unit, column))));
}

int Lasttabelle_Forces_Storable(const Schnittkraefte& f) {
    for (double v : {f.N, f.V_y, f.V_z, f.M_x, f.M_y, f.M_z})
        if (!(std::fabs(v) <= LASTFALL_MAX_FORCE)) return 0;
    return 1;
}

int Draw_Lasttabelle_Row(int mode, int area, int x, int y, void* data) {
    auto* row = static_cast<Lasttabelle_Zeile*>(data);
    if (!row) return 1;
    if (mode == 1 && y >= state.y) state.exposed.push_back((y - state.y) / LASTTABELLE_ROW_HEIGHT);
    for (int i = 0; i < 6; ++i) {
        Add_Float_to_Scrollable_Area(area, x + 47 + 82 * i, y + 10, &(row->forces.*LASTFALL_COLUMNS[i]), "%8.2f",
                                     Screen_Font_Normal, Screen_Black, &Screen_Flag_On);
        const double factor = Lasttabelle_Column_Factor(state.unit, i);
        Set_Bounds_of_Last_Float(area, -LASTFALL_MAX_FORCE / factor, LASTFALL_MAX_FORCE / factor);
        Set_Decimals_of_Last_Float(area, Lasttabelle_Column_Decimals(state.unit, i));
        Set_Room_of_Last_Float(area, LASTTABELLE_CELL_ROOM);
    }
    Add_Edit_Text_to_Scrollable_Area(area, x + 539, y + 10, row->name, Screen_Font_Normal, Screen_Black,
                                     &Screen_Flag_On);
    return 1;
}

namespace {

// The sign convention of the forces beside the table: at its place below
// the column heads while the table is short, else below the table's line
// that appends a row, so that rows never run over it. Where the area's
// first view would cut it there, it starts below that view: it is seen
// whole, once scrolled to, never cut by the view's foot.
void Add_Sign_Picture(int area) {
    enum { PICTURE_X = 570, PICTURE_Y = 260, PICTURE_SIZE = 370, GAP = 20 };
    const int rows = state.built >= 0 ? Table_Row_Count(state.built) : 0;
    const int table_end = state.y + (rows + 1) * LASTTABELLE_ROW_HEIGHT;
    int y = std::max<int>(PICTURE_Y, table_end + GAP);
    int width = 0, height = 0;
    Inquire_Scrollable_View_Area_Size(area, &width, &height);
    if (height > 0 && y < height && y + PICTURE_SIZE > height) y = height + GAP;
    Add_Picture_to_Scrollable_Area(area, "EC3_schweisslasten_pic.bmp", PICTURE_X, y, PICTURE_X + PICTURE_SIZE,
                                   y + PICTURE_SIZE, -1);
}

}  // namespace

void Draw_Lasttabelle(SchweissnahtAnschluss* record, int area, int x, int* y) {
    if (!record || !y) return;
    Add_Picture_to_Scrollable_Area(area, Unit_Picture(record->load_unit), x, *y, x + 890, *y + 65, -1);
    const int table_y = *y + 70;
    if (state.built >= 0 && Record_Unchanged(record)) {
        // The previous pass's edits into the record; the table stays while
        // its unit and area stay.
        Store_Exposed();
        if (record->load_unit == state.unit && area == state.area) {
            if (x != state.x || table_y != state.y) {
                Move_Table(state.built, table_y, x + 5);
                state.x = x;
                state.y = table_y;
            }
            Set_Table_Window_Mode(state.built, 1);
            Add_Sign_Picture(area);
            return;
        }
    }
    Drop_Table();
    Build_Table(record, area, x, table_y);
    Add_Sign_Picture(area);
}

void Update_Lasttabelle(void) {
    state.exposed.clear();
    if (state.built >= 0) Fill_Table_Area(state.built);
    state.page = state.built;
}

void Lasttabelle_to_Record(int table, int* count, Lastfall** cases) {
    if (!count || !cases || !Sheet_Table_Record(table) || !Sheet_Table_Record(table)->defined) return;
    const Schnittkraefte_Units f = Load_Unit_From_Screen(state.unit);
    const int n = std::max(Table_Row_Count(table), 1);
    auto* fresh = static_cast<Lastfall*>(Weld_Calloc_Or_Exit(__FILE__, __LINE__, static_cast<size_t>(n), sizeof(Lastfall)));
    const Lasttabelle_Zeile blank = Blank_Row();
    fresh[0] = Case_of(blank, f);
    int i = 0;
    for (void* p = First_Table_Row(table); p && i < n; p = Next_Table_Row(table), ++i)
        fresh[i] = Case_of(*static_cast<const Lasttabelle_Zeile*>(p), f);
    Mem_Free(__FILE__, __LINE__, "null", *cases);
    *cases = fresh;
    *count = n;
}

int Store_Lasttabelle(SchweissnahtAnschluss* record) {
    if (!record || state.page < 0 || state.built < 0) return -1;
    const int id = state.built;
    const int before = record->load_count;
    Lasttabelle_to_Record(id, &record->load_count, &record->loads);
    if (record->load_count != before || !record->results) New_Schweissnaht_Results(record);
    Drop_Table();
    state.page = -1;
    state.record = nullptr;
    return id;
}

int Edit_Lasttabelle(void) {
    if (state.page < 0) return 0;
    Lasttabelle_Requests& q = Lasttabelle_Request;
    if (q.import_component) {
        q.import_component = 0;
        Import_From_Component();
        return -1;
    }
    if (q.import_info) {
        q.import_info = 0;
        Show_Import_Information();
        return -1;
    }
    if (q.read_text_file) {
        q.read_text_file = 0;
        if (state.page == state.built) Read_Text_File();
        return -1;
    }
    if (q.clear_table) {
        q.clear_table = 0;
        if (Confirm_Clear_Table()) Clear_Table();
        return -1;
    }
    if (state.page != state.built) return 0;
    const int result = Edit_Table(state.built);
    Store_Exposed();
    return result == 1 ? -1 : result;
}

int Put_Lastfaelle_to_Lasttabelle(SchweissnahtAnschluss* record, const Lastfall* cases, int n, int mode) {
    if (!record || !cases || n < 1) return -1;
    const bool shown = state.built >= 0 && state.record == record;
    if (shown) Store_All();
    const int old_count = record->loads ? record->load_count : 0;
    int filled = 0;
    if (mode == LASTTABELLE_FILL_EMPTY)
        while (filled < old_count && filled < n && !Lastfall_Has_Load(record, filled)) ++filled;
    const int kept = mode == LASTTABELLE_REPLACE ? 0 : old_count;
    const long long count = static_cast<long long>(kept) + n - filled;
    if (count > LASTTABELLE_MAX_ROWS) return -1;
    auto* fresh = static_cast<Lastfall*>(
        Weld_Calloc_Or_Exit(__FILE__, __LINE__, static_cast<size_t>(count), sizeof(Lastfall)));
    if (kept > 0) std::memcpy(fresh, record->loads, static_cast<size_t>(kept) * sizeof(Lastfall));
    for (int i = 0; i < n; ++i) {
        Lastfall& c = fresh[i < filled ? i : kept + i - filled];
        c = cases[i];
        c.name[LASTFALL_NAME_SIZE - 1] = '\0';
    }
    Mem_Free(__FILE__, __LINE__, "null", record->loads);
    record->loads = fresh;
    record->load_count = static_cast<int>(count);
    New_Schweissnaht_Results(record);
    if (shown) Drop_Table();
    return record->load_count;
}

void Reset_Lasttabelle(void) {
    Drop_Table();
    state = Table_State{};
    Lasttabelle_Request = {0, 0, 0, 0};
    services = {};
}

int Lasttabelle_Table_Id(void) { return state.built; }
