// section_work: the work record that goes with a converted cross-section,
// and the descriptor that names the section it belongs to.
//
// The record is a value array of 32-bit slots whose first 42 slots are the
// lead block NachweisDatenKopf; the payload the plastic methods fill and read
// begins at slot 42. The lead block holds ONE code word (slot 41): the three
// accessor families below read and write that same slot and hand out the
// same payload address, so whichever filler ran last owns the word and the
// payload. A profile's own dimensions D1 to D8 are slots 20 to 27.
//
// The records live here, below the profile catalogue and the member checks,
// because the plastic methods of the thin-walled engine fill and read them.
#ifndef THINWALL_SECTION_WORK_H
#define THINWALL_SECTION_WORK_H

#include <cstdint>

enum : uint32_t {
    WORK_CODE_KIND_MASK = 0xFu,          // family 1: sub-kind of the description
    WORK_CODE_NUMBER_MASK = 0xFFFFF0u,   // family 1: number << 4
    WORK_CODE_OPTION_MASK = 0xFFFFFu,    // families 2, 3: option number
    WORK_CODE_FILLED = 0x1000000u,       // the values are present
};

enum { WORK_PAYLOAD_SLOTS = 32 };

// Slots of the value array (the record taken as 32-bit floats).
enum {
    WORK_SLOT_RESISTANCE = 0,     // 0 .. 5: plastic resistance values of the interaction check
    WORK_SLOT_OPTION_1 = 16,      // 16 .. 19: the member check's four option numbers
    WORK_SLOT_OPTION_2 = 17,
    WORK_SLOT_OPTION_3 = 18,
    WORK_SLOT_OPTION_4 = 19,
    WORK_SLOT_D1 = 20,            // 20 .. 27: the section's own dimensions D1 .. D8
    WORK_SLOT_D2 = 21,
    WORK_SLOT_D3 = 22,
    WORK_SLOT_D4 = 23,
    // A section given by its values (family -1) holds them in D1 .. D4:
    // area, second moment and the two section moduli (top and bottom
    // fibre, signed), in m units.
    WORK_SLOT_GIVEN_A = WORK_SLOT_D1,
    WORK_SLOT_GIVEN_I = WORK_SLOT_D2,
    WORK_SLOT_GIVEN_W_TOP = WORK_SLOT_D3,
    WORK_SLOT_GIVEN_W_BOTTOM = WORK_SLOT_D4,
    WORK_SLOT_CORNERS = 28,       // 28 .. 30: a shape's own corners, top and bottom, and how given (1, 2 rolled)
    WORK_SLOT_OUTER_CORNER = 31,  // a rolled shape's outer corner radius: a hollow section's corners, the toes
    WORK_SLOT_BOX_FLANGE = 32,    // 32, 33: a welded box's bottom flange, width over the webs and overhang (0: none)
    WORK_SLOT_CODE = 41,          // the code word of the lead block
    WORK_SLOT_PAYLOAD = 42,
    WORK_SLOT_SHAPE_FACTOR_Y = 56,  // plastic shape factors alpha_pl,y and alpha_pl,z
    WORK_SLOT_SHAPE_FACTOR_Z = 57,
    WORK_SLOT_FIRE_F_Y = 71,      // fire: reduction factors of the yield strength
    WORK_SLOT_FIRE_E = 72,        // ... and of the elastic modulus
};

// How the corners in the lead block are given: the same codes as the
// cross-section record's (1 the clear widths' ends, 2 a rolled profile's
// root radii).
enum { WORK_CORNERS_GIVEN = 1, WORK_CORNERS_ROLLED = 2 };

struct NachweisDatenKopf {
    float resistance[6];     // plastic resistance values of the interaction check
    float unread1[10];
    float options[4];        // the member check's four option numbers
    float dims[8];           // the section's own dimensions D1 .. D8
    float corners[3];        // its own corners, top and bottom, and how given (0 not, 1, 2 rolled)
    float outer_corner;      // a rolled hollow section's outer corner radius
    float box_flange[2];     // a welded box's bottom flange: width over the webs, overhang (0 0: no such box)
    float unread2[7];
    int32_t code;            // packed code word (slot 41)
};

// The value array: lead block and payload.
struct Section_Work_Record {
    NachweisDatenKopf head;
    float payload[WORK_PAYLOAD_SLOTS];   // slot 42 onwards
};

// What the conversion of a cross-section hands over with the value array and
// a 40-character name text. Words 1, 3 and 5 belong to the caller.
struct Profil_Model_Descriptor {
    int32_t word1;
    int32_t grade;           // material grade number
    int32_t word3;
    int32_t catalogue;       // catalogue record number (> 0: a catalogue profile)
    int32_t word5;
    int32_t family;          // PROFIL_FAMILY_*
    int32_t section_kind;    // kind 1 .. 5 of the quick plastic interaction
};

// Family codes: the family of a profile name (1 .. 7, 11, 12) and the
// family word of a converted section, under which the model builder knows
// a shape.
enum {
    PROFIL_FAMILY_VALUES = -1,    // a section given by its values, without a model
    PROFIL_FAMILY_NONE = 0,       // a name that fits no family
    PROFIL_FAMILY_BY_NAME = 0,    // a catalogue profile by its name
    PROFIL_FAMILY_I = 1,
    PROFIL_FAMILY_T = 2,
    PROFIL_FAMILY_U = 3,
    PROFIL_FAMILY_RHS = 4,        // rectangular hollow section
    PROFIL_FAMILY_L = 5,
    PROFIL_FAMILY_Z = 6,
    PROFIL_FAMILY_TUBE = 7,       // round tube
    PROFIL_FAMILY_Q31 = 8,        // two plates of equal width and thickness on two webs
    PROFIL_FAMILY_Q23 = 9,        // a plate on two webs with a top strip on each web
    PROFIL_FAMILY_Q24 = 10,       // box: bottom plate with overhangs, top plate between the webs
    PROFIL_FAMILY_FLAT = 11,
    PROFIL_FAMILY_ROUND = 12,     // round bar
    PROFIL_FAMILY_Q22 = 13,       // I section with unequal flanges
    PROFIL_FAMILY_I_TURNED = 14,  // I section with its web horizontal
    PROFIL_FAMILY_USER = 99,      // user section of the cross-section program
};

// The three families take a context they ignore and the lead block; none of
// them checks the block pointer.
void Set_Section_Work_Code(const void* context, NachweisDatenKopf* block, int32_t code);
int32_t Get_Section_Work_Code(const void* context, const NachweisDatenKopf* block);
float* Get_Section_Work_Payload(const void* context, NachweisDatenKopf* block);
void Set_Section_Work_Code_2(const void* context, NachweisDatenKopf* block, int32_t code);
int32_t Get_Section_Work_Code_2(const void* context, const NachweisDatenKopf* block);
float* Get_Section_Work_Payload_2(const void* context, NachweisDatenKopf* block);
void Set_Section_Work_Code_3(const void* context, NachweisDatenKopf* block, int32_t code);
int32_t Get_Section_Work_Code_3(const void* context, const NachweisDatenKopf* block);
float* Get_Section_Work_Payload_3(const void* context, NachweisDatenKopf* block);

// The eight internal forces times factor; a null vector is returned as it is.
double* Scale_Forces(double* forces, double factor);

#endif
