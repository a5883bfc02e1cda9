// Bringing a parameter set into its version-2006 form.
#pragma once

#include "params/ParameterSet.h"

namespace ign {

// Sets every element of `gain` to 60 and of `time_const` to 20, and lowers
// every element of `alarm` by 20 steps, not below 0. Not idempotent: each call
// lowers `alarm` again. Everything else is left as it is.
void AdjustFor2006(TParameterSet& set);

}  // namespace ign
