#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <vector>

#include "files/Attributes.h"
#include "files/Locate.h"

namespace ign {
namespace {

// As many links as the kernel follows in one lookup.
constexpr int kMostLinks = 40;

// A folder on the way is only passed through: no right to read it is needed
// where the system can open it for that alone.
#ifdef O_PATH
constexpr int kPassFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
#else
constexpr int kPassFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
#endif

std::error_code LastError() { return {errno, std::generic_category()}; }

TSaveResult Failure(TSaveStatus status, std::error_code reason = {}) { return {status, reason}; }

TSaveResult Failure(std::errc reason) {
  return {TSaveStatus::kOpenError, std::make_error_code(reason)};
}

// A descriptor closed when it goes.
class TDescriptor {
 public:
  explicit TDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~TDescriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  TDescriptor& operator=(TDescriptor&& other) noexcept {
    std::swap(descriptor_, other.descriptor_);
    return *this;
  }
  int Get() const { return descriptor_; }

 private:
  int descriptor_;
};

// The names of `path` in reverse order onto `rest`, so that its first name
// is walked next; empty names and "." go nowhere and are left out.
void PushNames(std::string_view path, std::vector<std::string>& rest) {
  std::vector<std::string> names;
  std::size_t at = 0;
  while (at < path.size()) {
    std::size_t end = path.find('/', at);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view name = path.substr(at, end - at);
    if (!name.empty() && name != ".") names.emplace_back(name);
    at = end + 1;
  }
  rest.insert(rest.end(), names.rbegin(), names.rend());
}

// What the link `name` in `folder` says; false with errno when it cannot
// be read or says nothing.
bool ReadLink(int folder, const std::string& name, std::string& to) {
  char link[PATH_MAX];
  const ssize_t length = ::readlinkat(folder, name.c_str(), link, sizeof link);
  if (length < 0) return false;
  if (static_cast<std::size_t>(length) == sizeof link) {
    errno = ENAMETOOLONG;
    return false;
  }
  if (length == 0) {
    errno = ENOENT;
    return false;
  }
  to.assign(link, static_cast<std::size_t>(length));
  return true;
}

// Opens the folder `path` one name at a time, so that the kernel follows no
// link on the way and each can be judged by the folder it sits in.
int Walk(const std::string& path) {
  TDescriptor at(::open(path.front() == '/' ? "/" : ".", kPassFlags));
  if (at.Get() < 0) return -1;
  std::vector<std::string> rest;
  PushNames(path, rest);
  for (int links = 0; !rest.empty();) {
    const std::string name = std::move(rest.back());
    rest.pop_back();
    TDescriptor next(::openat(at.Get(), name.c_str(), kPassFlags));
    if (next.Get() >= 0) {
      at = std::move(next);
      continue;
    }
    // O_NOFOLLOW refuses a link one way or the other.
    if (errno != ENOTDIR && errno != ELOOP) return -1;
    struct stat link, folder;
    if (::fstatat(at.Get(), name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0) return -1;
    if (!S_ISLNK(link.st_mode)) {
      errno = ENOTDIR;
      return -1;
    }
    if (::fstat(at.Get(), &folder) != 0) return -1;
    if (!MayUse(link, folder)) {
      errno = EACCES;
      return -1;
    }
    if (++links > kMostLinks) {
      errno = ELOOP;
      return -1;
    }
    std::string to;
    if (!ReadLink(at.Get(), name, to)) return -1;
    if (to.front() == '/') {
      at = TDescriptor(::open("/", kPassFlags));
      if (at.Get() < 0) return -1;
    }
    PushNames(to, rest);
  }
  // Read access, for fsync and syncfs.
  return ::openat(at.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

int TFolders::Open(const std::string& path) {
  if (const auto known = by_path_.find(path); known != by_path_.end()) return known->second;
  const int opened = Walk(path);
  if (opened < 0) return -1;
  TFolderInfo info;
  if (::fstat(opened, &info.status) != 0) {
    const int error = errno;
    ::close(opened);
    errno = error;
    return -1;
  }
  info.append_only = IsAppendOnly(opened);
  const auto [same, fresh] =
      by_identity_.emplace(std::pair(info.status.st_dev, info.status.st_ino), opened);
  if (fresh) {
    info_.emplace(opened, info);
  } else {
    ::close(opened);
  }
  by_path_.emplace(path, same->second);
  return same->second;
}

void TFolders::Close() {
  for (const auto& [folder, info] : info_) ::close(folder);
  by_path_.clear();
  by_identity_.clear();
  info_.clear();
}

bool MayUse(const struct stat& entry, const struct stat& folder) {
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return !shared || entry.st_uid == ::geteuid() || entry.st_uid == folder.st_uid;
}

TLocation Locate(const std::string& target, bool replace, TFolders& folders) {
  TLocation at;
  const auto fail = [&at](TSaveResult result) {
    at.result = result;
    return at;
  };
  std::string path = target;
  for (int links = 0;; ++links) {
    const std::size_t slash = path.find_last_of('/');
    at.folder_name = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    at.name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (at.name.empty() || at.name == "." || at.name == "..") {
      // Only a folder can be meant: say whether there is one.
      const int folder = Walk(path);
      if (folder < 0) return fail(Failure(TSaveStatus::kOpenError, LastError()));
      ::close(folder);
      return fail(Failure(std::errc::is_a_directory));
    }
    // Found now, before a byte is written, rather than when the name is made.
    if (at.name.size() > NAME_MAX) return fail(Failure(std::errc::filename_too_long));
    at.folder = folders.Open(at.folder_name);
    if (at.folder < 0) return fail(Failure(TSaveStatus::kOpenError, LastError()));

    struct stat status;
    if (::fstatat(at.folder, at.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) return fail(Failure(TSaveStatus::kOpenError, LastError()));
      return at;
    }
    // A folder is no file to replace, -f or not: saying so beats saying it
    // exists.
    if (S_ISDIR(status.st_mode)) return fail(Failure(std::errc::is_a_directory));
    // Anything else of that name counts, a link to nothing too.
    if (links == 0 && !replace) return fail(Failure(TSaveStatus::kExists));
    // Renaming over a pipe or a device would replace the node rather than
    // write into it, which is never what was asked for.
    if (!S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) {
      return fail(Failure(TSaveStatus::kOpenError));
    }
    if (!MayUse(status, folders.Info(at.folder).status)) {
      return fail(Failure(std::errc::permission_denied));
    }
    if (S_ISREG(status.st_mode)) {
      at.old = status;
      return at;
    }
    if (links == kMostLinks) return fail(Failure(std::errc::too_many_symbolic_link_levels));
    std::string to;
    if (!ReadLink(at.folder, at.name, to))
      return fail(Failure(TSaveStatus::kOpenError, LastError()));
    // A link to nothing makes the file it names, and stays a link.
    path = to.front() == '/' ? to : at.folder_name + "/" + to;
  }
}

}  // namespace ign
