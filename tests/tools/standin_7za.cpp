// Stand-in for the archive extractor "7za", for the tests. It knows the two
// commands the program gives:
//   7za l -slt ARCHIVE                   the technical listing, as 7za writes it
//   7za e ARCHIVE MEMBER -oDIR -y        the member written into DIR without
//                                        its stored path (an existing file
//                                        is replaced)
// The archive is the stand-in's own form (the tests write it):
//   STANDIN-7Z
//   F <size> <stored path>
//   <size bytes>
//   ...
// Exit codes as 7za's: 0 done, 2 a fatal error (archive not readable or
// damaged, member not found), 7 a command line it does not understand.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string path;
    std::string bytes;
};

bool Read_Archive(const char* name, std::vector<Entry>* entries) {
    FILE* f = std::fopen(name, "rb");
    if (!f) return false;
    char head[16] = {};
    bool ok = std::fscanf(f, "%15s", head) == 1 && std::strcmp(head, "STANDIN-7Z") == 0;
    for (long size; ok && std::fscanf(f, " F %ld ", &size) == 1;) {
        char path[1024];
        if (size < 0 || !std::fgets(path, sizeof path, f)) {
            ok = false;
            break;
        }
        path[std::strcspn(path, "\n")] = '\0';
        Entry e{path, std::string(static_cast<size_t>(size), '\0')};
        if (size > 0 && std::fread(e.bytes.data(), 1, e.bytes.size(), f) != e.bytes.size()) ok = false;
        entries->push_back(e);
    }
    ok = ok && std::feof(f) != 0;
    std::fclose(f);
    return ok;
}

std::string Base_Name(const std::string& path) {
    const size_t k = path.find_last_of("/\\");
    return k == std::string::npos ? path : path.substr(k + 1);
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("7-Zip (a) stand-in\n\n");
    if (argc >= 4 && !std::strcmp(argv[1], "l") && !std::strcmp(argv[2], "-slt")) {
        std::vector<Entry> entries;
        if (!Read_Archive(argv[3], &entries)) return 2;
        std::printf("Listing archive: %s\n\n--\nPath = %s\nType = stand-in\n\n----------\n", argv[3], argv[3]);
        for (const Entry& e : entries) std::printf("Path = %s\nSize = %zu\n\n", e.path.c_str(), e.bytes.size());
        return 0;
    }
    if (argc >= 5 && !std::strcmp(argv[1], "e") && !std::strncmp(argv[4], "-o", 2)) {
        std::vector<Entry> entries;
        if (!Read_Archive(argv[2], &entries)) return 2;
        for (const Entry& e : entries) {
            if (Base_Name(e.path) != argv[3]) continue;
            const std::string target = std::string(argv[4] + 2) + "/" + argv[3];
            FILE* out = std::fopen(target.c_str(), "wb");
            if (!out) return 2;
            const bool ok = std::fwrite(e.bytes.data(), 1, e.bytes.size(), out) == e.bytes.size();
            if (std::fclose(out) != 0 || !ok) return 2;
            std::printf("Everything is Ok\n");
            return 0;
        }
        std::printf("No files to process\n");
        return 0;
    }
    return 7;
}
