#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "params/IgnReader.h"
#include "params/IgnWriter.h"
#include "params/New.h"
#include "tests/params/FilledSet.h"

namespace ign {
namespace {

TEST(Adjust, StartUpValues) {
  TParameterSet set;
  AdjustFor2006(set);
  TParameterSet expected;
  for (int i = 0; i < 15; ++i) {
    expected.gain[i] = 60;
    expected.time_const[i] = 20;
  }
  EXPECT_EQ(0, std::memcmp(&set, &expected, sizeof set));
}

TEST(Adjust, AlarmIsLoweredByTwentyStepsNotBelowZero) {
  struct {
    std::uint8_t before, after;
  } const cases[] = {{21, 1}, {20, 0}, {0, 0}, {255, 235}, {19, 0}, {40, 20}};
  for (const auto& c : cases) {
    TParameterSet set;
    set.alarm[7] = c.before;
    AdjustFor2006(set);
    EXPECT_EQ(set.alarm[7], c.after) << int(c.before);
  }
}

TEST(Adjust, EachRunLowersAgain) {
  TParameterSet set;
  set.alarm[0] = 100;
  AdjustFor2006(set);
  AdjustFor2006(set);
  EXPECT_EQ(set.alarm[0], 60);
}

TEST(Adjust, LeavesEverythingElse) {
  TParameterSet set = FilledSet(0x77);
  set.version_matched = true;
  TParameterSet before = set;
  AdjustFor2006(set);
  std::memcpy(set.gain, before.gain, 15);
  std::memcpy(set.time_const, before.time_const, 15);
  std::memcpy(set.alarm, before.alarm, 15);
  EXPECT_EQ(0, std::memcmp(&set, &before, sizeof set));
}

std::string AlarmLineOf(const std::string& file) {
  const auto at = file.find("\r\nALARM");
  return file.substr(at + 2, file.find("\r\n", at + 2) - at - 2);
}

TEST(Adjust, AlarmGainAndTimeConstInTheWrittenFile) {
  TParameterSet set;
  ASSERT_TRUE(ReadIgn2005(std::string("ZANTROVA_KEY 37 ALARM 5000 420 419 0 0 0 0 0 0 0 0 0 0 0 0 "
                                      "LEVEL 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 "
                                      "TIME_CONST 200 1 1 1 1 1 1 1 1 1 1 1 1 1 1"),
                          set));
  AdjustFor2006(set);
  std::string file;
  WriteIgn2006(set, file);
  EXPECT_EQ(AlarmLineOf(file).substr(0, 37), "ALARM         4600    20     0     0 ");
  std::string gain = "GAIN         ", time_const = "TIME_CONST   ";
  for (int i = 0; i < 15; ++i) {
    gain += "   60 ";
    time_const += "   20 ";
  }
  EXPECT_NE(file.find("\r\n" + gain + "\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\n" + time_const + "\r\n"), std::string::npos);
}

}  // namespace
}  // namespace ign
