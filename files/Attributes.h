// What Linux keeps of a file beside its mode: the POSIX ACL and user
// attributes that a replacement must carry over, and a folder's append-only
// flag. Elsewhere there are none of them.
#pragma once

#include <string>
#include <system_error>

namespace ign {

// Gives the file open as `to` the access ACL and the `user.*` attributes of
// the file `from`, and no access ACL where `from` has none. Returns why one
// could not be carried over (TSaveError), or nothing when all were; a file
// system without attributes has none to carry.
std::error_code CopyAttributes(const std::string& from, int to);

// Whether names may only be added to the folder open as `folder`, never
// removed or replaced (chattr +a).
bool IsAppendOnly(int folder);

}  // namespace ign
