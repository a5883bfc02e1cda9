// The conversion report as people read it.
#pragma once

#include <ostream>

#include "cli/Change.h"

namespace ign {

// Prints the changes of one file, values of one key that changed alike on one
// line merged into one row, then the file's summary line. `written` tells
// whether the output was written (false for --dry-run).
void PrintTextReport(std::ostream& out, const TFileReport& report, bool written);

}  // namespace ign
