// profil_dwqb_model: the thin-walled model of a converted library
// cross-section in the section engine, and the profile-model store beside it.
//
// One model exists at a time. A key describing the last model is kept; a
// request with an equal key reuses the model without building anything. The
// option word is part of the key: it decides which catalogue or parametric
// values stand in place of computed ones.
// Routes: a user section is read from VUVE.EIN; a catalogue profile the
// profile manager knows stands on its outline model (fillets, rounded toes
// and corners), classed by the parts of the standard shape of the same
// record; other catalogue profiles and parametric shapes are built by the
// standard shape builder from their main dimensions; flat and round bars
// and sections given by values get no nodes and lines, their values go to
// the engine directly.
//
// The store's user-section node and line tables are the engine's table
// snapshot DWQB_Tabellen; the option word DWQB_Option_Word is the engine's
// global too. Invalidate_Profil_DWQB_Cache (profile_switches) marks the kept
// key as describing no model. Single-threaded global state.
#ifndef PROFILES_PROFIL_DWQB_MODEL_H
#define PROFILES_PROFIL_DWQB_MODEL_H

#include <cstdint>
#include <cstdio>

#include "profiles/profilquerschnitt.h"
#include "thinwall/ct_limits.h"   // CT_INTERNAL

enum {
    PROFIL_STORE_LINES = 100,
    PROFIL_STORE_NODES = 16,
    PROFIL_KEY_VALUES = 36,
};

// c/t codes of a store line.
enum {
    CT_OUTSTAND_FREE_AT_START = 0,
    CT_OUTSTAND_FREE_AT_END = 1,
    CT_ROUND = -1,
    CT_NO_PART = -2,
};

// The description of a model; compared field by field.
struct Profil_DWQB_Model_Key {
    int32_t family;          // 99999: no model
    int32_t record_number;
    int32_t reference_flag;
    float values[PROFIL_KEY_VALUES];
    double reference[3];     // y, z, angle
    char name[36];
    char turned;             // '-' turned, else blank
    uint32_t options;        // the option word the model was built under
};

struct Profil_DWQB_Linienwerte {
    int32_t mode;            // mode of the standing model, 0 none
    int32_t words[3];
    double cos_angle;        // cosine of the section angle
    int32_t n_lines, n_nodes;
    int32_t line_a[PROFIL_STORE_LINES], line_b[PROFIL_STORE_LINES];   // 0-based node indices
    float line_t[PROFIL_STORE_LINES];
    int32_t ct_code[PROFIL_STORE_LINES];
    double ct_ratio[PROFIL_STORE_LINES];
    // Where an internal part's c ends: the lengths of its line at its start
    // and its end node that the other plates and their corners take (the
    // line's length less c is shared between its ends in their ratio); both
    // 0 where the ends take equal shares.
    double ct_cut[PROFIL_STORE_LINES][2];
    float node_y[PROFIL_STORE_NODES], node_z[PROFIL_STORE_NODES];
    char section_name[28];
    uint32_t user_flags;     // engine bits of values given by a user section
    // An angle's legs, each as its outer width over its thickness (h/t_w of
    // the leg along z, b/t_f of the other) for the angle rule of the c/t
    // classification; 0 when the model is no angle.
    double angle_legs[2];
};
extern Profil_DWQB_Linienwerte Profil_DWQB_Store;

// Builds or reuses the model. Result 0 or below when the model stands (the
// engine's status), above 0 when it failed (1: the build failed or the kept
// model is invalid). vuve is read for family 99 only; messages null: silent.
int Setup_Profil_DWQB_Model(const double* reference, const Profil_Model_Descriptor* descriptor, const char* name_text,
                            const float* values, int mode, FILE* vuve, FILE* messages);
int Setup_Profil_DWQB(const Profil_Model_Descriptor* descriptor, const char* name_text, const float* values, int mode,
                      FILE* vuve, FILE* messages);
int Clear_Profil_Model_Store(void);
// Adds the nodes and lines of a standard shape and fills the store's tables;
// *built = 1 when the shape was recognised. Returns 0.
int Build_Standard_DWQB_Model(int record_number, const char* name, const float* values, int* built);
#endif
