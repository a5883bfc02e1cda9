#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "params/Swar.h"

namespace ign::swar {
namespace {

bool IsCSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Every byte value at every position of the word, with neighbours that try
// to disturb it (0x00, 0x7F, 0xFF).
TEST(Swar, MasksClassifyEveryByte) {
  for (int byte = 0; byte < 256; ++byte) {
    for (unsigned char filler : {0x00, 0x7F, 0xFF, 0x20, 0x39}) {
      for (int at = 0; at < 8; ++at) {
        char bytes[8];
        std::memset(bytes, filler, 8);
        bytes[at] = static_cast<char>(byte);
        const std::uint64_t word = Load(bytes);
        const bool space = (SpaceMask(word) >> (8 * at + 7)) & 1;
        const bool digit = (DigitMask(word) >> (8 * at + 7)) & 1;
        EXPECT_EQ(space, IsCSpace(byte)) << byte << " at " << at;
        EXPECT_EQ(digit, byte >= '0' && byte <= '9') << byte << " at " << at;
      }
    }
  }
}

TEST(Swar, LeadingRunAndDigits) {
  struct {
    const char* text;
    unsigned blanks, digits;
    std::uint32_t value;
  } const cases[] = {
      {"   12750", 3, 5, 12750}, {"\r\n7 x    ", 2, 1, 7}, {"        ", 8, 0, 0},
      {"99999999", 0, 8, 99999999}, {"0000001 ", 0, 7, 1}, {"x1234567", 0, 0, 0},
  };
  for (const auto& c : cases) {
    char padded[16] = {};  // eight-byte reads from any place of the text
    std::memcpy(padded, c.text, std::strlen(c.text));
    const std::uint64_t word = Load(padded);
    EXPECT_EQ(LeadingRun(SpaceMask(word)), c.blanks) << c.text;
    const std::uint64_t digits_word = Load(padded + (c.blanks < 8 ? c.blanks : 0));
    const unsigned digits = LeadingRun(DigitMask(digits_word));
    EXPECT_EQ(digits, c.digits) << c.text;
    if (digits > 0) {
      EXPECT_EQ(ParseDigits(digits_word, digits), c.value) << c.text;
    }
  }
}

TEST(Swar, ParseDigitsOfEveryLength) {
  std::uint32_t limit = 1;
  for (unsigned count = 1; count <= 8; ++count) {
    limit *= 10;
    for (std::uint32_t n : {0u, 1u, 9u, 10u, 12345u, 98765432u, 50505050u}) {
      const std::uint32_t value = n % limit;
      std::string text = std::to_string(value);
      text = std::string(count - text.size(), '0') + text + "zzzzzzzz";
      EXPECT_EQ(ParseDigits(Load(text.data()), count), value) << text;
    }
  }
}

}  // namespace
}  // namespace ign::swar
