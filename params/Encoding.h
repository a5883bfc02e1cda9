// How one byte of the parameter set stands for a number in a parameter file.
//
// Every encoding is a row of one table: reading a file value into a byte,
// printing the byte again and the step between two printable values all come
// from that row, so the three cannot disagree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ign {

enum class TEncoding : std::uint8_t {
  kPlain,
  kSwitch,         // 0 or 1 in the file; the byte keeps the number read
  kNegatedSwitch,  // the byte holds 1 where the file's flag is 0
  kTimes5,
  kTimes10,
  kTimes20,
  kTimes50,  // engine speeds: steps of 50, 0 to 12750
  kTps2,     // (byte + 250) x 10, 2500 to 5050
  kChoke2,   // byte + 100, 100 to 355
  kSigned,   // byte - 100, -100 to 155; read as a signed number
};

enum class TCellKind : std::uint8_t {
  kNumber,         // "%5u " or "%5d ": six characters
  kSwitch,         // "    1" for a nonzero byte, "    0" for zero: five
  kNegatedSwitch,  // the opposite digit
};

// File value = (byte + offset) x scale for numbers; switches print 0 or 1.
struct TEncodingRule {
  std::int16_t scale;
  std::int16_t offset;
  bool is_signed;
  TCellKind cell;
};

inline constexpr std::array<TEncodingRule, 10> kEncodings = {{
    {1, 0, false, TCellKind::kNumber},         // kPlain
    {1, 0, false, TCellKind::kSwitch},         // kSwitch
    {1, 0, false, TCellKind::kNegatedSwitch},  // kNegatedSwitch
    {5, 0, false, TCellKind::kNumber},         // kTimes5
    {10, 0, false, TCellKind::kNumber},        // kTimes10
    {20, 0, false, TCellKind::kNumber},        // kTimes20
    {50, 0, false, TCellKind::kNumber},        // kTimes50
    {10, 250, false, TCellKind::kNumber},      // kTps2
    {1, 100, false, TCellKind::kNumber},       // kChoke2
    {1, -100, true, TCellKind::kNumber},       // kSigned
}};

constexpr const TEncodingRule& RuleOf(TEncoding encoding) {
  return kEncodings[static_cast<std::size_t>(encoding)];
}

// The distance between two values the byte can tell apart; a file value in
// between is cut down to the step below.
constexpr int StepOf(TEncoding encoding) { return RuleOf(encoding).scale; }

// The byte that a file value becomes: the number divided by the scale with
// truncation, less the offset, modulo 256. Unsigned positions pass the value
// already reduced modulo 65536, signed ones the signed number.
constexpr std::uint8_t EncodeValue(TEncoding encoding, std::int32_t value) {
  const TEncodingRule& rule = RuleOf(encoding);
  if (rule.cell == TCellKind::kNegatedSwitch) return value == 0 ? 1 : 0;
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value / rule.scale - rule.offset));
}
constexpr std::uint8_t EncodeUnsigned(TEncoding encoding, std::uint16_t value) {
  return EncodeValue(encoding, value);
}
constexpr std::uint8_t EncodeSigned(std::int32_t value) {
  return EncodeValue(TEncoding::kSigned, value);
}

// The number that the version-2006 writer prints for `byte`.
constexpr int FileValueOf(TEncoding encoding, std::uint8_t byte) {
  const TEncodingRule& rule = RuleOf(encoding);
  switch (rule.cell) {
    case TCellKind::kSwitch:
      return byte != 0 ? 1 : 0;
    case TCellKind::kNegatedSwitch:
      return byte != 0 ? 0 : 1;
    case TCellKind::kNumber:
      break;
  }
  return (byte + rule.offset) * rule.scale;
}

// The lowest and highest number a file can give that reads back unchanged.
constexpr int LowestValueOf(TEncoding encoding) {
  const int a = FileValueOf(encoding, 0), b = FileValueOf(encoding, 255);
  return a < b ? a : b;
}
constexpr int HighestValueOf(TEncoding encoding) {
  const int a = FileValueOf(encoding, 0), b = FileValueOf(encoding, 255);
  return a > b ? a : b;
}

}  // namespace ign
