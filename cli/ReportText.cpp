#include "cli/ReportText.h"

#include <array>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

namespace ign {
namespace {

constexpr std::size_t kShownValues = 5;  // of a merged row, before "..."
constexpr std::size_t kReasonCount = static_cast<std::size_t>(TReason::kDropped) + 1;

// Consecutive values of one key that changed for the same reason.
struct TRow {
  const TChange* first;
  unsigned last_index;
  std::vector<std::string> from;
  std::vector<std::string> to;
};

bool Continues(const TRow& row, const TChange& next) {
  const TChange& first = *row.first;
  return next.index && first.index && *next.index == row.last_index + 1 && next.key == first.key &&
         next.line == first.line && next.reason == first.reason &&
         next.to.has_value() == first.to.has_value() &&
         next.from.has_value() == first.from.has_value();
}

std::string Element(const TChange& change, unsigned index) {
  if (!change.in_map) return std::to_string(index);
  return std::to_string(index / kMapColumns) + "," + std::to_string(index % kMapColumns);
}

std::string What(const TRow& row) {
  const TChange& change = *row.first;
  if (change.key.empty()) return "\"" + change.from.value_or("") + "\"";
  if (!change.index) return change.key;
  // A run of map cells reads [0,2]..[9,14]: row and column of each end.
  std::string what = change.key + "[" + Element(change, *change.index) + "]";
  if (row.last_index == *change.index) return what;
  if (change.in_map) return what + "..[" + Element(change, row.last_index) + "]";
  return change.key + "[" + Element(change, *change.index) + ".." +
         Element(change, row.last_index) + "]";
}

// The values of a row, once when they are all alike.
std::string List(const std::vector<std::string>& values) {
  std::string list;
  bool alike = true;
  for (const std::string& value : values) alike = alike && value == values.front();
  for (std::size_t i = 0; i < values.size() && (i == 0 || !alike); ++i) {
    if (i == kShownValues) return list + " ...";
    list += (i == 0 ? "" : " ") + values[i];
  }
  return list;
}

std::string Values(const TRow& row) {
  if (row.first->key.empty()) return {};  // an unknown token is the row's subject
  std::string values = List(row.from);
  if (!row.to.empty()) values += (values.empty() ? "-> " : " -> ") + List(row.to);
  return values;
}

std::string Explanation(const TChange& change) {
  std::string text = std::string(ReasonCode(change.reason)) + ": ";
  text += ReasonText(change.reason);
  if (change.reason == TReason::kDuplicateKey) {
    text += " by line " + std::to_string(change.overridden_by);
  }
  return text;
}

void PrintRow(std::ostream& out, const TRow& row) {
  const TChange& change = *row.first;
  out << "  " << std::setw(5) << (change.line ? std::to_string(*change.line) : "-") << "  "
      << std::left << std::setw(18) << What(row) << ' ' << std::setw(24) << Values(row) << ' '
      << std::right << Explanation(change) << '\n';
}

std::string Summary(const TFileReport& report, bool written) {
  std::ostringstream out;
  out << report.file << ": ";
  if (!report.converted) {
    out << "not converted";
    return out.str();
  }
  out << (written ? "converted" : "converted (dry run, nothing written)") << "; ";
  std::array<std::size_t, kReasonCount> counts{};
  for (const TChange& change : report.changes) ++counts[static_cast<std::size_t>(change.reason)];

  const std::size_t unexpected = report.UnexpectedCount();
  if (unexpected == 0) {
    out << "no unexpected changes";
  } else {
    out << unexpected << (unexpected == 1 ? " unexpected change (" : " unexpected changes (");
    const char* separator = "";
    for (std::size_t r = 0; r < kReasonCount; ++r) {
      if (counts[r] == 0 || IsExpected(static_cast<TReason>(r))) continue;
      out << separator << counts[r] << ' ' << ReasonCode(static_cast<TReason>(r));
      separator = ", ";
    }
    out << ')';
  }
  out << "; expected: " << counts[static_cast<std::size_t>(TReason::kAdjusted)] << " adjusted, "
      << counts[static_cast<std::size_t>(TReason::kDropped)] << " dropped";
  return out.str();
}

}  // namespace

void PrintTextReport(std::ostream& out, const TFileReport& report, bool written) {
  std::vector<TRow> rows;
  for (const TChange& change : report.changes) {
    if (rows.empty() || !Continues(rows.back(), change)) {
      rows.push_back({&change, change.index.value_or(0), {}, {}});
    } else {
      rows.back().last_index = *change.index;
    }
    if (change.from) rows.back().from.push_back(*change.from);
    if (change.to) rows.back().to.push_back(*change.to);
  }
  if (!rows.empty()) out << report.file << ":\n";
  for (const TRow& row : rows) PrintRow(out, row);
  out << Summary(report, written) << '\n';
}

}  // namespace ign
