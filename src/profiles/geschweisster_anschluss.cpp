// The welded-connection library's record and the state beside it.
#include "profiles/geschweisster_anschluss.h"

#include <cstring>

#include "profiles/stahlprofil.h"

GeschweissterAnschluss Geschweisster_Anschluss;
FILE* Anschluss_Plot_File = nullptr;
double Anschluss_Scale = 0.0;
Anschluss_Message_List Anschluss_Messages;
int Anschluss_Message_Button = -1;
int Anschluss_Exceeded_Checks = 0;

void Init_Geschweisster_Anschluss(GeschweissterAnschluss* record) {
    // The record is plain data: every byte zero is every int 0, every
    // double 0.0 and both names empty.
    if (record) std::memset(record, 0, sizeof *record);
}

void Reset_Anschluss_State(void) {
    Init_Geschweisster_Anschluss(&Geschweisster_Anschluss);
    Anschluss_Plot_File = nullptr;
    Anschluss_Scale = 0.0;
    Anschluss_Messages = {};
    Anschluss_Message_Button = -1;
    Anschluss_Exceeded_Checks = 0;
}

int Anschluss_Family_Of_Profile_Type(int type) {
    switch (type) {
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W: return ANSCHLUSS_I;
    case PROFILTYP_RECHTECK: return ANSCHLUSS_RHS;
    case PROFILTYP_C: case PROFILTYP_U: return ANSCHLUSS_CHANNEL;
    case PROFILTYP_T: case PROFILTYP_HALB_I: return ANSCHLUSS_TEE;
    case PROFILTYP_L: return ANSCHLUSS_ANGLE;
    case PROFILTYP_ROHR: return ANSCHLUSS_CHS;
    case PROFILTYP_FLACH: return ANSCHLUSS_FLAT;
    case PROFILTYP_RUND: return ANSCHLUSS_ROUND;
    default: return -1;
    }
}

int Profile_Type_Of_Anschluss_Family(int family) {
    switch (family) {
    case ANSCHLUSS_RHS: return PROFILTYP_RECHTECK;
    case ANSCHLUSS_CHANNEL: return PROFILTYP_U;
    case ANSCHLUSS_TEE: return PROFILTYP_T;
    case ANSCHLUSS_ANGLE: return PROFILTYP_L;
    case ANSCHLUSS_CHS: return PROFILTYP_ROHR;
    case ANSCHLUSS_FLAT: return PROFILTYP_FLACH;
    case ANSCHLUSS_ROUND: return PROFILTYP_RUND;
    default: return PROFILTYP_I;
    }
}
