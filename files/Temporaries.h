// The named temporary files of this process, removed when SIGINT, SIGTERM or
// SIGHUP ends it, as an interrupted save must leave nothing behind.
#pragma once

#include <string_view>

namespace ign {

// Remembers `name` in the folder open as `folder` until Forget; installs the
// signal handlers on first use. Returns a slot number, or -1 when every slot
// is taken (the caller then must not create the file).
int RememberTemporary(int folder, std::string_view name);

// Stops remembering a slot of RememberTemporary; -1 is ignored.
void ForgetTemporary(int slot);

}  // namespace ign
