// The conversion report: which values reach the version-2006 file changed,
// where they stand in the input and why; as rows for people and as JSON.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "params/Convert.h"
#include "params/New.h"
#include "report/JsonReport.h"
#include "report/Reporter.h"
#include "report/TextReport.h"
#include "tests/report/Troubled.h"

namespace ign {
namespace {

using nlohmann::json;
using test::kTroubled;

class TCollected final : public TChangeSink {
 public:
  void Add(const TChange& change) override { changes.push_back(change); }
  std::vector<TChange> changes;
};

// The changes of a fresh-run conversion of `text`.
std::vector<TChange> FreshChanges(const std::string& text) {
  TReporter reporter;
  TParameterSet written;
  std::string out;
  EXPECT_TRUE(ConvertFresh(text, out, &reporter, &written));
  TCollected collected;
  reporter.Report(written, collected);
  return collected.changes;
}

const TChange* Find(const std::vector<TChange>& changes, std::size_t line, std::string_view key,
                    std::optional<unsigned> index, TReason reason) {
  for (const TChange& change : changes) {
    if (change.line == line && change.key == key && change.index == index &&
        change.reason == reason) {
      return &change;
    }
  }
  return nullptr;
}

TEST(Report, FindsEveryReasonWithItsLine) {
  const std::vector<TChange> changes = FreshChanges(kTroubled);
  struct TCase {
    std::size_t line;  // 0: a missing key
    std::string_view key;
    std::optional<unsigned> index;
    TReason reason;
    std::optional<std::string> from;  // absent when the file has no text there
    std::optional<int> to;            // absent when nothing is written
  };
  using R = TReason;
  const std::nullopt_t none = std::nullopt;
  const TCase cases[] = {
      {1, "BIKE", none, R::kBeforeVersion, none, none},
      {3, "LIMITER", none, R::kDuplicateKey, none, none},
      {5, "IGN_1", 2, R::kNotANumber, "x", 8},
      {5, "IGN_1", 149, R::kNotANumber, "x", 8},
      {6, "ACT_LIM1", 0, R::kWrapped, "3", 1},  // a switch takes 0 and 1
      {7, "LIMITER", 0, R::kWrapped, "15000", 2200},
      {7, "LIMITER", 1, R::kRounded, "12790", 12750},
      {8, "LEVEL", 14, R::kAdjusted, "70", 60},
      {9, "REF_FREK", 0, R::kDropped, "1", none},
      {10, "ALARM", 0, R::kAdjusted, "5000", 4600},
      {10, "ALARM", 1, R::kAdjusted, "420", 20},
      {10, "ALARM", 2, R::kRounded, "419", 0},
      {10, "ALARM", 14, R::kWrapped, "6000", 480},
      {11, "END", 2, R::kEndOfFile, none, 2},
      {0, "BIKE", 0, R::kMissingKey, none, 0},  // start values of a fresh run
      {0, "TPS", 1, R::kMissingKey, none, 2500},
      {0, "RETARD", 0, R::kMissingKey, none, -100},
      {0, "ACT_RPM", 0, R::kMissingKey, none, 1},
  };
  for (const TCase& c : cases) {
    const std::string shown = std::string(c.key) + " " + std::string(ReasonCode(c.reason)) +
                              " line " + std::to_string(c.line);
    const TChange* change = Find(changes, c.line, c.key, c.index, c.reason);
    ASSERT_NE(change, nullptr) << shown;
    EXPECT_EQ(change->from, c.from) << shown;
    EXPECT_EQ(change->to, c.to) << shown;
  }
  EXPECT_EQ(Find(changes, 3, "LIMITER", none, R::kDuplicateKey)->overridden_by, 7u);

  std::map<TReason, int> counts;
  for (const TChange& change : changes) ++counts[change.reason];
  EXPECT_EQ(counts[R::kWrapped], 3);
  EXPECT_EQ(counts[R::kRounded], 2);
  EXPECT_EQ(counts[R::kNotANumber], 148);
  EXPECT_EQ(counts[R::kEndOfFile], 13);
  EXPECT_EQ(counts[R::kDuplicateKey], 1);
  EXPECT_EQ(counts[R::kBeforeVersion], 1);  // "5" is no key
  EXPECT_EQ(counts[R::kUnknownToken], 3);   // "FOO", "1", "x"
  EXPECT_EQ(counts[R::kAdjusted], 3);
  EXPECT_EQ(counts[R::kDropped], 15);

  // Exact values, the overridden occurrence's values and rows that version
  // 2006 replaces or drops anyway are no change.
  EXPECT_EQ(Find(changes, 7, "LIMITER", 2, R::kRounded), nullptr);
  EXPECT_EQ(Find(changes, 8, "LEVEL", 0, R::kAdjusted), nullptr);
  std::size_t last_line = 0;
  for (const TChange& change : changes) {
    if (change.reason != R::kDuplicateKey) {
      EXPECT_NE(change.line, 3u);
    }
    if (change.reason == R::kMissingKey) {
      EXPECT_NE(change.key, "TIME_CONST");
      EXPECT_NE(change.key, "KNOCK_CA");
    } else {
      EXPECT_GE(change.line, last_line) << "in the order of the file";
      last_line = change.line;
    }
  }
  // The positions without a number come before the text that stops them.
  const auto x = std::find_if(changes.begin(), changes.end(), [](const TChange& c) {
    return c.reason == R::kUnknownToken && c.from == "x";
  });
  ASSERT_NE(x, changes.end());
  EXPECT_EQ((x - 1)->index, 149u);
}

// The window keeps one set: a key the second file lacks is written with the
// first file's value, and the report says so.
TEST(Report, OneSetAcrossConversionsTellsWhatItCarries) {
  TParameterSet set = FreshSet();
  ASSERT_TRUE(ReadIgn2005(std::string("ZANTROVA_KEY 37 BIKE 9 LIMITER 9000 9500 10000"), set));
  AdjustFor2006(set);
  TReporter reporter;
  ASSERT_TRUE(ReadIgn2005(std::string("ZANTROVA_KEY 37\nMODE 1 2"), set, &reporter));
  AdjustFor2006(set);
  TCollected collected;
  reporter.Report(set, collected);
  const TChange* bike = Find(collected.changes, 0, "BIKE", 0, TReason::kMissingKey);
  ASSERT_NE(bike, nullptr);
  EXPECT_EQ(bike->to, 9);
  EXPECT_EQ(Find(collected.changes, 0, "LIMITER", 2, TReason::kMissingKey)->to, 10000);
  EXPECT_EQ(Find(collected.changes, 0, "MODE", 0, TReason::kMissingKey), nullptr);
}

// The text report of the troubled input as ign-convert --report and the
// window print it, in `language`.
std::string TroubledText(std::uint8_t language) {
  TReporter reporter;
  TParameterSet written;
  std::string file;
  EXPECT_TRUE(ConvertFresh(kTroubled, file, &reporter, &written));
  std::ostringstream out;
  TReasonCounts counts;
  {
    TTextRows rows(out, "troubled.ign:", language);
    TTeeSink both(rows, counts);
    reporter.Report(written, both);
  }
  out << TextSummary("troubled.ign", TOutcome::kConverted, counts, language) << '\n';
  return out.str();
}

// The JSON report of the troubled input, converted, and of a file that failed.
std::string TroubledJson() {
  TReporter reporter;
  TParameterSet written;
  std::string file;
  EXPECT_TRUE(ConvertFresh(kTroubled, file, &reporter, &written));
  std::ostringstream changes;
  TReasonCounts counts;
  TJsonChanges json_changes(changes);
  TTeeSink both(json_changes, counts);
  reporter.Report(written, both);
  std::ostringstream out;
  {
    TJsonReport report(out);
    report.File({"troubled.ign", true, {}, &counts, changes.str()});
    report.File(
        {"missing.ign", false, "Open file error! (No such file or directory)", nullptr, {}});
  }
  return out.str();
}

// Every word of the report, in every language and form, against the files
// in tests/report/golden, so that a change to any of them shows as a diff.
// After an intended change, write them anew with
//   IGN_UPDATE_GOLDEN=1 build/bin/report_test --gtest_filter='Golden.*'
// and read the diff before committing it.
TEST(Golden, TroubledInputInEveryFormAndLanguage) {
  const std::pair<const char*, std::string> forms[] = {
      {"troubled.txt", TroubledText(kEnglish)},
      {"troubled.de.txt", TroubledText(kGerman)},
      {"troubled.fr.txt", TroubledText(kFrench)},
      {"troubled.json", TroubledJson()},
  };
  const bool update = std::getenv("IGN_UPDATE_GOLDEN") != nullptr;
  for (const auto& [name, text] : forms) {
    const std::string path = std::string(IGN_GOLDEN_DIR) + "/" + name;
    if (update) {
      std::ofstream(path, std::ios::binary) << text;
      continue;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(text, golden.str()) << name << ": if the change is meant, IGN_UPDATE_GOLDEN=1 "
                                  << "build/bin/report_test --gtest_filter='Golden.*'";
  }
  // The codes are the same in every language; the words are not.
  for (const std::string& text : {forms[1].second, forms[2].second}) {
    EXPECT_NE(text.find(" wrapped: "), std::string::npos);
    EXPECT_EQ(text.find("out of range"), std::string::npos);
    EXPECT_EQ(text.find("; expected: "), std::string::npos);
  }
}

// Values, skipped words and an unchecked file are told apart, in every
// place that counts them.
TEST(Summary, CountsValuesAndSkippedWordsApart) {
  using R = TReason;
  struct TCase {
    std::vector<R> changes;
    TOutcome outcome;
    const char* summary;     // after "f.ign: "
    const char* unexpected;  // as the command's message and the status line say it
  };
  const TCase cases[] = {
      {{R::kAdjusted, R::kDropped, R::kDropped},
       TOutcome::kConverted,
       "converted; no value changed unexpectedly; expected: 1 adjusted, 2 dropped",
       "no value changed unexpectedly"},
      {{R::kWrapped, R::kMissingKey, R::kMissingKey, R::kUnknownToken, R::kUnknownToken,
        R::kUnknownToken},
       TOutcome::kConverted,
       "converted; 3 values changed unexpectedly (1 wrapped, 2 missing-key); 3 words skipped "
       "(3 unknown-token); expected: 0 adjusted, 0 dropped",
       "3 values changed unexpectedly, 3 words skipped"},
      {{R::kDuplicateKey, R::kBeforeVersion},
       TOutcome::kDryRun,
       "converted (dry run, nothing written); no value changed unexpectedly; 2 words skipped "
       "(1 duplicate-key, 1 before-version); expected: 0 adjusted, 0 dropped",
       "no value changed unexpectedly, 2 words skipped"},
      {{R::kRounded, R::kUnknownToken},
       TOutcome::kConverted,
       "converted; 1 value changed unexpectedly (1 rounded); 1 word skipped (1 unknown-token); "
       "expected: 0 adjusted, 0 dropped",
       "1 value changed unexpectedly, 1 word skipped"},
      {{R::kNotChecked},
       TOutcome::kConverted,
       "converted; not checked: file over 1 MiB",
       "not checked: file over 1 MiB"},
      {{}, TOutcome::kNotConverted, "not converted", "no value changed unexpectedly"},
  };
  for (const TCase& c : cases) {
    TReasonCounts counts;
    for (R reason : c.changes) {
      TChange change;
      change.reason = reason;
      counts.Add(change);
    }
    EXPECT_EQ(TextSummary("f.ign", c.outcome, counts), std::string("f.ign: ") + c.summary);
    EXPECT_EQ(UnexpectedText(counts, kEnglish), c.unexpected);
    EXPECT_EQ(counts.AnyUnexpected(), std::string(c.unexpected) != "no value changed unexpectedly");
  }
}

TEST(Json, FilesWithTheirOutcomeAndChanges) {
  const nlohmann::json document = nlohmann::json::parse(TroubledJson());
  ASSERT_EQ(document.size(), 1u);
  ASSERT_EQ(document["files"].size(), 2u);
  const json& failed = document["files"][1];
  EXPECT_EQ(failed["converted"], false);
  EXPECT_EQ(failed["error"], "Open file error! (No such file or directory)");
  EXPECT_FALSE(failed.contains("unexpected"));
  EXPECT_EQ(failed["changes"].size(), 0u);

  const std::set<std::string> fields = {"line",   "key",  "index", "row",
                                        "column", "from", "to",    "reason"};
  for (const json& change : document["files"][0]["changes"]) {
    for (const auto& [name, value] : change.items()) EXPECT_TRUE(fields.count(name)) << name;
    const std::string key = change.value("key", "");
    const bool map =
        (key.rfind("IGN_", 0) == 0 || key.rfind("JET_", 0) == 0) && change.contains("index");
    EXPECT_EQ(change.contains("row"), map) << change.dump();
    if (map) {
      EXPECT_EQ(change["row"].get<int>() * 15 + change["column"].get<int>(), change["index"]);
    }
    EXPECT_EQ(change.contains("line"), change["reason"] != "missing-key") << change.dump();
    if (change.contains("to")) {
      EXPECT_TRUE(change["to"].is_string());
    }
  }

  // Each file is out before the next; names that are no UTF-8 come whole in
  // "file_hex"; an unchecked file has no counts; no file, no entry.
  std::ostringstream out;
  {
    TJsonReport report(out);
    TReasonCounts unchecked;
    TChange change;
    change.reason = TReason::kNotChecked;
    unchecked.Add(change);
    report.File({"big.ign", true, {}, &unchecked, {}});
    const std::string before_second = out.str();
    report.File({"bad\xff\".ign", false, "Unmatched version of *.ign file!", nullptr, {}});
    EXPECT_EQ(out.str().find(before_second), 0u);
  }
  const json files = json::parse(out.str())["files"];
  EXPECT_EQ(files[0]["checked"], false);
  EXPECT_FALSE(files[0].contains("unexpected"));
  EXPECT_EQ(files[1]["file"], "bad\xEF\xBF\xBD\".ign");
  EXPECT_EQ(files[1]["file_hex"], "626164ff222e69676e");
  std::ostringstream empty;
  { TJsonReport report(empty); }
  EXPECT_EQ(json::parse(empty.str()), json::parse(R"({"files": []})"));
}

TEST(Report, ExamplesChangeOnlyAsExpected) {
  for (const char* name : {"kart-100.ign", "enduro-250.ign", "two-stroke-125.ign"}) {
    std::ifstream in(std::string(IGN_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    TReasonCounts counts;
    for (const TChange& change : FreshChanges(text.str())) {
      EXPECT_TRUE(IsExpected(change.reason)) << name << " " << change.key;
      counts.Add(change);
    }
    EXPECT_FALSE(counts.AnyUnexpected()) << name;
    EXPECT_EQ(counts.Of(TReason::kDropped), 30u) << name;  // "REF_FREK" and "KNOCK_CA"
  }
}

}  // namespace
}  // namespace ign
