// Plate record: the data check of the dimensions and the material for the
// plate's thickness (S355 at 50 mm, the annex's beta_w, plates above 80 mm),
// the 80 mm rule, the input-file block and the print text byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "annex_fixture.h"
#include "codes/blech.h"
#include "codes/nad.h"
#include "platform/msgbox.h"
#include "printlist/list_capture.h"

namespace {

const std::string kNotOk = "\xCE{C 1 230 0 0}\xCEHnicht ok !!\xCE{C 768}";
const std::string kHead = "\n#SHOWPARA\n0x0\n4\n-1\n";
const std::string kIndent = "#END_OF_TEXT\n0x4\n0x20\n4\n2 0.3 2 0\n-1\n";
const std::string kEnd = "#END_OF_TEXT\n0x0\n-1\n";

class Plate : public testutil::AnnexTest {
protected:
    static Blech_Record Make(int grade, double t, double b, double l) {
        Blech_Record p;
        Clear_Plate(&p);
        p.material.grade = grade;
        p.t = t;
        p.b = b;
        p.l = l;
        return p;
    }
    static std::string First_Message_Line(size_t i = 0) {
        const auto& m = VEK_Recorded_Messages();
        return i < m.size() && !m[i].lines.empty() ? m[i].lines[0] : std::string("<none>");
    }
};

TEST_F(Plate, S355At50mm) {
    Blech_Record p = Make(2, 50.0, 200.0, 300.0);
    EXPECT_EQ(Check_Plate_And_Material(&p, nullptr, 1, 0x71, nullptr), 0);
    EXPECT_DOUBLE_EQ(p.material.f_y, 335.0);
    EXPECT_DOUBLE_EQ(p.material.f_u, 470.0);
    EXPECT_DOUBLE_EQ(p.material.beta_w, 0.9);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    // The material is refreshed for t even when it is not checked.
    p.t = 20.0;
    EXPECT_EQ(Check_Plate_And_Material(&p, nullptr, 1, 0x40, nullptr), 0);
    EXPECT_DOUBLE_EQ(p.material.f_y, 355.0);
}

TEST_F(Plate, AnnexVariantGivesS460ItsNationalBetaW) {
    Blech_Record p = Make(7, 30.0, 200.0, 300.0);  // S460 N/NL
    Check_Plate_And_Material(&p, nullptr, 0, 0x41, nullptr);
    EXPECT_DOUBLE_EQ(p.material.beta_w, 1.0);
    Use_Annex(1);
    Check_Plate_And_Material(&p, nullptr, 0, 0x41, nullptr);
    EXPECT_DOUBLE_EQ(p.material.beta_w, 0.85);
    EXPECT_DOUBLE_EQ(p.material.f_y, 460.0);
    Blech_Record q = Make(6, 30.0, 200.0, 300.0);  // S420 N/NL
    Check_Plate_And_Material(&q, nullptr, 0, 0x41, nullptr);
    EXPECT_DOUBLE_EQ(q.material.beta_w, 0.88);
    // S355 keeps its factor under the national variant too.
    Blech_Record s = Make(2, 50.0, 200.0, 300.0);
    EXPECT_EQ(Check_Plate_And_Material(&s, nullptr, 1, 0x71, nullptr), 0);
    EXPECT_DOUBLE_EQ(s.material.f_y, 335.0);
    EXPECT_DOUBLE_EQ(s.material.f_u, 470.0);
    EXPECT_DOUBLE_EQ(s.material.beta_w, 0.9);
    // Back on the standard set, S420 returns to the table's 1.0.
    Use_Annex(0);
    Check_Plate_And_Material(&q, nullptr, 0, 0x41, nullptr);
    EXPECT_DOUBLE_EQ(q.material.beta_w, 1.0);
}

TEST_F(Plate, DimensionsBelowOneMillimetre) {
    Blech_Record p = Make(0, 0.5, 0.0, 100.0);
    ListCapture list;
    EXPECT_EQ(Check_Plate_And_Material(&p, list.f(), 1, 0x40, "Blech 1: "), 1);
    EXPECT_EQ(list.Take(), kHead + " Blech 1: Blechdicke t = 0.5 mm < 1 mm  " + kNotOk + "\n");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(First_Message_Line(), "Blech 1: Blechdicke t = 0.5 mm < 1 mm");
    EXPECT_DOUBLE_EQ(p.t, 0.5);  // never corrected

    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Check_Plate_And_Material(&p, nullptr, 1, 0x10, nullptr), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());

    p.l = 0.2;
    EXPECT_EQ(Check_Plate_And_Material(&p, nullptr, 1, 0x30, nullptr), 1);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 2u);
    EXPECT_EQ(First_Message_Line(0), "Blechl\x84nge l = 0.2 mm < 1 mm");
    EXPECT_EQ(First_Message_Line(1), "Blechbreite b = 0.0 mm < 1 mm");
    EXPECT_EQ(Check_Plate_And_Material(nullptr, nullptr, 1, 0x71, nullptr), 0);
}

TEST_F(Plate, TableMaterialAbove80mmIsReported) {
    Blech_Record p = Make(0, 100.0, 200.0, 300.0);
    ListCapture list;
    EXPECT_EQ(Check_Plate_And_Material(&p, list.f(), 1, 0x41, nullptr), 1);
    const std::string text = "Stahldicke t = 100.0 mm > 80 mm: Materialparameter \x81" "berpr\x81" "fen (ggf. vorgeben)";
    EXPECT_EQ(First_Message_Line(), text);
    EXPECT_EQ(list.Take(), kHead + " " + text + "  " + kNotOk + "\n");
    EXPECT_DOUBLE_EQ(p.material.f_y, 215.0);
    EXPECT_DOUBLE_EQ(p.material.f_u, 360.0);
    EXPECT_DOUBLE_EQ(p.t, 100.0);

    // Without the material bit the refresh is silent and does not count.
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Check_Plate_And_Material(&p, list.f(), 1, 0x40, nullptr), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(list.Take(), "");
}

TEST_F(Plate, Rule80mm) {
    Blech_Record p = Make(0, 80.05, 100.0, 100.0);
    EXPECT_EQ(Check_Plate_Thickness_80(&p, nullptr, 1), 0);
    EXPECT_DOUBLE_EQ(p.t, 80.0);
    p.t = 80.2;
    EXPECT_EQ(Check_Plate_Thickness_80(&p, "Platte: ", 1), 1);
    EXPECT_EQ(p.material.own_values, 1);
    EXPECT_DOUBLE_EQ(p.t, 80.2);
    EXPECT_EQ(First_Message_Line(), "Platte: Blechdicke t = 80.2 mm > 80 mm -> Vorgabe der Stahlparameter notwendig");
    p.t = 80.05;
    EXPECT_EQ(Check_Plate_Thickness_80(&p, nullptr, 1), 0);
    EXPECT_DOUBLE_EQ(p.t, 80.05);  // own values: never changed
    EXPECT_EQ(Check_Plate_Thickness_80(nullptr, nullptr, 1), 0);
}

TEST_F(Plate, ClearCopyCompare) {
    Blech_Record a = Make(2, 12.0, 150.0, 250.0);
    std::memcpy(a.material.name, "Kopfplatte", 10);
    Check_Plate_And_Material(&a, nullptr, 0, 0x71, nullptr);
    Blech_Record b;
    std::memset(&b, 0x7F, sizeof b);
    Copy_Plate(&a, &b);
    EXPECT_EQ(Plates_Equal(&a, &b), 1);
    EXPECT_STREQ(b.material.name, a.material.name);
    b.l += 0.02;
    EXPECT_EQ(Plates_Equal(&a, &b), 0);
    b.l -= 0.015;
    EXPECT_EQ(Plates_Equal(&a, &b), 1);
    b.material.grade = 3;
    EXPECT_EQ(Plates_Equal(&a, &b), 0);
    Copy_Plate(nullptr, &b);
    EXPECT_EQ(b.t, 0.0);
    EXPECT_DOUBLE_EQ(b.material.E, 210000.0);
    EXPECT_EQ(Plates_Equal(&a, nullptr), 0);
}

TEST_F(Plate, BlockRoundTrip) {
    Blech_Record p = Make(2, 10.0, 200.0, 300.0);
    std::memcpy(p.material.name, "Stahlteil mit Namen 25 Zc", 26);
    Check_Plate_And_Material(&p, nullptr, 0, 0x71, nullptr);
    FILE* f = std::tmpfile();
    ASSERT_EQ(Write_Plate(f, &p), 0);
    std::string text = testutil::Stream_All(f);
    EXPECT_EQ(text,
              " 0\n 10.000000 200.000000 300.000000\n"
              " 2\n 2 0 0.000000 0.000000 0.900000 210000.000000 0.300000 80769.230769 1.200000"
              " 355.000000 490.000000 335.000000 470.000000 335.000000 470.000000\n"
              " Stahlteil~mit~Namen~25~Zc\n");
    std::rewind(f);
    Blech_Record r;
    Clear_Plate(&r);
    EXPECT_EQ(Read_Plate(f, &r), 0);
    std::fclose(f);
    EXPECT_EQ(Plates_Equal(&p, &r), 1);
    EXPECT_STREQ(r.material.name, "Stahlteil mit Namen 25 Zc");
    EXPECT_DOUBLE_EQ(r.material.f_y, 355.0);  // refreshed for t = 0

    // A plate block of a newer version, a short block and CRLF lines.
    VEK_Set_Batch_Mode(1);
    f = testutil::Stream_With(" 1\n 10 200 300\n");
    EXPECT_EQ(Read_Plate(f, &r), 1);
    std::fclose(f);
    VEK_Set_Batch_Mode(0);
    f = testutil::Stream_With(" 0\r\n 10 200\r\n");
    EXPECT_EQ(Read_Plate(f, &r), 1);
    std::fclose(f);
    f = testutil::Stream_With(" 0\r\n 8 120 140\r\n 0\r\n 1 0 275 430 0.85 210000 0.3 80769.23 1.2\r\n");
    EXPECT_EQ(Read_Plate(f, &r), 0);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(r.t, 8.0);
    EXPECT_DOUBLE_EQ(r.l, 140.0);
    EXPECT_EQ(r.material.grade, 1);
    EXPECT_DOUBLE_EQ(r.material.f_y, 275.0);
    EXPECT_EQ(Write_Plate(nullptr, &p), 1);
    EXPECT_EQ(Read_Plate(nullptr, &r), 1);

    // "nan" and "inf" read as numbers with "%lf": such a size is refused.
    for (const char* sizes : {"nan 200 300", "10 inf 300", "10 200 -inf"}) {
        f = testutil::Stream_With(std::string(" 0\n ") + sizes +
                                  "\n 0\n 1 0 275 430 0.85 210000 0.3 80769.23 1.2\n");
        EXPECT_EQ(Read_Plate(f, &r), 1) << sizes;
        std::fclose(f);
    }
}

TEST_F(Plate, PrintText) {
    Blech_Record p = Make(0, 10.0, 200.0, 300.0);
    Check_Plate_And_Material(&p, nullptr, 0, 0x71, nullptr);
    ListCapture list;
    Print_Plate(&p, list.f(), 0x70, 0, "1");
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead +
                               " Dicke t\xCE\\1\xCEr = 10.0 mm,  Breite b\xCE\\1\xCEr = 200.0 mm,  "
                               "L\x84nge l\xCE\\1\xCEr = 300.0 mm\n" + kEnd);

    // Table material without values follows on the same line.
    Print_Plate(&p, list.f(), 0x41, 0, "1");
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " Dicke t\xCE\\1\xCEr = 10.0 mm,  Stahlg\x81te S235\n" + kEnd);

    // With values the material starts a line of its own.
    Print_Plate(&p, list.f(), 0x47, 1, "1");
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " Dicke t\xCE\\1\xCEr = 10.0 mm\n Stahlg\x81te S235, Rechenparameter:\n" + kIndent +
                               " char. Streckgrenze f\xCE\\y1\xCEr = 235.0 N/mm\xFD\n"
                               " char. Zugfestigkeit f\xCE\\u1\xCEr = 360.0 N/mm\xFD\n"
                               " Korrelationsbeiwert f\x81r Kehln\x84hte \xBB\xCE\\w1\xCEr = 0.80\n"
                               " Elastizit\x84tsmodul E\xCE\\1\xCEr = 210000.0 N/mm\xFD\n" + kEnd);

    // Own values start a line of their own even without values.
    p.material.own_values = 1;
    std::memcpy(p.material.name, "Knagge", 6);
    Check_Plate_And_Material(&p, nullptr, 0, 0x71, nullptr);
    Print_Plate(&p, list.f(), 0x21, 0, "2");
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " Breite b\xCE\\2\xCEr = 200.0 mm\n Knagge, Stahlparameter:\n" + kIndent +
                               " char. Streckgrenze f\xCE\\y2\xCEr = 235.0 N/mm\xFD\n"
                               " char. Zugfestigkeit f\xCE\\u2\xCEr = 360.0 N/mm\xFD\n" + kEnd);

    // The material alone; a catalogue steel names its choice-list entry.
    Blech_Record c = Make(6, 20.0, 100.0, 100.0);
    c.material.kind = 1;
    Check_Plate_And_Material(&c, nullptr, 0, 0x71, nullptr);
    Print_Plate(&c, list.f(), 0x01, 0, "");
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " Stahlg\x81te S460 N/NL\n" + kEnd);

    // Aluminium from the catalogue follows the length on its line.
    Blech_Record a = Make(84, 8.0, 100.0, 150.0);
    a.material.kind = 2;
    Check_Plate_And_Material(&a, nullptr, 0, 0x71, nullptr);
    Print_Plate(&a, list.f(), 0x11, 0, "");
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " L\x84nge l\xCE\\\xCEr = 150.0 mm,  Legierung 6082, T6, t > 5 mm\n" + kEnd);

    Print_Plate(&p, list.f(), 0, 1, "1");
    Print_Plate(nullptr, list.f(), 0x70, 1, "1");
    EXPECT_EQ(list.Take(), "");
}

}  // namespace
