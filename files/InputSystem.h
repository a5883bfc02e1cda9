// The system calls under TInputFile, one file of them per system.
#pragma once

#include <cstddef>
#include <string>
#include <system_error>

namespace ign {

// Whether standard input may be read as an input: open for reading, and a
// file, a pipe or a terminal rather than a device that never ends
// (/dev/zero), which is refused without a reason as under a name.
bool StandardInputReadable(std::error_code& reason);

// Opens the regular file `name` for reading. A folder, a pipe or a device
// is refused (a folder as EISDIR, the others without a reason). Returns the
// descriptor, or -1 with `reason`.
int OpenRegularFile(const std::string& name, std::error_code& reason);

// Reads as read(2) does.
long ReadSome(int descriptor, char* data, std::size_t size);

void CloseFile(int descriptor);

}  // namespace ign
