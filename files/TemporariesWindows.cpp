#include <windows.h>

#include <array>
#include <mutex>

#include "files/Output.h"
#include "files/Temporaries.h"

namespace ign {
namespace {

// Taken by the console handler for good: once it has removed the files, no
// other thread may create or forget one before the process ends.
SRWLOCK lock = SRWLOCK_INIT;
std::array<std::wstring, 2 * TOutputBatch::kMostPending + 2> slots;  // empty: free

// Runs on a thread of its own that the system starts for the event.
BOOL WINAPI RemoveAll(DWORD) {
  ::AcquireSRWLockExclusive(&lock);
  for (const std::wstring& path : slots) {
    if (!path.empty()) ::DeleteFileW(path.c_str());
  }
  // The system's own handler comes next and ends the process with the exit
  // code of Ctrl-C, so the parent sees why.
  return FALSE;
}

}  // namespace

void PrepareForSaving() {
  static std::once_flag installed;
  std::call_once(installed, [] { ::SetConsoleCtrlHandler(RemoveAll, TRUE); });
}

int CreateTemporary(const std::wstring& path, const std::function<bool()>& create) {
  ::AcquireSRWLockExclusive(&lock);
  int slot = -1;
  for (int index = 0; index < static_cast<int>(slots.size()); ++index) {
    if (slots[index].empty()) {
      slot = index;
      break;
    }
  }
  if (slot >= 0) {
    if (create()) {
      slots[slot] = path;
    } else {
      slot = -1;
    }
  }
  ::ReleaseSRWLockExclusive(&lock);
  return slot;
}

void ForgetTemporary(int slot) {
  if (slot < 0) return;
  ::AcquireSRWLockExclusive(&lock);
  slots[slot].clear();
  ::ReleaseSRWLockExclusive(&lock);
}

}  // namespace ign
