// The conversion report as ign-convert gives it: its words, where it goes,
// what it does to the exit status, and the one line a file with unexpected
// changes gets without it.
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

// The example with one value changed: "BIKE" 300 wraps.
std::string WrappedKart() {
  std::string text = ReadBytes(Example("kart-100.ign"));
  return text.replace(text.find("BIKE              7"), 19, "BIKE            300");
}

// Without --report, each file with anything unexpected gets one line, in
// the order of the inputs whatever became of each, and the batch one line
// at its end; values, skipped words and unchecked files are counted apart.
TEST(Report, OneLinePerFileInInputOrderWithoutReport) {
  TTempFolder folder;
  const std::pair<std::string, std::string> inputs[] = {
      {"one.ign", WrappedKart()},
      {"missing.ign", ""},
      {"words.ign", ReadBytes(Example("kart-100.ign")) + "FOO 1\n"},
      {"clean.ign", ReadBytes(Example("kart-100.ign"))},
      {"both.ign", WrappedKart() + "LIMITER 15000 12790 9000\n"},
      {"long.ign", "ZANTROVA_KEY 37\n" + std::string(2 << 20, ' ')},
  };
  std::vector<std::string> args = {"-d", folder / "out"};
  for (const auto& [name, text] : inputs) {
    if (name != "missing.ign") WriteBytes(folder / name, text);
    args.push_back(folder / name);
  }
  const TRunResult run = RunConvert(args);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  const auto line = [&](const char* name, const char* text) {
    return "ign-convert: " + (folder / name) + ": " + text + "\n";
  };
  EXPECT_EQ(run.err,
            line("one.ign", "1 value changed unexpectedly (see --report)") +
                line("missing.ign", "Open file error! (No such file or directory)") +
                line("words.ign", "no value changed unexpectedly, 2 words skipped (see --report)") +
                line("both.ign", "3 values changed unexpectedly, 1 word skipped (see --report)") +
                line("long.ign", "not checked: file over 1 MiB (see --report)") +
                "ign-convert: 6 files: 1 failed, 3 with unexpected changes, 1 not checked\n");
  EXPECT_EQ(ReadBytes(fs::path(folder / "out") / "one.ign").size(), 12844u);
}

// The report of the troubled input is the one the report's tests keep, word
// for word, as text and as JSON.
TEST(Report, TextAndJsonAsRecorded) {
  TTempFolder folder;
  WriteBytes(folder / "troubled.ign", kTroubled);
  const auto golden = [](const char* name) { return ReadBytes(fs::path(IGN_GOLDEN_DIR) / name); };
  // The recorded reports name the files without their folder.
  const auto unfolded = [&](std::string text, const std::string& escaped_folder) {
    for (std::size_t at; (at = text.find(escaped_folder)) != std::string::npos;) {
      text.erase(at, escaped_folder.size());
    }
    return text;
  };
  TRunResult run = RunConvert({"--report", folder / "troubled.ign", "-o", folder / "out.ign"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(unfolded(run.out, folder / ""), golden("troubled.txt"));

  run = RunConvert(
      {"--report=json", "-d", folder / "out", folder / "troubled.ign", folder / "missing.ign"});
  EXPECT_EQ(run.status, 1);
  const std::string quoted = nlohmann::json(folder / "").dump();
  EXPECT_EQ(unfolded(run.out, quoted.substr(1, quoted.size() - 2)), golden("troubled.json"));
}

// --unexpected-only leaves out the expected changes and the files with
// nothing else, in text and in JSON; the counts stay whole.
TEST(Report, UnexpectedOnly) {
  TTempFolder folder;
  WriteBytes(folder / "troubled.ign", kTroubled);
  const std::vector<std::string> clean = {Example("kart-100.ign"), Example("enduro-250.ign"),
                                          Example("two-stroke-125.ign")};
  for (const char* report : {"--report", "--report=json"}) {
    std::vector<std::string> args = {"--dry-run", report, "--unexpected-only"};
    args.insert(args.end(), clean.begin(), clean.end());
    TRunResult run = RunConvert(args);
    EXPECT_EQ(run.status, 0) << report << run.err;
    EXPECT_EQ(run.out, std::string(report) == "--report" ? "" : "{\"files\": []}\n") << report;

    args.push_back(folder / "troubled.ign");
    run = RunConvert(args);
    EXPECT_EQ(run.out.find("kart-100"), std::string::npos) << report;
    EXPECT_EQ(run.out.find("adjusted: "), std::string::npos) << report;
    EXPECT_EQ(run.out.find("\"adjusted\""), std::string::npos) << report;
    EXPECT_NE(run.out.find("wrapped"), std::string::npos) << report;
  }
  const TRunResult text = RunConvert({"--dry-run", "--unexpected-only", folder / "troubled.ign"});
  EXPECT_NE(text.out.find("; expected: 3 adjusted, 15 dropped\n"), std::string::npos);
  EXPECT_EQ(RunConvert({"--unexpected-only", "-d", folder / "", folder / "troubled.ign"}).status,
            2);
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
