// Running the converter on Windows: CreateProcessW with three pipes, one
// thread each to feed standard input and drain standard error.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

#include "files/Utf8Path.h"
#include "tests/cli/RunProgram.h"

namespace ign::test {
namespace {

[[noreturn]] void Fail(const char* what) { throw std::runtime_error(what); }

// One argument as the C runtime's command-line splitting gives it back:
// quoted when it holds blanks or quotes, with the backslashes before a quote
// doubled.
std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(2 * backslashes, L'\\');
  quoted.push_back(L'"');
  return quoted;
}

class THandle {
 public:
  ~THandle() { Close(); }
  HANDLE* Out() { return &handle_; }
  HANDLE Get() const { return handle_; }
  void Close() {
    if (handle_ != nullptr) CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HANDLE handle_ = nullptr;
};

// A pipe whose end `child_end` (0 read, 1 write) the child inherits.
void MakePipe(THandle ends[2], int child_end) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  if (!CreatePipe(ends[0].Out(), ends[1].Out(), &inherit, 0)) Fail("CreatePipe");
  if (!SetHandleInformation(ends[1 - child_end].Get(), HANDLE_FLAG_INHERIT, 0)) {
    Fail("SetHandleInformation");
  }
}

void Drain(HANDLE pipe, std::string& sink) {
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) sink.append(buffer, n);
}

}  // namespace

TRunResult RunConvert(std::vector<std::string> args, std::string_view input, long file_size_limit) {
  if (file_size_limit >= 0) Fail("no file size limit on Windows (see kCanLimitFileSize)");
  THandle in[2], out[2], err[2];
  MakePipe(in, 0);
  MakePipe(out, 1);
  MakePipe(err, 1);

  const std::wstring program = PathFromUtf8(IGN_CONVERT_PROGRAM).native();
  std::wstring command = Quote(program);
  for (const std::string& arg : args) command += L' ' + Quote(PathFromUtf8(arg).native());

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in[0].Get();
  startup.hStdOutput = out[1].Get();
  startup.hStdError = err[1].Get();
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    Fail("CreateProcessW");
  }
  CloseHandle(process.hThread);
  // Only the child may hold these now, so that the pipes end when it does.
  in[0].Close();
  out[1].Close();
  err[1].Close();

  TRunResult result;
  std::thread feeder([&] {
    DWORD n = 0;
    for (std::size_t fed = 0; fed < input.size(); fed += n) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(input.size() - fed, 1 << 16));
      if (!WriteFile(in[1].Get(), input.data() + fed, chunk, &n, nullptr) || n == 0) break;
    }
    in[1].Close();
  });
  std::thread error_reader([&] { Drain(err[0].Get(), result.err); });
  Drain(out[0].Get(), result.out);
  feeder.join();
  error_reader.join();

  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  result.status = static_cast<int>(code);
  return result;
}

TRunResult RunConvertInShell(std::string_view, std::vector<std::string>) {
  Fail("no POSIX shell on Windows (see kHasPosixShell)");
}

}  // namespace ign::test
