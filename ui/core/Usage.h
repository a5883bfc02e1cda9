// What the program answers without opening a window: --help and --version.
#pragma once

#include <string>
#include <vector>

namespace ign {

enum class TRequest { kWindow, kHelp, kVersion };

// What the arguments (program name first) ask for: -h or --help anywhere
// asks for the help, --version anywhere for the version, whichever comes
// first; else the window.
TRequest RequestOfArguments(const std::vector<std::string>& arguments);

// The text that answers `request`, kHelp or kVersion, ending in a line feed:
// the help, or "ign-converter VERSION".
std::string AnswerOf(TRequest request);

// Writes the answer to `request` on standard output and closes it. Returns
// the exit status: 0, or 1 after a line on standard error when the text did
// not arrive whole.
int PrintAnswer(TRequest request);

}  // namespace ign
