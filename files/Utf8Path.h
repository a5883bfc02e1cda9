// File names as both programs keep them: UTF-8 strings on every system, as
// the command line gives them and the messages show them, and a
// std::filesystem::path or a wide string at each call that opens a file,
// which on Windows holds UTF-16. A narrow name there would go through the
// ANSI code page and lose every character outside it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

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

#ifdef _WIN32
// The UTF-16 name of the UTF-8 `name` for the wide Windows calls; false, with
// EILSEQ, for bytes that are no UTF-8, which no Windows name can hold.
inline bool WideFromUtf8(std::string_view name, std::wstring& wide, std::error_code& reason) {
  try {
    wide = PathFromUtf8(name).native();
    return true;
  } catch (const std::system_error&) {
    reason = std::make_error_code(std::errc::illegal_byte_sequence);
    return false;
  }
}
#endif

}  // namespace ign
