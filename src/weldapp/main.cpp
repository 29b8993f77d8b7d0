// Program entry of the weld connection program.
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", argv[0]);
        return 0;
    }
    return 0;
}
