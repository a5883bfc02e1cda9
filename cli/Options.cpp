#include "cli/Options.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <string_view>
#include <utility>

#include "cli/Messages.h"
#include "files/Utf8Path.h"

namespace ign {

const char* const kUsage =
    R"(Usage: ign-convert [OPTION]... INPUT -o OUTPUT
       ign-convert [OPTION]... -d DIR INPUT...
       ign-convert --dry-run [OPTION]... INPUT...

Converts ignition parameter files (*.ign) from format version 2005 to 2006.
Every input is converted on its own, as by a fresh start of the program, and
an output file is only ever replaced as a whole.

  -o, --output=OUTPUT    write the converted INPUT to OUTPUT ("-": standard
                         output)
  -d, --directory=DIR    write each INPUT to DIR under the input's file name;
                         DIR is made when missing (its parent is not)
  -f, --force            replace output files that already exist
      --report[=FORMAT]  list on standard output every value that version 2006
                         receives other than the input says and every word
                         skipped, with its line and the reason; FORMAT is
                         text (the default) or json
      --unexpected-only  leave out of the report the changes that every file
                         goes through, and the files without any other
      --dry-run          convert and report (as --report unless
                         --report=json), but write nothing
      --strict           exit with 3 when anything unexpected happened: a value
                         changed, a word skipped, an input too long to check
  -h, --help             show this help and exit
      --version          show the version and exit

INPUT "-" reads standard input (with -o or --dry-run only).

Exit status: 0 every input converted, 1 an input or output failed (the other
inputs are still converted), 2 usage error, 3 with --strict: nothing failed
but something unexpected happened.

The full guide: man ign-convert.
)";

namespace {

enum class TTakes { kNothing, kValue, kOptionalValue };
enum class TOption {
  kOutput,
  kDirectory,
  kForce,
  kReport,
  kUnexpectedOnly,
  kDryRun,
  kStrict,
  kHelp,
  kVersion
};

struct TRule {
  std::string_view name;
  char letter;  // 0: a long name only
  TTakes takes;
  TOption option;
};

constexpr TRule kRules[] = {
    {"output", 'o', TTakes::kValue, TOption::kOutput},
    {"directory", 'd', TTakes::kValue, TOption::kDirectory},
    {"force", 'f', TTakes::kNothing, TOption::kForce},
    {"report", 0, TTakes::kOptionalValue, TOption::kReport},
    {"unexpected-only", 0, TTakes::kNothing, TOption::kUnexpectedOnly},
    {"dry-run", 0, TTakes::kNothing, TOption::kDryRun},
    {"strict", 0, TTakes::kNothing, TOption::kStrict},
    {"help", 'h', TTakes::kNothing, TOption::kHelp},
    {"version", 0, TTakes::kNothing, TOption::kVersion},
};

// The rule of a long option given as `name` or as its unambiguous start,
// or null with the problem.
const TRule* FindLong(std::string_view name, std::string_view argument, std::string& problem) {
  const TRule* found = nullptr;
  std::string possible;
  int starts = 0;
  for (const TRule& rule : kRules) {
    if (rule.name == name) return &rule;
    if (!name.empty() && rule.name.starts_with(name)) {
      found = &rule;
      possible += " '--" + std::string(rule.name) + "'";
      ++starts;
    }
  }
  if (starts == 1) return found;
  problem = starts == 0
                ? "unrecognized option '" + std::string(argument) + "'"
                : "option '--" + std::string(name) + "' is ambiguous; possibilities:" + possible;
  return nullptr;
}

const TRule* FindShort(char letter) {
  for (const TRule& rule : kRules) {
    if (rule.letter == letter) return &rule;
  }
  return nullptr;
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
  if (options.unexpected_only && options.report == TReportFormat::kNone) {
    return "--unexpected-only needs --report or --dry-run";
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

// Reads the arguments one by one: options anywhere until "--", as GNU
// getopt_long does, short ones bundled ("-fo OUT"), long ones by any
// unambiguous start ("--dry"), values after "=" or as the next argument.
class TParser {
 public:
  TParser(int argc, const char* const* argv, TOptions& options)
      : args_(argv + 1, argv + argc), options_(options) {}

  std::optional<int> Parse() {
    bool options_ended = false;
    for (next_ = 0; next_ < args_.size();) {
      const std::string_view argument = args_[next_++];
      const bool after_bare_report = std::exchange(bare_report_, false);
      if (options_ended || argument == "-" || argument.size() < 2 || argument[0] != '-') {
        if (after_bare_report && (argument == "json" || argument == "text")) {
          options_.report_words.push_back(options_.inputs.size());
        }
        options_.inputs.emplace_back(argument);
      } else if (argument == "--") {
        options_ended = true;
      } else if (const auto status =
                     argument[1] == '-' ? Long(argument) : Short(argument.substr(1))) {
        return status;
      }
    }
    if (!report_.empty() || options_.dry_run) {
      options_.report = report_ == "json" ? TReportFormat::kJson : TReportFormat::kText;
    }
    if (const std::string problem = CheckCombination(options_); !problem.empty()) {
      return UsageError(problem);
    }
    return std::nullopt;
  }

 private:
  std::optional<int> Long(std::string_view argument) {
    const std::size_t equals = argument.find('=');
    const std::string_view name =
        argument.substr(2, equals == argument.npos ? argument.npos : equals - 2);
    std::string problem;
    const TRule* rule = FindLong(name, argument, problem);
    if (rule == nullptr) return UsageError(problem);
    const std::string shown = "'--" + std::string(rule->name) + "'";
    std::optional<std::string_view> value;
    if (equals != argument.npos) value = argument.substr(equals + 1);
    if (rule->takes == TTakes::kNothing && value) {
      return UsageError("option " + shown + " doesn't allow an argument");
    }
    if (rule->takes == TTakes::kValue && !value) {
      if (next_ == args_.size()) return UsageError("option " + shown + " requires an argument");
      value = args_[next_++];
    }
    bare_report_ = rule->option == TOption::kReport && !value;
    return Apply(*rule, value);
  }

  std::optional<int> Short(std::string_view letters) {
    for (std::size_t at = 0; at < letters.size(); ++at) {
      const std::string letter(1, letters[at]);
      const TRule* rule = FindShort(letters[at]);
      if (rule == nullptr) return UsageError("invalid option -- '" + letter + "'");
      if (rule->takes != TTakes::kValue) {
        if (const auto status = Apply(*rule, std::nullopt)) return status;
        continue;
      }
      // The rest of the bundle is the value ("-oOUT"), or the next argument.
      if (at + 1 < letters.size()) return Apply(*rule, letters.substr(at + 1));
      if (next_ == args_.size()) {
        return UsageError("option requires an argument -- '" + letter + "'");
      }
      return Apply(*rule, args_[next_++]);
    }
    return std::nullopt;
  }

  std::optional<int> Apply(const TRule& rule, std::optional<std::string_view> value) {
    switch (rule.option) {
      case TOption::kOutput:
        options_.output = std::string(*value);
        break;
      case TOption::kDirectory:
        options_.directory = std::string(*value);
        break;
      case TOption::kForce:
        options_.force = true;
        break;
      case TOption::kReport:
        report_ = value.value_or("text");
        if (report_ != "text" && report_ != "json") {
          return UsageError("invalid argument '" + report_ +
                            "' for '--report'; valid arguments are 'text' and 'json'");
        }
        break;
      case TOption::kUnexpectedOnly:
        options_.unexpected_only = true;
        break;
      case TOption::kDryRun:
        options_.dry_run = true;
        break;
      case TOption::kStrict:
        options_.strict = true;
        break;
      case TOption::kHelp:
        std::cout << kUsage;
        return kExitConverted;
      case TOption::kVersion:
        std::cout << kProgramName << ' ' << IGN_VERSION << '\n';
        return kExitConverted;
    }
    return std::nullopt;
  }

  std::vector<std::string_view> args_;
  std::size_t next_ = 0;
  TOptions& options_;
  std::string report_;        // the format asked for, empty for none
  bool bare_report_ = false;  // the argument before was --report without a format
};

}  // namespace

std::optional<int> ParseOptions(int argc, const char* const* argv, TOptions& options) {
  return TParser(argc, argv, options).Parse();
}

}  // namespace ign
