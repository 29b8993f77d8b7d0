// nchwdata: the check-data record a member-check object carries for one kind
// of check (a block of zeroed numeric slots), the section hook table through
// which an outside component may be attached, and a sign transfer.
#ifndef SECTION_NCHWDATA_H
#define SECTION_NCHWDATA_H

struct Nachweisdaten {
    int key;         // the check kind
    int n_f64;       // f64 slots
    void* block;     // f64 slots, then the 32-bit slots, then the extra slots
    int n_i32;       // 32-bit slots
    int* i32;        // first 32-bit slot, inside block
    int* extra;      // first extra slot, inside block
    const int* parent;  // from the creator's callback, not owned; its third word
                        // (when positive) is the number of extra slots
    int wort;
};

// The place where a member-check object holds its record.
struct Nachweisdaten_Traeger {
    Nachweisdaten* nachweisdaten;
};

typedef const int* (*Nachweisdaten_Parent_Func)(int key);

// Record with zeroed slots (negative counts count as 0); null when an
// allocation fails (nothing left allocated).
Nachweisdaten* New_Nachweisdaten(int key, int n_f64, int n_i32, Nachweisdaten_Parent_Func parent_fn);
void Free_Nachweisdaten(Nachweisdaten* record);
// The f64 slots of a record (null for null).
double* Get_Nachweisdaten_F64(Nachweisdaten* record);
Nachweisdaten* Get_Nachweisdaten(const Nachweisdaten_Traeger* owner);
const int* Get_Nachweisdaten_Parent(const Nachweisdaten_Traeger* owner);
int Get_Nachweisdaten_Key(const Nachweisdaten_Traeger* owner);

// Hook table: three blocks of slots, null at start. The last slot of the
// third block is the section hook; a routine stored there must have the type
// Querschnitt_Hook_Func.
typedef void (*Querschnitt_Hook_Slot)(void);
typedef int (*Querschnitt_Hook_Func)(void* a, void* b, void* c, void* d);
enum { QS_HOOKS_1 = 16, QS_HOOKS_2 = 16, QS_HOOKS_3 = 14 };
extern Querschnitt_Hook_Slot Querschnitt_Hooks_1[QS_HOOKS_1];
extern Querschnitt_Hook_Slot Querschnitt_Hooks_2[QS_HOOKS_2];
extern Querschnitt_Hook_Slot Querschnitt_Hooks_3[QS_HOOKS_3];

// Passes the call to the section hook and returns its result; 0 without one.
int Call_Querschnitt_Hook(void* a, void* b, void* c, void* d);
void Reset_Querschnitt_Hooks(void);
// |a| when b is not negative, else -|a|.
double Sign_Transfer(double a, double b);

#endif
