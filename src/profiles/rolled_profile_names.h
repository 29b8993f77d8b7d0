// Designations of rolled I sections and angles by series and size index,
// a name table of the I sections with per-profile value tables, and small
// table helpers (interpolation, search, float maximum).
//
// The sizes and names are the catalogue's designations (the lists generated
// from the shipped profile tables): today 148 names and the series sizes
// below. The five value tables hold no values: every entry is −1 ("no
// value"), so a found designation gives −0.1 (the entries are tenths).
// Nothing in the program reads them. No messages; the lists are made once,
// on first use.
#ifndef PROFILES_ROLLED_PROFILE_NAMES_H
#define PROFILES_ROLLED_PROFILE_NAMES_H

enum {
    ROLLED_SERIES_COUNT = 10,
    ROLLED_NAME_WIDTH = 8,       // characters of a name-table entry
    ROLLED_TABLE_COLUMNS = 9,
    ROLLED_NAME_BUFFER = 16,     // room for every designation Format_Rolled_Profile_Name writes
};

// Series: 1 "HE%sA", 2 "IPEA%s", 3 "IPE%s", 4 "IPEO%s", 5 "IPEV%s",
// 6 "HE%sAA", 7 "HE%sB", 8 "HE%sM", 9 "L%s" small angles, 10 "L%s" large.
// Writes the designation of the size into buffer (ROLLED_NAME_BUFFER bytes)
// and returns its length. Series 0 writes nothing and returns 0; a series
// above 10 (or below 0) writes nothing and returns the series; a size index
// outside the series writes nothing and returns −1.
int Format_Rolled_Profile_Name(int size_index, int series, char* buffer);

// Splits a designation into series and size index (both −1 first) and
// returns the suffix text that follows the series letters ("A", "AA", "B",
// "M", "EA", "EO", "EV", "E", or "" for angles), or null when the
// designation belongs to no series. A size the series does not hold gives
// the series' number of sizes as index.
const char* Parse_Rolled_Profile_Name(int* size_index, int* series, const char* name);

// Sets *main_value to −1 and looks the name up in the name table,
// comparing its first min(length, 8) characters. Found: the main table's
// value of the row and column (0..8) × 0.1, and the second value from table
// selector (0..3) likewise; a selector outside 0..3 leaves *second_value.
// Either output may be null.
void Get_Rolled_Profile_Table_Value(const char* name, int column, int selector, double* main_value,
                                    double* second_value);

// Linear interpolation of y over x in a table of n points, ascending or
// descending in x; outside the table the end value. n < 0: |n| points,
// interpolated linearly in 1/x. Returns 1, or 0 with *result = 0 when no
// point pair brackets x (fewer than two points, null tables).
int Interpolate_Table(const double* y, const double* x, int n, double x_value, double* result);

// Stores value into *target when it is greater (null does nothing).
void Max_Float(double value, float* target);

// The first table entry at or above x (an ascending table searched from the
// front, a descending one from the back). With fraction set the result adds
// (entry − x)/(next entry − entry). Below an ascending table: its first
// entry; above it: twice its last. Returns 1 when x lies within the table,
// else 0; 0 and *result = 0 for an empty or null table.
int Next_Table_Value(const double* table, int n, int fraction, double x, double* result);

// The index of that entry: 0 below the near end, −1 beyond the far end (for
// an ascending table beyond 1.001 times its last entry, else the last index).
// Returns 1 when *index ≥ 0, else 0.
int Table_Index_Of(const double* table, int n, int flag, double x, int* index);

#endif
