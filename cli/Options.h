// The command line of ign-convert.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ign {

struct TOptions {
  std::vector<std::string> inputs;       // "-" is standard input
  std::optional<std::string> output;     // -o; "-" is standard output
  std::optional<std::string> directory;  // -d
  bool force = false;                    // replace existing outputs
};

// Fills `options` from the command line. Returns the exit status when the
// program has nothing more to do: 0 after --help or --version, 2 after a
// usage error, which has then been reported on standard error.
std::optional<int> ParseOptions(int argc, const char* const* argv, TOptions& options);

// The help text that --help prints.
const char* UsageText();

}  // namespace ign
