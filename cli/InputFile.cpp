#include "cli/InputFile.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <istream>

#include "cli/Messages.h"
#include "cli/Utf8Path.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace ign {
namespace {

bool ReadAll(std::istream& in, std::string& text) {
  char chunk[64 * 1024];
  while (in.read(chunk, sizeof chunk), in.gcount() > 0) {
    text.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  return !in.bad();
}

}  // namespace

bool ReadInput(const std::string& name, std::string& text) {
  text.clear();
  if (name == kStandardStream) {
#ifdef _WIN32
    // Keep CR LF as it stands; the reader treats it as white space anyway.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return ReadAll(std::cin, text);
  }
  // A folder or a device would open as a stream on some systems and then
  // read as nothing or block; only plain files are parameter files.
  const std::filesystem::path path = PathFromUtf8(name);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  return in.is_open() && ReadAll(in, text);
}

}  // namespace ign
