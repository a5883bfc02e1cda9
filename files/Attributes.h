// Carrying a file's POSIX ACL and user attributes over to its replacement,
// where the system has them (Linux); elsewhere there are none to carry.
#pragma once

#include <string>
#include <system_error>

namespace ign {

// Gives the file open as `to` the access ACL and the `user.*` attributes of
// the file `from`, and no access ACL where `from` has none. Returns why one
// could not be carried over (TSaveError), or nothing when all were; a file
// system without attributes has none to carry.
std::error_code CopyAttributes(const std::string& from, int to);

}  // namespace ign
