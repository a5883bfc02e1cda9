// The fresh run: a conversion as the first one after the program starts, so
// that no result depends on files converted before. A new set gets the
// start-up adjustment, then the text is read, adjusted and written.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "params/IgnReader.h"
#include "params/ParameterSet.h"

namespace ign {

// The set a fresh run starts from: every byte zero, then the start-up
// adjustment (gain 60, time_const 20).
TParameterSet FreshSet();

// Converts `input` in a fresh run: appends the version-2006 file to `output`
// and returns true, or returns false and leaves `output` alone when `input`
// lacks the version-2005 key. `written`, when given, receives the set as
// written (or as read, when the key is missing).
bool ConvertFresh(std::string_view input, std::string& output, TReadObserver* observer = nullptr,
                  TParameterSet* written = nullptr);

// As above, reading `in` to its end through the reader's buffer, so that an
// input of any length takes the same memory.
bool ConvertFresh(std::istream& in, std::string& output, TReadObserver* observer = nullptr,
                  TParameterSet* written = nullptr);

}  // namespace ign
