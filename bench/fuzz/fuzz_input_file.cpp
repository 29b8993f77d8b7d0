// Fuzz target: the component's input file. Whatever Read_Schweissnaht
// takes is written back and read again, and the second writing must give
// the same bytes; it holds no tolerance outside 0 to 10 % and no value
// outside the range its field takes (codes/input_ranges.h), and the checked
// save (which keeps the old file when the new one does not read back) must
// save it. No single weld it takes is longer than its face of the profile
// as the record's own section gives it (beyond the evaluation's 0.001 mm of
// the files' rounding). One of its values set beyond its range (picked by
// the input), and a single weld's length set beyond its edge, must each
// refuse the record written, named with its line (a switch or choice beyond
// its list, a tolerance, an unused factor, a plate's width, a name holding
// the list's markup escape among them); an accepted record holds no text
// with that escape and no typed radius its section cannot take. A file
// refused for its values names each (at most twelve, then how many more)
// with a line of the file. The whole file then goes through
// Load_Input_File (the annex entries behind the record) as the program
// loads it at start.
#include "fuzz_common.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "platform/posix.h"
#include "weldapp/program_context.h"
#include "weldapp/schweissnaht.h"

static std::string Written(SchweissnahtAnschluss* r) {
    return fuzz::Written([&](FILE* f) {
        if (Write_Schweissnaht(f, r) != 0) fuzz::Fail("fuzz_input_file", "write of a record read failed");
    });
}

// The refusals of the last read: each names a line of the file (1 ..
// lines), at most RANGE_REFUSALS_NAMED of them.
static void Check_Refusals(const std::string& file) {
    const Range_Refusals& refused = Schweissnaht_Read_Refusals();
    const long lines = 1 + static_cast<long>(std::count(file.begin(), file.end(), '\n'));
    if (refused.named.size() > RANGE_REFUSALS_NAMED || (refused.more > 0 && refused.named.size() < RANGE_REFUSALS_NAMED))
        fuzz::Fail("fuzz_input_file", "refusals named beyond their limit");
    for (const Range_Refusal& r : refused.named) {
        if (r.line < 1 || r.line > lines) fuzz::Fail("fuzz_input_file", "a refusal names no line of the file");
        if (r.list.rfind("Zeile " + std::to_string(r.line) + ": ", 0) != 0 ||
            r.console.rfind("line " + std::to_string(r.line) + ": ", 0) != 0)
            fuzz::Fail("fuzz_input_file", "a refusal does not begin with its line");
    }
}

// A numbered single weld of the record whose face has an edge within the
// table's range, or -1: the slot whose length the check below sets beyond
// its edge.
static int Edged_Weld(const Nahtbild& n) {
    if (n.all_round) return -1;
    const Weld_Edges e = Published_Weld_Edges(&n.profile);
    for (int k = 0; e.any && k < NAHT_SLOTS; ++k)
        if (n.number[k] > 0 && e.code[k] > 0 && e.length[k] < Input_Range_Of(RANGE_WELD_LENGTH).maximum - 1.0)
            return k;
    return -1;
}

// No single weld of a record read is longer than its face as its own
// section (worked out by the layout when it was read) gives it: the faces
// of the evaluation, which takes 0.001 mm beyond as the files' rounding.
// Dimensions that describe no section have no faces.
static void Check_Weld_Faces(const SchweissnahtAnschluss& read) {
    const Nahtbild& n = read.naht;
    if (n.all_round || !Profile_Dimensions_Fit(&n.profile)) return;
    const Weld_Edges e = Weld_Edges_Of(&n.profile);
    for (int k = 0; e.any && k < NAHT_SLOTS; ++k)
        if (n.number[k] > 0 && e.code[k] > 0 && n.length[k] > std::fmax(e.length[k], 0.0) + 0.001)
            fuzz::Fail("fuzz_input_file", "a single weld longer than its face of the profile was taken");
}

// The record edited must be refused when written and read, the value
// named by its console name (`named` within a refusal's console form).
static void Expect_Refused(SchweissnahtAnschluss* edited, const std::string& named) {
    const std::string text = Written(edited);
    FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
    SchweissnahtAnschluss back{};
    const int result = f ? Read_Schweissnaht(f, &back) : 0;
    if (f) std::fclose(f);
    bool found = false;
    for (const Range_Refusal& r : Schweissnaht_Read_Refusals().named)
        found |= r.console.find(named) != std::string::npos;
    if (result != 1 || !found) fuzz::Fail("fuzz_input_file", "a value beyond its range was not refused by name");
    Check_Refusals(text);
    Free_Schweissnaht(&back);
}

// The record with one value beyond its range, picked by `pick`, must be
// refused when written and read, the value named.
static void Check_Out_Of_Range(const SchweissnahtAnschluss& read, unsigned pick) {
    SchweissnahtAnschluss edited{};
    Copy_Schweissnaht(&read, &edited);
    const char* named = nullptr;
    switch (pick % 11) {
        case 0: edited.naht.plate.t = 1e300, named = "t_p = 1e+300 mm"; break;
        case 1: edited.naht.a_w = 200.5, named = "a_w = 200.5 mm"; break;
        case 2: edited.naht.contact_fraction = 1.5, named = "contact share = 150 %"; break;
        case 3: edited.print.massstab = 101, named = "scale = 101"; break;
        case 4: edited.naht.weld_kind = 5, named = "weld kind = 5 not between 0 and 4"; break;
        case 5: edited.print.toleranz = 10.01, named = "tolerance = 10.01 %"; break;
        case 6: edited.naht.plate.b = 0.1, named = "b_p = 0.1 mm"; break;
        case 7: edited.safety.from_annex = 0, edited.safety.gamma_M1 = -1.25, named = "gamma_M1 = -1.25"; break;
        // Names holding the list's markup escape.
        case 8: std::snprintf(edited.loads[0].name, sizeof edited.loads[0].name, "X\xCE@9"),
                named = "load case 1: name holds the byte 0xCE"; break;
        case 9: std::snprintf(edited.naht.material.name, sizeof edited.naht.material.name, "A\xCEHB"),
                named = "material name holds the byte 0xCE"; break;
        default: edited.safety.from_annex = 0, edited.safety.gamma_M2 = 0.1, named = "gamma_M2 = 0.1"; break;
    }
    Expect_Refused(&edited, named);
    Free_Schweissnaht(&edited);
}

// No text of a record read that reaches the print list holds its markup
// escape (it would hide what follows it), and a typed section's radii and
// flange welds leave every face a length (else it is computed without them).
static void Check_Texts_And_Radii(const SchweissnahtAnschluss& read) {
    auto marked = [](const char* text) { return std::strchr(text, '\xCE') != nullptr; };
    bool any = marked(read.naht.material.name) || marked(read.naht.profile.name) ||
               marked(read.naht.profile.material.name) || marked(read.naht.plate.material.name) ||
               (read.print.vorbemerkungen && marked(read.print.vorbemerkungen));
    for (int i = 0; i < read.load_count && read.loads; ++i) any |= marked(read.loads[i].name);
    if (any) fuzz::Fail("fuzz_input_file", "a text holding the markup escape was taken");
    const Stahlprofil& p = read.naht.profile;
    if (p.kind != STAHLPROFIL_KIND_DIMENSIONS) return;
    for (double Stahlprofil::*m : {&Stahlprofil::r_1, &Stahlprofil::r_2, &Stahlprofil::a_o, &Stahlprofil::a_u}) {
        const double largest = Profile_Largest_Fitting(&p, m);
        if (largest >= 0 && p.*m > largest + 1e-6)
            fuzz::Fail("fuzz_input_file", "a radius or flange weld the section cannot take was taken");
    }
}

// A single weld of the record made 1 mm longer than its edge must be
// refused likewise, for every record read that has one.
static void Check_Weld_Beyond_Edge(const SchweissnahtAnschluss& read) {
    const int slot = Edged_Weld(read.naht);
    if (slot < 0) return;
    SchweissnahtAnschluss edited{};
    Copy_Schweissnaht(&read, &edited);
    const Weld_Edges e = Published_Weld_Edges(&edited.naht.profile);
    edited.naht.length[slot] = std::fmax(e.length[slot], 0.0) + 1.0;
    Expect_Refused(&edited, "l_w" + std::to_string(edited.naht.number[slot]) + " = ");
    Free_Schweissnaht(&edited);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    static bool started = false;
    static const std::string id = fuzz::Dir() + "/K";
    if (!started) {
        const char* argv[] = {"schweissnaht", id.c_str(), "0", "1", "1"};
        Set_Program_Context(5, argv);
        started = true;
    }
    // Loading a file that does not read ends a batch run; the window path
    // takes the defaults instead, which is what is fuzzed here.
    VEK_Set_Batch_Mode(0);

    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    SchweissnahtAnschluss first{}, second{};
    const int result = Read_Schweissnaht(f, &first);
    std::fclose(f);
    Check_Refusals(std::string(reinterpret_cast<const char*>(data), size));
    if (result == 0) {
        if (!Schweissnaht_Values_In_Range(&first, NAHT_SLOTS))
            fuzz::Fail("fuzz_input_file", "a value outside its field's range was taken");
        Check_Weld_Faces(first);
        Check_Texts_And_Radii(first);
        const std::string once = Written(&first);
        FILE* back = fmemopen(const_cast<char*>(once.data()), once.size(), "rb");
        if (!back || Read_Schweissnaht(back, &second) != 0)
            fuzz::Fail("fuzz_input_file", "a written record does not read back");
        std::fclose(back);
        if (Written(&second) != once) fuzz::Fail("fuzz_input_file", "a record read back is written differently");
        if (!(first.print.toleranz >= 0.0 && first.print.toleranz <= 10.0))
            fuzz::Fail("fuzz_input_file", "a tolerance outside 0 to 10 % was taken");
        if (Replace_Input_Text_File((id + "_02.INP").c_str(), &first, nullptr, nullptr) != VEK_REPLACE_DONE)
            fuzz::Fail("fuzz_input_file", "a record read does not save (its new file does not read back)");
        Check_Out_Of_Range(first, size > 0 ? data[size / 2] : 0);
        Check_Weld_Beyond_Edge(first);
    }
    Free_Schweissnaht(&first);
    Free_Schweissnaht(&second);

    if (fuzz::Write(id + "_01.INP", data, size)) Load_Input_File();
    Free_Schweissnaht(&Schweissnaht_Anschluss);
    VEK_Clear_Recorded_Messages();
    return 0;
}
