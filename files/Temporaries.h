// The named temporary files of this process, removed when it is ended from
// outside, as an interrupted save must leave nothing behind.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ign {

// Gets the process ready for saving; only the first call does anything. On
// POSIX systems: handlers that remove the temporaries on SIGINT, SIGTERM,
// SIGHUP, SIGQUIT, SIGXCPU, SIGALRM, SIGUSR1 and SIGUSR2, for each signal
// that the program neither ignores nor handles itself, and SIGXFSZ ignored
// (unless handled), so that a write beyond `ulimit -f` fails with EFBIG like
// any other. On Windows: a handler for Ctrl-C, Ctrl-Break and the console
// closing.
void PrepareForSaving();

#ifdef _WIN32

// Calls `create`, which makes the temporary file `path`, and remembers the
// path until Forget when it did. No console event can come between the two,
// as its handler runs on a thread of its own. Returns a slot number, or -1
// when `create` failed, every slot is taken (then `create` is not called)
// or the process is ending.
int CreateTemporary(const std::wstring& path, const std::function<bool()>& create);

#else

// Remembers `name` in the folder open as `folder` until Forget. Returns a
// slot number, or -1 when every slot is taken (the caller then must not
// create the file).
int RememberTemporary(int folder, std::string_view name);

#endif

// Stops remembering a slot; -1 is ignored.
void ForgetTemporary(int slot);

}  // namespace ign
