// Writes the seed corpora of the fuzz targets under $WELD_FUZZ_SEEDS/<target>/:
// small valid inputs made by the system's own writers (so they follow the
// file formats exactly), plus a few hand-written ones for the formats that
// have no writer here. Targets whose first byte picks the reader get one
// seed per pick.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "base/textio.h"
#include "base/vekexport.h"
#include "base/vekparam.h"
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
#include "platform/msgbox.h"
#include "weldcheck/weldelem.h"
#include "weldcheck/weldfile.h"

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
    Default_NAD_EC0(&nad.ec0);
    Default_NAD_EC2(&nad.ec2);
    Default_NAD_EC3(&nad.ec3);
    Default_NAD_EC5(&nad.ec5);
    Default_NAD_EC6(&nad.ec6);
    Default_NAD_EC9(&nad.ec9);
    nad.id = 3;
    NAD_Copy_Name(nad.name, sizeof nad.name, "Eigener Satz");
    const std::string annex = Written([](FILE* f) { Write_NAD_File(f, &nad); });
    Put("fuzz_nad", "annex", annex);
    Put("fuzz_nad", "annex_v2",
        "NAD/Version 2\r\n\r\n 7 \xAEV2\xAF 0\r\n\r\n#EC9\r\n 4\r\n 0\r\n\r\n#ZO3\r\n ZO3-1 Parameter\r\n"
        " 4 1.0 1.15 1.3 1.0 1.0 1.25 0 1.0\r\n 0.4 0.75 0 1.0 1 1.0\r\n\r\n#EC0\r\n 1.0 1.0\r\n");
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

    // Version file and script file.
    Put("fuzz_version_file", "version", "Version 4.12 vom 01.02.2026\r\n<7a\n");
    Put("fuzz_script_file", "script",
        "# a session\r\nclick 100 200\r\n\r\nbogus line\ntype 1 Stahl S235\nanswer yes\nmenu 3\nkey 13\n"
        "press 1 2 1\nrelease 1\nmove 5 6\nwheel -120\nclose");
    return 0;
}
