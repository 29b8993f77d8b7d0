// The EN 1990 block of an annex parameter set: recommended values, text
// form, comparison and copy.
#include "codes/nad_ec0.h"

#include <cmath>
#include <cstring>

#include "codes/nad.h"
#include "codes/nad_file.h"
#include "codes/nad_text.h"

// gamma sup/inf of the building actions, per situation.
static const double kGammaBuilding[4][7][2] = {
    {{1.35, 1.0}, {1.5, 0}, {1.35, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {1.0, 1.0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {1.0, 1.0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
};

static const double kPsiBuilding[12][4] = {
    {0.7, 0.5, 0.3, 0.3}, {0.7, 0.7, 0.6, 0.6}, {1.0, 0.9, 0.8, 0.8}, {0.7, 0.7, 0.6, 0.6},
    {0.7, 0.5, 0.3, 0.3}, {0, 0, 0, 0},         {0.5, 0.2, 0, 0.5},   {0.7, 0.5, 0.2, 0.5},
    {0.6, 0.2, 0, 0},     {0.6, 0.5, 0, 0},     {1.0, 1.0, 1.0, 1.0}, {0.8, 0.7, 0.5, 0.5},
};

// Bridge actions: persistent situation; the other three share one column.
static const double kGammaBridgePersistent[15][2] = {
    {1.35, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.2, 1.0}, {1.2, 0}, {1.35, 0}, {1.5, 0}, {1.5, 0},
    {1.45, 0},   {1.2, 0},   {1.5, 0},   {1.5, 0},   {1.5, 0}, {0, 0},    {0, 0},
};
static const double kGammaBridgeOther[15][2] = {
    {1.0, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 0},
    {1.0, 0},   {1.0, 0},   {1.0, 0},   {1.0, 0},   {1.0, 0}, {0, 0},   {0, 0},
};

static const double kPsiRoad[14][3] = {
    {0.75, 0.75, 0}, {0.4, 0.4, 0}, {0.4, 0.4, 0}, {0, 0.75, 0}, {0, 0, 0},     {0, 0.4, 0},     {0, 0, 0},
    {0, 0, 0},       {0.6, 0.2, 0}, {0.8, 0, 0},   {1.0, 0, 0},  {0.6, 0.6, 0.5}, {0.8, 0, 0},   {1.0, 0, 1.0},
};

static const double kPsiFoot[7][3] = {
    {0.4, 0.4, 0}, {0, 0, 0}, {0, 0, 0}, {0.3, 0.2, 0}, {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1.0, 0, 1.0},
};

static const double kPsiRail[31][3] = {
    {0.8, -0.1, 0}, {0.8, -0.1, 0}, {0, 1.0, 0},   {1.0, 0, 0},   {1.0, 1.0, 0},   {1.0, 0.8, 0},
    {0.8, 0.5, 0},  {1.0, 1.0, 0},  {0.8, -0.2, 0}, {0.8, 0.5, 0}, {0.8, 0.8, 0},   {0.8, 0.8, 0},
    {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0}, {0.8, 0.8, 0},   {0.8, 0.7, 0},
    {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0}, {0.8, 0.7, 0},   {0.8, 0.6, 0},
    {0.8, 0.5, 0},  {0.8, 0.5, 0},  {0.75, 0.5, 0}, {1.0, 0, 0},   {0.6, 0.6, 0.5}, {0.8, 0, 0},
    {1.0, 0, 1.0},
};

int Default_NAD_EC0(NAD_EC0_Block* b) {
    if (!b) return 0;
    std::memset(b, 0, sizeof *b);
    b->version = 0;
    std::memcpy(b->gamma_building, kGammaBuilding, sizeof kGammaBuilding);
    std::memcpy(b->psi_building, kPsiBuilding, sizeof kPsiBuilding);
    std::memcpy(b->gamma_bridge[0], kGammaBridgePersistent, sizeof kGammaBridgePersistent);
    for (int s = 1; s < 4; ++s) std::memcpy(b->gamma_bridge[s], kGammaBridgeOther, sizeof kGammaBridgeOther);
    std::memcpy(b->psi_road_bridge, kPsiRoad, sizeof kPsiRoad);
    std::memcpy(b->psi_footbridge, kPsiFoot, sizeof kPsiFoot);
    std::memcpy(b->psi_railway_bridge, kPsiRail, sizeof kPsiRail);
    b->a_tracks[0] = 0.8;
    b->a_tracks[1] = 0.7;
    b->a_tracks[2] = 0.6;
    return 0;
}

// The block's factor arrays, in the order of the comparison.
struct Factor_Span {
    const double* p;
    int n;
};
static void factor_spans(const NAD_EC0_Block* b, Factor_Span out[7]) {
    out[0] = {&b->gamma_building[0][0][0], 4 * 7 * 2};
    out[1] = {&b->psi_building[0][0], 12 * 4};
    out[2] = {&b->gamma_bridge[0][0][0], 4 * 15 * 2};
    out[3] = {&b->psi_road_bridge[0][0], 14 * 3};
    out[4] = {&b->psi_footbridge[0][0], 7 * 3};
    out[5] = {&b->psi_railway_bridge[0][0], 31 * 3};
    out[6] = {b->a_tracks, 3};
}

static void write_rows(FILE* f, const double* v, int rows, int cols) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) std::fprintf(f, " %.2f", v[r * cols + c]);
        std::fputc('\n', f);
    }
}

int Write_NAD_EC0(FILE* f, const NAD_EC0_Block* b) {
    if (!f || !b) return 0;
    write_rows(f, &b->gamma_building[0][0][0], 28, 2);
    for (const auto& row : b->psi_building) std::fprintf(f, " %.2f %.2f %.2f\n", row[0], row[1], row[2]);
    std::fprintf(f, " %d\n", 5);
    write_rows(f, &b->gamma_bridge[0][0][0], 60, 2);
    write_rows(f, &b->psi_road_bridge[0][0], 14, 3);
    write_rows(f, &b->psi_footbridge[0][0], 7, 3);
    write_rows(f, &b->psi_railway_bridge[0][0], 31, 3);
    write_rows(f, b->a_tracks, 1, 3);
    // psi2E ends without a line break: the next section's keyword line
    // begins with two of them.
    for (const auto& row : b->psi_building) std::fprintf(f, " %.2f", row[3]);
    return ferror(f) ? 0 : 1;
}

int Read_NAD_EC0(FILE* f, NAD_EC0_Block* b, int layout) {
    if (!f || !b) return 0;
    int t = 1;
    if (!layout && Find_NAD_Section_Line(f, " Lastfaktoren", "#NAD", &t) != 1) {
        if (NAD_Verbose()) std::printf(" EC0:            (failed)\n");
        return 0;
    }
    if (NAD_Verbose()) std::printf(" EC0: version=%2d  (ok)\n", t);
    NAD_Text_Reader r{f, 1};
    NAD_Read_Doubles(&r, &b->gamma_building[0][0][0], 14);
    if (t > 0) NAD_Read_Doubles(&r, &b->gamma_building[1][0][0], 42);
    for (auto& row : b->psi_building) NAD_Read_Doubles(&r, row, 3);
    b->version = 2;
    if (!r.ok) return 0;
    // A text without its layout number is the older layout: it ends here.
    if (!NAD_Read_Int(&r, &b->version)) return 1;
    if (b->version > 3) {
        NAD_Read_Doubles(&r, &b->gamma_bridge[0][0][0], 120);
    } else {
        // Layouts up to 3 have no pedestrian traffic row: it takes the
        // values of road traffic.
        for (auto& s : b->gamma_bridge) {
            NAD_Read_Doubles(&r, &s[0][0], 14);
            NAD_Read_Doubles(&r, &s[8][0], 14);
            if (r.ok) {
                s[7][0] = s[6][0];
                s[7][1] = s[6][1];
            }
        }
    }
    NAD_Read_Doubles(&r, &b->psi_road_bridge[0][0], 14 * 3);
    NAD_Read_Doubles(&r, &b->psi_footbridge[0][0], 7 * 3);
    NAD_Read_Doubles(&r, &b->psi_railway_bridge[0][0], 31 * 3);
    NAD_Read_Doubles(&r, b->a_tracks, 3);
    if (b->version >= 5)
        for (auto& row : b->psi_building) NAD_Read_Double(&r, &row[3]);
    return r.ok;
}

int Compare_NAD_EC0(const NAD_EC0_Block* a, const NAD_EC0_Block* b) {
    if (!a || !b) return 1;
    Factor_Span sa[7], sb[7];
    factor_spans(a, sa);
    factor_spans(b, sb);
    for (int k = 0; k < 7; ++k)
        for (int i = 0; i < sa[k].n; ++i)
            if (std::fabs(sa[k].p[i] - sb[k].p[i]) > 0.0001) return 1;
    return 0;
}

void Copy_NAD_EC0(NAD_EC0_Block* dst, const NAD_EC0_Block* src) {
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

int NAD_EC0_Return_Zero() { return 0; }
