// Runs a fuzz harness without libFuzzer: every file named on the command
// line, and every file of every directory named (in name order), goes once
// through LLVMFuzzerTestOneInput. A failed check of the harness aborts, as
// under libFuzzer, so a seed that no longer passes fails the run. The seeds
// of each target are replayed this way by the ctest entry "fuzz_seeds".
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        if (fs::is_directory(argv[i], ec)) {
            for (const auto& e : fs::directory_iterator(argv[i], ec))
                if (e.is_regular_file()) inputs.push_back(e.path().string());
        } else {
            inputs.push_back(argv[i]);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const std::string& name : inputs) {
        std::ifstream in(name, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "%s: cannot be read\n", name.c_str());
            return 1;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
