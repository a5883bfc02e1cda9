#include "files/Input.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "files/Utf8Path.h"
#define IGN_READ ::_read
#define IGN_CLOSE ::_close
#else
#include <unistd.h>
#define IGN_READ ::read
#define IGN_CLOSE ::close
#endif

namespace ign {
namespace {

#ifdef _WIN32

// Whether the C runtime's descriptor `descriptor` stands for an open handle;
// a program started without one of its standard handles has -1 or -2 there.
bool HasHandle(int descriptor) {
  const intptr_t handle = ::_get_osfhandle(descriptor);
  return handle != -1 && handle != -2;
}

// Opens the UTF-8 `name` by its wide name. Windows refuses to open a folder
// as a file with EACCES; it is told as what it is.
int OpenForReading(const std::string& name, std::error_code& reason) {
  std::wstring wide;
  if (!WideFromUtf8(name, wide, reason)) return -1;
  const int descriptor = ::_wopen(wide.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  if (descriptor < 0) {
    const int error = errno;
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    reason = {error == EACCES && folder ? EISDIR : error, std::generic_category()};
  }
  return descriptor;
}

#else

int OpenForReading(const std::string& name, std::error_code& reason) {
  // Non-blocking, so that opening a pipe cannot wait for a writer; it is
  // refused right after.
  const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (descriptor < 0) reason = {errno, std::generic_category()};
  return descriptor;
}

#endif

}  // namespace

TInputFile::TInputFile() : stream_(&buffer_) {}

TInputFile::~TInputFile() {
  if (owned_) IGN_CLOSE(buffer_.descriptor);
}

bool TInputFile::Open(const std::string& name, std::error_code& reason) {
  reason.clear();
  if (name == "-") {
#ifdef _WIN32
    // Keep CR LF as it stands; the reader treats it as white space anyway.
    if (!HasHandle(0) || ::_setmode(0, _O_BINARY) == -1) {
      reason = {EBADF, std::generic_category()};
      return false;
    }
#else
    // GuardStandardStreams leaves a closed standard input open for writing.
    const int flags = ::fcntl(0, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_WRONLY) {
      reason = {EBADF, std::generic_category()};
      return false;
    }
#endif
    buffer_.descriptor = 0;
    return true;
  }
  const int descriptor = OpenForReading(name, reason);
  if (descriptor < 0) return false;
  // On Windows a character device (NUL, CON) or a pipe reports itself here
  // as on POSIX systems.
  struct stat status;
  if (::fstat(descriptor, &status) != 0 || (status.st_mode & S_IFMT) != S_IFREG) {
    if ((status.st_mode & S_IFMT) == S_IFDIR) reason = {EISDIR, std::generic_category()};
    IGN_CLOSE(descriptor);
    return false;
  }
  // Only regular files get here, and their reads ignore O_NONBLOCK: it
  // stays, at no cost, rather than taking two more calls a file.
  buffer_.descriptor = descriptor;
  owned_ = true;
  return true;
}

bool TInputFile::Failed(std::error_code& reason) const {
  if (buffer_.error == 0) return false;
  reason = {buffer_.error, std::generic_category()};
  return true;
}

TInputFile::TBuffer::int_type TInputFile::TBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  for (;;) {
    const auto got = IGN_READ(descriptor, data_, sizeof data_);
    if (got > 0) {
      setg(data_, data_, data_ + got);
      return traits_type::to_int_type(*gptr());
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error = errno;
    return traits_type::eof();
  }
}

void GuardStandardStreams() {
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
#ifdef _WIN32
    // The C runtime hands out the lowest free descriptor too, once one of
    // these is closed.
    if (::_get_osfhandle(descriptor) != -1) continue;
    const int opened = ::_wopen(L"NUL", (descriptor == 0 ? _O_WRONLY : _O_RDONLY) | _O_BINARY);
    if (opened >= 0 && opened != descriptor) {
      ::_dup2(opened, descriptor);
      ::_close(opened);
    }
#else
    if (::fcntl(descriptor, F_GETFD) >= 0 || errno != EBADF) continue;
    const int opened = ::open("/dev/null", descriptor == 0 ? O_WRONLY : O_RDONLY);
    if (opened >= 0 && opened != descriptor) {
      ::dup2(opened, descriptor);
      ::close(opened);
    }
#endif
  }
}

bool CloseStandardOutput(std::error_code& reason) {
  reason.clear();
  bool whole = true;
  const auto check = [&](bool ok) {
    if (!ok && !reason && errno != 0) reason = {errno, std::generic_category()};
    whole = whole && ok;
    errno = 0;
  };
  errno = 0;
  std::cout.flush();
  check(!std::cout.fail() && std::ferror(stdout) == 0);
  check(std::fflush(stdout) == 0);
  // Only close reports what a file system keeps until then (NFS, a full
  // disk behind a cache).
  check(std::fclose(stdout) == 0);
  return whole;
}

}  // namespace ign
