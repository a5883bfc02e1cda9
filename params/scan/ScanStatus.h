// What a number read found at the reading position. The reader passes it on
// to those who explain a conversion, who need nothing else of the scanner.
#pragma once

#include <cstdint>

namespace ign {

enum class TScanStatus : std::uint8_t {
  kNumber,      // a number was read and stored
  kNotANumber,  // text that is no number; nothing was consumed
  kEndOfInput,  // only white space was left
};

}  // namespace ign
