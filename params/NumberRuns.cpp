#include "params/NumberRuns.h"

#include <bit>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define IGN_X86_DISPATCH 1
#endif

namespace ign {
namespace {

constexpr std::size_t kBlock = 64;

std::uint64_t Load(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// The value of the last `length` (1 to 8) of the eight bytes in `top`, all
// digits, after the bytes below them were shifted out as zeros. The low
// nibble of a digit is its value, so no '0' needs subtracting; each step
// joins neighbouring groups: pairs, then fours, then the eight.
[[gnu::always_inline]] inline std::uint32_t Digits(std::uint64_t top) {
  top = ((top & 0x0F0F0F0F0F0F0F0Full) * (1 + (10 << 8))) >> 8;
  top = ((top & 0x00FF00FF00FF00FFull) * (1 + (100 << 16))) >> 16;
  return static_cast<std::uint32_t>(((top & 0x0000FFFF0000FFFFull) * (1 + (10000ull << 32))) >> 32);
}

// Two cursors walk the first and the last digits of the runs. They move on
// by clearing one bit, so finding the next number does not wait for the
// arithmetic of the one before.
template <bool kWithPlaces>
[[gnu::always_inline]] inline unsigned ReadRuns(const TRunWindow& window, std::size_t& at,
                                                std::uint32_t* values, unsigned count,
                                                TNumberPlace* places) {
  // Locals, so that the stores of the values cannot make the compiler read
  // the window again.
  const char* const front = window.front;
  const std::uint64_t* const first_words = window.firsts;
  const std::uint64_t* const last_words = window.lasts;
  const std::size_t bound = window.bound;
  const std::uint64_t from_here = ~std::uint64_t{0} << (at % kBlock);
  // Block bases in bytes; the last digits' base is one further, so that it
  // names the byte past the number.
  std::size_t first_base = at & ~(kBlock - 1), past_base = first_base + 1;
  std::uint64_t firsts = first_words[first_base / kBlock] & from_here;
  std::uint64_t lasts = last_words[first_base / kBlock] & from_here;
  std::uint32_t* out = values;
  std::uint32_t* const out_end = values + count;
  std::size_t past = at;
  while (out != out_end) {
    // The word after the last block has its lowest bit set, a first digit
    // past `bound` that ends the walk.
    while (firsts == 0) {
      first_base += kBlock;
      firsts = first_words[first_base / kBlock];
    }
    const std::size_t first = first_base + static_cast<unsigned>(std::countr_zero(firsts));
    if (first >= bound) break;
    // The run of `first` ends inside the window, so its last digit is there.
    while (lasts == 0) {
      past_base += kBlock;
      lasts = last_words[past_base / kBlock];
    }
    const std::size_t next_past = past_base + static_cast<unsigned>(std::countr_zero(lasts));
    const std::size_t length = next_past - first;
    if (length > 8) break;
    if constexpr (kWithPlaces) places[out - values] = {first, length};
    // Shifting by 64 - 8 * length, taken modulo 64 as the hardware does,
    // leaves only the number's digits, at the top.
    *out++ = Digits(Load(front + first) << ((0u - 8 * length) & 63));
    firsts &= firsts - 1;
    lasts &= lasts - 1;
    past = next_past;
  }
  at = past;
  return static_cast<unsigned>(out - values);
}

unsigned ReadRunsPortable(const TRunWindow& window, std::size_t& at, std::uint32_t* values,
                          unsigned count, TNumberPlace* places) {
  return places != nullptr ? ReadRuns<true>(window, at, values, count, places)
                           : ReadRuns<false>(window, at, values, count, places);
}

#if defined(IGN_X86_DISPATCH)
// The same loop, where clearing the lowest bit, counting trailing zeros and
// shifting by a register are one instruction each.
__attribute__((target("bmi,bmi2"))) unsigned ReadRunsBmi(const TRunWindow& window, std::size_t& at,
                                                         std::uint32_t* values, unsigned count,
                                                         TNumberPlace* places) {
  return places != nullptr ? ReadRuns<true>(window, at, values, count, places)
                           : ReadRuns<false>(window, at, values, count, places);
}
#endif

}  // namespace

TRunReader RunReaderFor(TSimdPath path) {
#if defined(IGN_X86_DISPATCH)
  if (path == TSimdPath::kAvx2 || path == TSimdPath::kAvx512) return ReadRunsBmi;
#else
  (void)path;
#endif
  return ReadRunsPortable;
}

}  // namespace ign
