// Converting every input of the command line.
#pragma once

#include "cli/Options.h"

namespace ign {

// Converts each input as a fresh run, tells what became of each on standard
// error (and in the report on standard output), in the order of the inputs,
// and returns the exit status: 0 when every input was converted, 1 when any
// failed (the others are converted all the same), 3 with --strict when
// nothing failed but something unexpected happened.
int RunBatch(const TOptions& options);

}  // namespace ign
