// The data exchange through TEMP and the plan editor call, as the shell
// calls them. Their modules are not part of this build yet:
// pending_exchange.cpp stands in for them (nothing is exchanged or run).
#ifndef WELDAPP_PENDING_EXCHANGE_H
#define WELDAPP_PENDING_EXCHANGE_H

void Export_Schweissnaht_TEMP(void);
void Import_Schweissnaht_TEMP(void);
int Run_Plan_Editor_Default(const char* identifier);

#endif
