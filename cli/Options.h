// The command line of ign-convert.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ign {

enum class TReportFormat { kNone, kText, kJson };

struct TOptions {
  std::vector<std::string> inputs;       // "-" is standard input
  std::optional<std::string> output;     // -o; "-" is standard output
  std::optional<std::string> directory;  // -d
  bool force = false;                    // replace existing outputs
  TReportFormat report = TReportFormat::kNone;
  bool dry_run = false;  // report only, write nothing
  bool strict = false;   // exit 3 on any change beyond the expected ones

  // Whether the reader's findings must be collected at all.
  bool Explains() const { return report != TReportFormat::kNone || strict; }
};

// Fills `options` from the command line. Returns the exit status when the
// program has nothing more to do: 0 after --help or --version, 2 after a
// usage error, which has then been reported on standard error.
std::optional<int> ParseOptions(int argc, const char* const* argv, TOptions& options);

}  // namespace ign
