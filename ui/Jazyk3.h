// The texts of the conversion report in the window: the status line, the
// "Details" window and the reasons' explanations, in the current language.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "report/Change.h"

namespace ign {

struct TReportTexts {
  QString none, one, many;                        // the status line; `many` holds %1 for the count
  QString details;                                // the status bar's button
  QString window_caption;                         // of the details window
  QString copy;                                   // its button that copies the report
  std::array<std::string, kReasonCount> reasons;  // UTF-8, in the order of TReason

  // "Converted. No value changed unexpectedly." and its counted forms.
  QString StatusLine(std::size_t unexpected) const;
  // The reasons for the report's text rows; valid while this lives.
  TReasonTexts ReasonTexts() const;
};

// The texts of `language`, a TLanguage value.
TReportTexts ReportTextsIn(std::uint8_t language);

}  // namespace ign
