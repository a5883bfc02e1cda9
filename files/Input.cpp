#include "files/Input.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "files/InputSystem.h"

namespace ign {

TInputFile::TInputFile() : stream_(&buffer_) {}

TInputFile::~TInputFile() {
  if (owned_) CloseFile(buffer_.descriptor);
}

bool TInputFile::Open(const std::string& name, std::error_code& reason) {
  reason.clear();
  if (name == "-") {
    if (!StandardInputReadable(reason)) return false;
    buffer_.descriptor = 0;
    return true;
  }
  const int descriptor = OpenRegularFile(name, reason);
  if (descriptor < 0) return false;
  buffer_.descriptor = descriptor;
  owned_ = true;
  return true;
}

bool TInputFile::Failed(std::error_code& reason) const {
  if (buffer_.error == 0) return false;
  reason = {buffer_.error, std::generic_category()};
  return true;
}

std::string_view TInputFile::Head() const { return {buffer_.head, buffer_.head_size}; }

TInputFile::TBuffer::int_type TInputFile::TBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  for (;;) {
    const long got = ReadSome(descriptor, data_, sizeof data_);
    if (got > 0) {
      const auto size = static_cast<std::size_t>(got);
      const std::size_t kept = std::min(size, sizeof head - head_size);
      std::memcpy(head + head_size, data_, kept);
      head_size += kept;
      setg(data_, data_, data_ + size);
      return traits_type::to_int_type(*gptr());
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error = errno;
    return traits_type::eof();
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
