// Fuzz target: the readers of the end-plate library. The first byte picks
// the reader; the rest is the file.
//  0: bolt records (Read_Schraube) one after another: each record read has
//     its indices within the tables and its clearance within 0..10 mm (a
//     number beyond an int is refused, never wrapped), goes through
//     Write_Schraube and must read back equal (the clearance within the two
//     decimals of its text form), its names terminated.
//  1: steel grades (Read_Stahlsorte): the index within the table, each read
//     back equal through Write_Stahlsorte, the name terminated.
//  2: «» names of 16 characters (Read_Quoted_Name16): each read back equal
//     through Write_Quoted_Name.
//  3: the names of the records of a profile file (Read_Profile_Name_At):
//     at most 16 characters, no blank.
#include "fuzz_common.h"

#include "endplate/endplate_print.h"
#include "endplate/schraube.h"

namespace {

[[noreturn]] void Fail(const char* what) { fuzz::Fail("endplate", what); }

void Bolts(FILE* f, size_t limit) {
    for (size_t calls = 0; calls <= limit; ++calls) {
        Schraube_Record b = {};
        const int r = Read_Schraube(f, &b);
        if (r == 101) return;
        if (r == 103) continue;
        if (r != 0) Fail("bolt result neither 0, 101 nor 103");
        // Every accepted number within its range as it stood in the file:
        // nothing wrapped into the tables, no clearance beyond 10 mm or
        // that is no number.
        if (b.size < 0 || b.size >= SCHRAUBE_SIZES || b.klasse < 0 || b.klasse >= SCHRAUBE_CLASSES ||
            b.kind < SCHRAUBE_KIND_NONE || b.kind > SCHRAUBE_KIND_GV)
            Fail("bolt index outside its table");
        if (!(b.clearance >= 0.0f && b.clearance <= SCHRAUBE_CLEARANCE_MAX)) Fail("bolt clearance outside 0..10 mm");
        if (strnlen(b.size_name, sizeof b.size_name) >= sizeof b.size_name ||
            strnlen(b.class_name, sizeof b.class_name) >= sizeof b.class_name)
            Fail("bolt name not terminated");
        const std::string bytes = fuzz::Written([&](FILE* out) { Write_Schraube(out, &b); });
        FILE* back = fuzz::Stream(bytes);
        if (!back) continue;
        const fuzz::Round_Trip rt{"bolt", (int)calls};
        Schraube_Record again = {};
        // A clearance that rounds below 0 on two decimals is not written
        // back as the same; it cannot be read (Check_Schraube refuses < 0).
        if (Read_Schraube(back, &again) != 0) rt.Mismatch("read", "accepted", "refused");
        rt.Int("size", b.size, again.size);
        rt.Int("class", b.klasse, again.klasse);
        rt.Int("kind", b.kind, again.kind);
        rt.Real("clearance", b.clearance, again.clearance, fuzz::Tolerance{0.005001, 1e-6});
        rt.At_End("rest", back);
        std::fclose(back);
    }
}

void Grades(FILE* f, size_t limit) {
    for (size_t calls = 0; calls <= limit; ++calls) {
        Stahlsorte_Record g = {};
        const int r = Read_Stahlsorte(f, &g);
        if (r == 101) return;
        if (r == 103) continue;
        if (r != 0) Fail("grade result neither 0, 101 nor 103");
        if (g.grade < 0 || g.grade >= STAHLSORTE_GRADES) Fail("grade index outside its table");
        if (strnlen(g.name, sizeof g.name) >= sizeof g.name) Fail("grade name not terminated");
        const std::string bytes = fuzz::Written([&](FILE* out) { Write_Stahlsorte(out, &g); });
        FILE* back = fuzz::Stream(bytes);
        if (!back) continue;
        const fuzz::Round_Trip rt{"grade", (int)calls};
        Stahlsorte_Record again = {};
        if (Read_Stahlsorte(back, &again) != 0) rt.Mismatch("read", "accepted", "refused");
        rt.Int("grade", g.grade, again.grade);
        rt.Real("f_y", g.f_y, again.f_y, fuzz::kExact);
        rt.At_End("rest", back);
        std::fclose(back);
    }
}

void Names(FILE* f, size_t limit) {
    char name[17];
    for (size_t calls = 0; !std::feof(f); ++calls) {
        if (calls > limit) Fail("more calls than input bytes");
        if (Read_Quoted_Name16(f, name) != 0) {
            if (std::fgetc(f) == EOF) break;
            continue;
        }
        if (strnlen(name, sizeof name) > 16) Fail("name longer than 16 characters");
        if (!name[0]) continue;
        const std::string bytes = fuzz::Written([&](FILE* out) { Write_Quoted_Name(out, name); });
        FILE* back = fuzz::Stream(bytes);
        if (!back) continue;
        const fuzz::Round_Trip rt{"name", (int)calls};
        char again[17];
        // A name that begins with white space loses it: the reader skips it.
        const char* start = name + std::strspn(name, " \t\r\n\v\f");
        if (!*start) {
            std::fclose(back);
            continue;
        }
        if (Read_Quoted_Name16(back, again) != 0) rt.Mismatch("read", "accepted", "refused");
        rt.Text("name", name, again);
        std::fclose(back);
    }
}

void Profile_Names(FILE* f, size_t size) {
    char name[17];
    for (int n = -1; n <= static_cast<int>(size / 160) + 1; n++) {
        std::memset(name, 'x', sizeof name);
        Read_Profile_Name_At(f, n, name);
        if (strnlen(name, sizeof name) > 16) Fail("profile name not terminated within 16");
        if (std::strchr(name, ' ')) Fail("blank in a profile name");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    if (size < 1) return 0;
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    switch (data[0] % 4) {
    case 0: Bolts(f, size); break;
    case 1: Grades(f, size); break;
    case 2: Names(f, size); break;
    default: Profile_Names(f, size - 1); break;
    }
    std::fclose(f);
    return 0;
}
