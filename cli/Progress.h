// How far a long batch is, on one line of a terminal that is redrawn in
// place: "ign-convert: 312 of 2000 files".
#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>

namespace ign {

class TProgress {
 public:
  using TClock = std::chrono::steady_clock;

  // A line for `total` inputs on `out`, started at `start`; nothing at all
  // unless `shown`.
  TProgress(std::ostream& out, std::size_t total, bool shown, TClock::time_point start);

  // Tells that `done` inputs are done at `now`. The line appears once the
  // batch has run for a second, and is redrawn at most ten times a second.
  void Step(std::size_t done, TClock::time_point now);

  // Wipes the line, before a message and at the end; the next Step draws it
  // again.
  void Clear();

 private:
  std::ostream& out_;
  std::size_t total_;
  bool shown_;
  TClock::time_point start_;
  TClock::time_point drawn_;
  std::size_t width_ = 0;  // of the line on the terminal; 0 while none is
};

}  // namespace ign
