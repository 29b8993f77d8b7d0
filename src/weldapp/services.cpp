// Services of the weld connection application: the test for the
// internal-force selection tool and the waiting animation of the wait box,
// and the profile manager that the end-plate library's profile button runs.
//
// The animation is the program's only second thread. Its running flag is
// atomic and stopping joins the thread, so the animation has surely ended
// (and put the screen back) when Stop_Waiting_Animation returns.
#include "weldapp/services.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "dialogs/buttons.h"
#include "dialogs/message_dialogs.h"
#include "endplate/endplate_services.h"
#include "platform/desktop.h"
#include "platform/posix.h"
#include "platform/screen.h"
#include "weldapp/profile_manager.h"

int LoadPick_Available(void) {
    const char* exec = VEKGetEnv("EXEC");
    if (!exec) return 0;
    char path[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(path, sizeof path, exec, "LoadPick.exe")) return 0;
    return _access(path, 1) == 0 ? 1 : 0;
}

// ---- waiting animation ----

enum {
    ANIM_CELL = 84,    // size of one picture cell in pixels
    ANIM_FRAMES = 12,  // cells in the strip
    ANIM_FRAME_MS = 100,
};

static std::atomic<int> s_anim_running{0};
static int s_anim_x = 0, s_anim_y = 0;
static std::thread s_anim_thread;
static std::mutex s_anim_mutex;
static std::condition_variable s_anim_wake;

// Waits one frame time, or less when the animation is being stopped.
static void Anim_Wait_Frame(void) {
    std::unique_lock<std::mutex> lock(s_anim_mutex);
    s_anim_wake.wait_for(lock, std::chrono::milliseconds(ANIM_FRAME_MS),
                         [] { return s_anim_running.load() == 0; });
}

static void Waiting_Animation_Thread(void) {
    const int x1 = s_anim_x, y1 = s_anim_y;
    const int x2 = x1 + ANIM_CELL - 1, y2 = y1 + ANIM_CELL - 1;
    Save_Screen_Rectangle(x1, y1, x2, y2);
    for (int k = 0; s_anim_running.load(); k = (k + 1) % ANIM_FRAMES) {
        // Put the saved background back and keep it for the next frame.
        Restore_Screen_Rectangle(x1, y1, x2, y2);
        Save_Screen_Rectangle(x1, y1, x2, y2);
        const int buffer = pxBuff(-1);
        const int sx = 1 + (ANIM_CELL + 1) * k;
        pxDrawPartialTransparentDIB("Anima2.bmp", sx, 1, sx + ANIM_CELL - 1, ANIM_CELL, x1, y1, x2,
                                    y2, 0, -1, -1, -1, -1);
        pxBuff(buffer);
        pxFlsh();
        Anim_Wait_Frame();
    }
    Restore_Screen_Rectangle(x1, y1, x2, y2);
    pxFlsh();
}

// Ends a running animation when the program exits. Registered after the
// screen exists, so it runs before the screen's state is destroyed, and the
// thread object is never destroyed while its thread runs.
static void Stop_Animation_At_Exit(void) {
    Stop_Waiting_Animation();
}

int Start_Waiting_Animation(int x, int y) {
    Stop_Waiting_Animation();
    static const bool registered = (pxScreenWidth(), std::atexit(Stop_Animation_At_Exit) == 0);
    (void)registered;
    if (x < 0 || y < 0) {
        x = NPIXEL_X / 2 - 41;
        y = NPIXEL_Y / 2 - 41;
    }
    s_anim_x = x;
    s_anim_y = y;
    s_anim_running.store(1);
    try {
        s_anim_thread = std::thread(Waiting_Animation_Thread);
    } catch (...) {
        s_anim_running.store(0);
        return -1;
    }
    return 1;
}

int Stop_Waiting_Animation(void) {
    if (!s_anim_running.load()) return 0;
    {
        std::lock_guard<std::mutex> lock(s_anim_mutex);
        s_anim_running.store(0);
    }
    s_anim_wake.notify_all();
    if (s_anim_thread.joinable()) s_anim_thread.join();
    return 1;
}

void Install_Application_Services(void) {
    Set_Waiting_Animation(Start_Waiting_Animation, Stop_Waiting_Animation);
    Set_LoadPick_Test(LoadPick_Available);
    Endplate_Services endplate = *Get_Endplate_Services();
    endplate.select_profile = Select_Profile_from_Manager;
    Set_Endplate_Services(&endplate);
}
