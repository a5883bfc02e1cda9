#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "params/IgnReader.h"
#include "tests/params/FilledSet.h"

namespace ign {
namespace {

// Reads `text` into a set that starts all zero (or as `before` leaves it).
TParameterSet Read(const std::string& text, const TParameterSet& before = {}) {
  TParameterSet set = before;
  ReadIgn2005(text, set);
  return set;
}

std::string Repeat(const std::string& value, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += value + " ";
  return out;
}

struct TReadCase {
  const char* name;
  std::string text;
  std::function<void(const TParameterSet&)> check;
};

// Test listings show a case by its name, not by its bytes.
void PrintTo(const TReadCase& c, std::ostream* out) { *out << c.name; }

class ReaderCases : public ::testing::TestWithParam<TReadCase> {};

TEST_P(ReaderCases, StoresWhatTheFileSays) {
  const TReadCase& c = GetParam();
  TParameterSet set = Read(c.text);
  EXPECT_TRUE(set.version_matched);
  c.check(set);
}

const std::string kPair = "ZANTROVA_KEY 37\n";

INSTANTIATE_TEST_SUITE_P(
    Keys, ReaderCases,
    ::testing::Values(
        TReadCase{"Bike", kPair + "BIKE 3", [](const TParameterSet& s) { EXPECT_EQ(s.bike, 3); }},
        TReadCase{"EverythingBeforeThePairIsIgnored",
                  "BIKE 5 ZANTROVA_KEY 36 BIKE 6 ZANTROVA_KEY 37 BIKE 7",
                  [](const TParameterSet& s) { EXPECT_EQ(s.bike, 7); }},
        TReadCase{"UnknownTokenAndItsNumbersAreSkipped", kPair + "FOO 1 2 3 BIKE 4",
                  [](const TParameterSet& s) { EXPECT_EQ(s.bike, 4); }},
        TReadCase{"LimiterWrapsAtTheByte", kPair + "LIMITER 12000 12750 15000",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.limiter[0], 240);
                    EXPECT_EQ(s.limiter[1], 255);
                    EXPECT_EQ(s.limiter[2], 44);
                  }},
        TReadCase{"ActLim1ZeroIsNegated", kPair + "ACT_LIM1 0 ACT_RPM 2",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.not_act_lim1, 1);
                    EXPECT_EQ(s.not_act_rpm, 0);
                  }},
        TReadCase{"Tps", kPair + "TPS 100 4000",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.tps_1, 10);
                    EXPECT_EQ(s.tps_2, 150);
                  }},
        TReadCase{"RetardIsSignedWithOffset", kPair + "RETARD -5 0 " + Repeat("1", 18),
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.retard_1[0], 95);
                    EXPECT_EQ(s.retard_1[1], 100);
                    EXPECT_EQ(s.retard_2[9], 101);
                  }},
        TReadCase{"Choke", kPair + "CHOKE 1 2 3 4 100 110 120 130",
                  [](const TParameterSet& s) {
                    const std::uint8_t first[] = {1, 2, 3, 4}, second[] = {0, 10, 20, 30};
                    EXPECT_EQ(0, std::memcmp(s.choke_1, first, 4));
                    EXPECT_EQ(0, std::memcmp(s.choke_2, second, 4));
                  }},
        TReadCase{"ChokeBelowHundredWraps", kPair + "CHOKE 0 0 0 0 90 0 0 0",
                  [](const TParameterSet& s) { EXPECT_EQ(s.choke_2[0], 246); }},
        TReadCase{
            "PowerOutTriplesInterleave", kPair + "POWER_OUT 3000 3500 1 4000 4500 0 5000 5500 1",
            [](const TParameterSet& s) {
              const std::uint8_t rpm1[] = {60, 80, 100}, rpm2[] = {70, 90, 110}, flag[] = {1, 0, 1};
              EXPECT_EQ(0, std::memcmp(s.power_out_rpm1, rpm1, 3));
              EXPECT_EQ(0, std::memcmp(s.power_out_rpm2, rpm2, 3));
              EXPECT_EQ(0, std::memcmp(s.power_out_flag, flag, 3));
            }},
        TReadCase{"EndIsAnOrdinaryKeyInTheMiddle", kPair + "END " + Repeat("-3", 15) + "BIKE 9",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.end[0], 97);
                    EXPECT_EQ(s.end[14], 97);
                    EXPECT_EQ(s.bike, 9);
                  }},
        TReadCase{"SecondBlockWins",
                  kPair + "IGN_1 " + Repeat("1", 150) + "IGN_1 " + Repeat("2", 150),
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.ign_1[0], 2);
                    EXPECT_EQ(s.ign_1[149], 2);
                  }},
        TReadCase{"MissingNumberRepeatsTheLastOne", kPair + "IGN_1 7 8 x BIKE 4",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.ign_1[0], 7);
                    EXPECT_EQ(s.ign_1[1], 8);
                    EXPECT_EQ(s.ign_1[2], 8);
                    EXPECT_EQ(s.ign_1[149], 8);
                    EXPECT_EQ(s.bike, 4);  // "x" is then an unknown token
                  }},
        TReadCase{"LoneSignIsNoNumberAndConsumesNothing", kPair + "MODE 5 - BIKE 6",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.mode[1], 5);
                    EXPECT_EQ(s.bike, 6);
                  }},
        TReadCase{"NumberEndsAtItsLastDigit", kPair + "BIKE 12BIKES 34",
                  [](const TParameterSet& s) { EXPECT_EQ(s.bike, 12); }},
        TReadCase{"DigitsThenKeyAreTwoTokens", kPair + "MODE 12 3ACT_OIL 1",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.mode[1], 3);
                    EXPECT_EQ(s.act_oil, 1);  // the rest of "3ACT_OIL" is a key of its own
                  }},
        TReadCase{"MinusOnUnsignedWrapsLikeTheCLibrary", kPair + "BIKE -5 ACCEL 10 -50",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.bike, 65531 % 256);
                    EXPECT_EQ(s.accel_2, (65536 - 50) / 50 % 256);
                  }},
        TReadCase{"PlusSignIsAccepted", kPair + "BIKE +8",
                  [](const TParameterSet& s) { EXPECT_EQ(s.bike, 8); }},
        TReadCase{"HugeNumbersReduceModulo65536", kPair + "BIKE 65573 MODE 99999999999999999999 1",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.bike, 37);
                    // 10^20 - 1 mod 65536 = 65535
                    EXPECT_EQ(s.mode[0], 255);
                  }},
        TReadCase{"EndOfInputInsideAKeyRepeats", kPair + "ALARM 400 420",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.alarm[0], 20);
                    EXPECT_EQ(s.alarm[14], 21);
                  }},
        TReadCase{"ScannedValueCrossesKeys", kPair + "BIKE 9 MODE x",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.mode[0], 9);
                    EXPECT_EQ(s.mode[1], 9);
                  }},
        TReadCase{"VersionNumberIsTheFirstScannedValue", kPair + "BIKE x",
                  [](const TParameterSet& s) { EXPECT_EQ(s.bike, 37); }},
        TReadCase{"KeysAreCaseSensitiveAndWhole", kPair + "bike 1 BIKES 2 GAIN 9 ZANTROVA_KEY 37",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.bike, 0);
                    EXPECT_EQ(s.gain[0], 0);
                  }},
        TReadCase{"AllWhiteSpaceSeparates", "ZANTROVA_KEY\t37\r\nBIKE\v\f 11\r\n",
                  [](const TParameterSet& s) { EXPECT_EQ(s.bike, 11); }},
        TReadCase{"PositionTakesThirtyOneValues",
                  kPair + "POSITION_B " + Repeat("500", 15) + Repeat("25", 15) + "31",
                  [](const TParameterSet& s) {
                    EXPECT_EQ(s.position_b_rpm[14], 10);
                    EXPECT_EQ(s.position_b[0], 5);
                    EXPECT_EQ(s.position_b_param, 31);
                  }}),
    [](const ::testing::TestParamInfo<TReadCase>& info) { return info.param.name; });

TEST(Reader, VersionMismatchChangesNoParameter) {
  const TParameterSet before = FilledSet(0xA5);
  for (const std::string text : {"ZANTROVA_KEY 51\nBIKE 3\n", "", "BIKE 3", "ZANTROVA_KEY",
                                 "ZANTROVA_KEY x 37 BIKE 3", "zantrova_key 37 BIKE 3"}) {
    TParameterSet set = before;
    EXPECT_FALSE(ReadIgn2005(text, set)) << text;
    EXPECT_EQ(0, std::memcmp(&set, &before, sizeof set)) << text;
  }
}

TEST(Reader, ClearsTheFlagAndKeepsFieldsTheFileLacks) {
  TParameterSet set;
  set.version_matched = true;
  set.bike = 42;
  EXPECT_FALSE(ReadIgn2005(std::string("nothing"), set));
  EXPECT_TRUE(ReadIgn2005(kPair + "MODE 1 2", set));
  EXPECT_EQ(set.bike, 42);
}

// One file's last number must not leak into the next reading.
TEST(Reader, ScannedValueStartsAtZeroInEveryCall) {
  TParameterSet set;
  ASSERT_TRUE(ReadIgn2005(kPair + "BIKE 55", set));
  TParameterSet second;
  EXPECT_FALSE(ReadIgn2005(std::string("ZANTROVA_KEY x"), second));
  ASSERT_TRUE(ReadIgn2005(kPair + "START x", second));
  EXPECT_EQ(second.start[0], 100);  // the signed value starts at 0 too
}

TEST(Reader, SecondVersionPairIsTwoUnknownTokens) {
  TParameterSet set = Read(kPair + "ZANTROVA_KEY 37 BIKE 2");
  EXPECT_EQ(set.bike, 2);
}

TEST(Reader, OverlongTokensAreNoKeys) {
  const std::string glued = "BIKE" + std::string(300, 'X');
  TParameterSet set = Read(kPair + glued + " 9 " + std::string(100000, 'Y') + " BIKE 4");
  EXPECT_EQ(set.bike, 4);
  // An overlong token before the pair does not hide the pair.
  EXPECT_TRUE(Read(std::string(70000, 'Z') + " " + kPair).version_matched);
}

TEST(Reader, StreamAndMemoryAgree) {
  const std::string text = kPair + "BIKE 3 LIMITER 100 200 x RETARD -1 -2 3 END 9";
  TParameterSet from_memory, from_stream;
  ReadIgn2005(text, from_memory);
  std::istringstream in(text);
  ReadIgn2005(in, from_stream);
  EXPECT_EQ(0, std::memcmp(&from_memory, &from_stream, sizeof from_memory));
}

// Records what the reader reports, in order.
class TRecorder : public TReadObserver {
 public:
  std::vector<std::string> events;
  void OnTokenBeforeVersion(std::string_view token, std::size_t offset) override {
    events.push_back("before " + std::string(token) + "@" + std::to_string(offset));
  }
  void OnVersionPair(std::size_t offset) override {
    events.push_back("pair@" + std::to_string(offset));
  }
  void OnUnknownToken(std::string_view token, std::size_t offset) override {
    events.push_back("unknown " + std::string(token) + "@" + std::to_string(offset));
  }
  void OnKey(const TKeyRule& key, std::size_t offset) override {
    events.push_back("key " + std::string(key.name) + "@" + std::to_string(offset));
  }
  void OnValue(const TKeyRule&, unsigned index, const TValueRead& read) override {
    events.push_back("value " + std::to_string(index) + " " +
                     std::to_string(static_cast<int>(read.status)) + " " +
                     std::to_string(read.offset) + "+" + std::to_string(read.length) + "=" +
                     std::to_string(read.stored));
  }
};

TEST(Reader, ObserverHearsEveryStep) {
  TRecorder recorder;
  TParameterSet set;
  ReadIgn2005(std::string("A ZANTROVA_KEY 37 Q MODE -260 x"), set, &recorder);
  const std::vector<std::string> expected = {
      "before A@0",         "pair@2",      "unknown Q@18", "key MODE@20", "value 0 0 25+4=252",
      "value 1 1 30+0=252", "unknown x@30"};
  EXPECT_EQ(recorder.events, expected);
}

}  // namespace
}  // namespace ign
