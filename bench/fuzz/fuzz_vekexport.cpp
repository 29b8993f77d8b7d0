// Fuzz target: the exchange-file object readers. The whole input is an
// exchange file; objects are read one after another (as the file loader
// does) until the reader refuses and looked up as the program does, then
// the header reader, the block search and the class-data reader are tried
// from the start. The objects that were read go through the writer, one
// after another, and are read back: every field must come back equal.
#include <vector>

#include "fuzz_common.h"

#include "base/ptrarr.h"
#include "base/vekexport.h"

namespace {

void Same_Object(const fuzz::Round_Trip& rt, const VEKExportObject& a, const VEKExportObject& b) {
    rt.Int("head type", a.head.type, b.head.type);
    rt.Int("head nr", a.head.nr, b.head.nr);
    rt.Int("head id", a.head.id, b.head.id);
    rt.Text("head name", a.head.name, b.head.name);
    rt.Text("head text", a.head.text, b.head.text);
    fuzz::Same_Param_Block(rt, a.params, b.params);
    rt.Text("object text", a.text, b.text);
    rt.Int("class kind", a.cls ? a.cls->kind : 0, b.cls ? b.cls->kind : 0);
    // Class data lost on reading is written as empty data (flags 0).
    VEKClassData empty{};
    const auto* da = a.cls && a.data ? static_cast<const VEKClassData*>(a.data) : &empty;
    const auto* db = b.cls && b.data ? static_cast<const VEKClassData*>(b.data) : &empty;
    rt.Int("class data flags", da->flags, db->flags);
    fuzz::Same_Param_Block(rt, da->params, db->params);
}

// Writes the objects one after another and reads them back.
void Round_Trip(PtrArr* objects) {
    std::vector<VEKExportObject*> first;
    for (int i = 0; i < PtrArr_Count(objects); ++i)
        first.push_back(static_cast<VEKExportObject*>(PtrArr_Get(objects, i)));
    fuzz::Records_Round_Trip(
        "object", first, [](FILE* out, VEKExportObject* o) { return Write_VEKExport_Object(out, o) == 1; },
        [](FILE* in, VEKExportObject** o) { return (*o = Read_VEKExport_Object(in)) != nullptr; },
        [](const fuzz::Round_Trip& rt, VEKExportObject* a, VEKExportObject* b) { Same_Object(rt, *a, *b); },
        [](VEKExportObject** o) { Free_VEKExport_Object(*o); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    PtrArr* objects = PtrArr_Create(8);
    VEKExportFile file{objects};
    for (int i = 0; objects && i < 64; ++i) {
        VEKExportObject* o = Read_VEKExport_Object(f);
        if (!o) break;
        const int n = PtrArr_Count(objects);
        (void)PtrArr_Set(objects, n, o);
        if (PtrArr_Count(objects) != n + 1) {
            Free_VEKExport_Object(o);
            break;
        }
    }
    if (objects) Round_Trip(objects);
    for (int i = 0; objects && i < PtrArr_Count(objects); ++i) {
        VEKExportObject* o = static_cast<VEKExportObject*>(PtrArr_Get(objects, i));
        VEKExportClassValues values{};
        (void)Get_VEKExport_Class_Values(o, &values);  // the string stays the block's
        double axes[12];
        for (int mode = 0; mode < 3; ++mode) (void)Get_VEKExport_Object_Axes(o, axes, mode, mode & 1);
        for (int k = -1; k < 4; ++k) {
            (void)Get_VEKExport_Typed_Int(o, o->head.type, k);
            (void)Get_VEKExport_Typed_Double(o, o->head.type, k);
            (void)Get_VEKExport_Typed_String(o, o->head.type, k);
        }
        (void)Get_VEKExport_Third_Int(o);
        (void)Get_VEKExport_Object_Text(o);
        (void)Find_VEKExport_Object(o->head.type, o->head.id, &file);
    }
    for (int i = 0; objects && i < PtrArr_Count(objects); ++i)
        Free_VEKExport_Object(static_cast<VEKExportObject*>(PtrArr_Get(objects, i)));
    PtrArr_Destroy(objects);
    std::rewind(f);
    if (VEKExportObject* h = Read_VEKExportObject_Header(f)) Free_VEKExport_Object(h);
    std::rewind(f);
    for (int b = VEK_BLOCK_HEADER; b <= VEK_BLOCK_PARAM; ++b) (void)Find_VEKExport_Block(f, b, 1);
    std::rewind(f);
    if (VEKExportObject* o =
            Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 1, 1, "x", VEK_CLASS_PARAM_DATA, nullptr)) {
        if (VEKClassData* d = Read_VEKClassData(f, o)) Free_VEKClassData(d);
        Free_VEKExport_Object(o);
    }
    std::fclose(f);
    return 0;
}
