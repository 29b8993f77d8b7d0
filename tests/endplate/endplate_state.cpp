// The end-plate library's share of the reset before each test (see
// support/global_state.h): the library record and tables (and the DIN
// check's kept profile end), the drawing's weld data and colours, the stored
// sheet centres and the services (the annex and DIN services installed, as
// at the start) and the annex registry.
#include "codes/nad.h"
#include "drawings/anschluss_messages.h"
#include "drawings/kehlnaht_drawing.h"
#include "endplate/endplate_services.h"
#include "endplate/endplate_sheets.h"
#include "endplate/input_limits.h"
#include "profiles/geschweisster_anschluss.h"
#include "support/global_state.h"
#include "weldcheck/din_check.h"

namespace {

void Reset_Endplate_State() {
    Reset_Anschluss_State();
    Forget_Din_Profile_End();
    Reset_Kehlnaht_Drawing();
    Reset_Anschluss_Messages();
    Reset_Endplate_Sheets();
    Endplate_Clear_Refusal();
    // The services as the tests' main installs them; the grade sheet shows
    // the active annex's flag, so the annex registry starts unread.
    Set_Endplate_Services(nullptr);
    Install_Annex_Services();
    Install_Din_Services();
    Reset_NAD_Registry();
}

const testutil::Global_Reset reset_endplate(Reset_Endplate_State);

}  // namespace
