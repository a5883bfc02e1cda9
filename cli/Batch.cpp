#include "cli/Batch.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/InputFile.h"
#include "cli/Messages.h"
#include "cli/SafeFile.h"
#include "params/Convert.h"

namespace ign {
namespace {

void Complain(std::string_view file, std::string_view message) {
  std::cerr << kProgramName << ": " << file << ": " << message << '\n';
}

std::string_view InputName(const std::string& input) {
  return input == kStandardStream ? kStandardInputName : std::string_view(input);
}

std::string TargetOf(const TOptions& options, const std::string& input) {
  if (options.output) return *options.output;
  return (std::filesystem::path(*options.directory) / std::filesystem::path(input).filename())
      .string();
}

// Puts the converted bytes where they belong and says why when it fails.
bool Deliver(const std::string& target, std::string_view bytes, bool force) {
  if (target == kStandardStream) {
    if (WriteStandardOutput(bytes)) return true;
    Complain(kStandardOutputName, kMsgWriteFileError);
    return false;
  }
  switch (SaveFile(target, bytes, force)) {
    case TSaveResult::kSaved:
      return true;
    case TSaveResult::kExists:
      Complain(target, kMsgOutputExists);
      break;
    case TSaveResult::kOpenError:
      Complain(target, kMsgOpenFileError);
      break;
    case TSaveResult::kWriteError:
      Complain(target, kMsgWriteFileError);
      break;
  }
  return false;
}

bool ConvertOne(const TOptions& options, const std::string& input) {
  std::string text;
  if (!ReadInput(input, text)) {
    Complain(InputName(input), kMsgOpenFileError);
    return false;
  }
  std::string converted;
  if (!ConvertIgn2005To2006(text, converted)) {
    Complain(InputName(input), kMsgUnmatchedIgnVersion);
    return false;
  }
  return Deliver(TargetOf(options, input), converted, options.force);
}

}  // namespace

int RunBatch(const TOptions& options) {
  bool all_converted = true;
  for (const std::string& input : options.inputs) {
    all_converted = ConvertOne(options, input) && all_converted;
  }
  return all_converted ? kExitConverted : kExitFailed;
}

}  // namespace ign
