// Eight bytes at a time in plain integers: loading them from any address,
// and classifying white space and digits without a branch per byte where
// there are no vector instructions. A parameter file is mostly short runs of
// blanks and digits, where byte loops spend their time in mispredicted loop
// exits.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace ign::swar {

static_assert(std::endian::native == std::endian::little,
              "the byte masks below read the first character from the lowest byte");

inline constexpr std::uint64_t kHigh = 0x8080808080808080ull;
inline constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;

constexpr std::uint64_t Repeat(std::uint8_t byte) { return 0x0101010101010101ull * byte; }

inline std::uint64_t Load(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// High bit set in each byte that is white space of the C locale (blank, \t,
// \n, \v, \f, \r). Bytes of 0x80 and above are never white space. The
// additions stay within each byte, so no byte disturbs its neighbour.
inline std::uint64_t SpaceMask(std::uint64_t x) {
  const std::uint64_t y = x & kLow7;
  const std::uint64_t at_least_9 = (y + Repeat(0x80 - 9)) & kHigh;
  const std::uint64_t at_least_14 = (y + Repeat(0x80 - 14)) & kHigh;
  const std::uint64_t blank = ~((y ^ Repeat(' ')) + kLow7) & kHigh;
  return ((at_least_9 & ~at_least_14) | blank) & ~x & kHigh;
}

// High bit set in each byte that is a decimal digit.
inline std::uint64_t DigitMask(std::uint64_t x) {
  const std::uint64_t y = x & kLow7;
  const std::uint64_t at_least_0 = (y + Repeat(0x80 - '0')) & kHigh;
  const std::uint64_t above_9 = (y + Repeat(0x80 - '9' - 1)) & kHigh;
  return at_least_0 & ~above_9 & ~x & kHigh;
}

// The high bits of the eight bytes of `mask` as eight bits, the first byte's
// lowest.
inline unsigned PackHighBits(std::uint64_t mask) {
  return static_cast<unsigned>(((mask >> 7) * 0x0102040810204080ull) >> 56);
}

}  // namespace ign::swar
