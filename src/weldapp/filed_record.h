// The connection as its input file gave it, and what the pages changed of
// it. The pages edit the connection record in place and refresh it after
// every edit, which may put on it what the pages can show rather than what
// the file holds. The window keeps the record the file gave and the record
// as the pages first showed it; whatever is saved, exported, listed or
// checked is that record with only the values the user changed since put
// on it. A value the user did not touch stays as the file held it, however
// the pages show it; where they show it otherwise, a box says so when the
// file is opened.
//
// The values are compared in units: a value together with those that only
// make sense with it (the weld's kind with its all-round and
// full-penetration switches, a material's grade with its strengths). A
// unit the user changed is taken whole as the pages hold it.
#ifndef WELDAPP_FILED_RECORD_H
#define WELDAPP_FILED_RECORD_H

#include <string>
#include <vector>

struct SchweissnahtAnschluss;

// Keeps a copy of the record as a file gave it (after reading it, after a
// save read it back, after an import); Note_Shown_Record then keeps what
// the pages show of it. Nothing for null.
void Keep_Filed_Record(const SchweissnahtAnschluss* record);
// The record is no file's (a new connection, the defaults after a damaged
// file): nothing is kept, and Filed_Values_Into changes nothing.
void Forget_Filed_Record(void);

// A value the pages changed as they showed the file, in a box that says
// so: it is saved as the pages show it, not as the file held it. record:
// the pages' record; member: the value's place in it. Only between
// Keep_Filed_Record and the next Note_Shown_Record; nothing otherwise.
void Note_Told_Change(const SchweissnahtAnschluss* record, const void* member);

// Whether a file's record was kept and the record as the pages show it is
// still to be kept.
bool Filed_Record_Waits(void);
// Once the pages show the record a file gave (Show_Filed_Record): the
// first call after Keep_Filed_Record keeps the record as the pages show the
// file, and a box titled "Hinweis" names every value the pages show
// otherwise than the file holds (Filed_Values_Not_Shown); later calls do
// nothing. Nothing for null.
void Note_Shown_Record(const SchweissnahtAnschluss* record);

// The lines of that box: the head line and one line a value ("- Nahtart
// Schlitznaht (angezeigt: Stumpfnaht)"), each value as the file holds it and
// as the pages show it; empty when the pages show the file as it is, or
// when no file's record is kept.
std::vector<std::string> Filed_Values_Not_Shown(void);

// `record` (the pages' record or a copy of it) with every unit that the
// user has not changed since the pages showed the file put back as the file
// holds it. True when a unit was put back (the caller then refreshes what
// derives from them, as reading the file does); false when nothing is kept
// or every unit stands as the pages hold it. Loads, print options and
// results are never touched.
bool Filed_Values_Into(SchweissnahtAnschluss* record);
// A copy of the record as it is saved: `saved` (whose arrays must be null
// or its own; Free_Schweissnaht frees them) gets every input field of
// `record` with Filed_Values_Into applied. Nothing for null.
void Record_As_Saved(const SchweissnahtAnschluss* record, SchweissnahtAnschluss* saved);

#endif
