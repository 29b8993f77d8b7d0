/* helpview.cpp -- the recorded help viewer of the stand-in. */
#include "platform/helpview.h"

#include <cstdio>
#include <string>

#include "platform/msgbox.h"
#include "platform/posix.h"

static std::string help_file;
static std::string last_topic;
static int topics_shown = 0;
static bool help_named = false;

void Init_Helpview(const char* directory, const char* file)
{
    char path[4096];
    help_file = VEK_Join_Path(path, sizeof path, directory ? directory : "", file ? file : "") ? path : "";
    help_named = true;
}

int Helpview(const char* topic)
{
    if (!help_named) return 0;
    last_topic = topic ? topic : "";
    ++topics_shown;
    std::fprintf(stderr, "help: %s at \"%s\" (no help viewer here)\n", help_file.c_str(), last_topic.c_str());
    // The user asked for help: the box names what was asked for.
    const size_t slash = help_file.find_last_of('/');
    Init_Message();
    Set_Message_Title("Hilfe");
    const char* file = slash == std::string::npos ? help_file.c_str() : help_file.c_str() + slash + 1;
    // Without a topic the viewer opens the file at its start.
    if (last_topic.empty()) Fill_Message("Hilfe (Hilfedatei %s)", file);
    else Fill_Message("Hilfe zum Thema \"%s\" (Hilfedatei %s)", last_topic.c_str(), file);
    Fill_Message("%s", "Das Hilfeprogramm ist nicht Teil dieser Umgebung.");
    Draw_Message();
    return 1;
}

const char* VEK_Helpview_File(void) { return help_file.c_str(); }
const char* VEK_Last_Helpview_Topic(void) { return last_topic.c_str(); }
int VEK_Helpview_Count(void) { return topics_shown; }

void VEK_Reset_Helpview(void)
{
    help_file.clear();
    last_topic.clear();
    topics_shown = 0;
    help_named = false;
}
