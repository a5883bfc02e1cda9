// The POSIX side of TOutputBatch: descriptors relative to the target's
// folder, so that nothing is looked up twice by name.

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <utility>

#include "files/Attributes.h"
#include "files/Locate.h"
#include "files/Output.h"
#include "files/Temporaries.h"

namespace ign {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

TSaveResult Failure(TSaveStatus status, std::error_code reason = {}) { return {status, reason}; }

void Close(int& descriptor) {
  if (descriptor >= 0) ::close(descriptor);
  descriptor = -1;
}

// The mode a file created with 0666 gets here. The mask can only be read by
// setting it; it is put back at once, and read once: the programs never
// change it.
mode_t CreationMode() {
  static const mode_t mode = [] {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  return mode;
}

std::string RandomSuffix() {
  static std::mt19937_64 random = [] {
    std::random_device seed;
    return std::mt19937_64(static_cast<std::uint64_t>(seed()) << 32 ^ seed());
  }();
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".%016llx", static_cast<unsigned long long>(random()));
  return suffix;
}

// ".NAME.<hex>.tmp"; long names are cut so that the suffix fits.
std::string TemporaryName(const std::string& name) {
  return "." + name.substr(0, 100) + RandomSuffix() + ".tmp";
}

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

struct TPending {
  int folder = -1;  // the folder the file goes to
  std::string folder_name;
  std::string name;       // the target's name in it
  int file = -1;          // the new content
  std::string temporary;  // its name, or empty while it has none
  int slot = -1;          // of RememberTemporary
  bool replace = false;
  TSaveResult result;

  // Lets go of the temporary name, which the signal handlers then no longer
  // remove. errno stays as it was, for the caller to read.
  void ForgetTemporaryName() {
    const int error = errno;
    ForgetTemporary(slot);
    slot = -1;
    temporary.clear();
    errno = error;
  }

  // Closes the file and removes its temporary name.
  void Drop() {
    Close(file);
    if (!temporary.empty()) ::unlinkat(folder, temporary.c_str(), 0);
    ForgetTemporaryName();
  }
};

// A name of the file that `file` replaces: through the folder's descriptor,
// which names the very folder that was checked, where /proc has it.
std::string OldFilePath(const TPending& file) {
  static const bool has_proc = ::access("/proc/self/fd", X_OK) == 0;
  if (!has_proc) return file.folder_name + "/" + file.name;
  return "/proc/self/fd/" + std::to_string(file.folder) + "/" + file.name;
}

}  // namespace

struct TOutputBatch::TState {
  TTemporaryKind kind;
  std::vector<TPending> pending;
  TFolders folders;

  void MakeDurable();
};

TOutputBatch::TOutputBatch(TTemporaryKind kind) : state_(new TState{kind, {}, {}}) {}

TOutputBatch::~TOutputBatch() {
  for (TPending& file : state_->pending) file.Drop();
}

std::size_t TOutputBatch::Pending() const { return state_->pending.size(); }

TSaveResult TOutputBatch::Add(const std::string& target, std::string_view bytes, bool replace) {
  if (target.empty()) return Failure(TSaveStatus::kOpenError, {ENOENT, std::generic_category()});
  TLocation location = Locate(target, replace, state_->folders);
  if (location.result.status != TSaveStatus::kSaved) return location.result;
  TPending file;
  file.replace = replace;
  file.folder = location.folder;
  file.folder_name = std::move(location.folder_name);
  file.name = std::move(location.name);
  const std::optional<struct stat>& old = location.old;

#ifdef O_TMPFILE
  // Naming the file later goes through /proc, which a chroot may lack.
  static const bool can_name_later = ::access("/proc/self/fd", X_OK) == 0;
  if (state_->kind == TTemporaryKind::kUnnamed && can_name_later) {
    file.file = ::openat(file.folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  }
#endif
  for (int attempt = 0; file.file < 0 && attempt < 16; ++attempt) {
    file.temporary = TemporaryName(file.name);
    // Remembered first, so that no signal can come between creating and
    // remembering it.
    file.slot = RememberTemporary(file.folder, file.temporary);
    if (file.slot < 0) {
      errno = EMFILE;
      break;
    }
    // Exclusive: no file or link of that name can be written through. 0600:
    // no one else may read the content before it has the target's mode.
    file.file = ::openat(file.folder, file.temporary.c_str(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file.file >= 0) break;
    file.ForgetTemporaryName();
    if (errno != EEXIST) break;
  }
  if (file.file < 0) return Failure(TSaveStatus::kOpenError, LastError());

  // Who may read the new content is settled before there is any.
  if (old) {
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
      // Where the owner cannot be given, the group may still be.
      if (::fchown(file.file, old->st_uid, old->st_gid) != 0) {
        [[maybe_unused]] const int ignored =
            ::fchown(file.file, static_cast<uid_t>(-1), old->st_gid);
      }
    }
    if (const std::error_code lost = CopyAttributes(OldFilePath(file), file.file)) {
      file.Drop();
      return Failure(TSaveStatus::kOpenError, lost);
    }
    // After chown, which clears the set-id bits, and after the ACL, whose
    // mask the group bits are.
    ::fchmod(file.file, old->st_mode & 07777);
  } else {
    ::fchmod(file.file, CreationMode());
  }

  if (!WriteAll(file.file, bytes)) {
    const TSaveResult failed = Failure(TSaveStatus::kWriteError, LastError());
    file.Drop();
    return failed;
  }
#ifdef SYNC_FILE_RANGE_WRITE
  // Starts the write-back now, so that the one wait in Commit finds most of
  // it done.
  ::sync_file_range(file.file, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
  state_->pending.push_back(std::move(file));
  return {};
}

namespace {

// Gives the unnamed file `descriptor` the name `name` in `folder`; fails
// with EEXIST when the name is taken.
bool LinkUnnamed(int descriptor, int folder, const std::string& name) {
  char proc[64];
  std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", descriptor);
  return ::linkat(AT_FDCWD, proc, folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Renames without replacing: the test for an existing target and the rename
// are one step, so that a file made meanwhile is never lost.
bool RenameNoReplace(int folder, const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
#endif
  // A file system without it still has link(2), which never replaces.
  if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0) return false;
  ::unlinkat(folder, from.c_str(), 0);
  return true;
}

}  // namespace

// Every waiting file's content on disk before any takes its name. Several
// files take one syncfs per file system: an fdatasync each would flush the
// disk's cache once per file, which under load costs milliseconds each.
void TOutputBatch::TState::MakeDurable() {
#ifdef __linux__
  if (pending.size() > 1) {
    // A file lives on its folder's file system: one syncfs per folder.
    std::map<int, int> synced;  // folder, errno of the syncfs of its file system
    for (TPending& file : pending) {
      auto done = synced.find(file.folder);
      if (done == synced.end()) {
        done = synced.emplace(file.folder, ::syncfs(file.folder) == 0 ? 0 : errno).first;
      }
      // Collects a write-back error of this very file, which syncfs may
      // have reported to another descriptor.
      constexpr unsigned kWait =
          SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;
      if (done->second != 0) {
        file.result = Failure(TSaveStatus::kWriteError, {done->second, std::generic_category()});
      } else if (::sync_file_range(file.file, 0, 0, kWait) != 0) {
        file.result = Failure(TSaveStatus::kWriteError, LastError());
      }
    }
    return;
  }
#endif
  for (TPending& file : pending) {
    if (::fdatasync(file.file) != 0) file.result = Failure(TSaveStatus::kWriteError, LastError());
  }
}

std::vector<TSaveResult> TOutputBatch::Commit() {
  state_->MakeDurable();
  std::vector<TSaveResult> results;
  results.reserve(state_->pending.size());
  for (TPending& file : state_->pending) {
    if (file.result.status == TSaveStatus::kSaved) {
      bool placed = false;
      if (file.temporary.empty() && !file.replace) {
        placed = LinkUnnamed(file.file, file.folder, file.name);
      } else if (file.temporary.empty()) {
        // An unnamed file cannot replace a name directly: it gets a name of
        // its own first, then takes the target's.
        for (int attempt = 0; attempt < 16 && file.temporary.empty(); ++attempt) {
          file.temporary = TemporaryName(file.name);
          file.slot = RememberTemporary(file.folder, file.temporary);
          if (file.slot >= 0 && LinkUnnamed(file.file, file.folder, file.temporary)) break;
          file.ForgetTemporaryName();
          if (errno != EEXIST) break;
        }
        placed = !file.temporary.empty() && ::renameat(file.folder, file.temporary.c_str(),
                                                       file.folder, file.name.c_str()) == 0;
      } else if (file.replace) {
        placed =
            ::renameat(file.folder, file.temporary.c_str(), file.folder, file.name.c_str()) == 0;
      } else {
        placed = RenameNoReplace(file.folder, file.temporary, file.name);
      }
      if (placed) {
        file.ForgetTemporaryName();
      } else if (errno == EEXIST) {
        file.result = Failure(TSaveStatus::kExists);
      } else {
        file.result = Failure(TSaveStatus::kWriteError, LastError());
      }
    }
    results.push_back(file.result);
  }
  for (TPending& file : state_->pending) file.Drop();
  state_->pending.clear();
  // The renames must reach the disk too, once per folder after the last.
  for (const auto& [folder, status] : state_->folders.All()) ::fsync(folder);
  state_->folders.Close();
  return results;
}

}  // namespace ign
