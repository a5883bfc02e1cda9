// The conversion report as people read it: one row per run of values of a
// key that changed alike, then a summary line per file.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "report/Change.h"

namespace ign {

// Prints rows as changes arrive; keeps only the row being built.
class TTextRows final : public TChangeSink {
 public:
  // `heading` is printed once before the first row, when there is one.
  TTextRows(std::ostream& out, std::string heading,
            const TReasonTexts& texts = EnglishReasonTexts());
  ~TTextRows() override;

  void Add(const TChange& change) override;
  // Prints the row being built. Called by the destructor too.
  void Flush();
  const TReasonCounts& Counts() const { return counts_; }

 private:
  struct TRow {
    TChange first;
    unsigned last_index = 0;
    std::vector<std::string> from, to;  // the first few values of the row
    bool from_alike = true, to_alike = true;
    std::size_t from_count = 0, to_count = 0;
  };
  bool Continues(const TChange& next) const;
  void Print(const TRow& row);

  std::ostream& out_;
  std::string heading_;
  TReasonTexts texts_;
  std::optional<TRow> row_;
  TReasonCounts counts_;
};

// The summary line of one file, without line end: "FILE: not converted", or
// "FILE: converted; N unexpected changes (...); expected: A adjusted, D
// dropped". `written` is false for a dry run.
std::string TextSummary(std::string_view file, bool converted, bool written,
                        const TReasonCounts& counts);

}  // namespace ign
