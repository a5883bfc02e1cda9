#include "params/scan/SimdPath.h"

#include <array>
#include <atomic>

#include "params/scan/Isa.h"

namespace ign {
namespace {

constexpr std::array kAll = {TSimdPath::kPortable, TSimdPath::kSse2, TSimdPath::kAvx2,
                             TSimdPath::kAvx512};

bool Supported(TSimdPath path) {
  switch (path) {
    case TSimdPath::kPortable:
      return true;
#if defined(IGN_X86_64)
    case TSimdPath::kSse2:
      return true;
    case TSimdPath::kAvx2:
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
             __builtin_cpu_supports("bmi2");
    case TSimdPath::kAvx512:
      return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512cd") &&
             __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2");
#else
    default:
      return false;
#endif
  }
  return false;
}

struct TRunnable {
  std::array<TSimdPath, kAll.size()> paths{};
  std::size_t count = 0;
  TRunnable() {
    for (TSimdPath path : kAll) {
      if (Supported(path)) paths[count++] = path;
    }
  }
};

const TRunnable& Runnable() {
  static const TRunnable runnable;
  return runnable;
}

// Written by tests and read by every new reader; relaxed is enough, since a
// reader only needs some valid path.
std::atomic<int> chosen{-1};

}  // namespace

bool CanRun(TSimdPath path) {
  for (TSimdPath runnable : RunnablePaths()) {
    if (runnable == path) return true;
  }
  return false;
}

std::span<const TSimdPath> RunnablePaths() {
  const TRunnable& runnable = Runnable();
  return {runnable.paths.data(), runnable.count};
}

TSimdPath CurrentSimdPath() {
  const int path = chosen.load(std::memory_order_relaxed);
  return path >= 0 ? static_cast<TSimdPath>(path) : RunnablePaths().back();
}

bool UseSimdPath(TSimdPath path) {
  if (!CanRun(path)) return false;
  chosen.store(static_cast<int>(path), std::memory_order_relaxed);
  return true;
}

const char* SimdPathName(TSimdPath path) {
  switch (path) {
    case TSimdPath::kPortable:
      return "portable";
    case TSimdPath::kSse2:
      return "sse2";
    case TSimdPath::kAvx2:
      return "avx2";
    case TSimdPath::kAvx512:
      return "avx512";
  }
  return "?";
}

}  // namespace ign
