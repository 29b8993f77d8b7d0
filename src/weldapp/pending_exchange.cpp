// Stand-ins of the data exchange and the plan editor call until their
// modules are part of the build.
#include "weldapp/pending_exchange.h"

void Export_Schweissnaht_TEMP(void) {}
void Import_Schweissnaht_TEMP(void) {}
int Run_Plan_Editor_Default(const char*) { return 0; }
