// Aluminium grade catalogue: rows by handle with their strengths and
// heat-affected values, the default row, buckling classes and user grades.
#include <gtest/gtest.h>

#include <string>

#include "codes/alguete.h"

namespace {

class UserAluminiumGrades : public ::testing::Test {
protected:
    void SetUp() override { Free_User_Aluguete(); }
    void TearDown() override { Free_User_Aluguete(); }
    static Aluguete_Record Grade(unsigned int code, const char* name, const char* cls) {
        Aluguete_Record r = *Get_Aluguete_Record(44);
        r.code = code;
        r.name = name;
        r.alloy = "7075";
        r.temper = "T6";
        r.buckling_class = cls;
        r.f_o = 400.0;
        return r;
    }
};

TEST(AluminiumGrades, RowsCarryTheirTemperValues) {
    const Aluguete_Record* r = Get_Aluguete_Record(44);
    EXPECT_STREQ(r->name, "6082 T651");
    EXPECT_DOUBLE_EQ(r->f_o, 240.0);
    EXPECT_DOUBLE_EQ(r->f_u, 295.0);
    EXPECT_STREQ(r->buckling_class, "A");
    EXPECT_DOUBLE_EQ(r->t_from, 12.501);
    EXPECT_DOUBLE_EQ(r->t_to, 100.0);
    EXPECT_DOUBLE_EQ(r->f_o_haz, 125.0);
    EXPECT_DOUBLE_EQ(r->f_u_haz, 185.0);
    EXPECT_DOUBLE_EQ(r->rho_o_haz, 0.52);
    EXPECT_DOUBLE_EQ(r->rho_u_haz, 0.63);
    EXPECT_DOUBLE_EQ(r->n_p, 21.0);
    EXPECT_DOUBLE_EQ(r->A, 7.0);
    EXPECT_EQ(Get_Aluguete_Record(0x10000 + 44), r);  // bits above 15 ignored

    // 5083 O/H111 up to 50 mm: no softening in the heat-affected zone.
    r = Get_Aluguete_Record(30);
    EXPECT_STREQ(r->name, "5083 O/H111 \xF3 50");
    EXPECT_STREQ(r->temper, "O/H111, t \xF3 50 mm");
    EXPECT_DOUBLE_EQ(r->f_o, 125.0);
    EXPECT_DOUBLE_EQ(r->f_u, 275.0);
    EXPECT_DOUBLE_EQ(r->f_o_haz, 125.0);
    EXPECT_DOUBLE_EQ(r->rho_o_haz, 1.0);
    EXPECT_DOUBLE_EQ(r->n_p, 6.0);

    // 7020 T6 from 15 to 40 mm (extruded).
    r = Get_Aluguete_Record(90);
    EXPECT_STREQ(r->alloy, "7020");
    EXPECT_DOUBLE_EQ(r->t_from, 15.001);
    EXPECT_DOUBLE_EQ(r->t_to, 40.0);
    EXPECT_DOUBLE_EQ(r->f_o, 275.0);
    EXPECT_DOUBLE_EQ(r->f_u, 350.0);
    EXPECT_DOUBLE_EQ(r->f_o_haz, 205.0);
    EXPECT_DOUBLE_EQ(r->f_u_haz, 280.0);
    EXPECT_DOUBLE_EQ(r->rho_o_haz, 0.75);
    EXPECT_DOUBLE_EQ(r->rho_u_haz, 0.8);

    // 3103 H16: a class B sheet.
    r = Get_Aluguete_Record(10);
    EXPECT_DOUBLE_EQ(r->f_o, 145.0);
    EXPECT_DOUBLE_EQ(r->f_o_haz, 44.0);
    EXPECT_DOUBLE_EQ(r->f_u_haz, 90.0);
    EXPECT_DOUBLE_EQ(r->n_p, 48.0);

    // Forgings carry no softening factors.
    r = Get_Aluguete_Record(92);
    EXPECT_STREQ(r->temper, "H112, l\x84ngs");
    EXPECT_DOUBLE_EQ(r->rho_o_haz, 0.0);
    EXPECT_DOUBLE_EQ(r->rho_u_haz, 0.0);
    EXPECT_DOUBLE_EQ(r->n_p, 0.0);
    EXPECT_STREQ(Get_Aluguete_Name(96), "6082 T6 (T)");

    double G = 0.0;
    EXPECT_DOUBLE_EQ(Get_Aluguete_E(5, &G), 70000.0);
    EXPECT_DOUBLE_EQ(G, 27000.0);
    EXPECT_DOUBLE_EQ(Get_Aluguete_Record(5)->alpha_T, 2.3e-5);
}

TEST(AluminiumGrades, SameNameRowsDifferByHandle) {
    EXPECT_STREQ(Get_Aluguete_Name(75), Get_Aluguete_Name(78));
    EXPECT_STREQ(Get_Aluguete_Name(75), "6005A T6 \xF3 5");
    EXPECT_DOUBLE_EQ(Get_Aluguete_f0(75), 225.0);
    EXPECT_DOUBLE_EQ(Get_Aluguete_fu(75), 270.0);
    EXPECT_DOUBLE_EQ(Get_Aluguete_f0(78), 215.0);
    EXPECT_DOUBLE_EQ(Get_Aluguete_fu(78), 255.0);
}

TEST(AluminiumGrades, HandlesThatNameNoRowGiveTheDefault) {
    for (unsigned int h : {97u, 0x7FFFu, 0x8000u + 12u}) {
        SCOPED_TRACE(h);
        EXPECT_EQ(Get_Aluguete_Record(h), Get_Default_Aluguete_Record());
        EXPECT_STREQ(Get_Aluguete_Name(h), "?????");
        EXPECT_STREQ(Get_Aluguete_Alloy(h), "?????");
        EXPECT_STREQ(Get_Aluguete_Temper(h), "?????");
        EXPECT_DOUBLE_EQ(Get_Aluguete_f0(h), 180.0);
        EXPECT_DOUBLE_EQ(Get_Aluguete_fu(h), 220.0);
        EXPECT_DOUBLE_EQ(Get_Aluguete_t_from(h), 0.0);
        EXPECT_DOUBLE_EQ(Get_Aluguete_t_to(h), 10.0);
        EXPECT_EQ(Is_Aluguete_Class_B(h), 0);
    }
    EXPECT_EQ(Get_Default_Aluguete_Record()->code, 97u);
}

TEST(AluminiumGrades, BucklingClasses) {
    EXPECT_EQ(Is_Aluguete_Class_B(0), 1);
    EXPECT_EQ(Is_Aluguete_Class_B(42), 0);
    EXPECT_STREQ(Get_Aluguete_Name(42), "6082 T6/T651 \xF3 6");
    EXPECT_EQ(Is_Aluguete_Class_B(51), 1);
    EXPECT_EQ(Is_Aluguete_Class_B(95), 0);
}

TEST_F(UserAluminiumGrades, ClassTextAndNullTexts) {
    Aluguete_Record b = Grade(1, "Eigen", "b");
    EXPECT_EQ(Set_User_Aluguete(&b), 0x8001u);
    EXPECT_EQ(Is_Aluguete_Class_B(0x8001), 1);
    EXPECT_STREQ(Get_Aluguete_Record(0x8001)->buckling_class, "B");
    EXPECT_DOUBLE_EQ(Get_Aluguete_f0(0x8001), 400.0);
    EXPECT_STREQ(Get_Aluguete_Alloy(0x8001), "7075");

    for (const char* cls : {"C", "", static_cast<const char*>(nullptr)}) {
        Aluguete_Record r = Grade(2, "x", cls);
        Set_User_Aluguete(&r);
        EXPECT_EQ(Is_Aluguete_Class_B(0x8002), 0);
        EXPECT_STREQ(Get_Aluguete_Record(0x8002)->buckling_class, "A");
    }
    EXPECT_EQ(Get_User_Aluguete_Count(), 2);

    Aluguete_Record n = Grade(0x18003, nullptr, "B");
    n.alloy = nullptr;
    n.temper = nullptr;
    EXPECT_EQ(Set_User_Aluguete(&n), 0x8003u);
    EXPECT_STREQ(Get_Aluguete_Name(0x8003), "?????");
    EXPECT_STREQ(Get_Aluguete_Alloy(0x8003), "?????");
    EXPECT_STREQ(Get_Aluguete_Temper(0x8003), "?????");
    EXPECT_EQ(Set_User_Aluguete(nullptr), 0u);
}

TEST_F(UserAluminiumGrades, ReplaceDeleteAndPassBack) {
    for (unsigned int k = 1; k <= 3; ++k) {
        const std::string name = "A" + std::to_string(k);
        Aluguete_Record r = Grade(k, name.c_str(), "A");
        Set_User_Aluguete(&r);
    }
    Aluguete_Record* row = const_cast<Aluguete_Record*>(Get_Aluguete_Record(0x8003));
    row->f_o = 123.0;
    EXPECT_EQ(Set_User_Aluguete(row), 0x8003u);
    EXPECT_STREQ(Get_Aluguete_Name(0x8003), "A3");
    EXPECT_DOUBLE_EQ(Get_Aluguete_f0(0x8003), 123.0);

    EXPECT_EQ(Delete_User_Aluguete(0x8002), 1);
    EXPECT_EQ(Delete_User_Aluguete(0x8002), 0);
    ASSERT_EQ(Get_User_Aluguete_Count(), 2);
    EXPECT_STREQ(Get_User_Aluguete_Record(0)->name, "A1");
    EXPECT_STREQ(Get_User_Aluguete_Record(1)->name, "A3");
    EXPECT_EQ(Get_User_Aluguete_Record(2), Get_Default_Aluguete_Record());
    Free_User_Aluguete();
    EXPECT_EQ(Get_User_Aluguete_Count(), 0);
    EXPECT_EQ(Delete_User_Aluguete(0x8001), 0);
}

}  // namespace
