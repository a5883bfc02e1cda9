// ign-convert from its arguments to its exit status, for the entry point of
// each system.
#pragma once

namespace ign {

// Parses the command line, converts, and makes sure that what went to
// standard output arrived. Returns the exit status.
int RunProgram(int argc, const char* const* argv);

}  // namespace ign
