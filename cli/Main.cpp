#include <exception>
#include <iostream>

#include "cli/Batch.h"
#include "cli/Messages.h"
#include "cli/Options.h"

int main(int argc, char** argv) {
  try {
    ign::TOptions options;
    if (const auto status = ign::ParseOptions(argc, argv, options)) return *status;
    return ign::RunBatch(options);
  } catch (const std::exception& error) {
    // Only running out of memory gets here; the file operations report
    // through error codes.
    std::cerr << ign::kProgramName << ": " << error.what() << '\n';
    return ign::kExitFailed;
  }
}
