// The Windows side of TOutputBatch: a new file created exclusively beside the
// target, flushed to disk, then moved over the target in one step. Windows
// has no unnamed files, so every temporary is named.

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <set>
#include <string>

#include "files/Output.h"
#include "files/Temporaries.h"
#include "files/TemporaryName.h"
#include "files/Utf8Path.h"

namespace ign {
namespace {

// The longest name of one folder entry on NTFS, FAT and ReFS, in UTF-16 units.
constexpr std::size_t kMostNameLength = 255;

// The attributes a replacement takes over from the file it replaces.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// What Windows said, in the words of the C runtime's errno where there is one,
// so that messages read as on POSIX systems.
std::error_code ErrorFrom(DWORD error) {
  int code = 0;
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      code = ENOENT;
      break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      code = EACCES;
      break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      code = EEXIST;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      code = ENOSPC;
      break;
    case ERROR_FILENAME_EXCED_RANGE:
      code = ENAMETOOLONG;
      break;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
      code = EINVAL;
      break;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      code = ENOMEM;
      break;
    case ERROR_TOO_MANY_OPEN_FILES:
      code = EMFILE;
      break;
    default:
      return {static_cast<int>(error), std::system_category()};
  }
  return {code, std::generic_category()};
}

TSaveResult Failure(TSaveStatus status, std::error_code reason = {}) { return {status, reason}; }

// The final name of the file or folder `path`, links followed, as Windows
// gives it for an open handle.
bool FinalPath(std::wstring& path, std::error_code& reason) {
  const HANDLE handle =
      ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    reason = ErrorFrom(::GetLastError());
    return false;
  }
  std::wstring final(MAX_PATH, L'\0');
  DWORD length = ::GetFinalPathNameByHandleW(handle, final.data(), static_cast<DWORD>(final.size()),
                                             VOLUME_NAME_DOS);
  if (length >= final.size()) {
    final.resize(length);
    length = ::GetFinalPathNameByHandleW(handle, final.data(), static_cast<DWORD>(final.size()),
                                         VOLUME_NAME_DOS);
  }
  const DWORD error = ::GetLastError();
  ::CloseHandle(handle);
  if (length == 0 || length >= final.size()) {
    reason = ErrorFrom(error);
    return false;
  }
  final.resize(length);
  path = final;
  return true;
}

// `text` in capitals, as Windows compares names.
std::wstring Folded(std::wstring text) {
  ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    if (written == 0) {
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

struct TPending {
  std::wstring target;                 // where the file goes, links followed
  std::wstring folder;                 // its folder, with the separator, or empty
  std::wstring name;                   // its name there
  HANDLE file = INVALID_HANDLE_VALUE;  // the new content until it is durable
  std::wstring temporary;              // its name, or empty once it has the target's
  int slot = -1;                       // of CreateTemporary
  bool replace = false;
  DWORD attributes = 0;  // of the file replaced
  TSaveResult result;

  // Closes the file and removes its temporary.
  void Drop() {
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    if (!temporary.empty()) ::DeleteFileW(temporary.c_str());
    ForgetTemporary(slot);
    slot = -1;
    temporary.clear();
  }
};

// What is true of a target that names a folder ("x\\", "x\\."): that there
// is one, or no folder, or nothing.
TSaveResult NamesAFolder(std::wstring path) {
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  const DWORD attributes = ::GetFileAttributesW(path.empty() ? L"\\" : path.c_str());
  const int error = attributes == INVALID_FILE_ATTRIBUTES          ? ENOENT
                    : (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? ENOTDIR
                                                                   : EISDIR;
  return Failure(TSaveStatus::kOpenError, {error, std::generic_category()});
}

// Finds the file that `target` stands for, following a link, and refuses
// what is not to be replaced.
TSaveResult Locate(const std::string& target, bool replace, TPending& file) {
  std::error_code reason;
  if (!WideFromUtf8(target, file.target, reason)) return Failure(TSaveStatus::kOpenError, reason);
  const std::size_t slash = file.target.find_last_of(L"\\/:");
  file.name = slash == std::wstring::npos ? file.target : file.target.substr(slash + 1);
  if (file.name.empty() || file.name == L"." || file.name == L"..") {
    return NamesAFolder(file.target);
  }
  DWORD attributes = ::GetFileAttributesW(file.target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    // A missing folder on the way is ERROR_PATH_NOT_FOUND and fails here.
    if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) {
      return Failure(TSaveStatus::kOpenError, ErrorFrom(error));
    }
    attributes = 0;
  } else {
    // A folder is no file to replace, -f or not: saying so beats saying it
    // exists.
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return Failure(TSaveStatus::kOpenError, {EISDIR, std::generic_category()});
    }
    // Anything else of that name counts, a link too.
    if (!replace) return Failure(TSaveStatus::kExists);
    // Only privileged users may make links on Windows; they are followed as
    // on POSIX systems, so that the link stays and the file it names is
    // replaced. A link to nothing is not followed: Windows makes no file
    // through it.
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      if (!FinalPath(file.target, reason)) return Failure(TSaveStatus::kOpenError, reason);
      attributes = ::GetFileAttributesW(file.target.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES) {
        return Failure(TSaveStatus::kOpenError, ErrorFrom(::GetLastError()));
      }
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return Failure(TSaveStatus::kOpenError, {EISDIR, std::generic_category()});
    }
    // Read-only is how Windows keeps a file from being changed or replaced,
    // and how a user asks for it; writing in place would fail to open too.
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Failure(TSaveStatus::kOpenError);
  }
  file.attributes = attributes;
  const std::size_t split = file.target.find_last_of(L"\\/:");
  file.folder = split == std::wstring::npos ? L"" : file.target.substr(0, split + 1);
  file.name = split == std::wstring::npos ? file.target : file.target.substr(split + 1);
  // Found now, before a byte is written, rather than when the name is made.
  if (file.name.size() > kMostNameLength) {
    return Failure(TSaveStatus::kOpenError, {ENAMETOOLONG, std::generic_category()});
  }
  return {};
}

// The folder's final name and the file's, in capitals: the same for every
// way of naming one file, links and case included.
std::wstring Key(const TPending& file) {
  std::wstring folder = file.folder.empty() ? L"." : file.folder;
  std::error_code ignored;
  if (!FinalPath(folder, ignored)) folder = file.folder;
  return Folded(folder + L"\\" + file.name);
}

// Makes the temporary beside the target, exclusively and unshared, so that
// no file or link of that name is written through and no one reads or
// changes it until it is in place.
TSaveResult CreateTemporaryFile(TPending& file) {
  const DWORD attributes = (file.attributes & kKeptAttributes) != 0
                               ? file.attributes & kKeptAttributes
                               : FILE_ATTRIBUTE_NORMAL;
  DWORD error = ERROR_TOO_MANY_OPEN_FILES;  // when every slot is taken
  const std::wstring made = MakeTemporary(file.name, [&](const std::wstring& name) {
    const std::wstring path = file.folder + name;
    file.slot = CreateTemporary(path, [&] {
      file.file =
          ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
      error = ::GetLastError();
      return file.file != INVALID_HANDLE_VALUE;
    });
    if (file.file != INVALID_HANDLE_VALUE) return TTry::kMade;
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? TTry::kTaken
                                                                       : TTry::kFailed;
  });
  if (made.empty()) return Failure(TSaveStatus::kOpenError, ErrorFrom(error));
  file.temporary = file.folder + made;
  return {};
}

}  // namespace

struct TOutputBatch::TState {
  TTemporaryKind kind;  // every temporary is named here
  std::vector<TPending> pending;
  std::set<std::wstring> taken;  // every target of the batch's life, by Key

  void MakeDurable();
};

TOutputBatch::TOutputBatch(TTemporaryKind kind) : state_(new TState{kind, {}, {}}) {
  PrepareForSaving();
}

TOutputBatch::~TOutputBatch() {
  for (TPending& file : state_->pending) file.Drop();
}

std::size_t TOutputBatch::Pending() const { return state_->pending.size(); }

// A process may hold millions of handles.
bool TOutputBatch::Full() const { return state_->pending.size() >= kMostPending; }

TSaveResult TOutputBatch::Add(const std::string& target, std::string_view bytes, bool replace) {
  if (target.empty()) return Failure(TSaveStatus::kOpenError, {ENOENT, std::generic_category()});
  TPending file;
  file.replace = replace;
  if (TSaveResult located = Locate(target, replace, file); located.status != TSaveStatus::kSaved) {
    return located;
  }
  std::wstring key = Key(file);
  // A link, or two names of one file, must not let a later file of the
  // batch silently take the place of an earlier one.
  if (state_->taken.count(key) != 0) {
    return Failure(TSaveStatus::kOpenError, make_error_code(TSaveError::kSameTargetTwice));
  }
  if (TSaveResult created = CreateTemporaryFile(file); created.status != TSaveStatus::kSaved) {
    return created;
  }
  if (!WriteAll(file.file, bytes)) {
    const TSaveResult failed = Failure(TSaveStatus::kWriteError, ErrorFrom(::GetLastError()));
    file.Drop();
    return failed;
  }
  state_->taken.insert(std::move(key));
  state_->pending.push_back(std::move(file));
  return {};
}

// Every waiting file's content on disk before any takes its name. Windows
// has no flush of a whole file system that a user may call, so each file is
// flushed on its own. A file is closed after, as an open one cannot be moved.
void TOutputBatch::TState::MakeDurable() {
  for (TPending& file : pending) {
    if (!::FlushFileBuffers(file.file)) {
      file.result = Failure(TSaveStatus::kWriteError, ErrorFrom(::GetLastError()));
    }
    if (!::CloseHandle(file.file) && file.result.status == TSaveStatus::kSaved) {
      file.result = Failure(TSaveStatus::kWriteError, ErrorFrom(::GetLastError()));
    }
    file.file = INVALID_HANDLE_VALUE;
  }
}

std::vector<TSaveResult> TOutputBatch::Commit() {
  state_->MakeDurable();
  std::vector<TSaveResult> results;
  results.reserve(state_->pending.size());
  for (TPending& file : state_->pending) {
    if (file.result.status == TSaveStatus::kSaved) {
      // Write-through: done once the new name is on the disk. Without
      // REPLACE_EXISTING the test for an existing target and the move are one
      // step, so that a file made meanwhile is never lost. A target that
      // another program holds open without sharing deletion, as most open
      // files, is not replaced.
      const DWORD flags = MOVEFILE_WRITE_THROUGH | (file.replace ? MOVEFILE_REPLACE_EXISTING : 0);
      if (::MoveFileExW(file.temporary.c_str(), file.target.c_str(), flags)) {
        ForgetTemporary(file.slot);
        file.slot = -1;
        file.temporary.clear();
      } else if (const DWORD error = ::GetLastError();
                 error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        file.result = Failure(TSaveStatus::kExists);
      } else {
        file.result = Failure(TSaveStatus::kWriteError, ErrorFrom(error));
      }
    }
    results.push_back(file.result);
  }
  for (TPending& file : state_->pending) file.Drop();
  state_->pending.clear();
  return results;
}

}  // namespace ign
