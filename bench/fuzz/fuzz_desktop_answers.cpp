// Fuzz target: the answers of the desktop's tools and the exchange files
// the weld program reads. The first byte picks the reader; the rest is the
// file.
//  0: LoadPick's answer (Read_LoadPick_Answer); what is read is written in
//     the answer's form and must read back equal (values exactly, from
//     "%.9g"; texts, ids, infos).
//  1: the multi-cut answer for the number of cuts in the second byte.
//  2: the component selection's answer (Read_PartPick_Answer); what is
//     read is written again and must read back equal.
//  3: the extractor's listing (Check_Archive_Listing).
//  4: the import protocol ".EXP": the count and the information sheet's
//     texts agree (one step of 18 pixels per read).
//  5: the TEMP exchange file (Import_Schweissnaht_TEMP): a refused file
//     leaves the record byte for byte as it was, and one refused for
//     values out of range says so in one box that names each (at most
//     twelve, then how many more); an accepted one holds every value within
//     its field's range, is exported, and that export imported and exported
//     again gives the same bytes.
#include "fuzz_common.h"

#include <fstream>
#include <iterator>

#include "base/filenames.h"
#include "dialogs/scrollarea.h"
#include "weldapp/archive.h"
#include "weldapp/exchange.h"
#include "weldapp/loadpick.h"
#include "weldapp/partpick.h"
#include "weldapp/program_context.h"
#include "weldapp/schweissnaht.h"

namespace {

[[noreturn]] void Fail(const char* what) { fuzz::Fail("desktop answers", what); }

void Write_Text(FILE* f, const char* text) { std::fprintf(f, " \xAE%s\xAF", text ? text : ""); }

struct Answer {
    std::vector<std::vector<float>> values;
    std::vector<int> ids;
    std::vector<float> numbers;
    std::vector<std::string> texts;  // text1, text2, info1..5 per result
};

Answer Take(int n, int m) {
    Answer a;
    for (int i = 0; i < n; ++i) {
        std::vector<float> v(static_cast<size_t>(m));
        if (Get_CutResult_Values(i, v.data()) != 1) Fail("values of a valid result not given");
        a.values.push_back(v);
        a.ids.push_back(Get_CutResult_Id(i));
        a.numbers.push_back(Get_CutResult_Value(i));
        for (const char* t : {Get_CutResult_Text1(i), Get_CutResult_Text2(i), Get_CutResult_Info1(i),
                              Get_CutResult_Info2(i), Get_CutResult_Info3(i), Get_CutResult_Info4(i),
                              Get_CutResult_Info5(i)}) {
            if (t && std::strlen(t) > 254) Fail("text longer than 254 characters");
            a.texts.push_back(t ? t : "");
        }
    }
    return a;
}

void LoadPick(const uint8_t* data, size_t size, int cuts) {
    FILE* f = fuzz::Stream(data, size);
    if (!f) return;
    const int n = Read_LoadPick_Answer(f, cuts);
    std::fclose(f);
    if (n < 0 || n > LOADPICK_MAX_RESULTS) Fail("count out of range");
    if (n == 0) {
        if (Get_CutResult_Count() != 0 || Get_CutResult_Id(0) != 0) Fail("refused answer still offered");
        return;
    }
    const int m = Get_CutResult_Value_Count();
    if (m < 1 || m > LOADPICK_MAX_VALUES) Fail("values per result out of range");
    if (cuts > 0) return;  // the cut objects have their own harness
    const Answer first = Take(n, m);
    const std::string bytes = fuzz::Written([&](FILE* out) {
        std::fprintf(out, "V:1\n%d %d\n", n, m);
        for (int i = 0; i < n; ++i) {
            for (float v : first.values[i]) std::fprintf(out, "%.9g ", v);
            std::fprintf(out, "%d %.9g", first.ids[i], first.numbers[i]);
            Write_Text(out, first.texts[7 * i].c_str());
            Write_Text(out, first.texts[7 * i + 1].c_str());
            std::fputc('\n', out);
        }
        std::fprintf(out, "%d Info\n", n);
        for (int i = 0; i < n; ++i)
            for (int k = 2; k < 7; ++k) Write_Text(out, first.texts[7 * i + k].c_str());
    });
    FILE* back = fuzz::Stream(bytes);
    if (!back) return;
    const fuzz::Round_Trip rt{"LoadPick answer", n};
    rt.Int("count", n, Read_LoadPick_Answer(back, 0));
    std::fclose(back);
    const Answer again = Take(n, m);
    for (int i = 0; i < n; ++i) {
        const fuzz::Round_Trip r{"result", i};
        for (int k = 0; k < m; ++k) r.Real("value", first.values[i][k], again.values[i][k], fuzz::kExact);
        r.Int("id", first.ids[i], again.ids[i]);
        r.Real("value", first.numbers[i], again.numbers[i], fuzz::kExact);
        for (int k = 0; k < 7; ++k) r.Text("text", first.texts[7 * i + k].c_str(), again.texts[7 * i + k].c_str());
    }
    Release_Cut_Results();
}

void PartPick(const uint8_t* data, size_t size) {
    FILE* f = fuzz::Stream(data, size);
    if (!f) return;
    VEKBauteil c;
    const int ok = Read_PartPick_Answer(f, &c);
    std::fclose(f);
    if (!ok) return;
    if (strnlen(c.name, sizeof c.name) >= sizeof c.name || strnlen(c.file_stem, sizeof c.file_stem) >= sizeof c.file_stem ||
        strnlen(c.archive, sizeof c.archive) >= sizeof c.archive)
        Fail("text beyond its field");
    const std::string bytes = fuzz::Written([&](FILE* out) {
        std::fprintf(out, "%d %d", c.a, c.b);
        for (const char* t : {c.name, c.s2, c.last_action, c.file_stem, c.s5, c.s6}) Write_Text(out, t);
        std::fprintf(out, "\n%d", c.packed);
        if (c.packed) Write_Text(out, c.archive);
        std::fputc('\n', out);
    });
    FILE* back = fuzz::Stream(bytes);
    if (!back) return;
    VEKBauteil again;
    const fuzz::Round_Trip rt{"PartPick answer", 0};
    rt.Int("read", 1, Read_PartPick_Answer(back, &again));
    rt.Int("a", c.a, again.a);
    rt.Int("packed", c.packed, again.packed);
    rt.Text("name", c.name, again.name);
    rt.Text("last action", c.last_action, again.last_action);
    rt.Text("stem", c.file_stem, again.file_stem);
    rt.Text("s6", c.s6, again.s6);
    rt.Text("archive", c.archive, again.archive);
    rt.At_End("rest", back);
    std::fclose(back);
}

// The component "K1" with File-Id 3 under the private directory, TEMP the
// same directory.
void Component(void) {
    static bool done = false;
    if (done) return;
    done = true;
    setenv("TEMP", fuzz::Dir().c_str(), 1);
    fuzz::Annex_Dir();
    const std::string id = fuzz::Dir() + "/K1";
    const char* argv[] = {"schweissnaht", id.c_str(), "0", "3", "7"};
    if (!Set_Program_Context(5, argv)) Fail("component not set up");
}

void Protocol(const uint8_t* data, size_t size) {
    Component();
    if (!fuzz::Write(fuzz::Dir() + "/K1_03.EXP", data, size)) return;
    const int n = Count_Import_Protocol_Lines();
    static int slot = -1;
    if (slot < 0) slot = Define_Scrollable_View_Area(0, 0, 700, 500, 0, 1);
    Clear_Scrollable_View_Area(slot);
    int y = 0;
    Import_Protocol_Callback(slot, 0, &y, nullptr);
    if (y != 22 + 18 * n) Fail("protocol count and sheet disagree");
}

std::string Record_Bytes(void) {
    return fuzz::Written([](FILE* f) { Write_Schweissnaht(f, &Schweissnaht_Anschluss); });
}

void Exchange(const uint8_t* data, size_t size) {
    Component();
    const std::string file = fuzz::Dir() + "/Q7-NAXIT#export.dat";
    Default_Schweissnaht(&Schweissnaht_Anschluss);
    const std::string before = Record_Bytes();
    if (!fuzz::Write(file, data, size)) return;
    VEK_Clear_Recorded_Messages();
    Import_Schweissnaht_TEMP();
    const auto& boxes = VEK_Recorded_Messages();
    // A catalogue profile's dimensions taken may follow in a box of its own.
    bool imported = false;
    for (const auto& box : boxes)
        imported |= !box.lines.empty() && box.lines[0] == "Die Daten wurden erfolgreich importiert.";
    if (!imported) {
        if (Record_Bytes() != before) Fail("a refused exchange file changed the record");
        const Range_Refusals& refused = Schweissnaht_Read_Refusals();
        if (refused.any() &&
            (boxes.empty() || boxes.back().title != "Eingabefehler" ||
             boxes.back().lines.size() != refused.named.size() + (refused.more > 0 ? 3 : 2)))
            Fail("values out of range refused without a box naming each");
        return;
    }
    if (!Schweissnaht_Values_In_Range(&Schweissnaht_Anschluss, NAHT_SLOTS))
        Fail("an import took a value outside its field's range");
    Export_Schweissnaht_TEMP();
    std::ifstream first_in(file, std::ios::binary);
    const std::string first((std::istreambuf_iterator<char>(first_in)), std::istreambuf_iterator<char>());
    Import_Schweissnaht_TEMP();
    Export_Schweissnaht_TEMP();
    std::ifstream again_in(file, std::ios::binary);
    const std::string again((std::istreambuf_iterator<char>(again_in)), std::istreambuf_iterator<char>());
    if (first != again) fuzz::Round_Trip{"exchange file", 0}.Mismatch("bytes", "first export", "second export");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    if (size < 1) return 0;
    const uint8_t pick = data[0] % 6;
    ++data, --size;
    switch (pick) {
        case 0: LoadPick(data, size, 0); break;
        case 1:
            if (size >= 1) LoadPick(data + 1, size - 1, data[0] % (LOADPICK_MAX_CUTS + 1));
            break;
        case 2: PartPick(data, size); break;
        case 3: {
            FILE* f = fuzz::Stream(data, size);
            if (f) {
                const int safe = Check_Archive_Listing(f);
                if (safe != 0 && safe != 1) Fail("listing neither safe nor unsafe");
                std::fclose(f);
            }
            break;
        }
        case 4: Protocol(data, size); break;
        default: Exchange(data, size); break;
    }
    Release_Cut_Results();
    return 0;
}
