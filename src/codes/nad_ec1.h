// The EN 1991 table block of a national annex parameter set. Its tables are
// defined and filled from the table files of the installation; until their
// loader exists the block stays zero, which every reader treats as "no
// tables".
#ifndef CODES_NAD_EC1_H
#define CODES_NAD_EC1_H

struct WUSL_Table {
    char* caption;
    char* subcaption;
    char* source;
    char* tag;
    int columns;
    int rows;
    int present;
    int x1, y1, p1, r1;
    int width, height, p2, r2;
    double* values;  // columns x rows, row-major
};

struct NAD_EC1_Block {
    int variant;
    int data1;
    int data2;
    int options[10];
    WUSL_Table* tables[10];
    int unused;
};

#endif
