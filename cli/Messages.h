// The texts that ign-convert prints, so that every message keeps the wording
// the window shows for the same failure.
#pragma once

#include <string_view>

namespace ign {

inline constexpr std::string_view kProgramName = "ign-convert";

inline constexpr std::string_view kMsgOpenFileError = "Open file error!";
inline constexpr std::string_view kMsgUnmatchedIgnVersion = "Unmatched version of *.ign file!";
inline constexpr std::string_view kMsgWriteFileError = "Write file error!";
inline constexpr std::string_view kMsgOutputExists = "Output file exists (use -f to replace it)";
inline constexpr std::string_view kHintByteOrderMark =
    "it starts with a UTF-8 byte-order mark; save it without one";

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// "-" stands for standard input as INPUT and for standard output after -o.
inline constexpr std::string_view kStandardStream = "-";
inline constexpr std::string_view kStandardInputName = "<stdin>";
inline constexpr std::string_view kStandardOutputName = "<stdout>";

enum TExitStatus : int {
  kExitConverted = 0,
  kExitFailed = 1,
  kExitUsage = 2,
  kExitStrict = 3,
};

}  // namespace ign
