// The Windows side of TOutputBatch: a new file beside the target, flushed,
// then moved over it. Windows has no links to follow here and no FIFOs.
#ifdef _WIN32

#include <windows.h>

#include <random>
#include <string>

#include "files/Output.h"

namespace ign {
namespace {

std::wstring Wide(const std::string& utf8) {
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
  return wide;
}

std::error_code LastError() { return {static_cast<int>(::GetLastError()), std::system_category()}; }

}  // namespace

struct TOutputBatch::TPending {
  std::wstring target;
  std::wstring temporary;
  bool replace = false;
};

TOutputBatch::TOutputBatch(TTemporaryKind kind) : kind_(kind) {}

TOutputBatch::~TOutputBatch() {
  for (TPending& file : pending_) Drop(file);
}

std::size_t TOutputBatch::Pending() const { return pending_.size(); }

void TOutputBatch::Drop(TPending& file) {
  if (!file.temporary.empty()) ::DeleteFileW(file.temporary.c_str());
  file.temporary.clear();
}

TSaveResult TOutputBatch::Add(const std::string& target, std::string_view bytes, bool replace) {
  if (target.empty()) return {TSaveStatus::kOpenError, {}};
  TPending file;
  file.target = Wide(target);
  file.replace = replace;
  const DWORD attributes = ::GetFileAttributesW(file.target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (!replace) return {TSaveStatus::kExists, {}};
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {TSaveStatus::kOpenError, {}};
  }
  std::random_device random;
  HANDLE handle = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 16 && handle == INVALID_HANDLE_VALUE; ++attempt) {
    file.temporary = file.target + L"." + std::to_wstring(random()) + L".tmp";
    handle = ::CreateFileW(file.temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (handle == INVALID_HANDLE_VALUE) return {TSaveStatus::kOpenError, LastError()};
  DWORD written = 0;
  const bool whole =
      ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && ::FlushFileBuffers(handle);
  const std::error_code reason = whole ? std::error_code() : LastError();
  ::CloseHandle(handle);
  if (!whole) {
    Drop(file);
    return {TSaveStatus::kWriteError, reason};
  }
  pending_.push_back(std::move(file));
  return {};
}

// Each file was flushed as it was written.
void TOutputBatch::MakeDurable() {}

std::vector<TSaveResult> TOutputBatch::Commit() {
  MakeDurable();
  std::vector<TSaveResult> results;
  for (TPending& file : pending_) {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (file.replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (::MoveFileExW(file.temporary.c_str(), file.target.c_str(), flags)) {
      file.temporary.clear();
      results.push_back({});
    } else if (::GetLastError() == ERROR_ALREADY_EXISTS || ::GetLastError() == ERROR_FILE_EXISTS) {
      results.push_back({TSaveStatus::kExists, {}});
    } else {
      results.push_back({TSaveStatus::kWriteError, LastError()});
    }
    Drop(file);
  }
  pending_.clear();
  return results;
}

TSaveResult SaveFile(const std::string& target, std::string_view bytes, bool replace) {
  TOutputBatch batch;
  const TSaveResult added = batch.Add(target, bytes, replace);
  if (added.status != TSaveStatus::kSaved) return added;
  return batch.Commit().front();
}

}  // namespace ign

#endif  // _WIN32
