#include "cli/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define IGN_HAVE_FSYNC 1
#endif
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#endif

namespace ign {
namespace fs = std::filesystem;
namespace {

// Creates `file` for writing only if it did not exist before, so that no
// other file or link of the same name can be written through.
std::FILE* OpenNew(const fs::path& file) {
#ifdef _WIN32
  // The C runtime's fopen ignores "x"; the wide call also keeps names
  // outside the ANSI code page.
  const int descriptor =
      _wopen(file.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (descriptor < 0) return nullptr;
  std::FILE* stream = _fdopen(descriptor, "wb");
  if (stream == nullptr) _close(descriptor);
  return stream;
#else
  return std::fopen(file.c_str(), "wbx");
#endif
}

// Opens a file of an unpredictable name in `folder` that did not exist
// before.
std::FILE* CreateTemporary(const fs::path& folder, const fs::path& name, fs::path& temporary) {
  std::random_device seed;
  std::mt19937_64 random(static_cast<std::uint64_t>(seed()) << 32 ^ seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%016llx", static_cast<unsigned long long>(random()));
    // Cut long names so that the suffix cannot push the name over the limit.
    fs::path temporary_name = ".";
    temporary_name += name.native().substr(0, 100);
    temporary_name += std::string(suffix) + ".tmp";
    temporary = folder / temporary_name;
    if (std::FILE* file = OpenNew(temporary)) return file;
    if (errno != EEXIST) break;
  }
  return nullptr;
}

// Writes, flushes and closes; the file is closed whatever happens.
bool WriteAndClose(std::FILE* file, std::string_view bytes) {
  bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#ifdef IGN_HAVE_FSYNC
  // The rename must not reach the disk before the data does, or a power cut
  // could leave an empty file where the old one was.
  written = written && ::fsync(::fileno(file)) == 0;
#elif defined(_WIN32)
  written = written && _commit(_fileno(file)) == 0;  // FlushFileBuffers
#endif
  return std::fclose(file) == 0 && written;
}

// Makes the rename itself durable; a failure here costs nothing but that.
void SyncFolder([[maybe_unused]] const fs::path& folder) {
#ifdef IGN_HAVE_FSYNC
  const int descriptor = ::open(folder.c_str(), O_RDONLY);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
#endif
}

// Puts `temporary` in the place of `target` in one step.
bool Replace(const fs::path& temporary, const fs::path& target) {
#ifdef _WIN32
  // Write-through: done once the new name is on the disk, which is what the
  // folder's fsync gives elsewhere. A target that another program holds open
  // without sharing deletion is not replaced.
  return MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  std::error_code error;
  fs::rename(temporary, target, error);
  return !error;
#endif
}

}  // namespace

TSaveResult SaveFile(const fs::path& target_given, std::string_view bytes, bool replace) {
  std::error_code error;
  // symlink_status, so that a link to nothing also counts as existing.
  if (!replace && fs::exists(fs::symlink_status(target_given, error))) return TSaveResult::kExists;

  fs::path target = target_given;
  if (fs::is_symlink(fs::symlink_status(target, error))) {
    target = fs::weakly_canonical(target, error);
    if (error) return TSaveResult::kOpenError;
  }
  const fs::file_status old_status = fs::status(target, error);
  // Renaming over a folder or a device would not write into it but replace
  // it, which is never what was asked for.
  if (fs::exists(old_status) && !fs::is_regular_file(old_status)) return TSaveResult::kOpenError;
#ifdef _WIN32
  // Read-only is how Windows keeps a file from being changed or replaced;
  // writing it in place would fail to open as well.
  if (fs::exists(old_status) &&
      (old_status.permissions() & fs::perms::owner_write) == fs::perms::none) {
    return TSaveResult::kOpenError;
  }
#endif

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  fs::path temporary;
  std::FILE* file = CreateTemporary(folder, target.filename(), temporary);
  if (file == nullptr) return TSaveResult::kOpenError;

  if (!WriteAndClose(file, bytes)) {
    fs::remove(temporary, error);
    return TSaveResult::kWriteError;
  }
#ifndef _WIN32
  // Windows keeps nothing but a read-only flag here, and a read-only target
  // stays as it is.
  if (fs::exists(old_status)) {
    // The replacement keeps who may read and write the file.
    fs::permissions(temporary, old_status.permissions(), error);
  }
#endif
  // Without -f a file that appeared meanwhile is still not replaced; the
  // window between this test and the rename is as short as it gets.
  if (!replace && fs::exists(fs::symlink_status(target_given, error))) {
    fs::remove(temporary, error);
    return TSaveResult::kExists;
  }
  if (!Replace(temporary, target)) {
    fs::remove(temporary, error);
    return TSaveResult::kWriteError;
  }
  SyncFolder(folder);
  return TSaveResult::kSaved;
}

bool WriteStandardOutput(std::string_view bytes) {
#ifdef _WIN32
  // CR LF is already in the bytes; text mode would make it CR CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
  return !std::cout.fail();
}

}  // namespace ign
