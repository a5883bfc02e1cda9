// Making the files of a batch durable while later ones are still being
// written: a thread of its own now and then runs syncfs for what is written
// so far (Linux), so that the one pass of Commit finds little left to wait
// for. Elsewhere it does nothing.
#pragma once

#include <atomic>
#include <cstddef>
#include <thread>

namespace ign {

class TFlushAhead {
 public:
  TFlushAhead() = default;
  // Waits for a flush under way.
  ~TFlushAhead();
  TFlushAhead(const TFlushAhead&) = delete;
  TFlushAhead& operator=(const TFlushAhead&) = delete;

  // Tells of one more file written in the folder open as `folder`, which
  // stays open until Finish; every so many files, a flush of its file system
  // starts, unless one is still under way.
  void Written(int folder);

  // Waits for the flush under way. Returns the errno of a flush that failed
  // since the last call, or 0.
  int Finish();

 private:
  std::thread thread_;
  std::atomic<bool> running_{false};
  std::atomic<int> error_{0};
  std::size_t since_ = 0;  // files written since the last flush started
};

}  // namespace ign
