/* file_chooser.cpp -- the desktop's file chooser on the stand-in: the path
 * comes from the scripted event queue or, with a window open, from an
 * inline editor under the chooser's title. */
#include "platform/file_chooser.h"

#include <cstdio>
#include <cstring>

#include "platform/display_sdl.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"

static int last_flags = 0;

static void copy_field(char* field, size_t size, const char* text)
{
    std::snprintf(field, size, "%s", text ? text : "");
}

int InitVEKGetFileNameEx(VEKGetFileNameRequest* request, int flags, const char* title,
                         const char* start_directory, const char* filter, int, int, int, int size)
{
    if (!request) return 0;
    *request = VEKGetFileNameRequest{};
    request->flags = flags;
    request->size = size < 1 || size > VEK_FILE_NAME_SIZE ? VEK_FILE_NAME_SIZE : size;
    copy_field(request->title, sizeof request->title, title);
    copy_field(request->start_directory, sizeof request->start_directory, start_directory);
    copy_field(request->filter, sizeof request->filter, filter);
    return 1;
}

int VEKGetFileNameEx(VEKGetFileNameRequest* request)
{
    if (!request) return -1;
    last_flags = request->flags;
    const int limit = request->size - 1;
    char path[VEK_FILE_NAME_SIZE] = "";
    const int head = VEK_Script_Peek_Kind();
    const bool scripted = head == VEK_EV_TYPE || head == VEK_EV_KEYS;
    if (VEK_Display_Active() && !scripted) {
        /* The chooser's title above the editor, in the middle of the screen. */
        const int x = NPIXEL_X / 2 - 200, y = NPIXEL_Y / 2;
        pxFgc(BLACK_CI);
        pxText(x, y - 24, request->title, -1);
    } else if (!scripted) {
        return 1;
    }
    Set_Short_Edit_Text_Scrollmode(limit);
    const int key = Short_Edit_Text(NPIXEL_X / 2 - 200, NPIXEL_Y / 2, path, 50, 0);
    if (LAST_SHEET_EDIT_KEY == VEK_KEY_ESC || key == VEK_KEY_ESC || !path[0]) return 1;
    std::memcpy(request->file, path, sizeof request->file);
    return 0;
}

int VEK_Last_File_Chooser_Flags(void) { return last_flags; }
