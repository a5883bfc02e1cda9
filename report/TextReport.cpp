#include "report/TextReport.h"

#include <iomanip>
#include <sstream>

#include "report/Terminal.h"

namespace ign {
namespace {

constexpr std::size_t kShownValues = 5;  // of a merged row, before "..."

std::string Element(const TChange& change, unsigned index) {
  if (!change.in_map) return std::to_string(index);
  return std::to_string(index / kMapColumns) + "," + std::to_string(index % kMapColumns);
}

std::string What(const TChange& change, unsigned last_index) {
  if (change.reason == TReason::kNotChecked) return "(whole file)";
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

}  // namespace

TTextRows::TTextRows(std::ostream& out, std::string heading, const TReasonTexts& texts)
    : out_(out), heading_(std::move(heading)), texts_(texts) {}

TTextRows::~TTextRows() { Flush(); }

bool TTextRows::Continues(const TChange& next) const {
  const TChange& first = row_->first;
  return next.index && first.index && *next.index == row_->last_index + 1 &&
         next.key == first.key && next.line == first.line && next.reason == first.reason &&
         next.to.has_value() == first.to.has_value() &&
         next.from.has_value() == first.from.has_value();
}

void TTextRows::Add(const TChange& change) {
  counts_.Add(change);
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
  explanation += texts_[static_cast<std::size_t>(change.reason)];
  if (change.reason == TReason::kDuplicateKey) {
    explanation += " " + std::to_string(change.overridden_by);
  }
  out_ << "  " << std::setw(5) << (change.line != 0 ? std::to_string(change.line) : "-") << "  "
       << std::left << std::setw(18) << What(change, row.last_index) << ' ' << std::setw(24)
       << values << ' ' << std::right << explanation << '\n';
}

std::string TextSummary(std::string_view file, bool converted, bool written,
                        const TReasonCounts& counts) {
  std::ostringstream out;
  out << file << ": ";
  if (!converted) {
    out << "not converted";
    return out.str();
  }
  out << (written ? "converted" : "converted (dry run, nothing written)") << "; ";
  const std::size_t unexpected = counts.Unexpected();
  if (unexpected == 0) {
    out << "no unexpected changes";
  } else {
    out << unexpected << (unexpected == 1 ? " unexpected change (" : " unexpected changes (");
    const char* separator = "";
    for (std::size_t r = 0; r < kReasonCount; ++r) {
      const auto reason = static_cast<TReason>(r);
      if (counts.Of(reason) == 0 || IsExpected(reason)) continue;
      out << separator << counts.Of(reason) << ' ' << ReasonCode(reason);
      separator = ", ";
    }
    out << ')';
  }
  out << "; expected: " << counts.Of(TReason::kAdjusted) << " adjusted, "
      << counts.Of(TReason::kDropped) << " dropped";
  return out.str();
}

}  // namespace ign
