// profile_manager: the profile manager call (see the header).
#include "weldapp/profile_manager.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "profiles/profile_catalogue.h"
#include "weldapp/sibling_tool.h"
#include "weldapp/tool_text.h"

namespace {

char answer_buffer[PROFILE_ANSWER_SIZE];

Sibling_Tool Manager(bool newer) {
    return Sibling_Tool{newer ? "ProfDesk" : "PROFILE",
                        newer ? "VEK - Profilmanager 2.0" : "VEK - Profilmanager",
                        nullptr,
                        0,
                        0,
                        TOOL_BOX_MANAGER,
                        {"Der Profilmanager ist bereits aktiv.", "Bitte schließen Sie das Fenster",
                         "und versuchen es erneut."}};
}

}  // namespace

const char* Select_Profile_from_Manager(int mode) {
    const char* exec = VEKGetEnv("EXEC");
    if (!exec) return nullptr;
    const bool newer = Is_Profile_Manager_Available();
    const Sibling_Tool tool = Manager(mode != 0 && newer);
    if (mode == 0) {
        // Always the older manager, started and left to itself.
        char path[VEK_MAX_PATH + 1];
        const char* argv[] = {path, nullptr};
        if (!Sibling_Tool_Open(&tool) && VEK_Join_Path(path, sizeof path, exec, "PROFILE")) VEKSpawnv(1, path, argv);
        return nullptr;
    }
    std::string preset, filter;
    const char* arguments[4] = {"TRANSFER", nullptr, nullptr, nullptr};
    int k = 1;
    if (newer && Get_Profile_Manager_Default()) {
        // The manager's argument buffer holds 98 characters; a name cut to
        // fit would preset another profile, so a longer one is not passed.
        preset = std::string("DEFAULT=") + Get_Profile_Manager_Default();
        if (preset.size() <= 98) arguments[k++] = preset.c_str();
    }
    if (newer && Get_Profile_Manager_Filter()) {
        filter = std::string("FILTER=") + Get_Profile_Manager_Filter();
        arguments[k++] = filter.c_str();
    }
    const int ran = Run_Sibling_Tool(&tool, arguments, "PROFIL");
    // The manager edits the profile files: whatever it may have changed
    // there is read again, the records kept from before are dropped.
    Forget_Profile_Files_Read();
    if (!ran) return nullptr;
    char path[VEK_MAX_PATH + 1];
    if (!Tool_Answer_Path(path, sizeof path, "PROFIL")) return nullptr;
    // No answer: the user cancelled. An answer that is no file (a FIFO
    // would hang the reading) or larger than one line ever is, is refused.
    int refusal = VEK_READ_OK;
    FILE* f = VEK_Open_Reading(path, VEK_READ_CAP_SMALL, &refusal);
    if (!f) {
        if (refusal != VEK_READ_MISSING) {
            std::remove(path);
            Init_Message();
            Set_Message_Title("Lesefehler");
            Fill_Message("%s", "Die Antwort des Profilmanagers ist nicht lesbar.");
            Fill_Message("PROFIL: %s", VEK_Read_Refusal_Text(refusal));
            Draw_Message();
        }
        return nullptr;
    }
    const bool read = Read_Line_No_Newline(answer_buffer, sizeof answer_buffer, f) != nullptr;
    std::fclose(f);
    std::remove(path);
    if (!read) return nullptr;
    std::snprintf(answer_buffer, sizeof answer_buffer, "%s", Trim_Both_Copy(answer_buffer));
    return answer_buffer;
}
