// dwqb: the store of the one thin-walled model: node and line lists with their
// free lists, status and option words, model key, table snapshot and the hook
// through which another component attaches its own object to the model.
#include "thinwall/dwqb.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/dlist.h"
#include "base/invariant.h"
#include "base/vesk.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/dwqb_outline.h"

double DWQB_Querschnittswerte[DWQB_QW_COUNT];
int32_t DWQB_Anzahl_Zellen;
int32_t DWQB_Status;
uint32_t DWQB_Optionen;
uint32_t DWQB_Model_Generation;
int32_t DWQB_Erweitert;
int32_t DWQB_Alle_Linien;
int32_t* const DWQB_Service_Switches[2] = {&DWQB_Erweitert, &DWQB_Alle_Linien};
uint32_t DWQB_Option_Word = 0x1e;
char DWQB_Kurzname[16] = " ";
int32_t DWQB_Profil_Worte[3] = {-1, -1, -1};
DWQB_Tabellen_Record DWQB_Tabellen;

DWQB_Model_Store dwqb_model;
DWQB_Arbeitswerte dwqb_work;
Querschnitt* dwqb_cached_masque[2];
int dwqb_masque_failed;
void (*dwqb_free_masque)(Querschnitt* section);

static void* Alloc_Record(size_t size) { return Mem_Malloc(__FILE__, __LINE__, "null", size); }
void* (*dwqb_record_alloc)(size_t size) = Alloc_Record;

static DWQB_Hook_Table* hook_table;
static void* hook_object;
static double hook_parameter;
static int hook_failed;

static void Release_Hook_Object(void) {
    if (hook_object && hook_table && hook_table->release) hook_table->release(hook_object, hook_table->user);
    hook_object = nullptr;
}

static int Extended_Mode(void) { return DWQB_Erweitert || (DWQB_Optionen & DWQB_OPT_EXTENDED); }

static void Push_Free_Node(DWQB_Knoten* node) {
    node->prev = nullptr;
    node->next = dwqb_model.free_nodes;
    dwqb_model.free_nodes = node;
}

static void Unlink_Node(DWQB_Knoten* node) { Dlist_Unlink(dwqb_model.first_node, dwqb_model.last_node, node); }

// A line end whose node number was unknown holds no node: nothing to lower.
static void Release_Line_End(DWQB_Knoten* node) {
    if (!node) return;
    if (--node->use_count == 0) {
        Unlink_Node(node);
        Push_Free_Node(node);
    }
}

void Clear_DWQB_Model(void) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    DWQB_Model_Generation++;
    DWQB_Linie* line = dwqb_model.first_line;
    while (line) {
        DWQB_Linie* next = line->next;
        Release_Line_End(line->a);
        Release_Line_End(line->b);
        line->prev = nullptr;
        line->next = dwqb_model.free_lines;
        dwqb_model.free_lines = line;
        line = next;
    }
    DWQB_Knoten* node = dwqb_model.first_node;
    while (node) {
        DWQB_Knoten* next = node->next;
        Push_Free_Node(node);
        node = next;
    }
    dwqb_model.first_node = dwqb_model.last_node = nullptr;
    dwqb_model.first_line = dwqb_model.last_line = nullptr;
    for (Querschnitt*& cached : dwqb_cached_masque) {
        if (cached && dwqb_free_masque) dwqb_free_masque(cached);
        cached = nullptr;
    }
    dwqb_masque_failed = 0;
    Forget_DWQB_Line_Cache();
    DWQB_Aktueller_Teil = nullptr;
    Release_Hook_Object();
    hook_failed = 0;
    DWQB_Status = 0;
}

int Init_DWQB_Model(void) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    Clear_DWQB_Model();
    DWQB_Status = 0;
    DWQB_Optionen = 0;
    std::memset(DWQB_Querschnittswerte, 0, sizeof DWQB_Querschnittswerte);
    DWQB_Tabellen.n_nodes = 0;
    DWQB_Tabellen.n_lines = 0;
    DWQB_Tabellen.overflow = 0;
    DWQB_Anzahl_Zellen = 0;
    std::memset(DWQB_Kurzname, 0, sizeof DWQB_Kurzname);
    DWQB_Kurzname[0] = ' ';
    for (int32_t& word : DWQB_Profil_Worte) word = -1;
    return 0;
}

// A record from the free list, else a new one; null (and the status set)
// when none can be had, the lists then untouched.
template <typename Record>
static Record* Take_Record(Record*& free_list) {
    Record* record = free_list;
    if (record) {
        free_list = record->next;
        return record;
    }
    record = static_cast<Record*>(dwqb_record_alloc(sizeof(Record)));
    if (!record) DWQB_Status = DWQB_STATUS_NO_MEMORY;
    return record;
}

void Add_DWQB_Node(int number, double y, double z) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    DWQB_Model_Generation++;
    DWQB_Knoten* node = Take_Record(dwqb_model.free_nodes);
    if (!node) return;
    *node = DWQB_Knoten{};
    node->number = number;
    node->y = y;
    node->z = z;
    Dlist_Append(dwqb_model.first_node, dwqb_model.last_node, node);
}

static void Clear_Line(DWQB_Linie* line) {
    *line = DWQB_Linie{};
    line->geo.cos = 1.0;
    line->geo.tolerance = 0.001;
    for (int k = 0; k < 10; k++) line->outline[k].flags = DWQB_SEG_EMPTY;
}

void Add_DWQB_Line(int number, int kind, int start, int end, const double* values) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    DWQB_Model_Generation++;
    DWQB_Linie* line = Take_Record(dwqb_model.free_lines);
    if (!line) return;
    Clear_Line(line);
    Dlist_Append(dwqb_model.first_line, dwqb_model.last_line, line);

    static const double zeros[9] = {};
    const double* v = values ? values : zeros;
    line->number = number;
    line->kind = kind;
    line->t_a = v[0];
    line->t_b = v[1];
    line->t_m = (v[0] + v[1]) / 2;
    for (int k = 0; k < 6; k++) line->end_values[k] = v[3 + k];
    for (DWQB_Knoten* node = dwqb_model.first_node; node; node = node->next) {
        if (node->number == start) {
            line->a = node;
            node->use_count++;
        }
        if (node->number == end) {
            line->b = node;
            node->use_count++;
        }
    }
    if (!dwqb_model.first_node || !line->a || !line->b) {
        // A record that could not be had explains a missing node: keep that.
        if (DWQB_Status != DWQB_STATUS_NO_MEMORY) DWQB_Status = DWQB_STATUS_UNKNOWN_NODE;
        return;
    }
    Set_Segment_Geometry(line->a->y, line->a->z, line->b->y, line->b->z, v[2], line->t_a, line->t_b,
                         0.001, &line->geo);
}

void Add_DWQB_Line_Constant_T(int number, int start, int end, double t) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    const double values[9] = {t, t, 0, 0, 0, 0, 0, 0, 0};
    Add_DWQB_Line(number, 0, start, end, values);
}

int Transform_DWQB_Model(const double* shift_angle) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    DWQB_Model_Generation++;
    const double dy = shift_angle[0], dz = shift_angle[1];
    const double s = std::sin(shift_angle[2]), c = std::cos(shift_angle[2]);
    for (DWQB_Knoten* node = dwqb_model.first_node; node; node = node->next) {
        const double y = node->y + dy, z = node->z + dz;
        node->y = c * y - s * z;
        node->z = s * y + c * z;
    }
    for (DWQB_Linie* line = dwqb_model.first_line; line; line = line->next) {
        if (!line->a || !line->b) continue;
        const double sum = line->geo.h0, diff = line->geo.h1;
        const double f = line->geo.f;
        Set_Segment_Geometry(line->a->y, line->a->z, line->b->y, line->b->z, f, 2 * (sum - diff),
                             2 * (sum + diff), 0.001, &line->geo);
    }
    return 1;
}

int Cmp_DWQB_Model_Key(const DWQB_Model_Key* a, const DWQB_Model_Key* b) {
    if (!a) return b ? -1 : 0;
    if (!b) return 1;
    int cmp = std::memcmp(a->data, b->data, sizeof a->data);
    if (cmp == 0 && a->length != b->length) cmp = a->length < b->length ? -1 : 1;
    if (cmp != 0) return cmp;
    if (a->length < 1) return 0;
    if (!a->attached) return b->attached ? -1 : 0;
    if (!b->attached) return 1;
    return std::memcmp(a->attached, b->attached, static_cast<size_t>(a->length));
}

int Copy_DWQB_Model_Key(DWQB_Model_Key* kept, const DWQB_Model_Key* fresh) {
    if (!kept || !fresh) return 0;
    std::memcpy(kept->data, fresh->data, sizeof kept->data);
    kept->length = fresh->length;
    if (fresh->length < 1) return 1;
    if (kept->capacity < fresh->length || !kept->attached) {
        void* grown = Mem_Realloc(__FILE__, __LINE__, "null", kept->attached, static_cast<size_t>(fresh->length));
        if (!grown) {
            kept->length = 0;
            return 0;
        }
        kept->attached = static_cast<unsigned char*>(grown);
        kept->capacity = fresh->length;
    }
    if (fresh->attached) std::memcpy(kept->attached, fresh->attached, static_cast<size_t>(fresh->length));
    else std::memset(kept->attached, 0, static_cast<size_t>(fresh->length));
    return 1;
}

void Free_DWQB_Model_Key_Data(DWQB_Model_Key* key) {
    if (!key || !key->attached) return;
    Mem_Free(__FILE__, __LINE__, "null", key->attached);
    key->attached = nullptr;
    key->capacity = 0;
}

int Fill_DWQB_Tabellen(void) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    DWQB_Tabellen.n_nodes = 0;
    DWQB_Tabellen.n_lines = 0;
    DWQB_Tabellen.overflow = 0;
    int k = 0;
    for (DWQB_Knoten* node = dwqb_model.first_node; node; node = node->next) {
        if (k == 100) {
            DWQB_Tabellen.n_nodes = 100;
            DWQB_Tabellen.overflow = 1;
            return 1;
        }
        k++;
        DWQB_Tabellen.node[k] = {node->number, static_cast<float>(node->y), static_cast<float>(node->z)};
        node->work = k - 1;
    }
    DWQB_Tabellen.n_nodes = k;
    k = 0;
    for (DWQB_Linie* line = dwqb_model.first_line; line; line = line->next) {
        if (k == 100) {
            DWQB_Tabellen.n_lines = 100;
            DWQB_Tabellen.overflow = 1;
            return 1;
        }
        DWQB_Tabellen.line[k] = {line->number, line->a ? line->a->work : -1, line->b ? line->b->work : -1,
                                 static_cast<float>(line->t_m)};
        k++;
    }
    DWQB_Tabellen.n_lines = k;
    return 0;
}

DWQB_Hook_Table* Set_DWQB_Hook_Table(DWQB_Hook_Table* table) {
    DWQB_Hook_Table* previous = hook_table;
    hook_table = table;
    return previous;
}

DWQB_Hook_Table* Get_DWQB_Hook_Table(void) { return hook_table; }

void* Get_DWQB_Hook_Object(double* parameter) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!parameter || !Extended_Mode()) return nullptr;
    if (std::fabs(*parameter - hook_parameter) > 1e-8) {
        Release_Hook_Object();
        hook_parameter = *parameter;
    } else {
        if (hook_failed) return nullptr;
        if (hook_object) return hook_object;
    }
    hook_failed = 1;
    if (!hook_table || !hook_table->create) return nullptr;
    hook_object = hook_table->create(parameter, hook_table->user);
    if (hook_object) hook_failed = 0;
    return hook_object;
}

void* Peek_DWQB_Hook_Object(void) {
    if (!Extended_Mode() || hook_failed) return nullptr;
    return hook_object;
}

void* Call_DWQB_Hook_Evaluate(void* w1, void* w2, void* w3, void* w4, void* w5, void* w6) {
    if (!hook_table || !hook_table->evaluate) return nullptr;
    return hook_table->evaluate(w1, w2, w3, w4, w5, w6, hook_table->user);
}

Querschnitt* Get_Cached_DWQB_Masque(void) {
    if (!Extended_Mode() || dwqb_masque_failed) return nullptr;
    return dwqb_cached_masque[0];
}

DWQB_Knoten* First_DWQB_Node(void) { return dwqb_model.first_node; }
DWQB_Linie* First_DWQB_Line(void) { return dwqb_model.first_line; }

int Count_DWQB_Nodes(void) {
    int n = 0;
    for (DWQB_Knoten* node = dwqb_model.first_node; node; node = node->next) n++;
    return n;
}

int Count_DWQB_Lines(void) {
    int n = 0;
    for (DWQB_Linie* line = dwqb_model.first_line; line; line = line->next) n++;
    return n;
}

DWQB_Teil* DWQB_Aktueller_Teil;

int32_t DWQB_Member_Kind(const void* member) { return member ? *static_cast<const int32_t*>(member) : 0; }

DWQB_Teilwerte* DWQB_Member_Values(void* member) {
    if (!member) return nullptr;
    if (DWQB_Member_Kind(member) == DWQB_MEMBER_PART) return &static_cast<DWQB_Teil*>(member)->v;
    return &static_cast<DWQB_Linienergebnis*>(member)->v;
}
