#include "report/TextReport.h"

#include <iomanip>
#include <sstream>

#include "report/Terminal.h"
#include "texts/Texts.h"

namespace ign {
namespace {

constexpr std::size_t kShownValues = 5;  // of a merged row, before "..."

std::string Element(const TChange& change, unsigned index) {
  if (!change.in_map) return std::to_string(index);
  return std::to_string(index / kMapColumns) + "," + std::to_string(index % kMapColumns);
}

std::string What(const TChange& change, unsigned last_index, std::uint8_t language) {
  if (change.reason == TReason::kNotChecked)
    return std::string(TextOf(TText::kWholeFile, language));
  if (change.key.empty()) return "\"" + QuoteForTerminal(change.from.value_or("")) + "\"";
  const std::string key(change.key);
  if (!change.index) return key;
  // A run of map cells reads [0,2]..[9,14]: row and column of each end.
  std::string what = key + "[" + Element(change, *change.index) + "]";
  if (last_index == *change.index) return what;
  if (change.in_map) return what + "..[" + Element(change, last_index) + "]";
  return key + "[" + Element(change, *change.index) + ".." + Element(change, last_index) + "]";
}

// The values of a row, once when they are all alike.
std::string List(const std::vector<std::string>& values, bool alike, std::size_t count) {
  if (alike && count > 0) return values.front();
  std::string list;
  for (std::size_t i = 0; i < values.size(); ++i) list += (i == 0 ? "" : " ") + values[i];
  return count > values.size() ? list + " ..." : list;
}

void Note(std::vector<std::string>& shown, bool& alike, std::size_t& count, std::string value) {
  alike = alike && (count == 0 || (!shown.empty() && value == shown.front()));
  if (shown.size() < kShownValues) shown.push_back(std::move(value));
  ++count;
}

// "no value changed unexpectedly", "1 value ...", "3 values ...".
std::string ValuesText(std::size_t values, std::uint8_t language) {
  if (values == 0) return std::string(TextOf(TText::kNoValueChanged, language));
  if (values == 1) return std::string(TextOf(TText::kOneValueChanged, language));
  return CountedText(TText::kValuesChanged, values, language);
}

std::string WordsText(std::size_t words, std::uint8_t language) {
  return CountedText(words == 1 ? TText::kOneWordSkipped : TText::kWordsSkipped, words, language);
}

}  // namespace

TTextRows::TTextRows(std::ostream& out, std::string heading, std::uint8_t language)
    : out_(out), heading_(std::move(heading)), language_(language) {}

TTextRows::~TTextRows() { Flush(); }

bool TTextRows::Continues(const TChange& next) const {
  const TChange& first = row_->first;
  return next.index && first.index && *next.index == row_->last_index + 1 &&
         next.key == first.key && next.line == first.line && next.reason == first.reason &&
         next.to.has_value() == first.to.has_value() &&
         next.from.has_value() == first.from.has_value();
}

void TTextRows::Add(const TChange& change) {
  if (row_ && Continues(change)) {
    row_->last_index = *change.index;
  } else {
    Flush();
    row_ = TRow{};
    row_->first = change;
    row_->last_index = change.index.value_or(0);
  }
  if (change.from) {
    Note(row_->from, row_->from_alike, row_->from_count, QuoteForTerminal(*change.from));
  }
  if (change.to) Note(row_->to, row_->to_alike, row_->to_count, std::to_string(*change.to));
}

void TTextRows::Flush() {
  if (!row_) return;
  if (!heading_.empty()) {
    out_ << heading_ << '\n';
    heading_.clear();
  }
  Print(*row_);
  row_.reset();
}

void TTextRows::Print(const TRow& row) {
  const TChange& change = row.first;
  std::string values;
  if (!change.key.empty()) {  // an unknown token is the row's subject
    values = List(row.from, row.from_alike, row.from_count);
    if (row.to_count > 0) {
      values += (values.empty() ? "-> " : " -> ") + List(row.to, row.to_alike, row.to_count);
    }
  }
  std::string explanation = std::string(ReasonCode(change.reason)) + ": ";
  explanation += ReasonMeaning(change.reason, language_);
  if (change.reason == TReason::kDuplicateKey) {
    explanation += " " + std::to_string(change.overridden_by);
  }
  out_ << "  " << std::setw(5) << (change.line != 0 ? std::to_string(change.line) : "-") << "  "
       << std::left << std::setw(18) << What(change, row.last_index, language_) << ' '
       << std::setw(24) << values << ' ' << std::right << explanation << '\n';
}

std::string UnexpectedText(const TReasonCounts& counts, std::uint8_t language) {
  if (!counts.Checked()) return std::string(TextOf(TText::kNotChecked, language));
  std::string text = ValuesText(counts.Values(), language);
  if (counts.SkippedWords() > 0) text += ", " + WordsText(counts.SkippedWords(), language);
  return text;
}

std::string TextSummary(std::string_view file, TOutcome outcome, const TReasonCounts& counts,
                        std::uint8_t language) {
  std::ostringstream out;
  out << file << ": ";
  if (outcome == TOutcome::kNotConverted) {
    out << TextOf(TText::kNotConverted, language);
    return out.str();
  }
  out << TextOf(outcome == TOutcome::kConverted ? TText::kConverted : TText::kConvertedDryRun,
                language)
      << "; ";
  if (!counts.Checked()) {
    out << TextOf(TText::kNotChecked, language);
    return out.str();
  }
  // Each count with its reasons, by code: "3 values changed unexpectedly
  // (2 wrapped, 1 rounded)".
  const auto by_code = [&](TReasonKind kind) {
    const char* separator = " (";
    for (std::size_t r = 0; r < kReasonCount; ++r) {
      const auto reason = static_cast<TReason>(r);
      if (counts.Of(reason) == 0 || KindOf(reason) != kind) continue;
      out << separator << counts.Of(reason) << ' ' << ReasonCode(reason);
      separator = ", ";
    }
    out << ')';
  };
  out << ValuesText(counts.Values(), language);
  if (counts.Values() > 0) by_code(TReasonKind::kValue);
  if (counts.SkippedWords() > 0) {
    out << "; " << WordsText(counts.SkippedWords(), language);
    by_code(TReasonKind::kSkippedWord);
  }
  out << "; " << TextOf(TText::kExpected, language) << ' ' << counts.Of(TReason::kAdjusted) << ' '
      << ReasonCode(TReason::kAdjusted) << ", " << counts.Of(TReason::kDropped) << ' '
      << ReasonCode(TReason::kDropped);
  return out.str();
}

}  // namespace ign
