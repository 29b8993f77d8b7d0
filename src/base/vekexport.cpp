// Exchange files of the desktop: block lines, exchange objects with their
// object text and class data, the header and end-of-block objects, keyed
// result records with their value-name tables, and lookups over lists of
// objects.
//
// File form of one object, in this order: an empty line; the head line
// (with head text: its text block and "#EOC"); the flags line (class kind,
// plus 0x10000000 when an object text follows); the parameter block; with an
// object text its text block and "#VAZ_OBJECT_EOC"; with class data the
// class data, an empty line and "#VAZ_OBJECT_EOD". An end line that is
// missing makes the object damaged: the reader stops at the next "#VAZ_"
// line (or the head line of the next object, where none can stand between)
// instead of swallowing the objects that follow, and gives null. A text
// block that holds fewer bytes than it announces is damaged as well.
#include "base/vekexport.h"

#include <cassert>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "base/ptrarr.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "platform/desktop.h"

#define VX_CALLOC(n, s) Mem_Calloc(__FILE__, __LINE__, "null", (n), (s))
#define VX_STRDUP(s) Mem_Strdup(__FILE__, __LINE__, "null", (s))
#define VX_FREE(p) Mem_Free(__FILE__, __LINE__, "null", (p))

enum { VEK_FLAG_HAS_TEXT = 0x10000000 };

static char empty_text[1] = {0};

/* ------------------------------------------------------------ class kind 1 */

static void* Class_Create(VEKExportObject* object) { return Create_VEKClassData(object); }
static void Class_Free(void* data, const VEKObjectClass*) { Free_VEKClassData((VEKClassData*)data); }
static void* Class_Read(FILE* stream, VEKExportObject* object) {
    return Read_VEKClassData(stream, object);
}
// Class data lost on reading is written as empty data (flags 0), so that
// the file stays readable by the flags line that announced it.
static int Class_Write(FILE* stream, void* data, const VEKObjectClass*) {
    if (!data) return fputs("0\n", stream) >= 0;
    return Write_VEKClassData(stream, (const VEKClassData*)data);
}

static const VEKObjectClass class_param_data = {VEK_CLASS_PARAM_DATA, Class_Create, Class_Free, Class_Read,
                                                Class_Write};

/* ------------------------------------------------------------------ blocks */

const char* VEKExport_Block_Name(int index) {
    switch (index) {
    case VEK_BLOCK_HEADER: return "#VAZ_HEADER";
    case VEK_BLOCK_EINWNCHW: return "#VAZ_EINWNCHW";
    case VEK_BLOCK_OBJECTS: return "#VAZ_OBJECTS";
    case VEK_BLOCK_PARAM: return "#VAZ_PARAM";
    default: return "#VAZ_??????";
    }
}

int Write_VEKExport_Block(FILE* stream, int index) {
    if (!stream) return 0;
    if (fprintf(stream, "\n%s\n", VEKExport_Block_Name(index)) < 0) return 0;
    return ferror(stream) ? 0 : 1;
}

int Find_VEKExport_Block(FILE* stream, int index, int rewind_flag) {
    return Find_Keyword_Line(stream, VEKExport_Block_Name(index), rewind_flag);
}

// Kept for the whole run; only its nr changes from call to call.
static VEKExportObject* end_of_block = nullptr;

int Write_End_Of_VEKExportBlock(FILE* stream, int index) {
    if (!stream) return 0;
    if (!end_of_block) {
        end_of_block = Create_VEKExport_Object(VEK_TYPE_END_OF_BLOCK, index, -1, "End_Of_VEKExportBlock",
                                              VEK_CLASS_NONE, nullptr);
        if (!end_of_block) return 0;
    }
    end_of_block->head.nr = index;
    return Write_VEKExport_Object(stream, end_of_block);
}

/* ----------------------------------------------------------------- objects */

VEKExportObject* Create_VEKExport_Object(int type, int nr, int id, const char* name, int kind,
                                         void* data) {
    VEKExportObject* object = (VEKExportObject*)VX_CALLOC(1, sizeof(VEKExportObject));
    if (!object) return nullptr;
    Init_VEK_Object_Head(&object->head);
    Init_VEK_Param_Block(&object->params);
    if (!Set_VEK_Object_Head(type, nr, id, name, &object->head)) {
        Free_VEKExport_Object(object);
        return nullptr;
    }
    if (kind == VEK_CLASS_PARAM_DATA) {
        object->cls = &class_param_data;
        object->data = data ? data : object->cls->create(object);
        if (!object->data) {
            Free_VEKExport_Object(object);
            return nullptr;
        }
    } else {
        object->data = data;
    }
    return object;
}

void Free_VEKExport_Object(VEKExportObject* object) {
    if (!object) return;
    if (object->cls && object->cls->free && object->data) object->cls->free(object->data, object->cls);
    Free_VEK_Object_Head(&object->head);
    Free_VEK_Param_Block(&object->params);
    free(object->text);
    VX_FREE(object);
}

static int Has_Text(const VEKExportObject* object) { return object->text && object->text[0]; }

// 1 when body of the object reads back as it is written; asked before the
// first byte, so that a refused object never leaves half an object behind.
static int Body_Writable(const VEKExportObject* object) {
    if (!VEK_Param_Block_Writable(&object->params) || !Text_Block_Writable(object->text)) return 0;
    if (object->cls == &class_param_data && object->data) {
        const VEKClassData* data = (const VEKClassData*)object->data;
        if ((data->flags & VEK_CLASS_DATA_HAS_BLOCK) && !VEK_Param_Block_Writable(&data->params)) return 0;
    }
    return 1;
}

int Write_VEKExport_Object_Body(FILE* stream, const VEKExportObject* object) {
    if (!stream || !object || !Body_Writable(object)) return 0;
    if (!Write_VEK_Param_Block(stream, &object->params)) return 0;
    if (Has_Text(object)) {
        if (!Write_Text_Block(stream, object->text)) return 0;
        if (fputs("#VAZ_OBJECT_EOC\n", stream) < 0) return 0;
    }
    if (object->cls) {
        if (object->cls->write && !object->cls->write(stream, object->data, object->cls)) return 0;
        if (object->cls->kind != VEK_CLASS_NONE && fputs("\n#VAZ_OBJECT_EOD\n", stream) < 0) return 0;
    }
    return ferror(stream) ? 0 : 1;
}

int Write_VEKExport_Object(FILE* stream, const VEKExportObject* object) {
    if (!stream || !object || !VEK_Object_Head_Writable(&object->head) || !Body_Writable(object)) return 0;
    if (fputc('\n', stream) == EOF) return 0;
    if (!Write_VEK_Object_Head(stream, &object->head)) return 0;
    int flags = object->cls ? object->cls->kind : 0;
    if (Has_Text(object)) flags += VEK_FLAG_HAS_TEXT;
    if (fprintf(stream, "%d\n", flags) < 0) return 0;
    return Write_VEKExport_Object_Body(stream, object);
}

VEKExportObject* Read_VEKExport_Object(FILE* stream) {
    if (!stream) return nullptr;
    VEKExportObject* object = (VEKExportObject*)VX_CALLOC(1, sizeof(VEKExportObject));
    if (!object) return nullptr;
    int flags = 0;
    if (!Read_VEK_Object_Head(stream, &object->head) || Scan_Int(stream, 10, &flags) != 1) {
        Free_VEKExport_Object(object);
        return nullptr;
    }
    const int has_text = (flags & VEK_FLAG_HAS_TEXT) != 0;
    flags &= ~VEK_FLAG_HAS_TEXT;
    if (!Read_VEK_Param_Block(stream, 0, 0, 0, &object->params, 1)) {
        Free_VEKExport_Object(object);
        return nullptr;
    }
    // A cut object text is read to its end line all the same, so that the
    // stream stands behind the object, and then refused.
    int text_complete = 1;
    if (has_text) {
        object->text = Read_VEK_Text_Block(stream, &text_complete);
        if (!Find_VEK_End_Line(stream, "#VAZ_OBJECT_EOC", 1)) {
            Free_VEKExport_Object(object);
            return nullptr;
        }
    }
    if (flags != VEK_CLASS_NONE) {
        if (flags == VEK_CLASS_PARAM_DATA) {
            object->cls = &class_param_data;
            object->data = object->cls->read(stream, object);  // null data is kept
        }
        // A class this library does not know is skipped up to its end line;
        // its data is foreign, so only block and end lines stop the search.
        if (!Find_VEK_End_Line(stream, "#VAZ_OBJECT_EOD", flags == VEK_CLASS_PARAM_DATA)) {
            Free_VEKExport_Object(object);
            return nullptr;
        }
    }
    if (!text_complete) {
        Free_VEKExport_Object(object);
        return nullptr;
    }
    return object;
}

// Heap copy of a current-object text; null stays null. 0 when a copy failed.
static int Copy_CurOb_Text(const char* text, char** slot) {
    *slot = nullptr;
    if (!text) return 1;
    *slot = VX_STRDUP(text);
    return *slot != nullptr;
}

VEKExportObject* Create_VEKExportObject_Header(void) {
    VEKExportObject* header = Create_VEKExport_Object(VEK_TYPE_HEADER, 1, 0, "VEKExportObject_Header", VEK_CLASS_NONE,
                                                     nullptr);
    if (!header) return nullptr;
    if (!Resize_VEK_Param_Block(&header->params, 3, 0, 6)) {
        Free_VEKExport_Object(header);
        return nullptr;
    }
    header->params.ints[0] = 1;
    header->params.ints[1] = CurOb_Application_Number();
    header->params.ints[2] = CurOb_Object_Id();
    const char* texts[6] = {CurOb_Filername(),    CurOb_Basicname(),    CurOb_Suffixname(),
                            CurOb_Programname(),  CurOb_Programstring(), CurOb_Versionstring()};
    for (int i = 0; i < 6; i++)
        if (!Copy_CurOb_Text(texts[i], &header->params.strings[i])) {
            Free_VEKExport_Object(header);
            return nullptr;
        }
    return header;
}

int Write_VEKExportObject_Header(FILE* stream, const VEKExportObject* header) {
    if (!stream) return 0;
    if (header) return Write_VEKExport_Object(stream, header);
    VEKExportObject* made = Create_VEKExportObject_Header();
    if (!made) return 0;
    int ok = Write_VEKExport_Object(stream, made);
    Free_VEKExport_Object(made);
    return ok;
}

VEKExportObject* Read_VEKExportObject_Header(FILE* stream) {
    VEKExportObject* object = Read_VEKExport_Object(stream);
    if (!object) return nullptr;
    if (object->head.type != VEK_TYPE_HEADER || !Resize_VEK_Param_Block(&object->params, 3, 0, 6)) {
        Free_VEKExport_Object(object);
        return nullptr;
    }
    return object;
}

int Set_VEKExport_Object_Text(VEKExportObject* object, const char* text) {
    if (!object) return 0;
    free(object->text);
    object->text = nullptr;
    if (!text || !text[0]) return 1;
    object->text = Dup_String_N(text, (int)strlen(text));
    return object->text != nullptr;
}

char* Get_VEKExport_Object_Text(const VEKExportObject* object) {
    return object ? object->text : nullptr;
}

VEKClassData* Create_VEKClassData(VEKExportObject* object) {
    if (!object) return nullptr;
    VEKClassData* data = (VEKClassData*)VX_CALLOC(1, sizeof(VEKClassData));
    if (!data) return nullptr;
    data->flags = 0;
    Init_VEK_Param_Block(&data->params);
    return data;
}

int Write_VEKClassData(FILE* stream, const VEKClassData* data) {
    if (!stream || !data) return 0;
    if (fprintf(stream, "%d\n", data->flags) < 0) return 0;
    if ((data->flags & VEK_CLASS_DATA_HAS_BLOCK) && !Write_VEK_Param_Block(stream, &data->params)) return 0;
    return ferror(stream) ? 0 : 1;
}

VEKClassData* Read_VEKClassData(FILE* stream, VEKExportObject*) {
    if (!stream) return nullptr;
    VEKClassData* data = (VEKClassData*)VX_CALLOC(1, sizeof(VEKClassData));
    if (!data) return nullptr;
    Init_VEK_Param_Block(&data->params);
    if (Scan_Int(stream, 10, &data->flags) != 1 ||
        ((data->flags & VEK_CLASS_DATA_HAS_BLOCK) && !Read_VEK_Param_Block(stream, 0, 0, 0, &data->params, 1))) {
        Free_VEKClassData(data);
        return nullptr;
    }
    return data;
}

void Free_VEKClassData(VEKClassData* data) {
    if (!data) return;
    Free_VEK_Param_Block(&data->params);
    VX_FREE(data);
}

/* ---------------------------------------------------- keyed result records */

static const VEKValueName support_rows[13] = {
    {"ur", "mm", 12},   {"us", "mm", 13},     {"ut", "mm", 14},     {"vr", "\x89", 15},
    {"vs", "\x89", 16}, {"vt", "\x89", 17},   {"APr", "kN", 18},    {"APs", "kN", 19},
    {"APt", "kN", 20},  {"AMr", "kN/m", 21},  {"AMs", "kN/m", 22},  {"AMt", "kN/m", 23},
    {"kmod", "-", 24},
};

static const VEKValueName member_rows[13] = {
    {"ul", "mm", 0},       {"um", "mm", 1},        {"un", "mm", 2},       {"vl", "\x89", 3},
    {"vm", "\x89", 4},     {"vn", "\x89", 5},      {"N", "kN", 6},        {"V\xC1", "kN", 7},
    {"V\xD3", "kN", 8},    {"T", "kN/m", 9},       {"M\xC1", "kN/m", 10}, {"M\xD3", "kN/m", 11},
    {"kmod", "-", 24},
};

static const VEKValueNameTable support_table = {2, 13, support_rows};
static const VEKValueNameTable member_table = {2, 13, member_rows};

static void Unset_Key(int* key) {
    for (int i = 0; i < VEK_RESULT_KEY_SIZE; i++) key[i] = -1;
}

static int Record_Kind(const VEKResultRecord* record) { return record->key[VEK_RESULT_KEY_SIZE - 1]; }

VEKResultRecord* Create_VEKResult_Record(void) {
    VEKResultRecord* record = (VEKResultRecord*)VX_CALLOC(1, sizeof(VEKResultRecord));
    if (!record) return nullptr;
    Init_VEKResult_Record(record);
    return record;
}

int Init_VEKResult_Record(VEKResultRecord* record) {
    if (!record) return 0;
    Unset_Key(record->key);
    Init_VEK_Param_Block(&record->values);
    record->words[0] = record->words[1] = record->words[2] = 0;
    record->names = nullptr;
    return 1;
}

int Init_VEKResult_Key_And_Values(VEKResultRecord* record) {
    if (!record) return 0;
    Unset_Key(record->key);
    Free_VEK_Param_Block(&record->values);
    return 1;
}

int Resize_VEKResult_Values(VEKResultRecord* record, int nInt, int nDouble, int nString) {
    if (!record) return 0;
    return Resize_VEK_Param_Block(&record->values, nInt, nDouble, nString);
}

int Resize_VEKResult_Record_Values(VEKResultRecord* record, int nInt, int nDouble, int nString) {
    return Resize_VEKResult_Values(record, nInt, nDouble, nString);
}

void Free_VEKResult_Values(VEKResultRecord* record) {
    if (record) Free_VEK_Param_Block(&record->values);
}

void Free_VEKResult_Record_Values(VEKResultRecord* record) { Free_VEKResult_Values(record); }

void Free_VEKResult_Record(VEKResultRecord* record) {
    if (!record) return;
    Free_VEKResult_Values(record);
    VX_FREE(record);
}

int Write_VEKResult_Mark(FILE* stream) {
    if (!stream) return 0;
    if (fputs("\n<VAZ\n", stream) < 0) return 0;
    return ferror(stream) ? 0 : 1;
}

int Write_VEKResult_Key(FILE* stream, const int* key) {
    if (!stream || !key) return 0;
    for (int i = 0; i < VEK_RESULT_KEY_SIZE; i++)
        if (fprintf(stream, i ? "|%d" : "%d", key[i]) < 0) return 0;
    if (fputc('\n', stream) == EOF) return 0;
    return ferror(stream) ? 0 : 1;
}

int Write_VEKResult_Record(FILE* stream, const VEKResultRecord* record) {
    if (!stream || !record) return 0;
    return Write_VEKResult_Mark(stream) && Write_VEKResult_Key(stream, record->key) &&
           Write_VEK_Param_Block(stream, &record->values);
}

int Find_VEKResult_Mark(FILE* stream, int rewind_flag) {
    return Find_Keyword_Line(stream, "<VAZ", rewind_flag);
}

int Read_VEKResult_Key(FILE* stream, int* key) {
    if (!stream || !key) return 0;
    Unset_Key(key);
    for (int i = 0; i < VEK_RESULT_KEY_SIZE; i++) {
        int value;
        if (Scan_Int(stream, 10, &value) != 1) return 0;
        const int c = fgetc(stream);
        if (c == EOF) return 0;
        key[i] = value;
        if (c == '\r') {  // lines of the original program end in CRLF
            if (fgetc(stream) != '\n') return 0;
            return 1;
        }
        if (c == '\n') return 1;
        if (c != '|') return 0;
    }
    Skip_Rest_Of_Line(stream);
    return 1;
}

int Read_VEKResult_Record(FILE* stream, const int* pattern, VEKResultRecord* record) {
    if (!stream || !record) return 0;
    for (;;) {
        if (!Find_VEKResult_Mark(stream, 0)) return 0;
        if (!Read_VEKResult_Key(stream, record->key)) return 0;
        if (!pattern || Match_VEKResult_Key(record->key, pattern)) break;
    }
    Free_VEK_Param_Block(&record->values);
    return Read_VEK_Param_Block(stream, 0, 0, 0, &record->values, 1);
}

int Match_VEKResult_Key(const int* key, const int* pattern) {
    if (!pattern) return 1;
    if (!key) return 0;
    for (int i = 0; i < VEK_RESULT_KEY_SIZE; i++)
        if (pattern[i] != -1 && pattern[i] != key[i]) return 0;
    return 1;
}

int Get_VEKResult_Key_Field(const VEKResultRecord* record, int i) {
    if (!record || i < 0 || i >= VEK_RESULT_KEY_SIZE) return 0;
    return record->key[i];
}

int Get_VEKResult_Int(const VEKResultRecord* record, int i) {
    return record ? Get_VEK_Param_Int(&record->values, i) : 0;
}

double Get_VEKResult_Double(const VEKResultRecord* record, int i) {
    return record ? Get_VEK_Param_Double(&record->values, i) : 0.0;
}

char* Get_VEKResult_String(const VEKResultRecord* record, int i) {
    return record ? Get_VEK_Param_String(&record->values, i) : empty_text;
}

int Get_VEKResult_Values(const VEKResultRecord* record, const int* ids, int n, double* out) {
    if (!record || !out) {
        if (out)
            for (int k = 0; k < n; k++) out[k] = 0.0;
        return 0;
    }
    if (n < 1) return 1;
    const int kind = Record_Kind(record);
    if (ids && (kind < 0 || kind > 3)) {
        for (int k = 0; k < n; k++) out[k] = 0.0;
        return 0;
    }
    const VEKValueNameTable* table = record->names ? record->names : VEKResult_Name_Table(kind);
    for (int k = 0; k < n; k++) {
        if (!ids) {
            out[k] = Get_VEK_Param_Double(&record->values, k);
            continue;
        }
        int row = Find_VEKValueName_Index(table, ids[k]);
        out[k] = row >= 0 ? Get_VEK_Param_Double(&record->values, row) : 0.0;
    }
    return 1;
}

double Get_VEKResult_Kmod(const VEKResultRecord* record) {
    if (!record) return 0.0;
    const int kind = Record_Kind(record);
    return (kind == 2 || kind == 3) ? Get_VEK_Param_Double(&record->values, 12) : 0.0;
}

int Get_VEKResult_First_Int(const VEKResultRecord* record) {
    if (!record) return 0;
    const int kind = Record_Kind(record);
    return (kind == 2 || kind == 3) ? Get_VEK_Param_Int(&record->values, 0) : 0;
}

const VEKValueNameTable* VEKResult_Name_Table(int kind) {
    if (kind == 1 || kind == 3) return &support_table;
    if (kind == 0 || kind == 2) return &member_table;
    return nullptr;
}

const VEKValueNameTable* Get_VEKResult_Name_Table(const VEKResultRecord* record) {
    return record ? VEKResult_Name_Table(Record_Kind(record)) : nullptr;
}

int Find_VEKValueName_Index(const VEKValueNameTable* table, int id) {
    if (!table || !table->rows) return -1;
    for (int i = 0; i < table->nRows; i++)
        if (table->rows[i].id == id) return i;
    return -1;
}

const VEKValueName* Find_VEKValueName(const VEKValueNameTable* table, int id) {
    int i = Find_VEKValueName_Index(table, id);
    return i >= 0 ? &table->rows[i] : nullptr;
}

/* ------------------------------------------------------------ object queries */

int Compare_VEKExportParam_Key(const VEKExportObject* object, const VEKExportParam_Key* key) {
    if (!object || !key) return 0;
    return object->head.id == key->ID && object->head.type == key->type;
}

VEKExportObject* Find_VEKExport_Object(int type, int id, const VEKExportFile* file) {
    if (!file || !file->objects) return nullptr;
    const VEKExportParam_Key key = {id, type};
    const int n = PtrArr_Count(file->objects);
    for (int i = 0; i < n; i++) {
        VEKExportObject* object = (VEKExportObject*)PtrArr_Get(file->objects, i);
        if (Compare_VEKExportParam_Key(object, &key)) return object;
    }
    return nullptr;
}

VEKExportObject* Find_VEKExportParam_Obj(const VEKExportParam_Key* key, const VEKExportFile* file) {
    if (!key || !file) return nullptr;
    VEKExportObject* object = Find_VEKExport_Object(key->type, key->ID, file);
    if (!object) printf("Find_VEKExportParam_Obj: (type=%d, ID=%d) nicht gefunden\n", key->type, key->ID);
    return object;
}

int Get_VEKExport_Object_Axes(const VEKExportObject* object, double* out, int mode,
                              int transpose_flag) {
    if (!out) return 0;
    static const double axes[12] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    memcpy(out, axes, sizeof axes);
    if (!object) return 0;
    const VEKParamBlock* p = &object->params;
    if (object->head.type == VEK_TYPE_PLACED_OBJECT) {
        for (int i = 0; i < 3; i++) out[i] = Get_VEK_Param_Double(p, 1 + i);
        const double a = Get_VEK_Param_Double(p, 13);
        if (mode == 2) {
            if (fabs(a) > 1e-10) {
                out[6] = 0, out[7] = cos(a), out[8] = sin(a);
                out[9] = 0, out[10] = -sin(a), out[11] = cos(a);
            }
        } else {
            for (int i = 3; i < 12; i++) out[i] = Get_VEK_Param_Double(p, i + 1);
            if (mode == 1 && fabs(a) > 1e-10) {
                const double c = cos(a), s = sin(a);
                for (int k = 3; k < 12; k += 3) {
                    const double y = out[k + 1], z = out[k + 2];
                    out[k + 1] = y * c - z * s;
                    out[k + 2] = y * s + z * c;
                }
            }
        }
    } else if (object->head.type == VEK_TYPE_AXIS_FRAME) {
        for (int i = 0; i < 12; i++) out[i] = Get_VEK_Param_Double(p, i);
    }
    if (transpose_flag == 1) {
        std::swap(out[4], out[6]);
        std::swap(out[5], out[9]);
        std::swap(out[8], out[10]);
    }
    return 1;
}

// The kind-1 class data of an object, null when it has none.
static VEKClassData* Param_Class_Data(const VEKExportObject* object) {
    if (!object || !object->cls || object->cls->kind != VEK_CLASS_PARAM_DATA) return nullptr;
    return (VEKClassData*)object->data;
}

int Get_VEKExport_Class_Values(const VEKExportObject* object, VEKExportClassValues* values) {
    if (!values) return 0;
    memset(values, 0, sizeof *values);
    if (!object || !object->cls || !object->data) return 0;
    const VEKClassData* data = Param_Class_Data(object);
    if (object->head.type == VEK_TYPE_PLACED_OBJECT && data && (data->flags & VEK_CLASS_DATA_HAS_BLOCK)) {
        for (int i = 0; i < 5; i++) values->ints[i] = Get_VEK_Param_Int(&data->params, i);
        for (int i = 0; i < 8; i++) values->doubles[i] = Get_VEK_Param_Double(&data->params, i);
        values->string = Get_VEK_Param_String(&data->params, 0);
    }
    return 1;
}

int Set_VEKExport_Class_Values(VEKExportObject* object, const VEKExportClassValues* values) {
    VEKClassData* data = Param_Class_Data(object);
    if (!data || object->head.type != VEK_TYPE_PLACED_OBJECT) return 0;
    static const int zero_ints[5] = {0, 0, 0, 0, 0};
    static const double zero_doubles[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    char* string = nullptr;
    if (values) {
        data->flags |= VEK_CLASS_DATA_HAS_BLOCK;
        string = values->string;
    } else {
        data->flags &= ~VEK_CLASS_DATA_HAS_BLOCK;
    }
    return Set_VEK_Param_Values(&data->params, values ? values->ints : zero_ints, nullptr, 5, nullptr,
                                values ? values->doubles : zero_doubles, nullptr, 8, nullptr,
                                &string, nullptr, 1, nullptr);
}

// The object's parameter block when it has class data of the given type.
static const VEKParamBlock* Typed_Block(const VEKExportObject* object, int type) {
    if (!object || !object->cls || !object->data || object->head.type != type) return nullptr;
    return &object->params;
}

int Get_VEKExport_Typed_Int(const VEKExportObject* object, int type, int i) {
    const VEKParamBlock* p = Typed_Block(object, type);
    return p ? Get_VEK_Param_Int(p, i) : 0;
}

double Get_VEKExport_Typed_Double(const VEKExportObject* object, int type, int i) {
    const VEKParamBlock* p = Typed_Block(object, type);
    return p ? Get_VEK_Param_Double(p, i) : 0.0;
}

char* Get_VEKExport_Typed_String(const VEKExportObject* object, int type, int i) {
    const VEKParamBlock* p = Typed_Block(object, type);
    return p ? Get_VEK_Param_String(p, i) : empty_text;
}

int Get_VEKExport_Third_Int(const VEKExportObject* object) {
    if (!object || (object->head.type != VEK_TYPE_PLACED_OBJECT && object->head.type != VEK_TYPE_AXIS_FRAME))
        return 0;
    return Get_VEK_Param_Int(&object->params, 2);
}
