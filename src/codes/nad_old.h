// The older annex model: the combined annex file %DRAM%/NADs-EC2.DEF read
// into a list of older annex records, and the whole annex record that older
// project files carry after "ACTIV_NAD_EC2", matched against that list. The
// weld program activates the name of the record in use.
//
// The matching keeps the older rules: a project record whose values differ
// from a listed annex still takes that annex when both are national
// variants. The project's own values are then replaced; that replacement is
// never silent: a note is kept for the print list (and written to stderr in
// batch mode).
#ifndef CODES_NAD_OLD_H
#define CODES_NAD_OLD_H

#include <cstdio>

#include "codes/nad_ec2.h"
#include "codes/nad_ec3.h"
#include "codes/nad_ec5.h"

enum { NAD_OLD_NAME_SIZE = 32, NAD_OLD_LOAD_FACTORS = 92 };

struct NAD_Old_Record {
    int id;    // 19 standard, 17 from a project file, else the file's number
    int flag;  // 0 standard record, 1 from the combined file, 2 from a project
    char name[NAD_OLD_NAME_SIZE];
    NAD_EC2_Block ec2;
    NAD_EC3_Block ec3;
    NAD_EC5_Block ec5;
    double load_factors[NAD_OLD_LOAD_FACTORS];
    NAD_Old_Record* previous;
    NAD_Old_Record* next;
};

// A new record at the end of the list with the standard values, made the
// record in use; null when memory runs out.
NAD_Old_Record* New_NAD_Old_Record();
// Builds the list: the standard record, then one record per annex of the
// combined file; the record in use is the first with id 18, else the head.
void Load_NAD_Old_List();
// Reads the load factors after the word "Lastfaktoren": a flag, 7 pairs,
// 21 more pairs when the flag is above 0, then 12 triples. What does not
// convert keeps its value.
void Read_NAD_Old_Load_Factors(FILE* f, NAD_Old_Record* r);
// Reads the record after "ACTIV_NAD_EC2" and matches it against the list
// (the first match becomes the record in use; else the new record,
// "lokale Definitionen"). 1; 0 when no record could be made.
int Read_Project_NAD_EC2(FILE* f);
// Loads the list when needed; finds "ACTIV_NAD_EC2" from the file's start
// and reads the record. 1 when found and read, else 0.
int Read_ACTIV_NAD_EC2(FILE* f);
int Read_ACTIV_NAD_EC2_Entry(FILE* f);
// The name of the record in use (loading the list first), or
// "*** unbekannt ***".
const char* Get_NAD_EC2_Name();

// The note of the last replacement of a project's own annex values by a
// listed annex (empty when none), and its print-list block.
const char* NAD_Old_Replacement_Note();
void Print_NAD_Old_Replacement_Note(FILE* f);

// Frees the list (for tests and a program that switches its data).
void Free_NAD_Old_List();

#endif
