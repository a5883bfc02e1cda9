#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>

#include "files/Input.h"
#include "files/InputSystem.h"
#include "files/Utf8Path.h"

namespace ign {
namespace {

// Whether the C runtime's descriptor `descriptor` stands for an open handle;
// a program started without one of its standard handles has -1 or -2 there.
bool HasHandle(int descriptor) {
  const intptr_t handle = ::_get_osfhandle(descriptor);
  return handle != -1 && handle != -2;
}

}  // namespace

bool StandardInputReadable(std::error_code& reason) {
  // Keep CR LF as it stands; the reader treats it as white space anyway.
  if (!HasHandle(0) || ::_setmode(0, _O_BINARY) == -1) {
    reason = {EBADF, std::generic_category()};
    return false;
  }
  // NUL is a character device as a console is, but only a console has a
  // console mode.
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(0));
  DWORD mode = 0;
  return ::GetFileType(handle) != FILE_TYPE_CHAR || ::GetConsoleMode(handle, &mode) != 0;
}

int OpenRegularFile(const std::string& name, std::error_code& reason) {
  std::wstring wide;
  if (!WideFromUtf8(name, wide, reason)) return -1;
  const int descriptor = ::_wopen(wide.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  if (descriptor < 0) {
    // Windows refuses to open a folder as a file with EACCES; it is told as
    // what it is.
    const int error = errno;
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    reason = {error == EACCES && folder ? EISDIR : error, std::generic_category()};
    return -1;
  }
  // A character device (NUL, CON) or a pipe reports itself here as on POSIX
  // systems.
  struct stat status;
  if (::fstat(descriptor, &status) != 0 || (status.st_mode & S_IFMT) != S_IFREG) {
    if ((status.st_mode & S_IFMT) == S_IFDIR) reason = {EISDIR, std::generic_category()};
    ::_close(descriptor);
    return -1;
  }
  return descriptor;
}

long ReadSome(int descriptor, char* data, std::size_t size) {
  return ::_read(descriptor, data, static_cast<unsigned>(size));
}

void CloseFile(int descriptor) { ::_close(descriptor); }

void GuardStandardStreams() {
  // The C runtime hands out the lowest free descriptor too, once one of
  // these is closed.
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    if (::_get_osfhandle(descriptor) != -1) continue;
    const int opened = ::_wopen(L"NUL", (descriptor == 0 ? _O_WRONLY : _O_RDONLY) | _O_BINARY);
    if (opened >= 0 && opened != descriptor) {
      ::_dup2(opened, descriptor);
      ::_close(opened);
    }
  }
}

bool StandardStreamIsTerminal(int descriptor) {
  // NUL is a character device as a console is, but only a console has a
  // console mode.
  DWORD mode = 0;
  return HasHandle(descriptor) &&
         ::GetConsoleMode(reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor)), &mode) != 0;
}

}  // namespace ign
