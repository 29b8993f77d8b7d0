// user_section_geometry: the outline geometry of one user section at a time,
// relative to its centroid: the plate lines of a thin-walled section and the
// polygons of a thick-walled one (arc edges divided into points), with the
// sides, corners, normals and bisectors a caller needs to place points
// around the outline.
//
// Each cache holds one section, compared by pointer, until another is
// loaded. Queries on a section that is not the loaded one, or with an index
// out of range, give 0. Out arrays are (0, y, z). Units of the kept text (cm).
#ifndef PROFILES_USER_SECTION_GEOMETRY_H
#define PROFILES_USER_SECTION_GEOMETRY_H

#include <vector>

#include "profiles/qimport.h"

enum { USER_POLYGON_LIMIT = 100 };

struct User_Section_Node {
    int number;
    double y, z;
};
struct User_Section_Line {
    int number;
    double t;
    int a, b;   // node indices
};

// Reads the "NODES" and "LINES" blocks of the kept text line by line, the
// coordinates less (ey, ez). False, with both lists empty, when a block is
// missing, malformed or names an unknown node.
bool Read_User_Section_Lines(const Sonderquerschnitt* section, double ey, double ez,
                             std::vector<User_Section_Node>& nodes, std::vector<User_Section_Line>& lines);

int Load_Line_Model(const Sonderquerschnitt* section);
int Get_Line_Side_Count(const Sonderquerschnitt* section, int line);
int Get_Line_Side_Normal(const Sonderquerschnitt* section, int line, int side, int unused, double out[3]);
int Get_Line_Corner(const Sonderquerschnitt* section, int line, int corner, int unused, int* flag, double point[3],
                    double dir[3]);
int Load_Polygon_Model(const Sonderquerschnitt* section);
int Get_Polygon_Point_Count(const Sonderquerschnitt* section, int polygon);
int Get_Polygon_Edge_Normal(const Sonderquerschnitt* section, int polygon, int point, int unused, double out[3]);
int Get_Polygon_Corner(const Sonderquerschnitt* section, int polygon, int point, int unused, int* convex,
                       double point_out[3], double dir[3]);
// Test support: empties both caches.
void Reset_User_Section_Geometry(void);

#endif
