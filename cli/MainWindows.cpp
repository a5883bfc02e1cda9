#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Program.h"
#include "files/Input.h"

namespace {

std::string Utf8FromWide(const wchar_t* text) {
  // Invalid UTF-16 (a lone surrogate) becomes U+FFFD rather than an error.
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  utf8.pop_back();  // the terminating zero
  return utf8;
}

// Names in messages are UTF-8; a console shows them as such while the
// program runs and gets its own code page back afterwards.
class TConsoleUtf8 {
 public:
  TConsoleUtf8() : previous_(GetConsoleOutputCP()) {
    if (previous_ != 0) SetConsoleOutputCP(CP_UTF8);
  }
  ~TConsoleUtf8() {
    if (previous_ != 0) SetConsoleOutputCP(previous_);
  }
  TConsoleUtf8(const TConsoleUtf8&) = delete;
  TConsoleUtf8& operator=(const TConsoleUtf8&) = delete;

 private:
  UINT previous_;
};

}  // namespace

// Windows hands the arguments over in UTF-16; the narrow ones would have gone
// through the ANSI code page and lost every other character.
int wmain(int argc, wchar_t** wide_argv) {
  ign::GuardStandardStreams();
  // The same bytes as on every other system: LF line ends in help, messages
  // and reports, and the converted file's CR LF untouched.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const TConsoleUtf8 console;
  std::vector<std::string> args;
  std::vector<const char*> argv;
  for (int i = 0; i < argc; ++i) args.push_back(Utf8FromWide(wide_argv[i]));
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  argv.push_back(nullptr);
  return ign::RunProgram(argc, argv.data());
}
