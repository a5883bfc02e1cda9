// The POSIX side of TOutputBatch: descriptors relative to the target's
// folder, so that nothing is looked up twice by name.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

#include "files/Attributes.h"
#include "files/FlushAhead.h"
#include "files/Locate.h"
#include "files/Output.h"
#include "files/Temporaries.h"
#include "files/TemporaryName.h"

namespace ign {
namespace {

// Descriptors left for everything else while a batch waits: the input being
// read, a folder being walked, what the program holds besides.
constexpr std::size_t kSpareDescriptors = 8;
// What one Add may open and keep: a folder and the temporary.
constexpr std::size_t kDescriptorsPerAdd = 2;

std::error_code LastError() { return {errno, std::generic_category()}; }

TSaveResult Failure(TSaveStatus status, std::error_code reason = {}) { return {status, reason}; }

TSaveResult OpenError(int error) {
  return Failure(TSaveStatus::kOpenError, {error, std::generic_category()});
}

void Close(int& descriptor) {
  if (descriptor >= 0) ::close(descriptor);
  descriptor = -1;
}

// An unnamed file gets its name through /proc, which a chroot may lack.
bool CanNameLater() {
  static const bool can = ::access("/proc/self/fd", X_OK) == 0;
  return can;
}

// How many descriptors a batch may hold: the process's limit, less a few
// and those open now but the batch's own `held`. They are counted only where
// the limit is small enough for them to matter; above it, a thousand are
// assumed.
std::size_t DescriptorBudget(std::size_t held) {
  constexpr std::size_t kCounted = 2048;
  rlimit limit = {};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
    return SIZE_MAX;
  }
  const auto most = static_cast<std::size_t>(limit.rlim_cur);
  std::size_t others = kCounted / 2;
  if (most < kCounted) {
    std::size_t open = 0;
    for (int descriptor = 0; descriptor < static_cast<int>(most); ++descriptor) {
      if (::fcntl(descriptor, F_GETFD) != -1) ++open;
    }
    others = open - std::min(open, held);
  }
  return most > others + kSpareDescriptors ? most - others - kSpareDescriptors : 0;
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

struct TPending {
  int folder = -1;  // the folder the file goes to
  std::string folder_name;
  std::string name;       // the target's name in it
  int file = -1;          // the new content
  std::string temporary;  // its name, or empty while it has none
  int slot = -1;          // of RememberTemporary
  bool replace = false;
  TSaveResult result;

  // Makes a named temporary with `make`, which creates the file under the
  // name it is given; the name is remembered first, so that no signal can
  // come between making and remembering it. False with errno when none
  // could be made.
  template <class TMake>
  bool MakeNamed(TMake make) {
    temporary = MakeTemporary(name, [&](const std::string& candidate) {
      slot = RememberTemporary(folder, candidate);
      if (slot < 0) {
        errno = EMFILE;
        return TTry::kFailed;
      }
      if (make(candidate)) return TTry::kMade;
      ForgetTemporaryName();
      return errno == EEXIST ? TTry::kTaken : TTry::kFailed;
    });
    return !temporary.empty();
  }

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

  // A name of the file that this one replaces: through the folder's
  // descriptor, which names the very folder that was checked, where /proc
  // has it.
  std::string OldPath() const {
    if (!CanNameLater()) return folder_name + "/" + name;
    return "/proc/self/fd/" + std::to_string(folder) + "/" + name;
  }
};

// Gives the new content the owner, group, ACL, attributes and mode of the
// file it replaces, before it has any, so that it is never readable by
// anyone who could not read the old one.
TSaveResult GiveAccess(const TPending& file, const struct stat& old) {
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
    // Where the owner cannot be given, the group may still be.
    if (::fchown(file.file, old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] const int ignored = ::fchown(file.file, static_cast<uid_t>(-1), old.st_gid);
    }
  }
  if (const std::error_code lost = CopyAttributes(file.OldPath(), file.file)) {
    return Failure(TSaveStatus::kOpenError, lost);
  }
  // After chown, which clears the set-id bits, and after the ACL, whose
  // mask the group bits are.
  if (::fchmod(file.file, old.st_mode & 07777) != 0) return OpenError(errno);
  return {};
}

}  // namespace

struct TOutputBatch::TState {
  TTemporaryKind kind;
  std::vector<TPending> pending;
  TFolders folders;
  // Every target of the batch's life, as folder and name.
  std::set<std::tuple<dev_t, ino_t, std::string>> taken;
  std::optional<std::size_t> budget;  // of descriptors, once asked
  TFlushAhead flush_ahead;

  std::tuple<dev_t, ino_t, std::string> Key(const TPending& file) const;
  TSaveResult CreateTemporary(TPending& file, bool replacing);
  void MakeDurable();
  void Place(TPending& file);
  void SyncFolders();
};

TOutputBatch::TOutputBatch(TTemporaryKind kind) : state_(new TState{kind, {}, {}, {}, {}, {}}) {
  PrepareForSaving();
}

TOutputBatch::~TOutputBatch() {
  for (TPending& file : state_->pending) file.Drop();
}

std::size_t TOutputBatch::Pending() const { return state_->pending.size(); }

bool TOutputBatch::Full() const {
  TState& state = *state_;
  if (state.pending.size() >= kMostPending) return true;
  if (!state.budget)
    state.budget = DescriptorBudget(state.pending.size() + state.folders.All().size());
  return state.pending.size() + state.folders.All().size() + kDescriptorsPerAdd > *state.budget;
}

TSaveResult TOutputBatch::Add(const std::string& target, std::string_view bytes, bool replace) {
  if (target.empty()) return OpenError(ENOENT);
  TState& state = *state_;
  TLocation location = Locate(target, replace, state.folders);
  if (location.result.status != TSaveStatus::kSaved) return location.result;
  TPending file;
  file.folder = location.folder;
  file.folder_name = std::move(location.folder_name);
  file.name = std::move(location.name);
  file.replace = replace;
  const auto key = state.Key(file);
  // A link, or two names of one folder, must not let a later file of the
  // batch silently take the place of an earlier one.
  if (state.taken.count(key) != 0) {
    return Failure(TSaveStatus::kOpenError, make_error_code(TSaveError::kSameTargetTwice));
  }

  if (TSaveResult created = state.CreateTemporary(file, location.old.has_value());
      created.status != TSaveStatus::kSaved) {
    return created;
  }
  TSaveResult result = location.old ? GiveAccess(file, *location.old) : TSaveResult();
  if (result.status == TSaveStatus::kSaved && !WriteAll(file.file, bytes)) {
    result = Failure(TSaveStatus::kWriteError, LastError());
  }
  if (result.status != TSaveStatus::kSaved) {
    file.Drop();
    return result;
  }
  state.flush_ahead.Written(file.folder);
  state.taken.insert(key);
  state.pending.push_back(std::move(file));
  return {};
}

std::tuple<dev_t, ino_t, std::string> TOutputBatch::TState::Key(const TPending& file) const {
  const struct stat& folder = folders.Info(file.folder).status;
  return {folder.st_dev, folder.st_ino, file.name};
}

// Makes the file that holds the new content until Commit. A new file is
// created as any new file of its folder, so that the umask or the folder's
// default ACL settle who may read it; a replacement is created 0600, so
// that no one reads it before it has the target's owner and mode.
TSaveResult TOutputBatch::TState::CreateTemporary(TPending& file, bool replacing) {
  const mode_t mode = replacing ? 0600 : 0666;
  // A folder that takes new names but lets none go (chattr +a) would keep a
  // named temporary for good, and no target there can be replaced: a new
  // file is linked in from an unnamed one, or not made at all.
  const bool append_only = folders.Info(file.folder).append_only;
  if (append_only && (replacing || !CanNameLater())) return OpenError(EPERM);
  if (append_only) file.replace = false;
#ifdef O_TMPFILE
  if ((kind == TTemporaryKind::kUnnamed || append_only) && CanNameLater()) {
    file.file = ::openat(file.folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (file.file >= 0) return {};
    if (append_only) return OpenError(errno);
  }
#endif
  // Exclusive: no file or link of that name can be written through.
  if (!file.MakeNamed([&](const std::string& name) {
        file.file = ::openat(file.folder, name.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        return file.file >= 0;
      })) {
    return OpenError(errno);
  }
  return {};
}

// Every waiting file's content on disk before any takes its name. Several
// files take one syncfs per file system: an fdatasync each would flush the
// disk's cache once per file, which under load costs milliseconds each.
// syncfs reports any write-back error on its file system since the folder
// it is given was opened (Linux 5.8 and later), so before any file of the
// batch was written; which file failed it cannot tell, so all of them fail.
void TOutputBatch::TState::MakeDurable() {
  // A flush that failed on the way consumed its error: it counts for all.
  if (const int error = flush_ahead.Finish()) {
    for (TPending& file : pending) {
      file.result = Failure(TSaveStatus::kWriteError, {error, std::generic_category()});
    }
    return;
  }
#ifdef __linux__
  if (pending.size() > 1) {
    std::map<dev_t, int> synced;  // file system, errno of its syncfs
    for (TPending& file : pending) {
      const dev_t device = folders.Info(file.folder).status.st_dev;
      auto done = synced.find(device);
      if (done == synced.end()) {
        done = synced.emplace(device, ::syncfs(file.folder) == 0 ? 0 : errno).first;
      }
      if (done->second != 0) {
        file.result = Failure(TSaveStatus::kWriteError, {done->second, std::generic_category()});
      }
    }
    return;
  }
#endif
  for (TPending& file : pending) {
    if (::fdatasync(file.file) != 0) file.result = Failure(TSaveStatus::kWriteError, LastError());
  }
}

// Gives a durable file its target's name.
void TOutputBatch::TState::Place(TPending& file) {
  bool placed = false;
  if (file.temporary.empty() && !file.replace) {
    placed = LinkUnnamed(file.file, file.folder, file.name);
  } else {
    // An unnamed file cannot replace a name directly: it gets a name of its
    // own first, then takes the target's.
    const bool named = !file.temporary.empty() || file.MakeNamed([&](const std::string& name) {
      return LinkUnnamed(file.file, file.folder, name);
    });
    placed = named && (file.replace ? ::renameat(file.folder, file.temporary.c_str(), file.folder,
                                                 file.name.c_str()) == 0
                                    : RenameNoReplace(file.folder, file.temporary, file.name));
  }
  if (placed) {
    file.ForgetTemporaryName();
  } else if (errno == EEXIST) {
    file.result = Failure(TSaveStatus::kExists);
  } else {
    file.result = Failure(TSaveStatus::kWriteError, LastError());
  }
}

// The new names must reach the disk too, once per folder after the last: a
// folder that cannot be synced fails every file it took, as a crash could
// still lose their names.
void TOutputBatch::TState::SyncFolders() {
  for (const auto& [folder, info] : folders.All()) {
    // EINVAL: a file system that cannot sync folders at all.
    if (::fsync(folder) == 0 || errno == EINVAL) continue;
    const TSaveResult failed = Failure(TSaveStatus::kWriteError, LastError());
    for (TPending& file : pending) {
      if (file.folder == folder && file.result.status == TSaveStatus::kSaved) file.result = failed;
    }
  }
}

std::vector<TSaveResult> TOutputBatch::Commit() {
  TState& state = *state_;
  state.MakeDurable();
  for (TPending& file : state.pending) {
    if (file.result.status == TSaveStatus::kSaved) state.Place(file);
  }
  state.SyncFolders();
  std::vector<TSaveResult> results;
  results.reserve(state.pending.size());
  for (TPending& file : state.pending) {
    results.push_back(file.result);
    file.Drop();
  }
  state.pending.clear();
  state.folders.Close();
  return results;
}

}  // namespace ign
