// Reading a whole input into memory, the way the converter takes it.
#pragma once

#include <string>

namespace ign {

// Reads the regular file `name`, or standard input for "-", wholly and
// byte for byte into `text`. Returns false when it cannot be opened, is no
// regular file (a folder, a device) or fails while being read.
bool ReadInput(const std::string& name, std::string& text);

}  // namespace ign
