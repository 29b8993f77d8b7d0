// section_work: accessors of the code word and payload of the work record.
#include "thinwall/section_work.h"

#include <cstddef>

static_assert(sizeof(NachweisDatenKopf) == 42 * 4, "the lead block is 42 slots");
static_assert(offsetof(Section_Work_Record, payload) == 42 * 4, "the payload begins at slot 42");

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
