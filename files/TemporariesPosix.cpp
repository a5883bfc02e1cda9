#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <iterator>
#include <mutex>

#include "files/Output.h"
#include "files/Temporaries.h"

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

// Every signal that ends a process by default and that a user, a terminal,
// a resource limit or a timer may send.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGXCPU, SIGALRM, SIGUSR1, SIGUSR2};

void RemoveAll(int signal) {
  for (TSlot& slot : slots) {
    if (slot.used.load()) ::unlinkat(slot.folder, slot.name, 0);
  }
  // Ends the process as the signal would have, so the parent sees why.
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

// Whether `signal` is left to its default action: one ignored (nohup) stays
// ignored, a handler of the program's own stays in charge.
bool Untouched(int signal) {
  struct sigaction old = {};
  ::sigaction(signal, nullptr, &old);
  return old.sa_handler == SIG_DFL;
}

void Install() {
  for (int signal : kSignals) {
    if (!Untouched(signal)) continue;
    struct sigaction action = {};
    action.sa_handler = RemoveAll;
    ::sigemptyset(&action.sa_mask);
    for (int other : kSignals) ::sigaddset(&action.sa_mask, other);
    ::sigaction(signal, &action, nullptr);
  }
  if (Untouched(SIGXFSZ)) ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

void PrepareForSaving() {
  static std::once_flag installed;
  std::call_once(installed, Install);
}

int RememberTemporary(int folder, std::string_view name) {
  if (name.size() > NAME_MAX) return -1;
  // Slots are taken in turn, so that a batch finds the next one free at once.
  static std::size_t next = 0;
  for (std::size_t tried = 0; tried < std::size(slots); ++tried) {
    const std::size_t index = next;
    next = (next + 1) % std::size(slots);
    TSlot& slot = slots[index];
    if (slot.used.load()) continue;
    slot.folder = folder;
    std::memcpy(slot.name, name.data(), name.size());
    slot.name[name.size()] = '\0';
    slot.used.store(true);
    return static_cast<int>(index);
  }
  return -1;
}

void ForgetTemporary(int slot) {
  if (slot >= 0) slots[slot].used.store(false);
}

}  // namespace ign
