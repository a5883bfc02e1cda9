// A whole conversion of one version-2005 text, as the first conversion of a
// fresh run does it: a new set, the start-up adjustment, read, adjust, write.
// Batch tools use it so that no result depends on the files converted before.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "params/IgnReader.h"

namespace ign {

// Appends the version-2006 file to `output` and returns true, or returns false
// and leaves `output` alone when `input` lacks the version-2005 key.
bool ConvertIgn2005To2006(std::string_view input, std::string& output,
                          TReadObserver* observer = nullptr);

// As above, reading `in` to its end through the reader's buffer, so that an
// input of any length takes the same memory.
bool ConvertIgn2005To2006(std::istream& in, std::string& output, TReadObserver* observer = nullptr);

}  // namespace ign
