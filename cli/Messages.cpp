#include "cli/Messages.h"

#include <iostream>

#include "report/Terminal.h"

namespace ign {

std::string FailureText(std::string_view message, std::error_code reason, std::string_view hint) {
  std::string text(message);
  if (!reason && hint.empty()) return text;
  text += " (";
  if (reason) text += reason.message();
  if (reason && !hint.empty()) text += "; ";
  text += hint;
  return text + ")";
}

void Complain(std::string_view file, std::string_view text) {
  // A write to standard output fails again at its close; once is enough.
  static bool standard_output_told = false;
  if (file == kStandardOutputName) {
    if (standard_output_told) return;
    standard_output_told = true;
  }
  std::cerr << kProgramName << ": " << QuoteForTerminal(file) << ": " << text << '\n';
}

void Tell(std::string_view text) { std::cerr << kProgramName << ": " << text << '\n'; }

int UsageError(std::string_view problem) {
  std::cerr << kProgramName << ": " << problem << "\nTry '" << kProgramName
            << " --help' for more information.\n";
  return kExitUsage;
}

}  // namespace ign
