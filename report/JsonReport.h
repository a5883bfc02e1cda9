// The conversion report as one JSON document, for scripts, written file by
// file as the files are done:
//   {"files": [{"file": ..., "converted": ..., "changes": [{...}, ...]}, ...]}
// A file name that is no UTF-8 has U+FFFD for each such byte in "file", and
// its bytes whole, in hexadecimal, in "file_hex". A file that failed has
// "error", the message as ign-convert prints it; a converted one has
// "checked" (false for an input too long to be looked at value by value)
// and, when checked, "unexpected" (values changed unexpectedly) and
// "skipped" (words of the file passed over).
// A change has "line" (not for a missing key), "key" (not for an unknown
// token), "index" (a value position within the key, from 0), "row" and
// "column" (maps only), "from" (the text in the file), "to" (the number
// written, as a string; not for a dropped row) and "reason".
#pragma once

#include <ostream>
#include <string_view>

#include "report/Change.h"

namespace ign {

// Writes the changes of one file as the members of its "changes" array.
class TJsonChanges final : public TChangeSink {
 public:
  explicit TJsonChanges(std::ostream& out) : out_(out) {}
  void Add(const TChange& change) override;

 private:
  std::ostream& out_;
  bool first_ = true;
};

// What the document says of one file.
struct TJsonFile {
  std::string_view file;
  bool converted = false;
  std::string_view error;                 // when not converted
  const TReasonCounts* counts = nullptr;  // when converted
  std::string_view changes;               // as a TJsonChanges wrote them
};

class TJsonReport final {
 public:
  // Opens the document.
  explicit TJsonReport(std::ostream& out);
  // Closes the document.
  ~TJsonReport();
  TJsonReport(const TJsonReport&) = delete;
  TJsonReport& operator=(const TJsonReport&) = delete;

  // Writes the entry of one file.
  void File(const TJsonFile& entry);

 private:
  std::ostream& out_;
  bool first_file_ = true;
};

}  // namespace ign
