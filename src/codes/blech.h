// The plate record of the weld program: a material and three dimensions,
// its data check with the minimum dimensions, the rule for plates thicker
// than 80 mm, its block in the input file and its print text.
#ifndef CODES_BLECH_H
#define CODES_BLECH_H

#include <cstdio>

#include "codes/material.h"

// Mask bits of the check and the print.
enum {
    PLATE_MATERIAL = 0x01,
    PLATE_BETA_W = 0x02,
    PLATE_E = 0x04,
    PLATE_LENGTH = 0x10,
    PLATE_WIDTH = 0x20,
    PLATE_THICKNESS = 0x40
};

struct Blech_Record {
    Materialparameter_Record material;
    double t;  // thickness, mm
    double b;  // width, mm
    double l;  // length, mm
};

// Material cleared (steel constants), t, b, l := 0. Null does nothing.
void Clear_Plate(Blech_Record* p);
// Clears the target, then copies the source when given. Null target: nothing.
void Copy_Plate(const Blech_Record* source, Blech_Record* target);
// 1 when both are given, the dimensions agree within 0.01 and the materials
// are equal; else 0.
int Plates_Equal(const Blech_Record* a, const Blech_Record* b);
// Data check of the dimensions the mask selects and of the material (0x01);
// the material is refreshed for t in every case. 1 when a check failed, else
// 0. Dimensions are never changed.
int Check_Plate_And_Material(Blech_Record* p, FILE* oli, int show_messages, int mask, const char* prefix);
// The 80 mm rule: 1 when the plate was switched to own material values.
int Check_Plate_Thickness_80(Blech_Record* p, const char* prefix, int show_message);
// Input-file block (version 0 and the material block). 0 on success, 1 on
// failure. The writer never modifies the plate.
int Write_Plate(FILE* f, const Blech_Record* p);
int Read_Plate(FILE* f, Blech_Record* p);
// Print text of the dimensions and the material the mask selects.
void Print_Plate(const Blech_Record* p, FILE* oli, int mask, int with_calc_values, const char* subscript);

#endif
