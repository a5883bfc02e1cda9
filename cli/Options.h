// The command line of ign-convert, read as GNU tools read theirs.
#pragma once

#include <cstddef>
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
  bool unexpected_only = false;  // the report leaves out what is expected
  bool dry_run = false;          // report only, write nothing
  bool strict = false;           // exit 3 on anything unexpected
  // Inputs "json" or "text" that came right after a bare --report: most
  // likely --report=json was meant, which a message about them says.
  std::vector<std::size_t> report_words;
};

// The help that --help prints.
extern const char* const kUsage;

// Fills `options` from the command line. Returns the exit status when the
// program has nothing more to do: 0 after --help or --version, 2 after a
// usage error, which has then been reported on standard error.
std::optional<int> ParseOptions(int argc, const char* const* argv, TOptions& options);

}  // namespace ign
