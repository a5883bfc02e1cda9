// Converting every input of the command line.
#pragma once

#include "cli/Options.h"

namespace ign {

// Converts each input as a fresh run, reports failures on standard error and
// returns the exit status: 0 when every input was converted, 1 when any
// failed (the others are converted all the same).
int RunBatch(const TOptions& options);

}  // namespace ign
