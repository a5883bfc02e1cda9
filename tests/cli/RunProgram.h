// Running ign-convert in a child process and collecting what it did.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ign::test {

struct TRunResult {
  int status = -1;  // exit status, or 128 + signal number
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs the program with `args`, feeding `input` to its standard input. A
// `file_size_limit` of 0 or more sets the child's RLIMIT_FSIZE in bytes,
// where there is one (kCanLimitFileSize).
TRunResult RunConvert(std::vector<std::string> args, std::string_view input = {},
                      long file_size_limit = -1);

#ifdef _WIN32
inline constexpr bool kCanLimitFileSize = false;
inline constexpr bool kHasPosixShell = false;
inline constexpr const char* kNullDevice = "NUL";
#else
inline constexpr bool kCanLimitFileSize = true;
inline constexpr bool kHasPosixShell = true;
inline constexpr const char* kNullDevice = "/dev/null";
#endif

// Runs the program through `sh -c SCRIPT`, in which "$0" is the program and
// "$@" the arguments, for redirections and limits of the shell's own. Only
// where there is a POSIX shell (kHasPosixShell); elsewhere it throws.
TRunResult RunConvertInShell(std::string_view script, std::vector<std::string> args);

// A fresh empty folder, removed with everything in it at the end of a test.
class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The UTF-8 name of the entry `name` (UTF-8 as well).
  std::string operator/(std::string_view name) const;
  // The names of the entries, sorted, hidden ones included.
  std::vector<std::string> Names() const;

 private:
  std::filesystem::path path_;
};

// Names in the helpers below are UTF-8, as on the command line.
std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
std::string ReadBytes(const std::string& file);
void WriteBytes(const std::string& file, std::string_view bytes);
std::string Example(std::string_view name);  // path of an examples/ file

}  // namespace ign::test
