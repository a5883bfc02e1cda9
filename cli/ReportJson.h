// The conversion report as one JSON document, for scripts.
#pragma once

#include <ostream>
#include <vector>

#include "cli/Change.h"

namespace ign {

// Writes {"files": [{"file", "converted", "changes": [...]}, ...]}. A change
// has "line" (not for a missing key), "key" (not for an unknown token),
// "index" (a value position within the key, from 0), "row" and "column" (maps
// only), "from" (the text in the file), "to" (the number written, not for a
// dropped row) and "reason".
void PrintJsonReport(std::ostream& out, const std::vector<TFileReport>& reports);

}  // namespace ign
