// The conversion report: which values reach the version-2006 file changed,
// where they stand in the input and why.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/cli/RunProgram.h"

namespace ign::test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// One input with every kind of change, each on a line of its own.
constexpr const char* kTroubled =
    "BIKE 5\n"                                              // 1
    "ZANTROVA_KEY 37\n"                                     // 2
    "LIMITER 9000 9500 10000\n"                             // 3
    "FOO 1\n"                                               // 4
    "IGN_1 7 8 x\n"                                         // 5
    "ACT_LIM1 3\n"                                          // 6
    "LIMITER 15000 12790 9000\r\n"                          // 7
    "LEVEL 60 60 60 60 60 60 60 60 60 60 60 60 60 60 70\n"  // 8
    "REF_FREK 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\n"        // 9
    "ALARM 5000 420 419 0 0 0 0 0 0 0 0 0 0 0 6000\n"       // 10
    "END 1 2\n";                                            // 11

json JsonReport(std::vector<std::string> args, std::string_view input = {}) {
  args.insert(args.begin(), "--report=json");
  const TRunResult run = RunConvert(args, input);
  EXPECT_TRUE(json::accept(run.out)) << run.out;
  return json::parse(run.out, nullptr, false);
}

const json* FindChange(const json& changes, std::optional<int> line, const std::string& key,
                       std::optional<int> index, const std::string& reason,
                       const std::string& from = "") {
  for (const json& change : changes) {
    if (change.value("line", -1) == line.value_or(-1) && change.value("key", "") == key &&
        change.value("index", -1) == index.value_or(-1) && change["reason"] == reason &&
        (from.empty() || change.value("from", "") == from)) {
      return &change;
    }
  }
  return nullptr;
}

TEST(Report, FindsEveryReasonWithItsLine) {
  const json report = JsonReport({"--dry-run", "-"}, kTroubled);
  ASSERT_EQ(report["files"].size(), 1u);
  const json& file = report["files"][0];
  EXPECT_EQ(file["file"], "<stdin>");
  EXPECT_EQ(file["converted"], true);
  const json& changes = file["changes"];

  struct TCase {
    std::optional<int> line;
    std::string key;
    std::optional<int> index;
    std::string reason;
    std::optional<std::string> from;  // absent when the file has no text there
    std::optional<std::string> to;    // absent when nothing is written
  };
  const std::optional<int> none;
  const std::optional<std::string> absent;
  const TCase cases[] = {
      {1, "BIKE", none, "before-version", absent, absent},
      {3, "LIMITER", none, "duplicate-key", absent, absent},
      {4, "", none, "unknown-token", "FOO", absent},
      {4, "", none, "unknown-token", "1", absent},
      {5, "IGN_1", 2, "not-a-number", "x", "8"},
      {5, "IGN_1", 149, "not-a-number", "x", "8"},
      {5, "", none, "unknown-token", "x", absent},
      {6, "ACT_LIM1", 0, "wrapped", "3", "1"},  // a switch takes 0 and 1
      {7, "LIMITER", 0, "wrapped", "15000", "2200"},
      {7, "LIMITER", 1, "rounded", "12790", "12750"},
      {8, "LEVEL", 14, "adjusted", "70", "60"},
      {9, "REF_FREK", 0, "dropped", "1", absent},
      {10, "ALARM", 0, "adjusted", "5000", "4600"},
      {10, "ALARM", 1, "adjusted", "420", "20"},
      {10, "ALARM", 2, "rounded", "419", "0"},
      {10, "ALARM", 14, "wrapped", "6000", "480"},
      {11, "END", 2, "end-of-file", absent, "2"},
      {none, "BIKE", 0, "missing-key", absent, "0"},  // start values of a fresh run
      {none, "TPS", 1, "missing-key", absent, "2500"},
      {none, "RETARD", 0, "missing-key", absent, "-100"},
      {none, "ACT_RPM", 0, "missing-key", absent, "1"},
  };
  for (const TCase& c : cases) {
    const std::string shown =
        c.key + " " + c.reason + " line " + std::to_string(c.line.value_or(0));
    const json* change = FindChange(changes, c.line, c.key, c.index, c.reason, c.from.value_or(""));
    ASSERT_NE(change, nullptr) << shown;
    EXPECT_EQ(change->contains("from"), c.from.has_value()) << shown;
    EXPECT_EQ(change->contains("to"), c.to.has_value()) << shown;
    if (c.to) {
      EXPECT_EQ((*change)["to"], *c.to) << shown;
    }
  }

  std::map<std::string, int> counts;
  for (const json& change : changes) ++counts[change["reason"]];
  EXPECT_EQ(counts["wrapped"], 3);
  EXPECT_EQ(counts["rounded"], 2);
  EXPECT_EQ(counts["not-a-number"], 148);
  EXPECT_EQ(counts["end-of-file"], 13);
  EXPECT_EQ(counts["duplicate-key"], 1);
  EXPECT_EQ(counts["before-version"], 1);  // "5" is no key
  EXPECT_EQ(counts["unknown-token"], 3);
  EXPECT_EQ(counts["adjusted"], 3);
  EXPECT_EQ(counts["dropped"], 15);

  // Exact values, values of the overridden occurrence and rows that version
  // 2006 replaces or drops anyway are no change.
  EXPECT_EQ(FindChange(changes, 7, "LIMITER", 2, "rounded"), nullptr);
  EXPECT_EQ(FindChange(changes, 8, "LEVEL", 0, "adjusted"), nullptr);
  for (const json& change : changes) {
    if (change["reason"] != "duplicate-key") {
      EXPECT_NE(change.value("line", 0), 3) << change.dump();
    }
    if (change["reason"] == "missing-key") {
      EXPECT_NE(change["key"], "TIME_CONST");
      EXPECT_NE(change["key"], "KNOCK_CA");
    }
  }
}

TEST(Report, JsonHasTheDocumentedShape) {
  TTempFolder folder;
  WriteBytes(folder / "troubled.ign", kTroubled);
  const json report = JsonReport({"--dry-run", folder / "troubled.ign", folder / "missing.ign"});
  ASSERT_TRUE(report.is_object());
  EXPECT_EQ(report.size(), 1u);
  ASSERT_EQ(report["files"].size(), 2u);
  for (const json& file : report["files"]) {
    EXPECT_EQ(file.size(), 3u);
    EXPECT_TRUE(file["file"].is_string());
    EXPECT_TRUE(file["converted"].is_boolean());
    EXPECT_TRUE(file["changes"].is_array());
  }
  EXPECT_EQ(report["files"][1]["converted"], false);
  EXPECT_EQ(report["files"][1]["changes"].size(), 0u);

  const std::set<std::string> fields = {"line",   "key",  "index", "row",
                                        "column", "from", "to",    "reason"};
  for (const json& change : report["files"][0]["changes"]) {
    for (const auto& [name, value] : change.items()) EXPECT_TRUE(fields.count(name)) << name;
    const std::string key = change.value("key", "");
    const bool map =
        (key.rfind("IGN_", 0) == 0 || key.rfind("JET_", 0) == 0) && change.contains("index");
    EXPECT_EQ(change.contains("row"), map) << change.dump();
    EXPECT_EQ(change.contains("column"), map) << change.dump();
    if (map) {
      EXPECT_EQ(change["row"].get<int>() * 15 + change["column"].get<int>(), change["index"]);
    }
    EXPECT_EQ(change.contains("line"), change["reason"] != "missing-key") << change.dump();
  }
}

TEST(Report, TextMergesRowsAndSumsUpEachFile) {
  const TRunResult run = RunConvert({"--dry-run", "-"}, kTroubled);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string expected_rows[] = {
      "<stdin>:\n",
      "      1  BIKE",
      "before-version: ",
      "      3  LIMITER",
      "duplicate-key: key given again, overridden by line 7\n",
      "      4  \"FOO\"",
      "      5  IGN_1[0,2]..[9,14] x -> 8",
      "      7  LIMITER[0]         15000 -> 2200",
      "     10  ALARM[0..1]        5000 420 -> 4600 20",
      "     11  END[2..14]         -> 2",
      "      -  TPS[0..1]          -> 0 2500",
      "<stdin>: converted (dry run, nothing written); ",
      " unexpected changes (3 wrapped, 2 rounded, 148 not-a-number, 13 end-of-file, ",
      " missing-key, 1 duplicate-key, 1 before-version, 3 unknown-token); "
      "expected: 3 adjusted, 15 dropped\n",
  };
  for (const std::string& row : expected_rows) {
    EXPECT_NE(run.out.find(row), std::string::npos) << row << "\n" << run.out;
  }
}

TEST(Report, ExamplesChangeOnlyAsExpected) {
  for (const char* name : {"kart-100.ign", "enduro-250.ign", "two-stroke-125.ign"}) {
    const json report = JsonReport({"--dry-run", "--strict", Example(name)});
    const json& file = report["files"][0];
    EXPECT_EQ(file["converted"], true) << name;
    int dropped = 0;
    for (const json& change : file["changes"]) {
      EXPECT_TRUE(change["reason"] == "adjusted" || change["reason"] == "dropped")
          << name << " " << change.dump();
      dropped += change["reason"] == "dropped";
    }
    EXPECT_EQ(dropped, 30) << name;  // "REF_FREK" and "KNOCK_CA"

    const TRunResult text = RunConvert({"--dry-run", "--strict", Example(name)});
    EXPECT_EQ(text.status, 0) << name;
    EXPECT_NE(text.out.find("; no unexpected changes; expected: "), std::string::npos) << name;
  }
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

TEST(Report, UnmatchedAndUnreadableInputsAreNotConverted) {
  const TRunResult run = RunConvert({"--dry-run", "-"}, "ZANTROVA_KEY 51 BIKE 2");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "<stdin>: not converted\n");
  EXPECT_EQ(run.err, "ign-convert: <stdin>: Unmatched version of *.ign file!\n");
}

}  // namespace
}  // namespace ign::test
