// Sorting text 64 bytes at a time into white space, digits and the rest,
// one bit a byte, so that runs of blanks and digits are found by counting
// bits instead of stepping through bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "params/scan/SimdPath.h"

namespace ign {

// Sorts `count` whole 64-byte blocks from `data` on: for block i, other[i]
// marks the bytes that are neither white space nor digits and digit[i] the
// digits, the first byte in the lowest bit. Every path gives the same bits.
using TClassifier = void (*)(const char* data, std::size_t count, std::uint64_t* other,
                             std::uint64_t* digit);

// The classifier of `path`, which must be runnable on this machine.
TClassifier ClassifierFor(TSimdPath path);

}  // namespace ign
