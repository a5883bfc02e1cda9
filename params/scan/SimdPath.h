// Which instructions the reader's byte classification and number loop use.
// The portable paths are always built; the wider ones only run where the
// processor says it has them, checked once at run time.
#pragma once

#include <cstdint>
#include <span>

namespace ign {

enum class TSimdPath : std::uint8_t {
  kPortable,  // eight-byte words in plain integers, on every processor
  kSse2,      // 16 bytes a step; every x86-64 has it
  kAvx2,      // 32 bytes a step, and the bit instructions BMI1 and BMI2
  kAvx512,    // 64 bytes a step into mask registers (AVX-512 BW and CD), and BMI
};

// Whether this build and this processor can run `path`.
bool CanRun(TSimdPath path);

// Every path this machine can run, narrowest first.
std::span<const TSimdPath> RunnablePaths();

// The path readers use from now on: the widest runnable one unless a caller
// (a test, the fuzz target, a benchmark) chose another with UseSimdPath.
TSimdPath CurrentSimdPath();

// Makes readers created afterwards use `path`, which must be runnable;
// returns false and changes nothing when it is not.
bool UseSimdPath(TSimdPath path);

const char* SimdPathName(TSimdPath path);

}  // namespace ign
