// section_work: accessors of the code word and payload of the work record.
#include "thinwall/section_work.h"

#include <cstddef>

// The slot numbers of section_work.h and the fields of the lead block.
constexpr size_t kSlot = sizeof(float);
static_assert(sizeof(NachweisDatenKopf) == WORK_SLOT_PAYLOAD * kSlot, "the lead block is 42 slots");
static_assert(offsetof(Section_Work_Record, payload) == WORK_SLOT_PAYLOAD * kSlot, "the payload begins at slot 42");
static_assert(offsetof(NachweisDatenKopf, resistance) == WORK_SLOT_RESISTANCE * kSlot, "resistance values at slot 0");
static_assert(offsetof(NachweisDatenKopf, options) == WORK_SLOT_OPTION_1 * kSlot, "option numbers at slot 16");
static_assert(offsetof(NachweisDatenKopf, dims) == WORK_SLOT_D1 * kSlot, "dimensions at slot 20");
static_assert(offsetof(NachweisDatenKopf, box_flange) == WORK_SLOT_BOX_FLANGE * kSlot, "a box's flange at slot 32");
static_assert(offsetof(NachweisDatenKopf, code) == WORK_SLOT_CODE * kSlot, "code word at slot 41");

void Set_Section_Work_Code(const void*, NachweisDatenKopf* block, int32_t code) { block->code = code; }
int32_t Get_Section_Work_Code(const void*, const NachweisDatenKopf* block) { return block->code; }
// The payload follows the lead block directly in the value array.
float* Get_Section_Work_Payload(const void*, NachweisDatenKopf* block) {
    return reinterpret_cast<Section_Work_Record*>(block)->payload;
}

void Set_Section_Work_Code_2(const void* c, NachweisDatenKopf* b, int32_t code) { Set_Section_Work_Code(c, b, code); }
int32_t Get_Section_Work_Code_2(const void* c, const NachweisDatenKopf* b) { return Get_Section_Work_Code(c, b); }
float* Get_Section_Work_Payload_2(const void* c, NachweisDatenKopf* b) { return Get_Section_Work_Payload(c, b); }
void Set_Section_Work_Code_3(const void* c, NachweisDatenKopf* b, int32_t code) { Set_Section_Work_Code(c, b, code); }
int32_t Get_Section_Work_Code_3(const void* c, const NachweisDatenKopf* b) { return Get_Section_Work_Code(c, b); }
float* Get_Section_Work_Payload_3(const void* c, NachweisDatenKopf* b) { return Get_Section_Work_Payload(c, b); }

double* Scale_Forces(double* forces, double factor) {
    if (forces)
        for (int i = 0; i < 8; i++) forces[i] *= factor;
    return forces;
}
