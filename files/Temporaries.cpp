#include "files/Temporaries.h"

#ifndef _WIN32

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

#include "files/Output.h"

namespace ign {
namespace {

// The handler may only read what is complete: a slot is marked used after
// its name is written and cleared before it is reused.
struct TSlot {
  std::atomic<bool> used{false};
  int folder = -1;
  char name[NAME_MAX + 1] = {};
};

// Twice what a batch holds, so that the links made while renaming fit too.
TSlot slots[2 * TOutputBatch::kMostPending + 2];
std::once_flag handlers_installed;

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void RemoveAll(int signal) {
  for (TSlot& slot : slots) {
    if (slot.used.load()) ::unlinkat(slot.folder, slot.name, 0);
  }
  // Ends the process as the signal would have, so the parent sees why.
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

void InstallHandlers() {
  for (int signal : kSignals) {
    struct sigaction old = {};
    ::sigaction(signal, nullptr, &old);
    // An ignored signal (nohup) stays ignored, a handler of the program's
    // own stays in charge.
    if (old.sa_handler != SIG_DFL) continue;
    struct sigaction action = {};
    action.sa_handler = RemoveAll;
    ::sigemptyset(&action.sa_mask);
    for (int other : kSignals) ::sigaddset(&action.sa_mask, other);
    ::sigaction(signal, &action, nullptr);
  }
}

}  // namespace

int RememberTemporary(int folder, std::string_view name) {
  std::call_once(handlers_installed, InstallHandlers);
  if (name.size() > NAME_MAX) return -1;
  for (int index = 0; index < static_cast<int>(std::size(slots)); ++index) {
    TSlot& slot = slots[index];
    if (slot.used.load()) continue;
    slot.folder = folder;
    std::memcpy(slot.name, name.data(), name.size());
    slot.name[name.size()] = '\0';
    slot.used.store(true);
    return index;
  }
  return -1;
}

void ForgetTemporary(int slot) {
  if (slot >= 0) slots[slot].used.store(false);
}

}  // namespace ign

#else  // _WIN32

#include <windows.h>

#include <array>

#include "files/Output.h"

namespace ign {
namespace {

// Taken by the console handler for good: once it has removed the files, no
// other thread may create or forget one before the process ends.
SRWLOCK lock = SRWLOCK_INIT;
std::array<std::wstring, 2 * TOutputBatch::kMostPending + 2> slots;  // empty: free
bool handler_installed = false;

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

int CreateTemporary(const std::wstring& path, const std::function<bool()>& create) {
  ::AcquireSRWLockExclusive(&lock);
  if (!handler_installed) handler_installed = ::SetConsoleCtrlHandler(RemoveAll, TRUE) != 0;
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

#endif  // _WIN32
