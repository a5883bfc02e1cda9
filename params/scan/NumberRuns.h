// The inner loop of number reading: walking the runs of digits that the
// classification marked, and turning each short run into its value. Built
// twice, once for every processor and once with the bit instructions
// (BMI1/BMI2) that come with AVX2, chosen at run time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "params/scan/SimdPath.h"

namespace ign {

// Where a number was read: its offset and its length in bytes.
struct TNumberPlace {
  std::size_t offset;
  std::size_t length;
};

// One classified window of text.
struct TRunWindow {
  const char* front;            // the window's first byte; 64-byte blocks from here
  const std::uint64_t* firsts;  // per block: first digits of runs, then a word of 1
  const std::uint64_t* lasts;   // per block: last digits of runs, then a word of 0
  std::size_t bound;            // below the blocks' end; no number from here on is read
};

// Reads up to `count` numbers from offset `at`, each a run of at most eight
// digits after nothing but white space, starting before `bound`, whose eight
// bytes from its first digit lie in the window. Stops at the first that is
// not; returns how many it read, leaves `at` past the last of them, and puts
// their places (offsets from the window's front) in `places` when given.
using TRunReader = unsigned (*)(const TRunWindow& window, std::size_t& at, std::uint32_t* values,
                                unsigned count, TNumberPlace* places);

// The reader of `path`, which must be runnable on this machine.
TRunReader RunReaderFor(TSimdPath path);

}  // namespace ign
