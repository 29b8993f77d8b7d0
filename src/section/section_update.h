// section_update: placement of a section, its flag word and the update that
// recomputes exactly the cached values that are stale (node coordinates in
// the placement, strain limits, prepared curves, group-field check), plus
// the accessors of the group settings.
//
// Placement (y0, z0, angle): yt = cos a (y - y0) + sin a (z - z0),
// zt = cos a (z - z0) - sin a (y - y0). Only the bits 0x10007 can be cleared
// through Invalidate_Querschnitt and Update_Querschnitt.
#ifndef SECTION_SECTION_UPDATE_H
#define SECTION_SECTION_UPDATE_H

#include "section/section_model.h"

enum { QS_INVALIDIERBAR = 0x10007 };

// The user area, null when the section is null or has none.
void* Get_Querschnitt_Userdata(Querschnitt* section);
// Stores the placement (option bit 0: its inverse). Flags untouched.
int Set_Querschnitt_Lage(Querschnitt* section, double y0, double z0, double angle, int option);
int Set_Querschnitt_Lage_Vektor(Querschnitt* section, const double* placement, int option);
// out = in (may be the same), inverted with option bit 0.
int Invert_Querschnitt_Lage(const double* in, double* out, int option);
// Stores the options (null: zero options); clears 0x4 only when they differ.
int Set_Querschnitt_Kurvenoptionen(Querschnitt* section, const Querschnitt_Kurvenoptionen* options);
int Get_Querschnitt_Kurvenoptionen(const Querschnitt* section, Querschnitt_Kurvenoptionen* out);
// Sets or clears 0x8000, clears 0x800; returns the previous state of 0x8000.
int Set_Querschnitt_Grenzmodus(Querschnitt* section, int on);
void Invalidate_Querschnitt(Querschnitt* section, unsigned int mask);
// Clears mask & 0x10007, recomputes what is stale; 1 when every step worked.
int Update_Querschnitt(Querschnitt* section, unsigned int mask);
int Transform_Querschnittsknoten(Querschnitt* section);
int Calc_Querschnitt_Dehnungsgrenzen(Querschnitt* section);
// 1 when every curve was prepared (a null entry counts as a failure); after
// a failure the curves stay marked stale, so the next update tries again.
int Prepare_Querschnitt_Kurven(Querschnitt* section);
// Prepares, then empties the compression side (mode 1) or the tension side
// (mode 2) of every curve. 1, or 0 for a null section.
int Prepare_Querschnitt_Kurven_Teil(Querschnitt* section, int mode);
int Check_Querschnitt_Felder(Querschnitt* section);
Querschnittsgruppe_Einstellung* Get_Gruppe_Einstellung(Querschnittsgruppe_Einstellung* out,
                                                      const Querschnittsgruppe* group);
Querschnittsgruppe_Einstellung* Swap_Gruppe_Einstellung(Querschnittsgruppe_Einstellung* out,
                                                       Querschnittsgruppe* group,
                                                       const Querschnittsgruppe_Einstellung* new_setting);
// Copies an active field into the group, else clears the group's field.
int Set_Querschnittsgruppe_Parameter(Querschnittsgruppe* group, const Querschnittsgruppe_Feld* field);

#endif
