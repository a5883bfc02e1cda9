// A run of consecutive elements of one field of the set that stand for
// consecutive values of a file: the unit of the version-2005 key table and
// of the version-2006 layout alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "params/Encoding.h"
#include "params/ParameterSet.h"

namespace ign {

struct TFieldRun {
  std::string_view field;  // the field's name in TParameterSet
  std::uint16_t offset;    // byte offset of the run's first element in the set
  std::uint8_t first;      // index of that element within its field
  std::uint8_t count;      // how many elements, each one value
  TEncoding encoding;
};

// The run over a whole field, and the one over `n` elements from `from` on.
// clang-format off
#define IGN_FIELD(field, encoding)                                                   \
  ::ign::TFieldRun{#field,                                                           \
                   static_cast<std::uint16_t>(offsetof(::ign::TParameterSet, field)), \
                   0,                                                                \
                   static_cast<std::uint8_t>(sizeof(::ign::TParameterSet::field)),    \
                   ::ign::TEncoding::encoding}
#define IGN_FIELD_PART(field, from, n, encoding)                                     \
  ::ign::TFieldRun{#field,                                                           \
                   static_cast<std::uint16_t>(offsetof(::ign::TParameterSet, field)   \
                                              + (from)),                             \
                   static_cast<std::uint8_t>(from),                                  \
                   static_cast<std::uint8_t>(n),                                     \
                   ::ign::TEncoding::encoding}
// clang-format on

}  // namespace ign
