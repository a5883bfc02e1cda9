// File names as the converter keeps them: UTF-8 strings on every system, as
// the command line gives them and the messages show them, and a
// std::filesystem::path at each call that opens a file, which on Windows
// holds UTF-16. A narrow path there would go through the ANSI code page and
// lose every character outside it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ign {

// The path that the UTF-8 name `name` stands for; on POSIX systems its bytes.
inline std::filesystem::path PathFromUtf8(std::string_view name) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
#else
  return std::filesystem::path(name);
#endif
}

// The UTF-8 name of `path`; on POSIX systems its bytes.
inline std::string Utf8FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
#else
  return path.string();
#endif
}

}  // namespace ign
