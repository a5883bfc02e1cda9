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

#include "params/ParameterSet.h"

namespace ign {

// How a file value becomes a byte of the set, and how the writer prints the
// byte again.
enum class TEncoding : std::uint8_t {
  kPlain,          // byte = value mod 256, printed as the byte
  kSwitch,         // stored like kPlain, printed as 1 for nonzero, 0 for zero
  kNegatedSwitch,  // byte = 1 when the value is 0, else 0; printed negated back
  kDiv5,           // byte = (value div 5) mod 256, printed as byte x 5
  kDiv10,
  kDiv20,
  kDiv50,
  kTps2,    // byte = (value div 10 + 6) mod 256, printed as (byte + 250) x 10
  kChoke2,  // byte = (value - 100) mod 256, printed as byte + 100
  kSigned,  // read as a signed number, byte = (value + 100) mod 256,
            // printed as byte - 100
};

// A run of consecutive elements of one field that take consecutive values.
struct TSegment {
  std::string_view field;   // the field's name in TParameterSet
  std::uint16_t offset;     // byte offset of the run's first element
  std::uint8_t first;       // index of that element within its field
  std::uint8_t count;       // number of values the run takes
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

// No key takes more values than a map has.
inline constexpr unsigned kMostKeyValues = 150;

// The 52 keys, in the order in which the reader tests a token against them.
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

// The byte that an unsigned file value (already reduced modulo 65536) becomes.
inline std::uint8_t EncodeUnsigned(TEncoding encoding, std::uint16_t value) {
  switch (encoding) {
    case TEncoding::kPlain:
    case TEncoding::kSwitch:
      return static_cast<std::uint8_t>(value);
    case TEncoding::kNegatedSwitch:
      return value == 0 ? 1 : 0;
    case TEncoding::kDiv5:
      return static_cast<std::uint8_t>(value / 5);
    case TEncoding::kDiv10:
      return static_cast<std::uint8_t>(value / 10);
    case TEncoding::kDiv20:
      return static_cast<std::uint8_t>(value / 20);
    case TEncoding::kDiv50:
      return static_cast<std::uint8_t>(value / 50);
    case TEncoding::kTps2:
      return static_cast<std::uint8_t>(value / 10 + 6);
    case TEncoding::kChoke2:
      return static_cast<std::uint8_t>(value - 100);
    case TEncoding::kSigned:
      // Signed positions are read with the signed scanner; an unsigned value
      // here is taken as the same number.
      return static_cast<std::uint8_t>(value + 100);
  }
  return 0;
}

// The byte that a signed file value becomes.
inline std::uint8_t EncodeSigned(std::int32_t value) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) + 100u);
}

// The number that the version-2006 writer prints for `byte`.
int FileValueOf(TEncoding encoding, std::uint8_t byte);

}  // namespace ign
