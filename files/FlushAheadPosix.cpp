#include <unistd.h>

#include <cerrno>

#include "files/FlushAhead.h"

namespace ign {
namespace {

// Often enough that most of a batch is on disk by its Commit, seldom enough
// that the flushes of the disk's cache stay few.
constexpr std::size_t kFilesPerFlush = 128;

}  // namespace

TFlushAhead::~TFlushAhead() { Finish(); }

void TFlushAhead::Written([[maybe_unused]] int folder) {
#ifdef __linux__
  if (++since_ < kFilesPerFlush || running_.load()) return;
  if (thread_.joinable()) thread_.join();
  since_ = 0;
  running_ = true;
  thread_ = std::thread([this, folder] {
    if (::syncfs(folder) != 0) error_ = errno;
    running_ = false;
  });
#endif
}

int TFlushAhead::Finish() {
  if (thread_.joinable()) thread_.join();
  since_ = 0;
  return error_.exchange(0);
}

}  // namespace ign
