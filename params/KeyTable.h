// The vocabulary of a version-2005 parameter file: every key, how many values
// follow it, where each value goes in the set and how it is encoded.
//
// The reader walks this table; the conversion report uses it to name the field
// and element behind every value position.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "params/FieldRun.h"
#include "params/ParameterSet.h"

namespace ign {

struct TKeyRule {
  std::string_view name;
  std::uint8_t value_count;
  std::uint8_t run_count;
  std::array<TFieldRun, 9> runs;  // in the order of the values

  std::span<const TFieldRun> Runs() const { return {runs.data(), run_count}; }
  bool IsSigned() const { return runs[0].encoding == TEncoding::kSigned; }
};

// The version pair that a version-2005 file carries before its keys.
inline constexpr std::string_view kVersionKey = "ZANTROVA_KEY";
inline constexpr std::uint16_t kVersion2005 = 37;

// No key takes more values than a map has.
inline constexpr unsigned kMostKeyValues = kMapSize;

inline constexpr std::size_t kKeyCount = 52;

// The kKeyCount keys, in the order in which the reader tests a token against them.
std::span<const TKeyRule> KeyTable();

// The key whose name is exactly `token`, or nullptr. "ZANTROVA_KEY" is no key.
// One hash and one compare, however long the table.
const TKeyRule* FindKey(std::string_view token);

// Where the value at `index` (0-based, below value_count) of `key` is stored.
struct TValueSlot {
  const TFieldRun* run;
  std::uint8_t element;  // index within the run's field
  std::uint16_t offset;  // byte offset of that element in TParameterSet
};
TValueSlot SlotOf(const TKeyRule& key, unsigned index);

}  // namespace ign
