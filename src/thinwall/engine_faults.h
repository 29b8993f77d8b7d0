// engine_faults: what the section engines met and could not make sense of.
//
// An inconsistency inside the engines (a cell beyond the limit, plate
// outlines that do not meet, counts that disagree) never stops a
// calculation: the routine that meets it records a fault - its code and the
// line that names the routine, "Fehler in _Set_Line_Outlines: line 3\n"
// say - and goes on. The engines never write: the outermost engine call the
// program made (an Engine_Call lives on its stack) hands what was recorded
// during it, when it returns, to the reporter the program installed, each
// line as recorded, in order, and forgets it (the program's own writes them
// on the console). Without a reporter the faults stay recorded for the
// caller to read and clear; beyond kEngineFaultsKept of them the rest are
// only counted. A fault recorded outside every engine call goes to the
// reporter at once. Single-threaded module state.
#ifndef THINWALL_ENGINE_FAULTS_H
#define THINWALL_ENGINE_FAULTS_H

enum Engine_Fault_Code {
    ENGINE_FAULT_CELL_LIMIT = 1,    // more closed cells than the calculation holds
    ENGINE_FAULT_SHEAR_GROUP,       // a line that fits into no shear group
    ENGINE_FAULT_RESULT_COUNT,      // parts or line results made differ from the model
    ENGINE_FAULT_MEMORY,            // storage for results or cells could not be had
    ENGINE_FAULT_OUTLINE_WALK,      // a walk round a part's outline broke off
    ENGINE_FAULT_TOPOLOGY,          // a node or line the winged-edge structure cannot place
    ENGINE_FAULT_SHEAR_JUMP,        // the shear flow jumps where two lines meet
    ENGINE_FAULT_NO_INTERSECTION,   // plate outlines at a node do not meet
    ENGINE_FAULT_RADII,             // the radii of one corner disagree
    ENGINE_FAULT_TABLE_FULL,        // more than 100 nodes or lines for the catalogue's tables
    ENGINE_FAULT_WARPING_COUNT,     // the warping walk did not reach every line of a part
    ENGINE_FAULT_MESH_NODE,         // a node of the outline mesh cannot be read
    ENGINE_FAULT_PLO_LINE,          // a line of the strain iteration is not in its table
    ENGINE_FAULT_PLO_NODE,          // a mesh node of the strain iteration cannot be evaluated
    ENGINE_FAULT_UTILISATION,       // a plastic utilisation beyond 0.99e6
    ENGINE_FAULT_USER_SECTION,      // a user section with more nodes or lines than the model holds
};

enum { kEngineFaultsKept = 1000 };

// Records a fault: code, and the line made from format (it ends with its
// own line end). Never fails: a fault that cannot be kept (storage, or
// kEngineFaultsKept waiting) is handed to the reporter at once, or counted
// without one.
void Record_Engine_Fault(Engine_Fault_Code code, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Where the faults go: the program installs its reporter at start-up;
// returns the previous one. Null: none (the faults stay recorded).
typedef void (*Engine_Fault_Reporter)(Engine_Fault_Code code, const char* line);
Engine_Fault_Reporter Set_Engine_Fault_Reporter(Engine_Fault_Reporter reporter);

// The faults recorded and not yet reported, oldest first; code 0 and ""
// for an index out of range.
int Count_Engine_Faults(void);
Engine_Fault_Code Engine_Fault_Code_At(int index);
const char* Engine_Fault_Text_At(int index);
// Faults that could be neither kept nor reported since the last clear.
int Count_Dropped_Engine_Faults(void);
// Hands every recorded fault to the reporter and forgets them; without a
// reporter they stay recorded.
void Report_Engine_Faults(void);
// Forgets them unreported, the dropped count too (a caller that reported
// them itself).
void Clear_Engine_Faults(void);

// One on the stack of every engine entry the program calls: the outermost
// one reports the faults of the call when it ends.
struct Engine_Call {
    Engine_Call();
    ~Engine_Call();
    Engine_Call(const Engine_Call&) = delete;
    Engine_Call& operator=(const Engine_Call&) = delete;
};

#endif
