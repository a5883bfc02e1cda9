// Bringing a parameter set into its version-2006 form, and what version 2006
// does with each field that version 2005 reads.
#pragma once

#include <cstddef>
#include <cstdint>

#include "params/ParameterSet.h"

namespace ign {

enum class TFate : std::uint8_t {
  kKept,      // written as read
  kReplaced,  // the adjustment gives every element `value`, whatever was read
  kLowered,   // the adjustment lowers every element by `value` steps, not below 0
  kDropped,   // version 2006 has no row for it
};

struct TFieldFate {
  std::uint16_t offset;  // the field's first byte in TParameterSet
  std::uint8_t count;    // its elements
  TFate fate;
  std::uint8_t value;
};

// Every field not listed is kept. Version 2006 measures the knock gain and
// time constant otherwise, so the version-2005 rows cannot be carried over
// and get the unit's defaults; it counts the alarm threshold from another
// base; it has no reference frequency and no knock angle.
inline constexpr TFieldFate kFates[] = {
    {offsetof(TParameterSet, gain), sizeof(TParameterSet::gain), TFate::kReplaced, 60},
    {offsetof(TParameterSet, time_const), sizeof(TParameterSet::time_const), TFate::kReplaced, 20},
    {offsetof(TParameterSet, alarm), sizeof(TParameterSet::alarm), TFate::kLowered, 20},
    {offsetof(TParameterSet, ref_frek), sizeof(TParameterSet::ref_frek), TFate::kDropped, 0},
    {offsetof(TParameterSet, knock_ca), sizeof(TParameterSet::knock_ca), TFate::kDropped, 0},
};

// What version 2006 does with the field that holds byte `offset` of the set.
constexpr TFate FateOf(std::size_t offset) {
  for (const TFieldFate& entry : kFates) {
    if (offset >= entry.offset && offset < std::size_t{entry.offset} + entry.count) {
      return entry.fate;
    }
  }
  return TFate::kKept;
}

// Gives every replaced field its value and lowers every lowered one: `gain`
// becomes 60 and `time_const` 20 in every element, and every element of
// `alarm` goes down by 20 steps, not below 0. Not idempotent: each call
// lowers `alarm` again. Everything else is left as it is.
void AdjustFor2006(TParameterSet& set);

}  // namespace ign
