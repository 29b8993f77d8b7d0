// Writes the seed corpora of the fuzz targets under $WELD_FUZZ_SEEDS/<target>/:
// small valid inputs made by the system's own writers (so they follow the
// file formats exactly), plus a few hand-written ones for the formats that
// have no writer here. Targets whose first byte picks the reader get one
// seed per pick.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "base/textio.h"
#include "base/vekexport.h"
#include "base/vekparam.h"
#include "codes/betonguete.h"
#include "codes/betonstahl.h"
#include "codes/blech.h"
#include "codes/material.h"
#include "codes/nad.h"
#include "codes/nad_ec0.h"
#include "codes/nad_ec2.h"
#include "codes/nad_ec3.h"
#include "codes/nad_ec5.h"
#include "codes/nad_ec6.h"
#include "codes/nad_ec9.h"
#include "codes/nad_file.h"
#include "codes/sicherheit.h"
#include "codes/versioned_text.h"
#include "platform/msgbox.h"
#include "profiles/profil_file.h"
#include "profiles/stahlprofil.h"
#include "section/rc_builder.h"
#include "section/stress_strain.h"
#include "section/xmasque.h"
#include "weldcheck/weldelem.h"
#include "weldcheck/weldfile.h"
#include "weldapp/schweissnaht.h"

static std::string root;

static void Put(const std::string& target, const std::string& name, const std::string& bytes) {
    const std::string dir = root + "/" + target;
    mkdir(root.c_str(), 0755);
    mkdir(dir.c_str(), 0755);
    FILE* f = std::fopen((dir + "/" + name).c_str(), "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The bytes a writer puts into a stream.
template <class F>
static std::string Written(F write) {
    FILE* f = std::tmpfile();
    if (!f) return {};
    write(f);
    std::string bytes;
    std::rewind(f);
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back((char)c);
    std::fclose(f);
    return bytes;
}


// A PROFIL record: designation, values i * step, three blanks and the letter.
static std::string Profil_Seed_Record(const char* name, char letter, float step) {
    std::string r = name;
    r.resize(PROFIL_NAME_BYTES, ' ');
    for (int i = 0; i < PROFIL_VALUE_COUNT; i++) {
        float v = step * static_cast<float>(i);
        unsigned char b[4];
        std::memcpy(b, &v, 4);
        r.append(reinterpret_cast<char*>(b), 4);
    }
    return r + "   " + letter;
}

// A ProfilData.bin record with its name and alias rotated by k.
static std::string ProfilData_Seed_Record(int type, int k, const std::string& name, const std::string& alias) {
    std::string r;
    r += static_cast<char>(type << 4 | k);
    r += static_cast<char>(name.size());
    r += static_cast<char>(alias.size());
    r += '\x01';
    r += '\x80';
    for (unsigned char c : name + alias) r += static_cast<char>(k ? (c << k | c >> (8 - k)) & 0xFF : c);
    r.resize(200, '\0');
    return r;
}

// Sloped flanges the records take: a half I, IPN 200 and U 100 of the
// catalogue (PROFIL's values one place further on from value 9, its
// value 27 as value 29), each with the slope in value 37 and in value
// 29, in one of them or in neither (read from the designation, or from
// the values under a name that states none).
static void Put_Sloped_ProfilData_Seeds() {
    const std::vector<std::pair<int, std::vector<float>>> sloped = {
        {2, {15, 12.5f, 1.08f, 1.62f, 34.5f, 0, 11.043f, 6.25f, 0, 0, 692.4f, 225.5f, 0, 0, 692.4f, 174.981f,
             62.7004f, 112.909f, 112.909f, 225.5f, 36.1f, 36.1f, 60.5f, 60.5f, 22.4618f, 0, 1.08f, 0.65f, 0, 3.0619f}},
        {0, {20, 9, 0.75f, 1.13f, 33.4f, 0, 10, 4.5f, 0, 0, 2140, 117, 0, 0, 2140, 214, 214, 250, 250, 117, 26, 26,
             43.5f, 43.5f, 13.5f, 10415.2f, 0.75f, 0.45f, 0, 2.0375f}},
        {1, {10, 5, 0.6f, 0.85f, 13.5f, 0, 5, 1.55f, 0, 0, 206, 29.3f, 0, 0, 206, 41.2f, 41.2f, 49, 49, 29.3f,
             18.9032f, 8.49275f, 16.2f, 16.2f, 2.81f, 410, 0.85f, 0.45f, 0, 1.784f}}};
    const char* names[] = {"1/2I300", "IPN200", "U100"};
    const float percent[] = {14, 14, 8};
    std::string records[4];
    for (size_t i = 0; i < sloped.size(); i++) {
        for (int told = 0; told < 4; told++) {
            std::vector<float> v = sloped[i].second;
            v.resize(39, 0);
            v[37] = told & 1 ? percent[i] : 0;
            if (!(told & 2)) v[29] = 0;
            std::string r = ProfilData_Seed_Record(sloped[i].first, 0, told == 0 && i == 1 ? "X200" : names[i], "");
            for (int k = 0; k < 39; k++) std::memcpy(&r[44 + 4 * k], &v[k], 4);
            records[told] += r;
        }
    }
    for (int told = 0; told < 4; told++) {
        Put("fuzz_profildata", "sloped" + std::to_string(told), records[told]);
        Put("fuzz_profile_outline", "sloped" + std::to_string(told), records[told]);
    }
}

static std::string Pick(int pick, const std::string& bytes) { return std::string(1, (char)pick) + bytes; }

int main() {
    const char* dir = std::getenv("WELD_FUZZ_SEEDS");
    root = dir ? dir : "seeds";
    VEK_Set_Batch_Mode(1);

    // Exchange objects, heads, parameter blocks, text blocks, results.
    VEKExportObject* o =
        Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 1, 7, "Knoten 1", VEK_CLASS_PARAM_DATA, nullptr);
    std::string objects;
    if (o) {
        Set_VEKExport_Object_Text(o, "Zeile 1\nZeile \xAE" "2");
        VEKExportClassValues v{};
        for (int i = 0; i < 5; ++i) v.ints[i] = i + 1;
        for (int i = 0; i < 8; ++i) v.doubles[i] = 0.5 * i;
        v.string = const_cast<char*>("Werkstoff");
        Set_VEKExport_Class_Values(o, &v);
        int ints[3] = {1, 2, 3};
        double doubles[2] = {1.5, -2.25};
        char* strings[1] = {const_cast<char*>("S235")};
        Set_VEK_Param_Values(&o->params, ints, nullptr, 3, nullptr, doubles, nullptr, 2, nullptr, strings,
                             nullptr, 1, nullptr);
        objects = Written([&](FILE* f) {
            Write_VEKExport_Block(f, VEK_BLOCK_OBJECTS);
            Write_VEKExport_Object(f, o);
            Write_VEKExport_Object(f, o);
            Write_End_Of_VEKExportBlock(f, VEK_BLOCK_OBJECTS);
        });
        Put("fuzz_vekexport", "objects", objects);
        Put("fuzz_vekparam", "head", Pick(0x15, Written([&](FILE* f) { Write_VEK_Object_Head(f, &o->head); })));
        Put("fuzz_vekparam", "block", Pick(0x7F, Written([&](FILE* f) { Write_VEK_Param_Block(f, &o->params); })));
        Put("fuzz_vekparam", "block_fixed",
            Pick(0x19, Written([&](FILE* f) { Write_VEK_Param_Block(f, &o->params); })));
        Free_VEKExport_Object(o);
    }
    Put("fuzz_vekexport", "header", Written([](FILE* f) { Write_VEKExportObject_Header(f, nullptr); }));
    Put("fuzz_vekparam", "text", Pick(0x80, Written([](FILE* f) {
                                      Write_Text_Block(f, std::string(150, 'x').append("\nEnde").c_str());
                                      std::fputs("#EOC\n", f);
                                  })));

    VEKResultRecord* r = Create_VEKResult_Record();
    if (r) {
        for (int i = 0; i < VEK_RESULT_KEY_SIZE; ++i) r->key[i] = i % 4;
        Resize_VEKResult_Values(r, 2, 3, 1);
        r->values.ints[0] = 4;
        r->values.doubles[1] = 0.8;
        r->values.strings[0] = strdup("Nachweis");
        Put("fuzz_vekresult", "records", Written([&](FILE* f) {
                Write_VEKResult_Record(f, r);
                r->key[0] = 1;
                r->key[6] = 0;
                Write_VEKResult_Record(f, r);
            }));
        Free_VEKResult_Record(r);
    }

    // Text I/O: one seed per reader.
    const std::string text_block = Written([](FILE* f) { Write_Text_Block(f, "Erste Zeile\nzweite"); });
    Put("fuzz_textio", "0_text_block", Pick(0 | 8 * 10, text_block + text_block));
    Put("fuzz_textio", "1_guillemet_name", Pick(1, " \xAEName 1\xAF\r\n\xAE\xAF x\xAE" "offen"));
    Put("fuzz_textio", "2_delimited", Pick(2 | 8 * 5, " <abc> <langer Text> x <"));
    Put("fuzz_textio", "3_lines", Pick(3 | 8 * 6, "kurz\r\nviel zu lange Zeile\n\nletzte"));
    Put("fuzz_textio", "4_keyword", Pick(4, "NAD/Version 1\n#EC0\n#EC3\r\n 1 2\n"));
    Put("fuzz_textio", "5_guillemet_string", Pick(5, "\xAE" "abc\xAF \xAE" + std::string(300, 'y') + "\xAF"));
    Put("fuzz_textio", "6_keyword_int", Pick(6, "# Kommentar\nVERSION 12\nVERSION x\n"));
    Put("fuzz_textio", "7_markup", Pick(7 | 8, "  Tr\xCE" "ag\xCE{C 1 2}f\x84hig  "));

    // Annex files.
    static NAD_Record nad;
    Default_NAD_Blocks(&nad);
    nad.id = 3;
    NAD_Copy_Name(nad.name, sizeof nad.name, "Eigener Satz");
    const std::string annex = Written([](FILE* f) { Write_NAD_File(f, &nad); });
    Put("fuzz_nad", "annex", annex);
    Put("fuzz_nad", "annex_v2",
        "NAD/Version 2\r\n\r\n 7 \xAEV2\xAF 0\r\n\r\n#EC9\r\n 0\r\n 0\r\n\r\n#ZO3\r\n ZO3-1 Parameter\r\n"
        " 4 1.0 1.15 1.3 1.0 1.0 1.25 0 1.0\r\n 0.4 0.75 0 1.0 1 1.0\r\n\r\n#EC6\r\n 0\r\n 0\r\n");
    // Files cut inside the EN 1993 section and just before it: unreadable.
    Put("fuzz_nad", "annex_cut_in_zo3", annex.substr(0, annex.find("#ZO3") + 40));
    Put("fuzz_nad", "annex_cut_before_zo3", annex.substr(0, annex.find("#ZO3")));
    Put("fuzz_nad", "ec3_old", " ZO3-1 Parameter\n 1 1.05 1.1 1.3 1.01 1.02 1.2\n");
    Put("fuzz_nad", "active_name", "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n");

    // Material, plate, safety factors.
    Materialparameter_Record m;
    Clear_Material_Params(&m);
    m.grade = 5;
    std::memcpy(m.name, "Stahlteil 1", 12);
    Check_Material_Params(&m, 0.0, nullptr, 0, nullptr);
    Put("fuzz_codes_blocks", "material", Pick(0, Written([&](FILE* f) { Write_Material_Params(f, &m); })));
    Blech_Record p;
    Clear_Plate(&p);
    p.material = m;
    // Own values with a yield strength below 1 N/mm² that "%lf" rounds: the
    // check refuses it before and after a save alike (f_u stays 0).
    Put("fuzz_codes_blocks", "material_refused",
        Pick(0, " 2\n 0 1 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000 0.0010002 0"
                " 0.0010002 0 0.0010002 0\n ~~~~~~~~~~~~~~~~~~~~~~~~~\n"));
    Put("fuzz_codes_blocks", "plate", Pick(1, Written([&](FILE* f) { Write_Plate(f, &p); })));
    Put("fuzz_codes_blocks", "plate_old", Pick(1, " 0\r\n 10 200\r\n"));
    Sicherheitsbeiwerte_Record s;
    Clear_Safety_Factors(&s);
    Update_Safety_Factors_From_NAD(&s);
    Put("fuzz_codes_blocks", "safety", Pick(2, Written([&](FILE* f) { Write_Safety_Factors(f, &s); })));

    // Welds and groups.
    NahtElement w;
    Default_Weld(&w);
    w.l = 120.0;
    Put("fuzz_weldfile", "weld", Pick(0, Written([&](FILE* f) { Write_Weld(f, &w); })));
    Put("fuzz_weldfile", "weld_v0", Pick(0, " 0\r\n 1 5.0 10.0 30.0 0 0 90.0\r\n"));
    static NahtGruppe g;
    Clear_Weld_Group(&g);
    g.a = 5.0;
    g.l = 100.0;
    g.N_Ed = 1000.0;
    g.plate1 = p;
    g.plate2 = p;
    Put("fuzz_weldfile", "group", Pick(1, Written([&](FILE* f) { Write_Weld_Group(f, &g); })));

    // Several records back to back, as a real file holds them.
    Materialparameter_Record m2;
    Clear_Material_Params(&m2);
    m2.grade = WELD_GRADE_STAINLESS;
    m2.own_values = 1;
    m2.f_y1 = m2.f_y2 = m2.f_y3 = 220.0;
    m2.f_u1 = m2.f_u2 = m2.f_u3 = 520.0;
    std::memcpy(m2.name, "1.4301", 7);
    Check_Material_Params(&m2, 0.0, nullptr, 0, nullptr);
    Put("fuzz_codes_blocks", "materials", Pick(0, Written([&](FILE* f) {
                                              Write_Material_Params(f, &m);
                                              Write_Material_Params(f, &m2);
                                          })));
    Put("fuzz_codes_blocks", "plates", Pick(1, Written([&](FILE* f) {
                                           Write_Plate(f, &p);
                                           p.t = 12.5;
                                           p.material = m2;
                                           Write_Plate(f, &p);
                                       })));
    Put("fuzz_codes_blocks", "safety_twice", Pick(2, Written([&](FILE* f) {
                                                 Write_Safety_Factors(f, &s);
                                                 s.from_annex = 0;
                                                 s.gamma_M2 = 1.35;
                                                 Write_Safety_Factors(f, &s);
                                             })));
    // Concrete and reinforcing-steel grades: bit i of the first byte picks
    // the kind of record i (0 concrete, 1 steel).
    {
        const auto grades = [](unsigned char kinds, auto write) {
            return std::string(1, static_cast<char>(kinds)) + Written([&](FILE* f) {
                       Begin_Versioned_Write(f, 1.0);
                       write();
                   });
        };
        Put("fuzz_grades", "concrete", grades(0x00, [] {
                Betonguete_Record c;
                Get_Betonguete_Record(&c, 3, 0, 0.0);
                Write_Betonguete_Record(&c);
                Get_Betonguete_Record(&c, 9, 1, 1600.0);
                Write_Betonguete_Record(&c);
                Betonguete_From_DIN(&c, 2);
                Write_Betonguete_Record(&c);
            }));
        Put("fuzz_grades", "mixed", grades(0x0A, [] {
                Betonguete_Record c;
                Betonstahl_Record b;
                Get_Betonguete_Record(&c, 14, 0, 0.0);
                Write_Betonguete_Record(&c);
                Get_Betonstahl_Record_B500(&b, 1);
                Write_Betonstahl_Record(&b);
                Write_Betonguete_Record(&c);
                Betonstahl_From_DIN(&b, 0);
                Write_Betonstahl_Record(&b);
            }));
        Put("fuzz_grades", "unversioned", std::string(1, '\x02') +
                                              " 1.0 # Datenversionsnummer\n C30/37 30000 0.85 -0.002 -0.0035 2 0 "
                                              "2200 0\n B500A 500000 525000 0.025 2e8 0\n 1.1\n LC20/22 20000 "
                                              "0.8 -0.002 -0.0031 2 1 1650 0 9.5e6\r\n");
    }
    Put("fuzz_weldfile", "welds", Pick(0, Written([&](FILE* f) {
                                      Write_Weld(f, &w);
                                      w.kind = 1;
                                      w.full_penetration = 1;
                                      Write_Weld(f, &w);
                                  })));
    Put("fuzz_weldfile", "groups", Pick(1, Written([&](FILE* f) {
                                       Write_Weld_Group(f, &g);
                                       g.one_sided = 1;
                                       g.packing = 1;
                                       g.t_p = 8.0;
                                       Write_Weld_Group(f, &g);
                                   })));

    // Number readers: the first byte picks the reader (low two bits) and
    // asks for 1 + (byte >> 2 & 15) numbers.
    const std::string numbers = " 1.5 -2e3 x 4\r\n7 0x1F 010\n\n 9 99999999999 -1";
    for (int reader = 0; reader < 4; ++reader)
        Put("fuzz_numbers", "numbers_" + std::to_string(reader), Pick(reader | 3 << 2, numbers));

    // Stored texts: «» fields (pick 0) and the position file (pick 1).
    Put("fuzz_stored_text", "fields", Pick(0, " \xAE" "Erste Angabe\xAF \xAE" "zweite\xAF\n\xAE\xAF \xAE" +
                                                  std::string(120, 'z') + "\xAF"));
    Put("fuzz_control_words", "two_cases", "#S Lasten\n1 2 3 4 5 6 LK 1\n7;8;9;10;11;12\n#E\n1 2\n");
    Put("fuzz_control_words", "comma_crlf", "vorab\r\n#A\r\n1 2 3\r\n#S\r\n1,5 2e3 -3\r\n4 5 6 Wind links\r\n");
    Put("fuzz_stored_text", "position_lines", Pick(1, "Kopfzeile\r\nPOS12\r\nTr\x84ger \x81" "ber Achse 2\r\n"));
    Put("fuzz_stored_text", "position_colon", Pick(1, "A12:St\x81tze im Erdgeschoss\n"));

    // End-plate library: bolts (pick 0), grades (1), «» names (2) and the
    // names of a profile file's records (3).
    Put("fuzz_endplate", "bolts", Pick(0, "0 0 0 1.00\n2 2 2 0.30\r\n7 3 1 0.20\n8 0 0 1\n5 1 -1 2.5\n"));
    Put("fuzz_endplate", "grades", Pick(1, "0\n4\r\n9\n3\n"));
    Put("fuzz_endplate", "wrapped", Pick(0, "4294967297 0 0 1\n1 4294967298 0 1\n1 1 0 1e-400\n1 1 0 0x1p1\n"));
    Put("fuzz_endplate", "names", Pick(2, " \xAEHE300A\xAF\n\xAE" "A NAME LONGER THAN 16\xAF\n\xAE\xAF"));
    Put("fuzz_endplate", "profile_names", Pick(3, std::string("IPE300") + std::string(154, ' ') + "HE200A" +
                                                       std::string(150, '\0')));

    // The annex list: user annex files separated by form feeds; the first
    // byte picks the entry made active.
    Put("fuzz_nad_list", "three", Pick(3, annex + "\f" + "NAD/Version 2\n\n 7 \xAEV2\xAF 0\n\f\n"));
    Put("fuzz_nad_list", "one", Pick(2, annex));

    // Bitmaps: four bytes pick mode, source and target; then the file.
    auto bmp = [](int width, int height, int bpp, bool top_down, bool core) {
        auto le = [](std::string& b, unsigned v, int n) {
            for (int i = 0; i < n; ++i) b.push_back((char)(v >> (8 * i) & 0xFF));
        };
        const int colours = bpp <= 8 ? 1 << bpp : 0;
        const int entry = core ? 3 : 4, header = core ? 12 : 40;
        const unsigned stride = ((unsigned)width * bpp + 31) / 32 * 4;
        const unsigned offset = 14 + header + colours * entry;
        std::string b = "BM";
        le(b, offset + stride * height, 4);
        le(b, 0, 4);
        le(b, offset, 4);
        le(b, header, 4);
        if (core) {
            le(b, width, 2);
            le(b, height, 2);
            le(b, 1, 2);
            le(b, bpp, 2);
        } else {
            le(b, width, 4);
            le(b, top_down ? -height : height, 4);
            le(b, 1, 2);
            le(b, bpp, 2);
            for (int i = 0; i < 6; ++i) le(b, 0, 4);  // compression .. important colours
        }
        for (int i = 0; i < colours; ++i)
            for (int k = 0; k < entry; ++k) b.push_back((char)(i * 37 + k * 91));
        for (unsigned i = 0; i < stride * height; ++i) b.push_back((char)(i * 13));
        return b;
    };
    Put("fuzz_bitmap", "bpp1", "\x00\x05\x07\x10" + bmp(9, 3, 1, false, false));
    Put("fuzz_bitmap", "bpp4", "\x01\x05\x07\x21" + bmp(5, 4, 4, true, false));
    Put("fuzz_bitmap", "bpp8", "\x02\x05\x07\x33" + bmp(4, 4, 8, false, false));
    Put("fuzz_bitmap", "bpp24", "\x0C\x05\x07\x40" + bmp(3, 2, 24, false, false));
    Put("fuzz_bitmap", "bpp32", "\x04\x05\x07\x52" + bmp(2, 3, 32, true, false));
    Put("fuzz_bitmap", "core8", "\x00\x05\x07\x61" + bmp(3, 3, 8, false, true));

    // Tool title files.
    Put("fuzz_tool_title", "title", "Stahlbau-Werkzeug 2\r\nzweite Zeile\n");
    Put("fuzz_tool_title", "one_line", "Nachweis");
    Put("fuzz_tool_title", "empty_line", "\n");

    // In-file replacement: lengths of the old and the new text, the texts,
    // then the file.
    Put("fuzz_file_replace", "lines", std::string("\x03\x03") + "altneu" + "Wert alt\r\nalt und alt\nohne Ende alt");
    Put("fuzz_file_replace", "grow", std::string("\x01\x02") + "aaa" + "banana\n\nana");

    // Print-list tables and marked-up texts.
    Put("fuzz_oli_table", "tables",
        "#CONTENTS\r\n POS. 1\r\n#SHOWTABLE\r\n 0 1 0\r\n \xCEH\xCE_Punkte\xCEr\r\n 0 0 -1 -1 2\r\n 4.5 9\r\n"
        " a\tb\r\n c\r\n#END_OF_TEXT\r\n#SHOWTABLE\n 0 0 1\n Nur Titel\n 0 0 0 0\n");
    Put("fuzz_mt_string_length", "markup", "ab \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }\xCEu\xCE" "bNr\xCEr x\xCE");

    // Whole print lists for the viewer: every block kind, markup, a picture.
    Put("fuzz_oli_view", "blocks",
        "#CONTENTS\n POS. 1: T\xE1r\n#SETMARGINS\n257 3.500000 0\n#SETYPOS\r\n256 -0.19\r\n#RESERVESPACE\n3\n"
        "#SETBOOKMARK\n16\n \xCE@1. Eingabe\n\n#SHOWPARA\n0x70\n4\n2 0.2\n2 1.3 2 0\n0x0 2\n2 4\n2 8.5\n-1\n"
        " Blech\xCEtt\xCEt= 10.0 mm \xCC \xF3\n \n#END_OF_TEXT\n0x1004\n2 0.3\n0x40\n7\n0x2\n2 2.5\n-1\n"
        " \xCE" "b!!\xCE{C 1 230 0 0}x\xCE{C 2}\n#END_OF_TEXT\n0x1000\n2 -0.38\n-1\n#SETBOOKMARK\n17\n \n"
        "#SHOWTABLE\n 0 1 0\n \xCEH\xCE_Punkte\xCEr\n 1 1 -1 -1 1\n \xCEu\xCE" "bNr\xCEr\xCEu cm\xCE/2\xCEr\n"
        "#END_OF_TEXT\n#NEWPAGE\n#STOREYPOS\n1\n#RESTOREYPOS\n1\n");
    Put("fuzz_oli_view", "picture",
        "#SHOWGRAFIC\n 0 1 0\n Bild\n 0 0 1\n Ma\xE1stab\n-1\n0.000000 10.000000 5.000000 0.000000\n 30\n 52\n"
        " 4 4\n 38 2 0.1 0.1 0\n 1  1.0 1.0 9.0 1.0\n50 255 0 0\n51 0 0 255\n 20  5\n 24  3.0 4.0 4.0 3.0\n"
        " 18 3 1 1 2 1 1 2 \n 18 2\n 1.0 2.0\n 3.0 4.0\n 13 0.3\n 14 90 0\n 10 1 1 1 1 466 \xAEy\xAF\n"
        " 9 2 2 2 2 210 \xAE\xCC\xAF\n 2 3 3 \xAEt\xAF\n 3 4 4 \xAEu\xAF\n 27 0 3.0 %FONT%\\sym\n 31\n 53\n -1\n");
    // Polygons in every form the writers give (their pairs on the record's
    // line, on the lines after it, or both), and damaged: a word among the
    // points where the records after it would make up the count, a point in
    // hexadecimal, a line of points with a word in it.
    Put("fuzz_oli_view", "polygons",
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 4.000000 3.000000 0.000000\n 20  5\n"
        " 18 3 0.5 0.5 3.5 0.5 2.0 2.5 \n 18 2\n 1.000000 1.000000\n 2.000000 2.000000\n 18 3 0.1 0.1\n"
        "0.9 0.1  0.5 0.9\n -1\n");
    Put("fuzz_oli_view", "polygon_damaged",
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 4.000000 3.000000 0.000000\n"
        " 18 4 0.5 0.5 3.5 0.5 3.5 x.5 0.5 2.5\n 20  0\n 1  0.5 0.5 3.5 2.5\n 18 2 0 0 0x1 1\n 4 1\n"
        " 18 3\n 0.50 0.50\n 1.50 x.50\n 2.50 0.50\n 20  64\n -1\n");
    // Counts one too high: the next record must not give the last point.
    Put("fuzz_oli_view", "polygon_count",
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 4.000000 3.000000 0.000000\n"
        " 18 5 0.5 0.5 3.5 0.5 3.5 2.5 0.5 2.5\n 20  0\n 18 3\n 0.500000 0.500000\n 3.500000 0.500000\n 4 2\n"
        " 18 3\n0 0 1 0\n0 1\n -1\n");
    // A list cut off inside a picture, after a paragraph.
    Put("fuzz_oli_view", "cut_picture",
        "#SHOWPARA\n0x0\n4\n-1\n Zeile\n#END_OF_TEXT\n0x0\n-1\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
        "0.000000 4.000000 3.000000 0.000000\n 1  0.5 0.5 3.5 2.5\n 18 2 0.5");
    // A stored symbol (read as one because it starts with "OCM 1") and a
    // list whose elements nest (the strict check refuses it).
    Put("fuzz_oli_view", "symbol",
        "OCM 1\n3.5 2.5\n 13 0.22\n 20  64\n50 0 0 0\n 4 1\n 1  2.450 1.550 0.450 1.550\n"
        " 18 3 0.450 1.550 0.610 1.495 0.610 1.605\n 9 0.380 1.550 0.380 1.550 212 \xAEy\xAF\n 20  0\n"
        " 18 4 2.55 1.55 2.45 1.65 2.35 1.55 2.45 1.45\n 3 2.6 0.3 \xAEMx\xAF\n-1\n");
    // A list closed by its input's identity, and one re-encoded in UTF-8.
    Put("fuzz_oli_view", "identity",
        "#SHOWPARA\n0x0\n4\n-1\n Zeile \x7F\n#END_OF_TEXT\n0x0\n-1\n#SOURCE\n 3 e71fa2190541574b liste.INP\n");
    Put("fuzz_oli_view", "utf8",
        "#SHOWPARA\n0x0\n4\n-1\n \xE2\x95\xAC" "bfett \xC3\xA4\n#END_OF_TEXT\n0x0\n-1\n");
    // Bytes of no list that hold a guillemet as UTF-8 writes it.
    Put("fuzz_oli_view", "noise", "#SHOWPARA\n0x0\n4\n-1\n \xCE" "b\xC2\xAB\x93\xFF\xAB\n#END_OF_TEXT\n0x0\n-1\n");
    Put("fuzz_oli_view", "nested",
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 4.000000 3.000000 0.000000\n 30\n 52\n 30\n 52\n"
        " 1  0.5 0.5 3.5 0.5\n 31\n 53\n 31\n 53\n -1\n#SHOWPARA\n0x0\n4\n-1\n Text\n#END_OF_TEXT\n0x0\n-1\n");

    // Writer calls of the picture library: a picture over (0, 0)-(10, 10)
    // at scale 1 with one symbol of each kind (the kind byte after a text
    // "abc"), and each block writer once; then a picture-info file.
    for (int kind = 0; kind < 34; kind++) {
        std::string calls = {0, 80, 80, 120, 120, 84, 84, 0, 0, 0, 3, 'a', 'b', 'c', static_cast<char>(kind)};
        for (int i = 0; i < 24; i++) calls += static_cast<char>(84 + 4 * (i % 7));
        Put("fuzz_picture_writers", "symbol" + std::to_string(kind), calls);
    }
    for (int kind = 0; kind < 23; kind++) {
        std::string calls = {1, 0, 3, 'a', 'b', 'c', 3, static_cast<char>(kind)};
        for (int i = 0; i < 24; i++) calls += static_cast<char>(84 + 4 * (i % 7));
        Put("fuzz_picture_writers", "block" + std::to_string(kind), calls);
    }
    Put("fuzz_picture_writers", "info", std::string(1, '\0') + "OLI_GRAPHIC_Picture_Info\r\n\xAE" "a.bmp\xAF\r\n10 20\n300\n1.5 2\n");

    // Version file and script file.
    Put("fuzz_version_file", "version", "Version 4.12 vom 01.02.2026\r\n<7a\n");
    // A run's record beside its temporaries: a whole one, one of this
    // machine's boot left open, one cut before its line end.
    Put("fuzz_owner_record", "record",
        "vek-owner 4242 123456 0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0 pid:[4026531836] build-host\n");
    Put("fuzz_owner_record", "cut", "vek-owner 4242 123456 0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0 pid:[40265");
    Put("fuzz_script_file", "script",
        "# a session\r\nclick 100 200\r\n\r\nbogus line\ntype 1 Stahl S235\nanswer yes\nmenu 3\nkey 13\n"
        "press 1 2 1\nrelease 1\nmove 5 6\nwheel -120\nkeys 0x32 48 0x147 0x0D\nclose");
    // Profile file and profile manager's database.
    const std::string profil = Profil_Seed_Record("1/2I300", 'T', 0.5f) + Profil_Seed_Record("C150X51X12.2", 'U', 0.25f) +
                               Profil_Seed_Record("HE280A", 'D', 1.0f) + Profil_Seed_Record("R88.9X5.0", 'K', 0.1f) +
                               Profil_Seed_Record("T60", 'T', 0.2f);
    for (int pick = 0; pick < 6; pick++) Put("fuzz_profil", "pick" + std::to_string(pick), Pick(pick, profil));
    // The profile manager's stand-in: all families, and only the double-T
    // and tee ones (a designation the file repeats, one of blanks only, one
    // that begins with no letter).
    Put("fuzz_profile_families", "all", std::string(1, '\0') + profil);
    Put("fuzz_profile_families", "filtered",
        std::string(1, '\x03') + profil + Profil_Seed_Record("HE280A", 'D', 2.0f) + Profil_Seed_Record(" ", 'D', 1.0f) +
                                                 Profil_Seed_Record("280X10", 'D', 1.0f));
    const std::string profildata = ProfilData_Seed_Record(0, 3, "AA100", "") +
                                   ProfilData_Seed_Record(6, 5, "MM200", "Alias") +
                                   ProfilData_Seed_Record(1, 0, "ZZ300", "Last");
    Put("fuzz_profildata", "three", profildata);
    Put("fuzz_profile_outline", "three", profildata);
    Put_Sloped_ProfilData_Seeds();
    // A record whose value 4 (the area) is no number: refused, never computed.
    std::string damaged = Profil_Seed_Record("HE280A", 'D', 1.0f);
    const float nan_value = std::nanf("");
    std::memcpy(&damaged[PROFIL_NAME_BYTES + 4 * 4], &nan_value, 4);
    for (int pick = 0; pick < 6; pick++)
        Put("fuzz_profil", "nan_pick" + std::to_string(pick), Pick(pick, Profil_Seed_Record("HE260A", 'D', 1.0f) + damaged));

    // Section mask: a reinforced rectangle whose concrete law refers to a
    // later curve, a changed built-in steel law, and a disc and a line group.
    {
        const double y[4] = {-0.15, 0.15, 0.15, -0.15}, z[4] = {-0.25, -0.25, 0.25, 0.25};
        const double by[2] = {-0.1, 0.1}, bz[2] = {-0.2, -0.2}, ba[2] = {3.14e-4, 3.14e-4};
        Querschnitt* q = Build_RC_Querschnitt(7, 4, y, z, 2, by, bz, ba,
                                              Get_Builtin_Spannungsdehnungslinie("B25"),
                                              Get_Builtin_Spannungsdehnungslinie("BSt 500 SA"));
        if (q) {
            Spannungsdehnungslinie* steel = Get_Spannungsdehnungslinie(q, 1);
            steel->p.betaD = 435000;
            Spannungsdehnungslinie_Parameter p;
            Calc_Stahl_Bilinear_Parameter(210000, 235, 25, 2100, &p);
            Spannungsdehnungslinie* extra = New_Spannungsdehnungslinie(9, SDL_STAHL, "", &p);
            Add_Spannungsdehnungslinie(q, extra);
            Set_Spannungsdehnungslinie_Bezug(Get_Spannungsdehnungslinie(q, 0), extra, 0.5);
            Querschnittsknoten* centre = Get_Querschnittsknoten(q, 0);
            Add_Querschnittsgruppe(q, New_Querschnittsgruppe_Kreis(20, extra, centre, 0.05));
            Querschnittsgruppe* lines = New_Querschnittsgruppe_Linien(21, extra);
            Add_Linie_To_Gruppe(lines, Get_Querschnittskante(q, 0), 0.01);
            Add_Querschnittsgruppe(q, lines);
            Put("fuzz_xmasque", "rc", Written([&](FILE* f) { Write_Querschnitt(f, q); }));
            Free_Querschnitt(q);
        }
        Put("fuzz_xmasque", "empty", "Q 0 0\r\n0\r\n0\r\n0\r\n0\r\n");
    }

    // User sections: an exchange file with every block, a store file, a
    // VUVE.EIN block with the extended lines, a cross-section record.
    {
        const std::string xprt =
            "\nOBJECT\n1 1000 1001\n\xAEWinkel                  \xAF\n\nNODES 3\n1 0 0\n2 10 0\n3 10 20\n"
            "\nLINES 2\n1 1 2 1\n2 2 3 0.5\n\nNEWLINES\n1 1 2 0 0 1 1 0 0 0 0 0 0 1 0 0 0\n"
            "2 2 3 0 0 0.5 0.5 0.2 0 0 0 0 0 1 90 45 0\n -1\nFEMVALUES\n2 7 8\nPOLYS 1\n3\n1 0 0 0.5\n2 4 0 0\n"
            "3 4 4 0\n0\nPICTURE 2\n0 0 0.5 0 0.1\n0.5 0 0.5 0.5 0.1\nVALUES\n.A__ 20\n.EY_ 7.5\n.EZ_ 5\n"
            ".I11 12\n.W1+ 3\n.ALF 0.1\n";
        Put("fuzz_qimport", "xprt", Pick(0, xprt));
        Put("fuzz_qimport", "grq",
            Pick(1, "BALMO-VUVE-ConversionFile V.1\n\n@SYNC1@\n1 " + std::to_string(xprt.size() + 1) +
                        " \xAEWinkel                  \xAF" + xprt + "\n\n@SYNC2@\n2 3 \xAE" +
                        std::string(24, 'x') + "\xAF\nab\n"));
        Put("fuzz_qimport", "vuve_ein",
            Pick(2, "\n#Q000001\n 1 1 /\n 'Winkel' /\n 3 /\n 1 0.0 0.0 /\n 2 10.0 0.0 /\n 3 10.0 20.0 /\n 2 /\n"
                    " 1 1 2 1.0 /\n 2 2 3 0.5 /\n 2 /\n 0 1 1 2 1 1 0 0 0 0 0 0 0 /\n"
                    " 0 2 2 3 0.5 0.5 0 0 0 0 0 0 0 /\n 12 7 8 0 0 0 0 0 0 /\n"));
        Put("fuzz_qimport", "record",
            Pick(3, "999 5 110\n 0 5 32 0 0 311 0 0 0 7319\n 180 1 0 0 0 0 0 0 0 0\n 20 10 0 0 0 1 1 0 0 0\n"
                    " 20 10 0 0 0 1 1 0 0 0\n\xAEIPE300\xAF\n1\n"));
    }

    // Input file: an I profile with three welds, two load cases and a
    // preface, and the annex entry behind it; and the request for defaults.
    // The record reads (own partial factors within their range, each weld
    // within its face: 200 mm outside the flange, (200 - 10) / 2 = 95 mm
    // inside it, 300 - 2 16 = 268 mm of web), so that what the reader
    // takes is fuzzed from the start.
    {
        SchweissnahtAnschluss r{};
        Init_Schweissnaht(&r);
        r.safety.gamma_M0 = r.safety.gamma_M1 = 1.0;
        r.safety.gamma_M2 = 1.25;
        r.naht.profile.type = 4;
        r.naht.profile.h = 300;
        r.naht.profile.t_w = 10;
        r.naht.profile.b_fo = r.naht.profile.b_fu = 200;
        r.naht.profile.t_fo = r.naht.profile.t_fu = 16;
        r.naht.plate.t = 20;
        r.naht.weld_kind = 2;
        r.naht.weld_count = 3;
        const double lengths[3] = {200.0, 90.0, 250.0};
        for (int k = 0; k < 3; ++k) {
            r.naht.throat[k] = 4.0 + k;
            r.naht.length[k] = lengths[k];
            r.naht.number[k] = k + 1;
        }
        Alloc_Lasten(&r, 2);
        r.loads[0].forces.N = 1000;
        r.loads[1].forces.M_y = 2e6;
        r.print.vorbemerkungen = static_cast<char*>(std::calloc(16, 1));
        if (r.print.vorbemerkungen) std::strcpy(r.print.vorbemerkungen, "Zeile 1\nZeile 2");
        Put("fuzz_input_file", "record", Written([&](FILE* f) {
                Write_Schweissnaht(f, &r);
                std::fputs("\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n", f);
            }));
        Put("fuzz_input_file", "defaults", " -1\n");
        // A damaged byte in a number of the plate block: the file is refused,
        // never read with the hexadecimal 0 the C library makes of it.
        std::string record = Written([&](FILE* f) { Write_Schweissnaht(f, &r); });
        const size_t plate = record.find(" 20.000000 0.000000");
        if (plate != std::string::npos) Put("fuzz_input_file", "damaged_byte", record.replace(plate + 12, 1, 1, 'X'));
        // The steel profile's block alone, the I profile and a flat bar.
        Put("fuzz_stahlprofil", "i_profile", Written([&](FILE* f) { Write_Profile(f, &r.naht.profile); }));
        Stahlprofil flat;
        Init_Profile(&flat);
        flat.type = 1;
        flat.h = 200;
        flat.t_w = 20;
        Put("fuzz_stahlprofil", "flat_bar", Written([&](FILE* f) { Write_Profile(f, &flat); }));
        Free_Schweissnaht(&r);
    }
    // Answers of the desktop's tools and the exchange files of the weld
    // program.
    Put("fuzz_desktop_answers", "loadpick",
        Pick(0, "V:1\n2 6\n1 2 3 4 5 6\n7 0.5 \xAE" "Stab 1 Schnitt 2\xAF \xAE" "LK 7\xAF\n-1.5 -2 -3 -4 -5 -6\n8 1.5 "
                "\xAE\xAF \xAE" "b\xAF\n2 Info\n\xAE" "K1\xAF \xAE\xAF \xAE\xAF \xAE\xAF \xAE\xAF\n\xAE" "K2\xAF \xAE"
                "i2\xAF \xAE\xAF \xAE\xAF \xAE" "i5\xAF\n"));
    if (VEKExportObject* cut = Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 1, 7, "Schnitt 1", 0, nullptr)) {
        Put("fuzz_desktop_answers", "multicut",
            Pick(1, std::string(1, '\x01') + "V:1\nMULTICUT 1\n1\n" +
                        Written([&](FILE* f) { Write_VEKExport_Object(f, cut); }) +
                        "\nRESULTS\n1\n1 2 3 4 5 6\n3 0 \xAE\xAF \xAE\xAF\n"));
        Free_VEKExport_Object(cut);
    }
    Put("fuzz_desktop_answers", "partpick",
        Pick(2, "0 0\n\xAERahmen R1\xAF \xAE\xAF \xAE" "Export\xAF \xAE" "C:\\P\\R1\xAF \xAE\xAF \xAE\xAF\n1 \xAE"
                "C:\\P\\R1.7z\xAF\n"));
    Put("fuzz_desktop_answers", "listing",
        Pick(3, "7-Zip\n\n--\nPath = a.7z\nType = 7z\n\n----------\nPath = x/AAAA.EX2\nSize = 3\n\nPath = ../y\n"));
    Put("fuzz_desktop_answers", "protocol",
        Pick(4, "VEK-Export-Bauteil: R1 (letzte Aktion: x)\nKontrollpunkt: Stab 1\nImport erfolgreich: 01.02.26 "
                "10:30\n----------------------\n"));
    {
        SchweissnahtAnschluss r{};
        Default_Schweissnaht(&r);
        Alloc_Lasten(&r, 2);
        r.loads[1].forces.N = -2500;
        Put("fuzz_desktop_answers", "exchange", Pick(5, Written([&](FILE* f) {
                Write_Schweissnaht(f, &r);
                std::fputs("\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n", f);
            })));
        Free_Schweissnaht(&r);
    }
    // Versioned values: the kinds, then a file the writer made.
    {
        const std::string file = Written([](FILE* f) {
            const char c = 'B';
            const double d = -1.25e-3;
            const int i = 42;
            const char* counted = "frei\nText";
            Begin_Versioned_Write(f, 2.0);
            Write_Comment("Kommentar");
            Write_Versioned_Value(&c, 'c');
            Write_Versioned_Value(&d, 'd');
            Write_Versioned_Value(&i, 'i');
            Write_Structure_Version(1.5);
            Write_Versioned_Value("C30/37", 's');
            Write_Versioned_Value("zwei Worte", 't');
            Write_Counted_Text(&counted);
            Write_Versioned_Value("", 't');
        });
        // c d i v s t n e t: kinds by their index in "cdistnve".
        Put("fuzz_versioned_text", "record", std::string("\x09\x00\x01\x02\x06\x03\x04\x05\x07\x04") + file);
    }

    // The weld check of one case: an I profile 300 x 200 with two welds
    // under N and M_y, as raw doubles behind the type and switch bytes.
    {
        std::string w;
        auto d = [&w](double v) { w.append(reinterpret_cast<const char*>(&v), sizeof v); };
        w += static_cast<char>(4);
        w += static_cast<char>(0x01);
        w += static_cast<char>(0x00);
        for (double v : {300.0, 10.0, 200.0, 16.0, 200.0, 16.0, 18.0, 0.0}) d(v);
        for (int k = 0; k < 2; ++k) {
            d(5.0);
            d(200.0);
            w += static_cast<char>(k + 1);
        }
        Put("fuzz_weld_check", "i_profile", w);
    }
    // The DIN check of one case: an I 300 x 200 by position and a tube
    // 168.3 x 8 all round, as raw doubles behind the family and switch bytes.
    for (int family : {0, 5}) {
        std::string w;
        auto d = [&w](double v) { w.append(reinterpret_cast<const char*>(&v), sizeof v); };
        w += static_cast<char>(family);
        w += static_cast<char>(family == 0 ? 0x01 : 0x02);
        w += static_cast<char>(5);
        w += static_cast<char>(5);
        for (double v : {family == 0 ? 300.0 : 168.3, 200.0, 15.0, family == 0 ? 10.0 : 8.0, 0.0}) d(v);
        for (double v : {1.1, 200.0, 100.0, 5.0, 0.0, 50.0, 2.0, 0.0}) d(v);
        for (double v : {20.0, 5.0, 0.0}) d(v);
        for (int k = 0; k < 8; ++k) {
            d(5.0);
            d(k == 0 || k == 7 ? 200.0 : k == 3 || k == 4 ? 270.0 : 0.0);
        }
        Put("fuzz_din_check", family == 0 ? "i_by_position" : "tube_all_round", w);
    }
    // A thin-walled channel of three lines, in both calculations.
    for (int flags : {0, 4}) {
        std::string m;
        m += static_cast<char>(flags);
        m += static_cast<char>(4);
        static const int nodes[4][3] = {{1, 40, 0}, {2, 0, 0}, {3, 0, 80}, {4, 40, 80}};
        for (const auto& node : nodes)
            for (int v : node) m += static_cast<char>(v);
        m += static_cast<char>(3);
        for (int k = 1; k <= 3; ++k) {
            m += static_cast<char>(k);
            m += static_cast<char>(0);
            m += static_cast<char>(k);
            m += static_cast<char>(k + 1);
            m += static_cast<char>(16);
            m += static_cast<char>(16);
            m += static_cast<char>(0);
        }
        Put("fuzz_dwqb_model", "channel" + std::to_string(flags), m);
    }
    return 0;
}
