#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "params/scan/Scanner.h"
#include "params/scan/SimdPath.h"

namespace ign {
namespace {

// Everything a scanner yields when it alternates token and number reads as
// `plan` says ('t' token, 'u' unsigned, 'd' signed), rendered as text.
std::vector<std::string> Scan(TScanner& scanner, const std::string& plan) {
  std::vector<std::string> out;
  std::uint16_t u = 0;
  std::int32_t d = 0;
  for (char step : plan) {
    if (step == 't') {
      TToken token;
      if (!scanner.ReadToken(token)) {
        out.push_back("eof");
      } else {
        out.push_back(token.too_long
                          ? "long:" + std::to_string(token.length) + "@" +
                                std::to_string(token.offset)
                          : std::string(token.text) + "@" + std::to_string(token.offset));
      }
    } else {
      const TScanStatus status = step == 'u' ? scanner.ReadUnsigned(u) : scanner.ReadSigned(d);
      const char* names[] = {"num", "nan", "end"};
      out.push_back(std::string(names[static_cast<int>(status)]) + ":" +
                    std::to_string(step == 'u' ? u : d));
    }
  }
  return out;
}

struct TScanCase {
  std::string text;
  std::string plan;
  std::vector<std::string> expected;
};

TEST(Scanner, Semantics) {
  const TScanCase cases[] = {
      {"  abc\t12 x", "tut", {"abc@2", "num:12", "x@9"}},
      {"12abc", "ut", {"num:12", "abc@2"}},
      {"-5", "u", {"num:65531"}},
      {"-5 -2147483649", "dd", {"num:-5", "num:2147483647"}},
      {"+7", "u", {"num:7"}},
      {"- 5", "utu", {"nan:0", "-@0", "num:5"}},
      {"+x", "ut", {"nan:0", "+x@0"}},
      {"x", "ut", {"nan:0", "x@0"}},
      {"   ", "ut", {"end:0", "eof"}},
      {"", "t", {"eof"}},
      {"65536 65537 131109", "uuu", {"num:0", "num:1", "num:37"}},
      {"1\v2\f3\r4", "uuuu", {"num:1", "num:2", "num:3", "num:4"}},
      {"\xC3\xA4x 1", "tu", {"\xC3\xA4x@0", "num:1"}},
      {"7-3", "ut", {"num:7", "-3@1"}},
  };
  for (const TSimdPath path : RunnablePaths()) {
    UseSimdPath(path);
    for (const TScanCase& c : cases) {
      TScanner memory(c.text);
      EXPECT_EQ(Scan(memory, c.plan), c.expected) << SimdPathName(path) << ": " << c.text;
      std::istringstream in(c.text);
      TScanner stream(in);
      EXPECT_EQ(Scan(stream, c.plan), c.expected) << SimdPathName(path) << " stream: " << c.text;
    }
  }
  UseSimdPath(RunnablePaths().back());
}

TEST(Scanner, TokenLimit) {
  const std::string longest(TScanner::kMaxToken, 'k');
  const std::string text = longest + " " + longest + "k 5";
  const std::vector<std::string> expected = {longest + "@0", "long:260@260", "num:5"};
  TScanner memory(text);
  EXPECT_EQ(Scan(memory, "ttu"), expected);
  std::istringstream in(text);
  TScanner stream(in);
  EXPECT_EQ(Scan(stream, "ttu"), expected);
}

// The stream scanner holds one buffer at a time; tokens, numbers and a sign
// that straddle a refill must come out as if the text were in memory.
TEST(Scanner, StreamBufferBoundaries) {
  for (std::size_t pad : {65530u, 65533u, 65534u, 65535u, 65536u, 131070u}) {
    const std::string text = std::string(pad, ' ') + "KEY -123456 " + std::string(pad, 'w') +
                             " 99999 -x " + std::string(300, 'q') + "Q";
    TScanner memory(text);
    const std::vector<std::string> expected = Scan(memory, "tdtuutt");
    std::istringstream in(text);
    TScanner stream(in);
    EXPECT_EQ(Scan(stream, "tdtuutt"), expected) << pad;
    EXPECT_EQ(expected[0], "KEY@" + std::to_string(pad));
    EXPECT_EQ(expected[1], "num:-123456");
    EXPECT_EQ(expected[4], "nan:34463");
  }
}

TEST(Scanner, NumberRuns) {
  // A run stops at the first position without a number; the places of the
  // numbers it read are reported.
  const std::string text = "  -42 7 +3 x 9";  // read in place: it outlives the scanner
  TScanner scanner(text);
  std::uint32_t values[5] = {};
  TScanner::TSpan spans[5] = {};
  TScanStatus stop;
  EXPECT_EQ(scanner.ReadNumbers(values, 5, stop, spans), 3u);
  EXPECT_EQ(stop, TScanStatus::kNotANumber);
  EXPECT_EQ(static_cast<std::int32_t>(values[0]), -42);
  EXPECT_EQ(values[1], 7u);
  EXPECT_EQ(values[2], 3u);
  EXPECT_EQ(spans[0].offset, 2u);
  EXPECT_EQ(spans[0].length, 3u);
  EXPECT_EQ(spans[2].offset, 8u);
  EXPECT_EQ(scanner.Offset(), 11u);
}

// Many short numbers, so that most go through the eight-byte path and some
// meet the end of the buffer; the stream and the memory scanner must agree
// with a plain digit loop.
TEST(Scanner, FastPathAgreesWithPlainDigits) {
  std::string text;
  std::vector<std::uint32_t> expected;
  std::string last;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 30000; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int digits = 1 + static_cast<int>((seed >> 8) % 9);
    std::uint32_t value = 0;
    std::string number;
    for (int d = 0; d < digits; ++d) {
      seed = seed * 1103515245u + 12345u;
      const char c = static_cast<char>('0' + (seed >> 16) % 10);
      number += c;
      value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    text += std::string(1 + (seed >> 4) % 12, (seed & 1) ? ' ' : '\n') + number;
    last = number;
    expected.push_back(value);
  }
  const unsigned count = static_cast<unsigned>(expected.size());
  for (const TSimdPath path : RunnablePaths()) {
    UseSimdPath(path);
    std::vector<std::uint32_t> from_memory(count), from_stream(count), with_places(count);
    std::vector<TScanner::TSpan> places(count);
    TScanStatus stop;
    TScanner memory(text);
    EXPECT_EQ(memory.ReadNumbers(from_memory.data(), count, stop), count);
    std::istringstream in(text);
    TScanner stream(in);
    EXPECT_EQ(stream.ReadNumbers(from_stream.data(), count, stop), count);
    TScanner placed(text);
    EXPECT_EQ(placed.ReadNumbers(with_places.data(), count, stop, places.data()), count);
    EXPECT_EQ(from_memory, expected) << SimdPathName(path);
    EXPECT_EQ(from_stream, expected) << SimdPathName(path);
    EXPECT_EQ(with_places, expected) << SimdPathName(path);
    EXPECT_EQ(text.substr(places.back().offset, places.back().length), last) << SimdPathName(path);
  }
  UseSimdPath(RunnablePaths().back());
}

}  // namespace
}  // namespace ign
