#include "params/New.h"

#include <cstring>
#include <iterator>
#include <utility>

namespace ign {
namespace {

// One field's fate, with everything known at compile time, so that each
// becomes a fill or a short loop of fixed length.
template <TFieldFate kFate>
void Apply(std::uint8_t* bytes) {
  std::uint8_t* field = bytes + kFate.offset;
  if constexpr (kFate.fate == TFate::kReplaced) {
    std::memset(field, kFate.value, kFate.count);
  } else if constexpr (kFate.fate == TFate::kLowered) {
    for (std::size_t i = 0; i < kFate.count; ++i) {
      field[i] = field[i] > kFate.value ? static_cast<std::uint8_t>(field[i] - kFate.value) : 0;
    }
  }
}

template <std::size_t... kIndex>
void ApplyAll(std::uint8_t* bytes, std::index_sequence<kIndex...>) {
  (Apply<kFates[kIndex]>(bytes), ...);
}

}  // namespace

void AdjustFor2006(TParameterSet& set) {
  ApplyAll(reinterpret_cast<std::uint8_t*>(&set), std::make_index_sequence<std::size(kFates)>());
}

}  // namespace ign
