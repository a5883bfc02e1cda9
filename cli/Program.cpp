#include "cli/Program.h"

#include <exception>
#include <system_error>

#include "cli/Batch.h"
#include "cli/Messages.h"
#include "cli/Options.h"
#include "files/Input.h"

namespace ign {
namespace {

int Run(int argc, const char* const* argv) {
  try {
    TOptions options;
    if (const auto status = ParseOptions(argc, argv, options)) return *status;
    return RunBatch(options);
  } catch (const std::exception& error) {
    // Only running out of memory outside any one input gets here; the file
    // operations report through error codes.
    Tell(error.what());
    return kExitFailed;
  }
}

// A report, help or version text that did not arrive is a failure, as with
// every GNU tool, told as any other failed write.
int Finish(int status) {
  std::error_code reason;
  if (!CloseStandardOutput(reason)) {
    Complain(kStandardOutputName, FailureText(kMsgWriteFileError, reason));
    return kExitFailed;
  }
  return status;
}

}  // namespace

int RunProgram(int argc, const char* const* argv) { return Finish(Run(argc, argv)); }

}  // namespace ign
