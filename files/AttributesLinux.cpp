#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "files/Attributes.h"
#include "files/Output.h"

namespace ign {
namespace {

constexpr const char* kAcl = "system.posix_acl_access";

// Calls `get` with a buffer of the size the system names (a call with size
// 0 asks it), again while the value grows between the two calls.
template <class TGet>
bool ReadSized(std::string& into, TGet get) {
  for (;;) {
    const ssize_t size = get(nullptr, 0);
    if (size < 0) return false;
    into.resize(static_cast<std::size_t>(size));
    const ssize_t got = size == 0 ? 0 : get(into.data(), into.size());
    if (got >= 0) {
      into.resize(static_cast<std::size_t>(got));
      return true;
    }
    if (errno != ERANGE) return false;
  }
}

bool Unsupported(int error) { return error == ENOTSUP || error == EOPNOTSUPP; }

}  // namespace

std::error_code CopyAttributes(const std::string& from, int to) {
  std::string names;
  if (!ReadSized(names, [&](char* data, std::size_t size) {
        return ::llistxattr(from.c_str(), data, size);
      })) {
    return Unsupported(errno) ? std::error_code() : make_error_code(TSaveError::kAclNotKept);
  }
  bool has_acl = false;
  std::string value;
  for (std::size_t at = 0; at < names.size(); at += std::strlen(names.c_str() + at) + 1) {
    const char* name = names.c_str() + at;
    const bool acl = std::strcmp(name, kAcl) == 0;
    if (!acl && std::string_view(name).substr(0, 5) != "user.") continue;
    has_acl = has_acl || acl;
    const std::error_code not_kept =
        make_error_code(acl ? TSaveError::kAclNotKept : TSaveError::kAttributesNotKept);
    if (!ReadSized(value, [&](char* data, std::size_t size) {
          return ::lgetxattr(from.c_str(), name, data, size);
        })) {
      // Removed since the list was made: nothing to keep.
      if (errno == ENODATA) continue;
      return not_kept;
    }
    if (::fsetxattr(to, name, value.data(), value.size(), 0) != 0) return not_kept;
  }
  // A folder's default ACL gave the new file one that the old did not have.
  if (!has_acl && ::fremovexattr(to, kAcl) != 0 && errno != ENODATA && !Unsupported(errno)) {
    return make_error_code(TSaveError::kAclNotKept);
  }
  return {};
}

bool IsAppendOnly(int folder) {
  int flags = 0;
  return ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_APPEND_FL) != 0;
}

}  // namespace ign
