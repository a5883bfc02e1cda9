// The texts of the conversion report in the window: the status line, the
// report window's words and the reasons' explanations, in one language.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "report/Change.h"

namespace ign {

struct TReportTexts {
  std::string_view none, one, many;  // the status line; `many` holds %1 for the count
  std::string_view details;          // the status bar's button
  std::string_view window_caption;   // of the report window
  std::string_view copy;             // its button that copies the report
  TReasonTexts reasons;              // in the order of TReason

  // "Converted. No value changed unexpectedly." and its counted forms.
  std::string StatusLine(std::size_t unexpected) const;
};

// The texts of `language`, a TLanguage value.
TReportTexts ReportTextsIn(std::uint8_t language);

}  // namespace ign
