// The welded-connection library's record and the state beside it.
#include "profiles/geschweisster_anschluss.h"

#include <cstring>

GeschweissterAnschluss Geschweisster_Anschluss;
FILE* Anschluss_Plot_File = nullptr;
double Anschluss_Scale = 0.0;
Anschluss_Message_List Anschluss_Messages;
int Anschluss_Message_Button = -1;
int Anschluss_Catalogue_Flag = 0;
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
    Anschluss_Catalogue_Flag = 0;
    Anschluss_Exceeded_Checks = 0;
}
