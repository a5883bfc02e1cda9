#include <gtest/gtest.h>

#include <cstdint>

#include "params/scan/Classify.h"
#include "params/scan/SimdPath.h"

namespace ign {
namespace {

// Every byte value at several places of a block, among neighbours of every
// value that try to disturb it: each path must give the bits of a plain test
// of each byte.
TEST(Classify, EveryPathAgreesWithBytes) {
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
      for (const TSimdPath path : RunnablePaths()) {
        std::uint64_t other_bits = 0, digit_bits = 0;
        ClassifierFor(path)(block, 1, &other_bits, &digit_bits);
        ASSERT_EQ(other_bits, ~(space | digit))
            << SimdPathName(path) << " " << byte << " at " << at;
        ASSERT_EQ(digit_bits, digit) << SimdPathName(path) << " " << byte << " at " << at;
      }
    }
  }
}

}  // namespace
}  // namespace ign
