// The stand-in of the desktop's profile manager, installed in the program
// directory ("EXEC") as "PROFILE" with the title file the window-finding
// call looks for (README, "Working in the window"). Called as the program
// calls either manager:
//
//   PROFILE [TRANSFER] [DEFAULT=NAME] [FILTER=LETTERS]
//
// It shows the families and sizes of the profile file PROFIL in "DATA" in
// a window of its own (headless without a display) and, when called with
// TRANSFER, writes the designation the user takes as the first line of
// "PROFIL" in "TEMP"; nothing when the user cancels. DEFAULT= (blanks as
// "~") is chosen first, without it the designation in the environment entry
// VEK_PROFILE_CURRENT (the program's profile); FILTER= keeps the families
// of those type letters.
//
// Its events come from the window, or from the script file
// "TEMP/<program>.script" (the stand-in's script format, docs/platform.md)
// when there is one; a script of the program that started it is never
// taken. Exit code 0; 1 when the profile file cannot be read.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/display_sdl.h"
#include "profiles/profil_file.h"
#include "weldapp/profile_picker.h"

namespace {

enum { PICKER_WIDTH = 600, PICKER_HEIGHT = 640 };

std::string File_Name(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// The tool's own screen, window picture and events: none of them is the
// program's that started it.
void Own_Environment(const std::string& program, const char* temp) {
    unsetenv("VEK_SCRIPT");
    if (temp) {
        const std::string script = std::string(temp) + "/" + program + ".script";
        if (Exists(script)) setenv("VEK_SCRIPT", script.c_str(), 1);
    }
    const std::string screen = std::to_string(PICKER_WIDTH) + "x" + std::to_string(PICKER_HEIGHT);
    setenv("VEK_SCREEN", screen.c_str(), 1);
    if (const char* png = std::getenv("VEK_WINDOW_PNG"); png && *png) {
        std::string own = png;
        if (own.size() > 4 && own.compare(own.size() - 4, 4, ".png") == 0) own.resize(own.size() - 4);
        own += "_" + program + ".png";
        setenv("VEK_WINDOW_PNG", own.c_str(), 1);
    }
    if (const char* idle = std::getenv("VEK_WINDOW_IDLE"); idle && *idle) {
        const std::string own = std::string(idle) + "_" + program;
        setenv("VEK_WINDOW_IDLE", own.c_str(), 1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 0 ? File_Name(argv[0]) : "PROFILE";
    bool transfer = false;
    const char* preset = nullptr;
    const char* filter = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "TRANSFER") == 0) transfer = true;
        else if (std::strncmp(argv[i], "DEFAULT=", 8) == 0) preset = argv[i] + 8;
        else if (std::strncmp(argv[i], "FILTER=", 7) == 0) filter = argv[i] + 7;
    }
    // Called as the older manager, with no DEFAULT=: the program's profile.
    if (!preset) preset = std::getenv(PROFILE_PICKER_CURRENT_ENTRY);
    const char* temp = VEKGetEnv("TEMP");
    Own_Environment(program, temp);

    FILE* profil = Open_Profil_File(VEKGetEnv("DATA"));
    if (!profil) {
        std::fprintf(stderr, "%s: no profile file PROFIL in the data directory (DATA)\n", program.c_str());
        return 1;
    }
    std::vector<Profile_Family> families;
    Read_Profile_Families(profil, filter, &families);
    std::fclose(profil);

    Init_Grafik_Mode();
    VEKSetFrameTitle(program == "ProfDesk" ? "VEK - Profilmanager 2.0" : "VEK - Profilmanager");
    const std::string chosen = Run_Profile_Picker(families, preset);
    Exit_Grafik_Mode();
    if (!transfer || chosen.empty() || !temp) return 0;
    const std::string answer = std::string(temp) + "/PROFIL";
    FILE* f = std::fopen(answer.c_str(), "w");
    if (!f) {
        std::fprintf(stderr, "%s: cannot write %s\n", program.c_str(), answer.c_str());
        return 1;
    }
    std::fprintf(f, "%s\n", chosen.c_str());
    return std::fclose(f) == 0 ? 0 : 1;
}
