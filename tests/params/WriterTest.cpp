#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "params/IgnWriter.h"
#include "tests/params/FilledSet.h"

namespace ign {
namespace {

std::string Write(const TParameterSet& set) {
  std::string out;
  WriteIgn2006(set, out);
  return out;
}

// Splits at CR LF; every line must end with one.
std::vector<std::string> Lines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t at; (at = file.find("\r\n", begin)) != std::string::npos; begin = at + 2) {
    lines.push_back(file.substr(begin, at - begin));
  }
  EXPECT_EQ(begin, file.size()) << "text after the last line end";
  return lines;
}

TParameterSet Filled(std::uint8_t byte) {
  TParameterSet set = FilledSet(byte);
  set.version_matched = byte != 0;
  return set;
}

// Line lengths without the line end, line by line.
std::vector<std::size_t> ExpectedLengths() {
  std::vector<std::size_t> lengths = {19, 0, 19, 31, 30, 17, 17, 0, 18, 18, 18, 25, 18, 18, 18, 0};
  for (int block = 0; block < 9; ++block) {
    for (int line = 0; line < 11; ++line) lengths.push_back(103);
    lengths.push_back(13);
  }
  for (std::size_t n : {103, 103, 19, 103, 103, 19, 25, 25, 19, 19,  43,  43,
                        73,  73,  73, 73,  37,  37, 0,  18, 19, 103, 103, 0}) {
    lengths.push_back(n);
  }
  for (int line = 0; line < 7; ++line) lengths.push_back(103);
  return lengths;
}

TEST(Writer, FixedLayoutWhateverTheSetHolds) {
  for (std::uint8_t byte : {0, 1, 99, 100, 128, 255}) {
    const std::string file = Write(Filled(byte));
    EXPECT_EQ(file.size(), kIgn2006Size) << int(byte);
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    std::vector<std::size_t> lengths;
    for (const std::string& line : Lines(file)) lengths.push_back(line.size());
    EXPECT_EQ(lengths, ExpectedLengths()) << int(byte);
    EXPECT_EQ(lengths.size(), kIgn2006Lines);
    EXPECT_EQ(file.find('\n'), file.find("\r\n") + 1);
    EXPECT_EQ(Lines(file)[0], "ZANTROVA_KEY    51 ");
  }
}

TEST(Writer, WorkedExample) {
  TParameterSet set;
  set.bike = 2;
  set.limiter[0] = 180;
  set.limiter[1] = 190;
  set.limiter[2] = 200;
  set.power_out_rpm1[0] = 60;
  set.power_out_rpm2[0] = 100;
  set.power_out_flag[0] = 1;
  set.not_act_lim1 = 0;
  set.not_act_rpm = 1;
  for (int i = 0; i < 15; ++i) set.rpm_ign_1[i] = static_cast<std::uint8_t>(20 + 10 * i);
  std::memset(set.ign_1, 30, sizeof set.ign_1);

  const char* const expected =
      "ZANTROVA_KEY    51 \r\n"
      "\r\n"
      "BIKE             2 \r\n"
      "LIMITER       9000  9500 10000 \r\n"
      "POWER_OUT     3000  5000     1\r\n"
      "    0     0     0\r\n"
      "    0     0     0\r\n"
      "\r\n"
      "NO_READING       0\r\n"
      "RPM2             0\r\n"
      "EXT_MON          0\r\n"
      "MODE             0     0 \r\n"
      "ACT_LIM1         1\r\n"
      "ACT_RPM          0\r\n"
      "ACT_OIL          0\r\n"
      "\r\n"
      "RPM_IGN_1     1000  1500  2000  2500  3000  3500  4000  4500  5000  5500  6000  6500  7000  "
      "7500  8000 \r\n"
      "IGN_1           30    30    30    30    30    30    30    30    30    30    30    30    30  "
      "  30    30 \r\n";
  const std::string file = Write(set);
  EXPECT_EQ(file.substr(0, std::strlen(expected)), expected);
}

// The line of `file` that starts with `key` followed by a blank.
std::string LineOf(const std::string& file, const std::string& key) {
  for (const std::string& line : Lines(file)) {
    if (line.rfind(key + " ", 0) == 0) return line;
  }
  return "";
}

TEST(Writer, Cells) {
  TParameterSet set;
  set.rpm2 = 7;
  set.not_act_lim1 = 1;
  set.retard_1[0] = 0;
  set.retard_1[1] = 100;
  set.start[0] = 255;
  set.tps_2 = 0;
  set.choke_2[0] = 255;
  set.limiter[0] = 255;
  const std::string file = Write(set);
  EXPECT_EQ(LineOf(file, "RPM2"), "RPM2             1");
  EXPECT_EQ(LineOf(file, "ACT_LIM1"), "ACT_LIM1         0");
  EXPECT_EQ(LineOf(file, "RETARD").substr(0, 25), "RETARD        -100     0 ");
  EXPECT_EQ(LineOf(file, "START").substr(0, 19), "START          155 ");
  EXPECT_EQ(LineOf(file, "TPS"), "TPS              0  2500 ");
  EXPECT_EQ(LineOf(file, "LIMITER").substr(0, 19), "LIMITER      12750 ");
  EXPECT_NE(file.find("\r\n               355   100   100   100 \r\n"), std::string::npos);
  set.tps_2 = 255;
  EXPECT_EQ(LineOf(Write(set), "TPS"), "TPS              0  5050 ");
}

TEST(Writer, StreamGetsTheSameBytes) {
  const TParameterSet set = Filled(77);
  std::ostringstream out(std::ios::binary);
  WriteIgn2006(set, out);
  EXPECT_EQ(out.str(), Write(set));
}

TEST(Writer, AppendsToWhatTheBufferHolds) {
  std::string out = "head";
  WriteIgn2006(TParameterSet{}, out);
  EXPECT_EQ(out.size(), 4 + kIgn2006Size);
  EXPECT_EQ(out.substr(0, 8), "headZANT");
}

}  // namespace
}  // namespace ign
