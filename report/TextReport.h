// The conversion report as people read it: one row per run of values of a
// key that changed alike, then a summary line per file.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "report/Change.h"
#include "texts/TextRow.h"

namespace ign {

// Prints rows as changes arrive; keeps only the row being built.
class TTextRows final : public TChangeSink {
 public:
  // `heading` is printed once before the first row, when there is one. The
  // rows' words are in `language`, a TLanguage value; the codes are not.
  TTextRows(std::ostream& out, std::string heading, std::uint8_t language = kEnglish);
  ~TTextRows() override;

  void Add(const TChange& change) override;
  // Prints the row being built. Called by the destructor too.
  void Flush();

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
  std::uint8_t language_;
  std::optional<TRow> row_;
};

enum class TOutcome : std::uint8_t {
  kConverted,
  kDryRun,        // converted, but nothing written
  kNotConverted,  // failed
};

// The summary line of one file, without line end, in `language`: "FILE: not
// converted"; "FILE: converted; N values changed unexpectedly (codes); M
// words skipped (codes); expected: A adjusted, D dropped", the middle parts
// only where there are any ("no value changed unexpectedly" where neither);
// or "FILE: converted; not checked: file over 1 MiB".
std::string TextSummary(std::string_view file, TOutcome outcome, const TReasonCounts& counts,
                        std::uint8_t language = kEnglish);

// What is unexpected, in a few words of `language`: "3 values changed
// unexpectedly, 2 words skipped", "no value changed unexpectedly", or "not
// checked: file over 1 MiB".
std::string UnexpectedText(const TReasonCounts& counts, std::uint8_t language);

}  // namespace ign
