#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "params/IgnReader.h"
#include "params/IgnWriter.h"
#include "params/reference/Reference.h"
#include "params/scan/SimdPath.h"
#include "tests/params/FilledSet.h"

namespace ign {
namespace {

// Random texts built from what makes reading hard: keys in any order, numbers
// of any length and sign, words glued to numbers, lone signs, every kind of
// white space in runs long and short.
class TTextMaker {
 public:
  explicit TTextMaker(unsigned seed) : random_(seed) {}

  std::string Make(std::size_t tokens) {
    std::string text;
    if (Pick(4) != 0) text += "ZANTROVA_KEY" + Space() + "37" + Space();
    for (std::size_t i = 0; i < tokens; ++i) text += Piece() + Space();
    return text;
  }

 private:
  unsigned Pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(random_); }

  std::string Digits(unsigned count) {
    std::string digits;
    for (unsigned i = 0; i < count; ++i) digits += static_cast<char>('0' + Pick(10));
    return digits;
  }

  std::string Space() {
    static const char kSpaces[] = {' ', ' ', ' ', '\t', '\n', '\r', '\v', '\f'};
    std::string space;
    const unsigned count = Pick(6) == 0 ? 1 + Pick(40) : 1 + Pick(5);
    for (unsigned i = 0; i < count; ++i) space += kSpaces[Pick(sizeof kSpaces)];
    return space;
  }

  std::string Piece() {
    const auto keys = KeyTable();
    switch (Pick(12)) {
      case 0:
      case 1:
        return std::string(keys[Pick(static_cast<unsigned>(keys.size()))].name);
      case 2:
        return "ZANTROVA_KEY";
      case 3:
        return (Pick(2) ? "-" : "+") + Digits(1 + Pick(6));
      case 4:
        return Digits(1 + Pick(25));
      case 5: {
        static const std::string kOdd[] = {"x",
                                           "-",
                                           "+",
                                           "--5",
                                           "12abc",
                                           "7-3",
                                           "bike",
                                           "END1",
                                           "\xC3\xA4",
                                           "ZANTROVA_KEY37",
                                           std::string(300, 'L')};
        return kOdd[Pick(std::size(kOdd))];
      }
      default:
        return Digits(1 + Pick(5));
    }
  }

  std::mt19937 random_;
};

// Every instruction path this machine can run must read as the plain
// reading does.
TEST(Agreement, ReaderMatchesPlainReadingOnEveryPath) {
  for (const TSimdPath path : RunnablePaths()) {
    ASSERT_TRUE(UseSimdPath(path));
    TTextMaker maker(20061);
    for (int round = 0; round < 3000; ++round) {
      const std::string text = maker.Make(round % 50 == 0 ? 40000 : 1 + round % 400);
      TParameterSet expected, from_memory, from_stream;
      const bool matched = reference::Read(text, expected);
      EXPECT_EQ(ReadIgn2005(text, from_memory), matched);
      std::istringstream in(text);
      EXPECT_EQ(ReadIgn2005(in, from_stream), matched);
      ASSERT_EQ(0, std::memcmp(&expected, &from_memory, sizeof expected))
          << SimdPathName(path) << " round " << round;
      ASSERT_EQ(0, std::memcmp(&expected, &from_stream, sizeof expected))
          << SimdPathName(path) << " round " << round;
    }
  }
  UseSimdPath(RunnablePaths().back());
}

// Sets of one byte everywhere and random sets: the table-driven writer must
// print what the plain one prints.
TEST(Agreement, WriterMatchesPlainWriting) {
  const auto write = [](const TParameterSet& set) {
    std::string out;
    WriteIgn2006(set, out);
    return out;
  };
  for (int byte = 0; byte < 256; ++byte) {
    const TParameterSet set = FilledSet(static_cast<std::uint8_t>(byte));
    ASSERT_EQ(write(set), reference::Write(set)) << "every byte " << byte;
  }
  std::mt19937 random(2006);
  for (int round = 0; round < 5000; ++round) {
    TParameterSet set;
    auto* bytes = reinterpret_cast<std::uint8_t*>(&set);
    for (std::size_t i = 0; i < sizeof set; ++i) bytes[i] = static_cast<std::uint8_t>(random());
    set.version_matched = (round & 1) != 0;
    ASSERT_EQ(write(set), reference::Write(set)) << "round " << round;
  }
}

}  // namespace
}  // namespace ign
