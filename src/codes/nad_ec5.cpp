// The EN 1995 block of an annex parameter set: recommended values, the
// "#EC5" text form, comparison and copy.
#include "codes/nad_ec5.h"

#include <cstdlib>
#include <cstring>

#include "codes/nad.h"
#include "codes/nad_file.h"
#include "codes/nad_text.h"

static const double kKmod[5][3] = {
    {0.60, 0.60, 0.50}, {0.70, 0.70, 0.55}, {0.80, 0.80, 0.65}, {0.90, 0.90, 0.70}, {1.10, 1.10, 0.90},
};
static const double kWLimit[3][2] = {{300, 150}, {200, 100}, {300, 150}};

void Default_NAD_EC5(NAD_EC5_Block* b) {
    if (!b) return;
    std::memset(b, 0, sizeof *b);
    b->variant = 0;
    b->version = 17;
    b->gamma_M_lvl = 1.20;
    b->gamma_M_particleboard = 1.30;
    b->gamma_M_hardboard = 1.30;
    b->gamma_M_mediumboard = 1.30;
    b->gamma_M_mdf = 1.30;
    b->gamma_M_softboard = 1.30;
    b->gamma_M_connections = 1.30;
    b->gamma_M_punched_plates = 1.25;
    b->gamma_M_steel = 1.30;
    b->gamma_M_gypsum = 1.30;
    b->flag_fi = 1;
    b->gamma_M_solid = 1.30;
    b->gamma_M_glulam = 1.30;
    b->gamma_M_accidental = 1.00;
    b->gamma_M_fi = 1.00;
    std::memcpy(b->k_mod, kKmod, sizeof kKmod);
    b->k_def[0] = 0.60;
    b->k_def[1] = 0.80;
    b->k_def[2] = 2.00;
    std::memcpy(b->w_limit, kWLimit, sizeof kWLimit);
    b->kcr_method = 1;
    b->wnetfin_combination = 1;
    b->kcr_solid = 0.67;
    b->kcr_other = 1.00;
    b->k_shape_factor = 0.15;
    b->k_shape_max = 2.00;
    b->nci_633_factor = 1.00;
    b->gamma_M_clt = 1.30;
}

void Set_NAD_EC5_Variant(NAD_EC5_Block* b, int variant) {
    if (b) b->variant = variant;
}

// A value as its two-decimal copy reads back ("%.2f" of the largest double
// has 313 characters).
static double two_decimals(double v) {
    char text[400];
    std::snprintf(text, sizeof text, "%.2f", v);
    return std::strtod(text, nullptr);
}

int Write_NAD_EC5(FILE* f, const NAD_EC5_Block* b) {
    if (!f || !b) return 0;
    // k_cr and the gamma_M of solid timber, glulam and accidental
    // combinations stand twice: in full for older readers, and with two
    // decimals where today's readers take them. Both copies carry the value
    // that is read back, so the file says one thing and a second save
    // writes the bytes of the first.
    const double kcr_solid = two_decimals(b->kcr_solid), kcr_other = two_decimals(b->kcr_other);
    std::fprintf(f, " %d\n %d\n %d\n", 17, b->variant, b->use_table_NA1);
    // An old line that today's readers skip; kept for older readers.
    std::fprintf(f, " %d %lf %lf %lf\n", b->kcr_method == 0 ? 1 : 0, kcr_solid, kcr_solid, kcr_other);
    std::fprintf(f, " %d\n", b->use_NA11);
    std::fprintf(f, " %lf %lf %lf %lf %lf %lf\n", two_decimals(b->gamma_M_solid), two_decimals(b->gamma_M_glulam),
                 b->gamma_M_lvl, b->gamma_M_particleboard, b->gamma_M_hardboard, b->gamma_M_mediumboard);
    std::fprintf(f, " %lf %lf %lf %lf %lf\n", b->gamma_M_mdf, b->gamma_M_softboard, b->gamma_M_connections,
                 b->gamma_M_punched_plates, two_decimals(b->gamma_M_accidental));
    std::fprintf(f, " %lf %lf\n", b->gamma_M_steel, b->gamma_M_gypsum);
    std::fprintf(f, " %d\n %d\n %d\n", b->use_table_NA4, b->use_table_NA15, b->threaded_rods_NA);
    std::fprintf(f, " %d %d\n", b->ltb_NA, b->fasteners_simplified_NA);
    std::fprintf(f, " %d %.2f %.2f %.2f\n", b->table_NA1_index_b, b->gamma_M_solid, b->gamma_M_glulam,
                 b->gamma_M_accidental);
    for (int sc = 0; sc < 3; ++sc) {
        for (int ld = 0; ld < 5; ++ld) std::fprintf(f, " %.2f", b->k_mod[ld][sc]);
        std::fputc('\n', f);
    }
    std::fprintf(f, " %.2f %.2f %.2f\n", b->k_def[0], b->k_def[1], b->k_def[2]);
    for (int col = 0; col < 2; ++col)
        std::fprintf(f, " %.0f %.0f %.0f", b->w_limit[0][col], b->w_limit[1][col], b->w_limit[2][col]);
    std::fprintf(f, " %d %.2f %.2f", b->kcr_method, b->kcr_solid, b->kcr_other);
    std::fprintf(f, " %d", b->wnetfin_combination);
    std::fprintf(f, " %d %.2f\n", b->flag_fi, b->gamma_M_fi);
    std::fprintf(f, " %d  \n %d  \n %d  \n %d  \n", b->use_NA21, b->use_NA20, b->use_NA816, b->use_NA7);
    std::fprintf(f, " %f %f %f\n", b->k_shape_factor, b->k_shape_max, b->nci_633_factor);
    std::fprintf(f, " %lf \n", b->gamma_M_clt);
    return ferror(f) ? 0 : 1;
}

// Reads the version-dependent part; 0 at the first value that does not
// convert.
static int read_ec5_text(NAD_Text_Reader* r, NAD_EC5_Block* b, int v) {
    double drop = 0;
    int drop_int = 0;
    if (v == 0) return NAD_Read_Double(r, &drop);
    if (v < 0) return 1;
    NAD_Read_Int(r, &b->use_table_NA1);
    NAD_Read_Int(r, &drop_int);  // the old line 4
    for (int i = 0; i < 3; ++i) NAD_Read_Double(r, &drop);
    if (v >= 2) NAD_Read_Int(r, &b->use_NA11);
    if (v >= 3) {
        NAD_Read_Double(r, &drop);
        NAD_Read_Double(r, &drop);
        double* eight[] = {&b->gamma_M_lvl, &b->gamma_M_particleboard, &b->gamma_M_hardboard,
                         &b->gamma_M_mediumboard, &b->gamma_M_mdf, &b->gamma_M_softboard,
                         &b->gamma_M_connections, &b->gamma_M_punched_plates};
        for (double* p : eight) NAD_Read_Double(r, p);
        NAD_Read_Double(r, &drop);
        NAD_Read_Double(r, &b->gamma_M_steel);
        NAD_Read_Double(r, &b->gamma_M_gypsum);
        NAD_Read_Int(r, &b->use_table_NA4);
    }
    if (v >= 4) NAD_Read_Int(r, &b->use_table_NA15);
    if (v >= 5) NAD_Read_Int(r, &b->threaded_rods_NA);
    if (v >= 6) {
        NAD_Read_Int(r, &b->ltb_NA);
        NAD_Read_Int(r, &b->fasteners_simplified_NA);
    }
    if (v >= 7) {
        NAD_Read_Int(r, &b->table_NA1_index_b);
        NAD_Read_Double(r, &b->gamma_M_solid);
        NAD_Read_Double(r, &b->gamma_M_glulam);
        NAD_Read_Double(r, &b->gamma_M_accidental);
        for (int sc = 0; sc < 3; ++sc)
            for (int ld = 0; ld < 5; ++ld) NAD_Read_Double(r, &b->k_mod[ld][sc]);
        NAD_Read_Doubles(r, b->k_def, 3);
        for (int col = 0; col < 2; ++col)
            for (int row = 0; row < 3; ++row) NAD_Read_Double(r, &b->w_limit[row][col]);
    }
    if (v >= 8) {
        NAD_Read_Int(r, &b->kcr_method);
        NAD_Read_Double(r, &b->kcr_solid);
        NAD_Read_Double(r, &b->kcr_other);
    }
    if (v >= 9) NAD_Read_Int(r, &b->wnetfin_combination);
    if (v >= 10) {
        NAD_Read_Int(r, &b->flag_fi);
        NAD_Read_Double(r, &b->gamma_M_fi);
    }
    if (v >= 11) NAD_Read_Int(r, &b->use_NA21);
    if (v >= 12) NAD_Read_Int(r, &b->use_NA20);
    if (v >= 13) NAD_Read_Int(r, &b->use_NA816);
    if (v >= 14) NAD_Read_Int(r, &b->use_NA7);
    if (v >= 15) {
        NAD_Read_Double(r, &b->k_shape_factor);
        NAD_Read_Double(r, &b->k_shape_max);
    }
    if (v >= 16) NAD_Read_Double(r, &b->nci_633_factor);
    if (v >= 17) NAD_Read_Double(r, &b->gamma_M_clt);
    return r->ok;
}

int Read_NAD_EC5(FILE* f, NAD_EC5_Block* b, int no_search) {
    if (!b) return 0;
    b->version = 0;
    if (!f) return 0;
    Default_NAD_EC5(b);
    if (!no_search && Find_NAD_Section_Line(f, " EC5 Parameter", "#NAD", nullptr) != 1) {
        if (NAD_Verbose()) std::printf(" EC5: version=%2d  (ok)\n", b->version);
        return 0;
    }
    NAD_Text_Reader r{f, 1};
    int v = 0;
    NAD_Read_Int(&r, &v);
    NAD_Read_Int(&r, &b->variant);
    if (r.ok) b->version = v;
    if (!r.ok || !read_ec5_text(&r, b, v)) {
        if (NAD_Verbose()) std::printf(" EC5:              (failed)");
        return 0;
    }
    // Options of the German annex that older texts do not carry follow the
    // variant.
    const int national = b->variant != 0;
    if (v < 11) b->use_NA21 = national;
    if (v < 12) b->use_NA20 = national;
    if (v < 13) b->use_NA816 = national;
    if (v < 14) b->use_NA7 = national;
    if (v < 15) {
        b->k_shape_factor = national ? 0.05 : 0.15;
        b->k_shape_max = national ? 1.3 : 2.0;
    }
    if (NAD_Verbose()) std::printf(" EC5: version=%2d  (ok)\n", v);
    return 1;
}

// Every field but version, flag_fi and gamma_M_fi, in declared order.
template <class Fn>
static void each_compared(const NAD_EC5_Block* a, const NAD_EC5_Block* b, Fn& fn) {
    int NAD_EC5_Block::*const ints[] = {
        &NAD_EC5_Block::variant,         &NAD_EC5_Block::use_table_NA1,  &NAD_EC5_Block::use_NA11,
        &NAD_EC5_Block::use_table_NA4,   &NAD_EC5_Block::use_table_NA15, &NAD_EC5_Block::threaded_rods_NA,
        &NAD_EC5_Block::ltb_NA,          &NAD_EC5_Block::fasteners_simplified_NA,
        &NAD_EC5_Block::table_NA1_index_b, &NAD_EC5_Block::kcr_method, &NAD_EC5_Block::wnetfin_combination,
        &NAD_EC5_Block::use_NA20,        &NAD_EC5_Block::use_NA21,       &NAD_EC5_Block::use_NA816,
        &NAD_EC5_Block::use_NA7};
    for (auto m : ints) fn(double(a->*m), double(b->*m));
    double NAD_EC5_Block::*const doubles[] = {
        &NAD_EC5_Block::gamma_M_lvl,         &NAD_EC5_Block::gamma_M_particleboard,
        &NAD_EC5_Block::gamma_M_hardboard,   &NAD_EC5_Block::gamma_M_mediumboard,
        &NAD_EC5_Block::gamma_M_mdf,         &NAD_EC5_Block::gamma_M_softboard,
        &NAD_EC5_Block::gamma_M_connections, &NAD_EC5_Block::gamma_M_punched_plates,
        &NAD_EC5_Block::gamma_M_steel,       &NAD_EC5_Block::gamma_M_gypsum,
        &NAD_EC5_Block::gamma_M_solid,       &NAD_EC5_Block::gamma_M_glulam,
        &NAD_EC5_Block::gamma_M_accidental,  &NAD_EC5_Block::kcr_solid,
        &NAD_EC5_Block::kcr_other,           &NAD_EC5_Block::k_shape_factor,
        &NAD_EC5_Block::k_shape_max,         &NAD_EC5_Block::nci_633_factor,
        &NAD_EC5_Block::gamma_M_clt};
    for (auto m : doubles) fn(a->*m, b->*m);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) fn(a->k_mod[i][j], b->k_mod[i][j]);
    for (int i = 0; i < 3; ++i) fn(a->k_def[i], b->k_def[i]);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j) fn(a->w_limit[i][j], b->w_limit[i][j]);
}

int Compare_NAD_EC5(const NAD_EC5_Block* a, const NAD_EC5_Block* b) {
    if (!a || !b) return 1;
    if (a->version <= 9 || b->version <= 9) return 0;
    int differ = 0;
    auto cmp = [&](double x, double y) { differ |= x != y; };
    each_compared(a, b, cmp);
    return differ;
}

void Copy_NAD_EC5(NAD_EC5_Block* dst, const NAD_EC5_Block* src) {
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

int NAD_EC5_Zero() { return 0; }
