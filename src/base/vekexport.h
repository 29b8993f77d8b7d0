// Exchange files of the desktop: blocks, exchange objects and keyed result
// records.
//
// Components of the desktop hand data to one another in 8-bit text files
// made of named blocks ("#VAZ_HEADER" ...), each a sequence of exchange
// objects closed by an end-of-block object. An object is a head, a parameter
// block, optional class data and an optional object text. Beside objects a
// file may carry keyed result records: values of a member or support under a
// key of seven ints, introduced by a "<VAZ" line. Writer and reader here
// agree line for line; the reader also takes lines ending in CRLF.
#ifndef BASE_VEKEXPORT_H
#define BASE_VEKEXPORT_H

#include <cstdio>

#include "base/vekparam.h"

struct PtrArr;
struct VEKExportObject;

// Head types of the objects this library makes or looks into; any other
// type belongs to the exchanging components.
enum {
    VEK_TYPE_END_OF_BLOCK = 1,   // closes a block; its nr is the block index
    VEK_TYPE_HEADER = 2,         // names the writing component
    VEK_TYPE_PLACED_OBJECT = 3,  // origin, local axes, turning angle, class values
    VEK_TYPE_AXIS_FRAME = 4,     // origin and three axes, nothing else
};

// Class kinds and the flag bit of kind-1 class data.
enum {
    VEK_CLASS_NONE = 0,
    VEK_CLASS_PARAM_DATA = 1,      // class data that is a parameter block
    VEK_CLASS_DATA_HAS_BLOCK = 1,  // VEKClassData.flags: a parameter block follows
};

// Operations of a kind of class data. Kind VEK_CLASS_PARAM_DATA: class data
// that is a parameter block (VEKClassData); VEK_CLASS_NONE: none.
struct VEKObjectClass {
    int kind;
    void* (*create)(VEKExportObject* object);
    void (*free)(void* data, const VEKObjectClass* cls);
    void* (*read)(FILE* stream, VEKExportObject* object);
    int (*write)(FILE* stream, void* data, const VEKObjectClass* cls);
};

struct VEKExportObject {
    VEKObjectHead head;
    VEKParamBlock params;
    const VEKObjectClass* cls;  // null when the object has no class data
    void* data;                 // class data, owned through cls
    char* text;                 // object text (C heap) or null
};

// Class data of kind 1.
struct VEKClassData {
    int flags;  // bit 0: a parameter block follows
    VEKParamBlock params;
};

// Block indices.
enum {
    VEK_BLOCK_HEADER = 1,
    VEK_BLOCK_EINWNCHW = 2,
    VEK_BLOCK_OBJECTS = 3,
    VEK_BLOCK_PARAM = 4
};

/* ---- blocks and objects ---- */

// The block's line text; "#VAZ_??????" for an unknown index. Never null.
const char* VEKExport_Block_Name(int index);
// Writes an empty line and the block's line. 1, or 0 for a null stream or a
// failed write.
int Write_VEKExport_Block(FILE* stream, int index);
// Moves the stream behind the block's line (from the start with the rewind
// flag). 1 when found, else 0.
int Find_VEKExport_Block(FILE* stream, int index, int rewind_flag);
// Writes the end-of-block object of that block. 1, or 0 on failure.
int Write_End_Of_VEKExportBlock(FILE* stream, int index);
// New object. Kind 1 gets the class record and the data (new class data when
// data is null); any other kind keeps the data pointer without a class.
// Null when an allocation or the head fails (nothing left allocated).
VEKExportObject* Create_VEKExport_Object(int type, int nr, int id, const char* name, int kind,
                                         void* data);
// Frees class data, head, parameter block, text and the object. Null allowed;
// a data pointer stored without a class is not freed.
void Free_VEKExport_Object(VEKExportObject* object);
// Writes the whole object. 1, or 0 on a null argument, a failed write or an
// object that would not read back as it is (a head name, string or text the
// file format cannot carry; see vekparam.h): such an object is refused
// before anything is written.
int Write_VEKExport_Object(FILE* stream, const VEKExportObject* object);
// Writes parameter block, object text and class data alone. 1 or 0, with
// the same refusal before writing.
int Write_VEKExport_Object_Body(FILE* stream, const VEKExportObject* object);
// Reads one object from the stream's position. The new object, or null when
// it cannot be read or is damaged (nothing left allocated).
VEKExportObject* Read_VEKExport_Object(FILE* stream);
// New header object from the desktop's current-object values; null on failure.
VEKExportObject* Create_VEKExportObject_Header(void);
// Writes the header (with null: a header is created, written and freed).
// 1, or 0 on failure.
int Write_VEKExportObject_Header(FILE* stream, const VEKExportObject* header);
// Reads an object and keeps it only when it is a header (3 ints, 0 doubles,
// 6 strings after the call). The object or null.
VEKExportObject* Read_VEKExportObject_Header(FILE* stream);
// Replaces the object text by a copy; null or empty leaves none.
// 1, or 0 for a null object or a failed copy.
int Set_VEKExport_Object_Text(VEKExportObject* object, const char* text);
// The object text; null for a null object or none.
char* Get_VEKExport_Object_Text(const VEKExportObject* object);
// New kind-1 class data (flags 0, empty block); null for a null object or on
// allocation failure.
VEKClassData* Create_VEKClassData(VEKExportObject* object);
// Writes the flags line and, with bit 0, the parameter block. 1 or 0.
int Write_VEKClassData(FILE* stream, const VEKClassData* data);
// Reads kind-1 class data; null on failure (nothing left allocated).
VEKClassData* Read_VEKClassData(FILE* stream, VEKExportObject* object);
// Frees the block and the data. Null allowed.
void Free_VEKClassData(VEKClassData* data);

/* ---- keyed result records ---- */

enum { VEK_RESULT_KEY_SIZE = 7 };

struct VEKValueName {
    const char* name;
    const char* unit;
    int id;
};

struct VEKValueNameTable {
    int columns;  // always 2: name and unit
    int nRows;
    const VEKValueName* rows;
};

struct VEKResultRecord {
    int key[VEK_RESULT_KEY_SIZE];  // -1 unset; field 7 is the record kind 0..3
    VEKParamBlock values;
    int words[3];                  // zero at creation, not read here
    const VEKValueNameTable* names;  // overrides the kind's table when set
};

// New record: key -1, no values, words and table 0. Null on allocation failure.
VEKResultRecord* Create_VEKResult_Record(void);
// The same in place (nothing freed). 1, or 0 for null.
int Init_VEKResult_Record(VEKResultRecord* record);
// Key to -1, values emptied; the further words are left alone. 1 or 0.
int Init_VEKResult_Key_And_Values(VEKResultRecord* record);
// Resize_VEK_Param_Block of the values; 0 for null.
int Resize_VEKResult_Values(VEKResultRecord* record, int nInt, int nDouble, int nString);
int Resize_VEKResult_Record_Values(VEKResultRecord* record, int nInt, int nDouble, int nString);
// Frees the values (null allowed).
void Free_VEKResult_Values(VEKResultRecord* record);
void Free_VEKResult_Record_Values(VEKResultRecord* record);
// Frees the values and the record (null allowed).
void Free_VEKResult_Record(VEKResultRecord* record);
// Writes an empty line and "<VAZ". 1, or 0 for a null stream or failed write.
int Write_VEKResult_Mark(FILE* stream);
// Writes the seven key fields joined by "|". 1 or 0.
int Write_VEKResult_Key(FILE* stream, const int* key);
// Mark, key line and values. 1 or 0.
int Write_VEKResult_Record(FILE* stream, const VEKResultRecord* record);
// Moves behind the next "<VAZ" line. 1 with the stream at the key line, else 0.
int Find_VEKResult_Mark(FILE* stream, int rewind_flag);
// Reads a key line into key (fields not given stay -1). 1 or 0.
int Read_VEKResult_Key(FILE* stream, int* key);
// Finds the next record whose key matches the pattern (null matches any) and
// reads its values (the record's values must own nothing). 1 or 0.
int Read_VEKResult_Record(FILE* stream, const int* pattern, VEKResultRecord* record);
// 1 when every pattern field is -1 or equal; a null pattern matches, a null
// key does not.
int Match_VEKResult_Key(const int* key, const int* pattern);
// Key field i for 0 <= i < 7, else 0.
int Get_VEKResult_Key_Field(const VEKResultRecord* record, int i);
int Get_VEKResult_Int(const VEKResultRecord* record, int i);
double Get_VEKResult_Double(const VEKResultRecord* record, int i);
char* Get_VEKResult_String(const VEKResultRecord* record, int i);
// Fills n doubles by value ids (or by position without ids). 1, or 0 for a
// null record or output or an unknown kind with ids (the output zeroed).
int Get_VEKResult_Values(const VEKResultRecord* record, const int* ids, int n, double* out);
// kmod (double 12) for kinds 2 and 3, else 0.0.
double Get_VEKResult_Kmod(const VEKResultRecord* record);
// Int 0 for kinds 2 and 3, else 0.
int Get_VEKResult_First_Int(const VEKResultRecord* record);
// Support table for kinds 1 and 3, member table for 0 and 2, else null.
const VEKValueNameTable* VEKResult_Name_Table(int kind);
// The table of the record's kind; null for null or another kind.
const VEKValueNameTable* Get_VEKResult_Name_Table(const VEKResultRecord* record);
// Row index with that id, -1 when none.
int Find_VEKValueName_Index(const VEKValueNameTable* table, int id);
// Row with that id, null when none.
const VEKValueName* Find_VEKValueName(const VEKValueNameTable* table, int id);

/* ---- object queries ---- */

struct VEKExportParam_Key {
    int ID;
    int type;
};

// What the lookups need of a read exchange file: its objects in file order.
struct VEKExportFile {
    PtrArr* objects;  // items are VEKExportObject*
};

// Five ints, eight doubles and one string of a placed object's class data.
struct VEKExportClassValues {
    int ints[5];
    double doubles[8];
    char* string;
};

// 1 when id and type equal the key's.
int Compare_VEKExportParam_Key(const VEKExportObject* object, const VEKExportParam_Key* key);
// First matching object; prints one console line and gives null when none.
VEKExportObject* Find_VEKExportParam_Obj(const VEKExportParam_Key* key, const VEKExportFile* file);
// First object with that type and id, null when none (silent).
VEKExportObject* Find_VEKExport_Object(int type, int id, const VEKExportFile* file);
// Origin and three axes into out[12]. 1, or 0 for a null output or object.
int Get_VEKExport_Object_Axes(const VEKExportObject* object, double* out, int mode,
                              int transpose_flag);
// Copies the class values of a placed object (record zeroed first).
// 1, or 0 for a null record, a null object or one without class data.
int Get_VEKExport_Class_Values(const VEKExportObject* object, VEKExportClassValues* values);
// Stores the values (null: zeros) into a placed object's class data.
// The result of Set_VEK_Param_Values, or 0 without such an object.
int Set_VEKExport_Class_Values(VEKExportObject* object, const VEKExportClassValues* values);
int Get_VEKExport_Typed_Int(const VEKExportObject* object, int type, int i);
double Get_VEKExport_Typed_Double(const VEKExportObject* object, int type, int i);
char* Get_VEKExport_Typed_String(const VEKExportObject* object, int type, int i);
// Int 2 of the parameter block of a placed object or an axis frame, else 0.
int Get_VEKExport_Third_Int(const VEKExportObject* object);

#endif
