#include "ui/core/Usage.h"

#include <iostream>
#include <string_view>
#include <system_error>

#include "files/Input.h"

namespace ign {
namespace {

// The options column is what the man page is checked against: every word
// of it must be there.
constexpr std::string_view kHelp =
    R"(Usage: ign-converter [LANGUAGE] [FILE]
Converts ignition parameter files (*.ign) from format version 2005 to 2006 in
a window: File > Open (F3) asks for a file, then for the name to save the
conversion under, proposing the file's own.

  ENGLISH, DEUTSCH, FRENCH  as the first argument, exactly so: the language
                            of the window (English otherwise)
  FILE                      a version-2005 file, converted as soon as the
                            window is up; any other argument is a file
  -h, --help                show this help and exit
      --version             show the version and exit

Exit status: 0; 1 when no window can be opened (no display) or this text
cannot be written. ign-convert converts files without a window.
)";

}  // namespace

TRequest RequestOfArguments(const std::vector<std::string>& arguments) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "--help" || arguments[i] == "-h") return TRequest::kHelp;
    if (arguments[i] == "--version") return TRequest::kVersion;
  }
  return TRequest::kWindow;
}

std::string AnswerOf(TRequest request) {
  if (request == TRequest::kHelp) return std::string(kHelp);
  return std::string("ign-converter ") + IGN_VERSION + "\n";
}

int PrintAnswer(TRequest request) {
  std::cout << AnswerOf(request);
  std::error_code reason;
  if (CloseStandardOutput(reason)) return 0;
  // As every GNU tool: a help that did not arrive is a failure.
  std::cerr << "ign-converter: write error";
  if (reason) std::cerr << " (" << reason.message() << ')';
  std::cerr << '\n';
  return 1;
}

}  // namespace ign
