// The status line after a conversion, in one language.
#pragma once

#include <cstdint>
#include <string>

#include "report/Change.h"

namespace ign {

// "Converted. No value changed unexpectedly." and its other forms: how many
// values changed unexpectedly and how many words were skipped, or that the
// file was not checked. `language` is a TLanguage value.
std::string StatusLine(const TReasonCounts& counts, std::uint8_t language);

}  // namespace ign
