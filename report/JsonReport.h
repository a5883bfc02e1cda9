// The conversion report as one JSON document, for scripts, written file by
// file as the files are converted:
//   {"files": [{"file": ..., "converted": ..., "changes": [{...}, ...]}, ...]}
// A file name that is no UTF-8 has U+FFFD for each such byte in "file", and
// its bytes whole, in hexadecimal, in "file_hex".
// A change has "line" (not for a missing key), "key" (not for an unknown
// token), "index" (a value position within the key, from 0), "row" and
// "column" (maps only), "from" (the text in the file), "to" (the number
// written, as a string; not for a dropped row) and "reason".
#pragma once

#include <ostream>
#include <string_view>

#include "report/Change.h"

namespace ign {

class TJsonReport final : public TChangeSink {
 public:
  // Opens the document.
  explicit TJsonReport(std::ostream& out);
  // Closes the document.
  ~TJsonReport() override;
  TJsonReport(const TJsonReport&) = delete;
  TJsonReport& operator=(const TJsonReport&) = delete;

  // Starts the entry of one file; its changes follow through Add.
  void BeginFile(std::string_view file, bool converted);
  void Add(const TChange& change) override;
  void EndFile();

 private:
  std::ostream& out_;
  bool first_file_ = true;
  bool first_change_ = true;
};

}  // namespace ign
