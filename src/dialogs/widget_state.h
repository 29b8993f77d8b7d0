// The start state of the widget modules, for tests: field widgets and their
// range table, field drawing, buttons and tool tips with the sheet-area
// registry, table sheets, message dialogs, progress window and wait box,
// choosers, the rebar dialog, the hints page and the screen drawing view.
#ifndef DIALOGS_WIDGET_STATE_H
#define DIALOGS_WIDGET_STATE_H

// Puts all of them back as at the start of the process (no sheet may be
// open). The hooks of higher layers are removed as well.
void Reset_Widget_State(void);

#endif
