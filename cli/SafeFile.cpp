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
#include <fcntl.h>
#include <io.h>
#endif

namespace ign {
namespace fs = std::filesystem;
namespace {

// Opens a file of an unpredictable name in `folder` that did not exist
// before ("x": exclusive creation), so that no other file or link of the
// same name can be written through.
std::FILE* CreateTemporary(const fs::path& folder, const fs::path& name, fs::path& temporary) {
  std::random_device seed;
  std::mt19937_64 random(static_cast<std::uint64_t>(seed()) << 32 ^ seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%016llx", static_cast<unsigned long long>(random()));
    // Cut long names so that the suffix cannot push the name over the limit.
    temporary = folder / ("." + name.string().substr(0, 100) + suffix + ".tmp");
    if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) return file;
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

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  fs::path temporary;
  std::FILE* file = CreateTemporary(folder, target.filename(), temporary);
  if (file == nullptr) return TSaveResult::kOpenError;

  if (!WriteAndClose(file, bytes)) {
    fs::remove(temporary, error);
    return TSaveResult::kWriteError;
  }
  if (fs::exists(old_status)) {
    // The replacement keeps who may read and write the file.
    fs::permissions(temporary, old_status.permissions(), error);
  }
  // Without -f a file that appeared meanwhile is still not replaced; the
  // window between this test and the rename is as short as it gets.
  if (!replace && fs::exists(fs::symlink_status(target_given, error))) {
    fs::remove(temporary, error);
    return TSaveResult::kExists;
  }
  fs::rename(temporary, target, error);
  if (error) {
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
