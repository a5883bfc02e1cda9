#include "files/Input.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#define IGN_READ ::_read
#define IGN_CLOSE ::_close
#else
#include <unistd.h>
#define IGN_READ ::read
#define IGN_CLOSE ::close
#endif

namespace ign {

TInputFile::TInputFile() : stream_(&buffer_) {}

TInputFile::~TInputFile() {
  if (owned_) IGN_CLOSE(buffer_.descriptor);
}

bool TInputFile::Open(const std::string& name, std::error_code& reason) {
  reason.clear();
  if (name == "-") {
#ifdef _WIN32
    // Keep CR LF as it stands; the reader treats it as white space anyway.
    ::_setmode(0, _O_BINARY);
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
#ifdef _WIN32
  const int descriptor = ::_open(name.c_str(), _O_RDONLY | _O_BINARY);
#else
  // Non-blocking, so that opening a pipe cannot wait for a writer; it is
  // refused right after.
  const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
#endif
  if (descriptor < 0) {
    reason = {errno, std::generic_category()};
    return false;
  }
  struct stat status;
  if (::fstat(descriptor, &status) != 0 || (status.st_mode & S_IFMT) != S_IFREG) {
    if ((status.st_mode & S_IFMT) == S_IFDIR) reason = {EISDIR, std::generic_category()};
    IGN_CLOSE(descriptor);
    return false;
  }
#ifndef _WIN32
  ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
#endif
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
#ifndef _WIN32
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    if (::fcntl(descriptor, F_GETFD) >= 0 || errno != EBADF) continue;
    const int opened = ::open("/dev/null", descriptor == 0 ? O_WRONLY : O_RDONLY);
    if (opened >= 0 && opened != descriptor) {
      ::dup2(opened, descriptor);
      ::close(opened);
    }
  }
#endif
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
