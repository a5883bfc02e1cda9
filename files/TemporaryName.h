// The names that temporary files get beside their targets,
// ".NAME.<hex>.tmp", and the one way of finding a free one.
#pragma once

#include <string>
#include <string_view>

namespace ign {

// 16 random hexadecimal digits.
std::string RandomHex();

// What one try at making a temporary file under a name came to.
enum class TTry { kMade, kTaken, kFailed };

// Calls `make` with fresh temporary names for the target `name` (narrow or
// wide) until it makes one, fails other than by the name being taken, or 16
// names were taken. Returns the name made, or an empty one.
template <class TString, class TMake>
TString MakeTemporary(const TString& name, TMake make) {
  for (int tries = 0; tries < 16; ++tries) {
    // Long names are cut so that the suffix fits.
    TString temporary = static_cast<typename TString::value_type>('.') + name.substr(0, 100);
    for (const char c : "." + RandomHex() + ".tmp") {
      temporary += static_cast<typename TString::value_type>(c);
    }
    switch (make(temporary)) {
      case TTry::kMade:
        return temporary;
      case TTry::kTaken:
        continue;
      case TTry::kFailed:
        return {};
    }
  }
  return {};
}

}  // namespace ign
