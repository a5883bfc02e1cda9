#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "params/Convert.h"
#include "params/IgnWriter.h"
#include "params/New.h"

namespace ign {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const char* const kExamples[] = {"two-stroke-125.ign", "enduro-250.ign", "kart-100.ign"};

TEST(Convert, ExamplesConvert) {
  for (const char* name : kExamples) {
    const std::string input = Slurp(std::string(IGN_EXAMPLES_DIR) + "/" + name);
    ASSERT_FALSE(input.empty()) << name;
    std::string output;
    ASSERT_TRUE(ConvertFresh(input, output)) << name;
    EXPECT_EQ(output.size(), kIgn2006Size);

    // Line ends of the input do not matter.
    std::string lf = input;
    std::erase(lf, '\r');
    std::string from_lf;
    ASSERT_TRUE(ConvertFresh(lf, from_lf));
    EXPECT_EQ(from_lf, output) << name;

    // The program's own output is no version-2005 file.
    std::string again = "unchanged";
    EXPECT_FALSE(ConvertFresh(output, again));
    EXPECT_EQ(again, "unchanged");
  }
}

TEST(Convert, EveryConversionStartsFresh) {
  std::string first, second, alone;
  ASSERT_TRUE(
      ConvertFresh("ZANTROVA_KEY 37 BIKE 9 ALARM 1000 1000 1000 1000 1000 1000 "
                   "1000 1000 1000 1000 1000 1000 1000 1000 1000",
                   first));
  ASSERT_TRUE(ConvertFresh("ZANTROVA_KEY 37 MODE 1 2", second));
  TParameterSet set;
  AdjustFor2006(set);
  set.mode[0] = 1;
  set.mode[1] = 2;
  AdjustFor2006(set);
  WriteIgn2006(set, alone);
  EXPECT_EQ(second, alone);
}

// The window keeps one set across conversions: a key the second file lacks
// carries the first file's value, and ALARM is lowered once more.
TEST(Convert, OneSetAcrossConversionsCarriesValues) {
  TParameterSet set;
  AdjustFor2006(set);
  ASSERT_TRUE(ReadIgn2005(std::string("ZANTROVA_KEY 37 BIKE 9 ALARM 1000 1000 1000 1000 1000 1000 "
                                      "1000 1000 1000 1000 1000 1000 1000 1000 1000"),
                          set));
  AdjustFor2006(set);
  EXPECT_EQ(set.alarm[0], 30);
  ASSERT_TRUE(ReadIgn2005(std::string("ZANTROVA_KEY 37 MODE 1 2"), set));
  AdjustFor2006(set);
  EXPECT_EQ(set.bike, 9);
  EXPECT_EQ(set.alarm[14], 10);
}

}  // namespace
}  // namespace ign
