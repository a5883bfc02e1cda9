#include <exception>
#include <iostream>
#include <system_error>

#include "cli/Batch.h"
#include "cli/Messages.h"
#include "cli/Options.h"
#include "files/Input.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>
#include <vector>
#endif

namespace {

int Run(int argc, const char* const* argv) {
  try {
    ign::TOptions options;
    if (const auto status = ign::ParseOptions(argc, argv, options)) return *status;
    return ign::RunBatch(options);
  } catch (const std::exception& error) {
    // Only running out of memory outside any one input gets here; the file
    // operations report through error codes.
    std::cerr << ign::kProgramName << ": " << error.what() << '\n';
    return ign::kExitFailed;
  }
}

// A report, help or version text that did not arrive is a failure, as with
// every GNU tool.
int Finish(int status) {
  std::error_code reason;
  if (!ign::CloseStandardOutput(reason)) {
    std::cerr << ign::kProgramName << ": write error";
    if (reason) std::cerr << " (" << reason.message() << ')';
    std::cerr << '\n';
    return ign::kExitFailed;
  }
  return status;
}

}  // namespace

#ifdef _WIN32

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
  return Finish(Run(argc, argv.data()));
}

#else

int main(int argc, char** argv) {
  ign::GuardStandardStreams();
  return Finish(Run(argc, argv));
}

#endif
