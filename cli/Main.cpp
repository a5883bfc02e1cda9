#include <exception>
#include <iostream>
#include <system_error>

#include "cli/Batch.h"
#include "cli/Messages.h"
#include "cli/Options.h"
#include "files/Input.h"

namespace {

int Run(int argc, char** argv) {
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

}  // namespace

int main(int argc, char** argv) {
  ign::GuardStandardStreams();
  const int status = Run(argc, argv);
  // A report, help or version text that did not arrive is a failure, as
  // with every GNU tool.
  std::error_code reason;
  if (!ign::CloseStandardOutput(reason)) {
    std::cerr << ign::kProgramName << ": write error";
    if (reason) std::cerr << " (" << reason.message() << ')';
    std::cerr << '\n';
    return ign::kExitFailed;
  }
  return status;
}
