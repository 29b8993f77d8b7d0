// The older annex list and the annex record of older project files.
#include "codes/nad_old.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/dlist.h"
#include "base/textio.h"
#include "codes/nad_file.h"
#include "codes/nad_text.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/posix.h"

static NAD_Old_Record* g_head = nullptr;
static NAD_Old_Record* g_tail = nullptr;
static int g_count = 0;
static NAD_Old_Record* g_in_use = nullptr;
static int g_loaded = 0;
static std::string g_note;

static const double kLoadFactors[NAD_OLD_LOAD_FACTORS] = {
    1.35, 1.0, 1.5, 0, 1.35, 0, 1.0, 0, 1.0, 1.0, 0, 0, 0, 0,  // persistent
    1.0, 1.0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 1.0, 1.0, 1.0, 0, 0, 1.0, 1.0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 1.0, 0, 0,
    1.0, 1.0, 1.0, 1.0, 1.0, 0, 1.0, 0, 1.0, 0, 1.0, 1.0, 0, 0, 0, 0,  // the other three situations
    0.7, 0.5, 0.3, 0.7, 0.7, 0.6, 1.0, 0.9, 0.8, 0.7, 0.7, 0.6, 0.7, 0.5, 0.3, 0, 0, 0,
    0.5, 0.2, 0, 0.7, 0.5, 0.2, 0.6, 0.2, 0, 0.6, 0.5, 0, 1.0, 1.0, 1.0, 0.8, 0.7, 0.5};

static void link_at_end(NAD_Old_Record* r) {
    Dlist_Append(g_head, g_tail, r);
    ++g_count;
}

static void unlink(NAD_Old_Record* r) {
    Dlist_Unlink(g_head, g_tail, r);
    --g_count;
}

static NAD_Old_Record* make_record(int id, int flag, const char* name) {
    NAD_Old_Record* r = static_cast<NAD_Old_Record*>(std::calloc(1, sizeof(NAD_Old_Record)));
    if (!r) return nullptr;
    r->id = id;
    r->flag = flag;
    NAD_Copy_Name(r->name, sizeof r->name, name);
    Default_NAD_EC2(&r->ec2);
    Default_NAD_EC3(&r->ec3);
    Default_NAD_EC5(&r->ec5);
    std::memcpy(r->load_factors, kLoadFactors, sizeof kLoadFactors);
    link_at_end(r);
    return r;
}

NAD_Old_Record* New_NAD_Old_Record() {
    NAD_Old_Record* r = make_record(19, 1, "EC-Standardparameter");
    if (r) g_in_use = r;
    return r;
}

void Free_NAD_Old_List() {
    while (g_head) {
        NAD_Old_Record* next = g_head->next;
        std::free(g_head);
        g_head = next;
    }
    g_tail = g_in_use = nullptr;
    g_count = 0;
    g_loaded = 0;
    g_note.clear();
}

void Read_NAD_Old_Load_Factors(FILE* f, NAD_Old_Record* r) {
    if (!f || !r) return;
    NAD_Text_Reader t{f, 1};
    int flag = 0;
    NAD_Read_Int(&t, &flag);
    NAD_Read_Doubles(&t, r->load_factors, 14);
    if (flag > 0) NAD_Read_Doubles(&t, r->load_factors + 14, 42);
    NAD_Read_Doubles(&t, r->load_factors + 56, 36);
}

// The blocks of one annex and, after the word "Lastfaktoren", its load
// factors.
static void read_blocks(FILE* f, NAD_Old_Record* r) {
    Read_NAD_EC2(f, &r->ec2);
    Read_NAD_EC3(f, &r->ec3, 0);
    Read_NAD_EC5(f, &r->ec5, 0);
    char word[64];
    if (std::fscanf(f, "%63s", word) == 1 && std::strcmp(word, "Lastfaktoren") == 0) Read_NAD_Old_Load_Factors(f, r);
}

void Load_NAD_Old_List() {
    NAD_Old_Record* standard = New_NAD_Old_Record();
    if (standard) standard->flag = 0;
    char path[VEK_MAX_PATH + 1];
    const char* dram = std::getenv("DRAM");
    FILE* f = dram && VEK_Join_Path(path, sizeof path, dram, "NADs-EC2.DEF") ? VEK_Open_Reading(path, VEK_READ_CAP_DATA, nullptr) : nullptr;
    if (f) {
        char line[200];
        while (std::fgets(line, sizeof line, f)) {
            if (std::strncmp(line, "#NAD", 4) != 0) continue;
            NAD_Old_Record* r = New_NAD_Old_Record();
            if (!r) break;
            int id = 0;
            if (Scan_Int(f, 10, &id) == 1) r->id = id;
            char name[GUILLEMET_NAME_SIZE] = "";
            Read_Guillemet_Name(f, name);
            NAD_Copy_Name(r->name, 26, name);
            read_blocks(f, r);
        }
        std::fclose(f);
    }
    g_in_use = g_head;
    for (NAD_Old_Record* r = g_head; r; r = r->next)
        if (r->id == 18) {
            g_in_use = r;
            break;
        }
    g_loaded = 1;
}

static int same_values(const NAD_Old_Record* a, const NAD_Old_Record* b) {
    if (Compare_NAD_EC2(&a->ec2, &b->ec2) || NAD_EC3_Differs(&a->ec3, &b->ec3) || Compare_NAD_EC5(&a->ec5, &b->ec5))
        return 0;
    for (int i = 0; i < NAD_OLD_LOAD_FACTORS; ++i)
        if (std::fabs(a->load_factors[i] - b->load_factors[i]) > 0.0001) return 0;
    return 1;
}

static int both_national(const NAD_Old_Record* a, const NAD_Old_Record* b) {
    return (a->ec2.variant && b->ec2.variant) || (a->ec3.variant && b->ec3.variant) ||
           (a->ec5.variant && b->ec5.variant);
}

// The project's own values give way to a listed annex: the print list says
// so, and batch mode says it at once on stderr.
static void note_replacement(const char* name) {
    g_note = std::string("Die im Projekt gespeicherten Anhangswerte weichen vom nationalen Anhang \"") + name +
             "\" ab; es gelten die Werte dieses Anhangs."_cp;
    if (VEK_Batch_Mode()) std::fprintf(stderr, "%s\n", g_note.c_str());
}

int Read_Project_NAD_EC2(FILE* f) {
    NAD_Old_Record* r = make_record(17, 2, "lokale Definitionen");
    if (!r) return 0;
    read_blocks(f, r);
    for (NAD_Old_Record* listed = g_head; listed && listed != r; listed = listed->next) {
        const int same = same_values(listed, r);
        if (!same && !both_national(listed, r)) continue;
        if (!same) note_replacement(listed->name);
        g_in_use = listed;
        unlink(r);
        std::free(r);
        return 1;
    }
    g_in_use = r;
    return 1;
}

int Read_ACTIV_NAD_EC2(FILE* f) {
    if (!g_loaded) Load_NAD_Old_List();
    if (!f || !Find_Keyword_Int("ACTIV_NAD_EC2", f, nullptr)) return 0;
    return Read_Project_NAD_EC2(f);
}

int Read_ACTIV_NAD_EC2_Entry(FILE* f) { return Read_ACTIV_NAD_EC2(f); }

const char* Get_NAD_EC2_Name() {
    if (!g_loaded) Load_NAD_Old_List();
    return g_in_use ? g_in_use->name : "*** unbekannt ***";
}

const char* NAD_Old_Replacement_Note() { return g_note.c_str(); }

void Print_NAD_Old_Replacement_Note(FILE* f) {
    if (!f || g_note.empty()) return;
    std::fprintf(f, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n %s\n#END_OF_TEXT\n", g_note.c_str());
}
