// Stand-in for the desktop's internal-force selection LoadPick, for the
// tests. Called as the program calls the real tool:
//   LoadPick.exe EXCHANGE_FILE A B C D
// It reads the component's results from EXCHANGE_FILE in the stand-in's own
// form (the real exchange format is the frame programs' business):
//   EX2 <anything>
//   R <member> <section> <load case> N Vy Vz Mx My Mz     (kN, kNm)
// and what the user marks from TEMP/LoadPick.sel, one rule per line:
//   pick <member> <section> <first case> <last case>
//   cancel          the user closes the tool without a choice
//   fail <code>     the tool ends with that exit code, writing nothing
// Every result that a pick rule covers goes, in file order, into
// TEMP/LoadPick.res as the real tool writes it: "V:1", the counts, per
// result six values, the id (the load case) and the value (the section),
// «Stab m Schnitt s» «LK c», then the Info section with the control point
// as the first info text. The arguments are noted in TEMP/LoadPick.args.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Pick {
    int member, section, first, last;
};

struct Result {
    int member, section, lc;
    double v[6];
};

std::string Temp(const char* name) {
    const char* t = std::getenv("TEMP");
    return std::string(t ? t : ".") + "/" + name;
}

}  // namespace

int main(int argc, char** argv) {
    FILE* args = std::fopen(Temp("LoadPick.args").c_str(), "w");
    for (int i = 1; args && i < argc; ++i) std::fprintf(args, "%s\n", argv[i]);
    if (args) std::fclose(args);
    if (argc < 6) return 2;

    std::vector<Pick> picks;
    FILE* sel = std::fopen(Temp("LoadPick.sel").c_str(), "r");
    if (!sel) return 0;  // nothing marked: no answer
    char word[32];
    while (std::fscanf(sel, "%31s", word) == 1) {
        if (!std::strcmp(word, "cancel")) return 0;
        int code = 0;
        if (!std::strcmp(word, "fail") && std::fscanf(sel, "%d", &code) == 1) return code;
        Pick p;
        if (!std::strcmp(word, "pick") && std::fscanf(sel, "%d%d%d%d", &p.member, &p.section, &p.first, &p.last) == 4)
            picks.push_back(p);
    }
    std::fclose(sel);

    std::string exchange = argv[1];
    for (char& c : exchange)
        if (c == '\\') c = '/';
    FILE* in = std::fopen(exchange.c_str(), "r");
    if (!in) return 1;
    std::vector<Result> chosen;
    char line[512];
    while (std::fgets(line, sizeof line, in)) {
        Result r;
        if (std::sscanf(line, "R %d %d %d %lf %lf %lf %lf %lf %lf", &r.member, &r.section, &r.lc, &r.v[0], &r.v[1],
                        &r.v[2], &r.v[3], &r.v[4], &r.v[5]) != 9)
            continue;
        for (const Pick& p : picks)
            if (p.member == r.member && p.section == r.section && r.lc >= p.first && r.lc <= p.last) {
                chosen.push_back(r);
                break;
            }
    }
    std::fclose(in);
    if (chosen.empty()) return 0;

    const std::string out_name = Temp("LoadPick.res");
    FILE* out = std::fopen(out_name.c_str(), "w");
    if (!out) return 1;
    std::fprintf(out, "V:1\n%zu 6\n", chosen.size());
    for (const Result& r : chosen) {
        for (double v : r.v) std::fprintf(out, "%.9g ", v);
        std::fprintf(out, "\n%d %d \xAEStab %d Schnitt %d\xAF \xAELK %d\xAF\n", r.lc, r.section, r.member, r.section,
                     r.lc);
    }
    std::fprintf(out, "%zu Info\n", chosen.size());
    for (const Result& r : chosen)
        std::fprintf(out, "\xAEStab %d / Schnitt %d\xAF \xAE\xAF \xAE\xAF \xAE\xAF \xAE\xAF\n", r.member, r.section);
    return std::fclose(out) == 0 ? 0 : 1;
}
