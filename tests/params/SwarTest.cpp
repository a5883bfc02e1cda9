#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "params/Classify.h"
#include "params/SimdPath.h"
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

namespace ign {
namespace {

// The vector and the word-wide classification, and the block runs of every
// path, must give the bits of a plain byte test.
TEST(Classify, BlocksAgreeWithBytes) {
  char block[64];
  for (int byte = 0; byte < 256; ++byte) {
    for (int at = 0; at < 64; at += 7) {
      for (int i = 0; i < 64; ++i) block[i] = static_cast<char>((i * 37 + byte) & 0xFF);
      block[at] = static_cast<char>(byte);
      std::uint64_t space = 0, digit = 0;
      for (int i = 0; i < 64; ++i) {
        const int c = static_cast<unsigned char>(block[i]);
        if (c == ' ' || (c >= '\t' && c <= '\r')) space |= std::uint64_t{1} << i;
        if (c >= '0' && c <= '9') digit |= std::uint64_t{1} << i;
      }
      const TBlockBits fast = ClassifyBlock(block);
      const TBlockBits portable = ClassifyBlockPortable(block);
      ASSERT_EQ(fast.space, space) << byte << " at " << at;
      ASSERT_EQ(fast.digit, digit) << byte << " at " << at;
      ASSERT_EQ(portable.space, space) << byte << " at " << at;
      ASSERT_EQ(portable.digit, digit) << byte << " at " << at;
      for (const TSimdPath path : RunnablePaths()) {
        std::uint64_t other_bits = 0, digit_bits = 0;
        ClassifierFor(path)(block, 1, &other_bits, &digit_bits);
        ASSERT_EQ(other_bits, ~(space | digit)) << SimdPathName(path) << " " << byte;
        ASSERT_EQ(digit_bits, digit) << SimdPathName(path) << " " << byte;
      }
    }
  }
}

}  // namespace
}  // namespace ign
