#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/Input.h"
#include "files/InputSystem.h"

namespace ign {

bool StandardInputReadable(std::error_code& reason) {
  // GuardStandardStreams leaves a closed standard input open for writing.
  const int flags = ::fcntl(0, F_GETFL);
  if (flags < 0 || (flags & O_ACCMODE) == O_WRONLY) {
    reason = {EBADF, std::generic_category()};
    return false;
  }
  struct stat status;
  if (::fstat(0, &status) != 0) {
    reason = {errno, std::generic_category()};
    return false;
  }
  if (S_ISDIR(status.st_mode)) {
    reason = {EISDIR, std::generic_category()};
    return false;
  }
  return !(S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) || ::isatty(0);
}

int OpenRegularFile(const std::string& name, std::error_code& reason) {
  // Non-blocking, so that opening a pipe cannot wait for a writer; it is
  // refused right after. Only regular files are kept, and their reads
  // ignore O_NONBLOCK: it stays, at no cost, rather than taking two more
  // calls a file.
  const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (descriptor < 0) {
    reason = {errno, std::generic_category()};
    return -1;
  }
  struct stat status;
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    if (S_ISDIR(status.st_mode)) reason = {EISDIR, std::generic_category()};
    ::close(descriptor);
    return -1;
  }
  return descriptor;
}

long ReadSome(int descriptor, char* data, std::size_t size) {
  return static_cast<long>(::read(descriptor, data, size));
}

void CloseFile(int descriptor) { ::close(descriptor); }

void GuardStandardStreams() {
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    if (::fcntl(descriptor, F_GETFD) >= 0 || errno != EBADF) continue;
    const int opened = ::open("/dev/null", descriptor == 0 ? O_WRONLY : O_RDONLY);
    if (opened >= 0 && opened != descriptor) {
      ::dup2(opened, descriptor);
      ::close(opened);
    }
  }
  // A reader that went away (`| head`, a closed terminal) makes the write
  // fail with EPIPE, which is reported, rather than end a batch half way.
  struct sigaction old = {};
  if (::sigaction(SIGPIPE, nullptr, &old) == 0 && old.sa_handler == SIG_DFL) {
    ::signal(SIGPIPE, SIG_IGN);
  }
}

bool StandardStreamIsTerminal(int descriptor) { return ::isatty(descriptor) == 1; }

}  // namespace ign
