// dwqb_results: walks over the result tree of the several-part calculation.
#include "thinwall/dwqb_results.h"

int Walk_DWQB_Part(DWQB_Teil* part, const DWQB_Result_Visitor* v) {
    if (!part || part->kind != 3 || !v) return 0;
    if (v->on_part_begin && !v->on_part_begin(part, v->data2)) return 0;
    for (int i = 0; i < part->n_members; i++) {
        void* member = part->members ? part->members[i] : nullptr;
        if (!member || DWQB_Member_Kind(member) == 3) continue;
        auto* result = static_cast<DWQB_Linienergebnis*>(member);
        if (v->on_line && !v->on_line(result->line, result->kind, v->data3)) return 0;
    }
    for (int i = 0; i < part->n_shear_lines && part->shear_lines; i++)
        if (v->on_shear_entry && !v->on_shear_entry(&part->shear_lines[i], v->data4)) return 0;
    if (v->on_part_end && !v->on_part_end(part, v->data2)) return 0;
    return 1;
}

int Walk_DWQB_Result(const DWQB_Result_Visitor* v) {
    DWQB_Teil* head = DWQB_Aktueller_Teil;
    if (!head || head->kind != 3 || !v) return 0;
    if (v->on_section && !v->on_section(head, v->data1)) return 0;
    for (int i = 0; i < head->n_members; i++) {
        auto* part = static_cast<DWQB_Teil*>(head->members ? head->members[i] : nullptr);
        if (!Walk_DWQB_Part(part, v)) return 0;
    }
    if (v->on_section_end) return v->on_section_end(head, v->data1) != 0;
    return 1;
}
