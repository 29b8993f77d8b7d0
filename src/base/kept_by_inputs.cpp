// kept_by_inputs: the count of the times every kept value was forgotten.
#include "base/kept_by_inputs.h"

namespace {

unsigned long generation = 0;

}  // namespace

void Forget_Kept_Inputs(void) { ++generation; }

unsigned long Kept_Inputs_Generation(void) { return generation; }
