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

#include "params/Encoding.h"
#include "params/ParameterSet.h"

namespace ign {

// A run of consecutive elements of one field that take consecutive values.
struct TSegment {
  std::string_view field;  // the field's name in TParameterSet
  std::uint16_t offset;    // byte offset of the run's first element
  std::uint8_t first;      // index of that element within its field
  std::uint8_t count;      // number of values the run takes
  TEncoding encoding;
};

struct TKeyRule {
  std::string_view name;
  std::uint8_t value_count;
  std::uint8_t segment_count;
  std::array<TSegment, 9> segments;

  std::span<const TSegment> Segments() const { return {segments.data(), segment_count}; }
  bool IsSigned() const { return segments[0].encoding == TEncoding::kSigned; }
};

// The version pair that a version-2005 file carries before its keys.
inline constexpr std::string_view kVersionKey = "ZANTROVA_KEY";
inline constexpr std::uint16_t kVersion2005 = 37;

// No key takes more values than a map has.
inline constexpr unsigned kMostKeyValues = 150;

inline constexpr std::size_t kKeyCount = 52;

// The kKeyCount keys, in the order in which the reader tests a token against them.
std::span<const TKeyRule> KeyTable();

// The key whose name is exactly `token`, or nullptr. "ZANTROVA_KEY" is no key.
const TKeyRule* FindKey(std::string_view token);

// Where the value at `index` (0-based, below value_count) of `key` is stored.
struct TValueSlot {
  const TSegment* segment;
  std::uint8_t element;  // index within the segment's field
  std::uint16_t offset;  // byte offset of that element in TParameterSet
};
TValueSlot SlotOf(const TKeyRule& key, unsigned index);

}  // namespace ign
