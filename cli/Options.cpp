#include "cli/Options.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <map>

#include "cli/Messages.h"
#include "files/Utf8Path.h"

namespace ign {
namespace {

constexpr const char* kUsage =
    R"(Usage: ign-convert [-f] [--report[=json]] [--strict] INPUT -o OUTPUT
       ign-convert [-f] [--report[=json]] [--strict] -d DIR INPUT...
       ign-convert --dry-run [--report[=json]] [--strict] INPUT...

Converts ignition parameter files (*.ign) from format version 2005 to 2006.
Every input is converted on its own, as by a fresh start of the program, and
an output file is only ever replaced as a whole.

  -o, --output OUTPUT    write the converted INPUT to OUTPUT ("-": standard output)
  -d, --directory DIR    write each INPUT to DIR under the input's file name
  -f, --force            replace output files that already exist
      --report[=json]    list on standard output every value that version 2006
                         receives other than the input says, with its line and
                         the reason; =json for one JSON document
      --dry-run          report only (as --report unless =json), write nothing
      --strict           exit with 3 when a value changes other than by the
                         expected version-2006 adjustment and dropped rows
  -h, --help             show this help and exit
      --version          show the version and exit

INPUT "-" reads standard input (with -o or --dry-run only).

Exit status: 0 every input converted, 1 an input or output failed (the other
inputs are still converted), 2 usage error, 3 with --strict: nothing failed
but some value changed unexpectedly.
)";

int UsageError(const std::string& message) {
  std::cerr << kProgramName << ": " << message << "\nTry '" << kProgramName
            << " --help' for more information.\n";
  return kExitUsage;
}

// What is wrong with a parsed command line, or an empty string.
std::string CheckCombination(const TOptions& options) {
  if (options.inputs.empty()) return "no input file given";
  if (options.output && options.directory) return "-o and -d cannot be used together";
  if (!options.output && !options.directory && !options.dry_run) {
    return "give -o OUTPUT or -d DIR";
  }
  if (options.output == kStandardStream && options.report != TReportFormat::kNone &&
      !options.dry_run) {
    return "the report and the converted file cannot both go to standard output";
  }
  // An empty name would otherwise mean the current folder, or no file.
  if (options.output && options.output->empty()) return "-o needs a file name";
  if (options.directory && options.directory->empty()) return "-d needs a folder name";
  if (options.output && options.inputs.size() > 1) {
    return "-o takes one input; use -d DIR for several";
  }
  if (options.directory) {
    // Two inputs of the same name would race for one output; with -f the
    // second would silently replace the first.
    std::map<std::filesystem::path, const std::string*> seen;
    for (const std::string& input : options.inputs) {
      if (input == kStandardStream) return "standard input can only be converted with -o";
      const std::filesystem::path name = PathFromUtf8(input).filename();
      const auto [it, fresh] = seen.emplace(name, &input);
      if (!fresh) {
        return *it->second + " and " + input + " would both be written to " +
               Utf8FromPath(PathFromUtf8(*options.directory) / name);
      }
    }
  }
  return {};
}

}  // namespace

std::optional<int> ParseOptions(int argc, const char* const* argv, TOptions& options) {
  CLI::App app{"", std::string(kProgramName)};
  // A Windows build of CLI11 would otherwise take "/home/x/engine.ign" for
  // an option named "home/x/engine.ign".
  app.allow_windows_style_options(false);
  app.formatter_fn([](const CLI::App*, std::string, CLI::AppFormatMode) { return kUsage; });
  app.set_version_flag("--version", std::string(kProgramName) + " " + IGN_VERSION);
  app.add_option("-o,--output", options.output);
  app.add_option("-d,--directory", options.directory);
  app.add_flag("-f,--force", options.force);
  std::string report;
  app.add_flag("--report{text}", report)->check(CLI::IsMember({"text", "json"}));
  app.add_flag("--dry-run", options.dry_run);
  app.add_flag("--strict", options.strict);
  app.add_option("INPUT", options.inputs);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << kUsage;
    return kExitConverted;
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << '\n';
    return kExitConverted;
  } catch (const CLI::ParseError& error) {
    return UsageError(error.what());
  }
  options.report = report == "json"                      ? TReportFormat::kJson
                   : report == "text" || options.dry_run ? TReportFormat::kText
                                                         : TReportFormat::kNone;
  if (const std::string problem = CheckCombination(options); !problem.empty()) {
    return UsageError(problem);
  }
  return std::nullopt;
}

}  // namespace ign
