// What ign-convert tells on standard error, always in one form:
//   ign-convert: FILE: text (reason)
// The texts that the window shows too come from the one table of texts;
// the rest are the command's own.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "texts/Texts.h"

namespace ign {

inline constexpr std::string_view kProgramName = "ign-convert";

inline const std::string_view kMsgOpenFileError = TextOf(TText::kMsgOpenFileError, kEnglish);
inline const std::string_view kMsgUnmatchedIgnVersion =
    TextOf(TText::kMsgUnmatchedIgnVersion, kEnglish);
inline const std::string_view kMsgWriteFileError = TextOf(TText::kMsgWriteFileError, kEnglish);
inline constexpr std::string_view kMsgOutputExists = "Output file exists (use -f to replace it)";
inline constexpr std::string_view kMsgCreateFolderError = "Create folder error!";
inline constexpr std::string_view kHintByteOrderMark =
    "it starts with a UTF-8 byte-order mark; save it without one";
// After INPUT's reason when a bare --report stood before an INPUT "json" or
// "text" that cannot be opened.
inline constexpr std::string_view kHintReportWord = " was probably meant";
inline constexpr std::string_view kSeeReport = "(see --report)";

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

// "message (reason; hint)", the parts in parentheses only where given.
std::string FailureText(std::string_view message, std::error_code reason = {},
                        std::string_view hint = {});

// Prints "ign-convert: FILE: text" on standard error, control characters in
// FILE quoted. Of standard output, lost once, only the first loss is told.
void Complain(std::string_view file, std::string_view text);

// Prints "ign-convert: text" on standard error.
void Tell(std::string_view text);

// Prints a usage error with the pointer to --help, and returns kExitUsage.
int UsageError(std::string_view problem);

}  // namespace ign
