// The conversion report as ign-convert gives it: where it goes, what it does
// to the exit status, and the one line a file with unexpected changes gets
// without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/cli/RunProgram.h"
#include "tests/report/Troubled.h"

namespace ign::test {
namespace {

namespace fs = std::filesystem;

TEST(Report, OneLinePerFileWithUnexpectedChangesWithoutReport) {
  TTempFolder folder;
  // All keys but one value as in a clean example: "BIKE" 300 wraps.
  std::string one = ReadBytes(Example("kart-100.ign"));
  one.replace(one.find("BIKE              7"), 19, "BIKE            300");
  WriteBytes(folder / "one.ign", one);
  WriteBytes(folder / "engine.ign", "ZANTROVA_KEY 37 LIMITER 15000 12790 9000");
  fs::create_directory(folder / "out");
  const TRunResult run = RunConvert(
      {"-d", folder / "out", folder / "one.ign", folder / "engine.ign", Example("kart-100.ign")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  const std::string lines[] = {
      "ign-convert: " + (folder / "one.ign") + ": 1 value changed unexpectedly (see --report)\n",
      "ign-convert: " + (folder / "engine.ign") + ": ",
      " values changed unexpectedly (see --report)\n",
  };
  for (const std::string& line : lines) EXPECT_NE(run.err.find(line), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("kart-100.ign"), std::string::npos) << "a clean file says nothing";
  EXPECT_EQ(ReadBytes(fs::path(folder / "out") / "one.ign").size(), 12844u);
}

TEST(Report, StrictExitsWithThreeAndStillWritesUnlessDryRun) {
  TTempFolder folder;
  const std::string in = folder / "in.ign";
  WriteBytes(in, "ZANTROVA_KEY 37 LIMITER 15000 9500 10000");

  TRunResult run = RunConvert({"--strict", in, "-o", folder / "out.ign"});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(in + ": "), std::string::npos);
  EXPECT_EQ(ReadBytes(folder / "out.ign"), RunConvert({in, "-o", "-"}).out);

  run = RunConvert({"--strict", "--dry-run", "--report=json", in, "-o", folder / "dry.ign"});
  EXPECT_NE(run.out.find("{\"files\": [\n  {\"file\": "), std::string::npos) << run.out;
  EXPECT_EQ(run.status, 3);
  EXPECT_FALSE(fs::exists(folder / "dry.ign"));

  // A failed input outranks an unexpected change.
  fs::create_directory(folder / "out");
  run = RunConvert({"--strict", "-d", folder / "out", in, folder / "missing.ign"});
  EXPECT_EQ(run.status, 1);
  // Without --strict a change is no failure.
  EXPECT_EQ(RunConvert({"--report", in, "-o", folder / "out.ign", "-f"}).status, 0);
}

TEST(Report, LeavesTheOutputAsItIs) {
  TTempFolder folder;
  const std::string plain = RunConvert({"-", "-o", "-"}, kTroubled).out;
  ASSERT_EQ(plain.size(), 12844u);
  for (const char* report : {"--report", "--report=json"}) {
    const TRunResult run = RunConvert({report, "-", "-o", folder / "out.ign", "-f"}, kTroubled);
    EXPECT_EQ(run.status, 0) << report;
    EXPECT_EQ(ReadBytes(folder / "out.ign"), plain) << report;
  }
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.ign"});
}

TEST(Report, RefusesToShareStandardOutputWithTheFile) {
  for (const char* report : {"--report", "--report=json"}) {
    const TRunResult run = RunConvert({report, "-", "-o", "-"}, kTroubled);
    EXPECT_EQ(run.status, 2) << report;
    EXPECT_EQ(run.out, "") << report;
  }
  EXPECT_EQ(RunConvert({"--report=xml", "--dry-run", Example("kart-100.ign")}).status, 2);
  // A dry run writes nothing, so standard output is free for the report.
  EXPECT_EQ(RunConvert({"--report", "--dry-run", "-", "-o", "-"}, kTroubled).status, 0);
}

// Names that are no UTF-8 come out whole and apart from each other.
TEST(Report, JsonKeepsNamesThatAreNoUtf8) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows file names are always Unicode";
#endif
  TTempFolder folder;
  const std::string names[] = {folder / "bad\xff.ign", folder / "bad\xfe.ign"};
  const TRunResult run =
      RunConvert({"--dry-run", "--report=json", names[0], names[1], folder / "good.ign"});
  const auto files = nlohmann::json::parse(run.out)["files"];
  ASSERT_EQ(files.size(), 3u);
  for (std::size_t i = 0; i < 2; ++i) {
    std::string bytes;
    const std::string hex = files[i]["file_hex"];
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2) {
      bytes += static_cast<char>(std::stoi(hex.substr(at, 2), nullptr, 16));
    }
    EXPECT_EQ(bytes, names[i]);
    EXPECT_EQ(files[i]["file"], folder / "bad\xEF\xBF\xBD.ign");  // U+FFFD, to be read
  }
  EXPECT_FALSE(files[2].contains("file_hex"));
}

TEST(Report, UnmatchedAndUnreadableInputsAreNotConverted) {
  const TRunResult run = RunConvert({"--dry-run", "-"}, "ZANTROVA_KEY 51 BIKE 2");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "<stdin>: not converted\n");
  EXPECT_EQ(run.err, "ign-convert: <stdin>: Unmatched version of *.ign file!\n");
}

}  // namespace
}  // namespace ign::test
