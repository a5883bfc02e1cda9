// Sorting 64 bytes at a time into white space and digits, one bit a byte,
// so that runs of blanks and digits are found by counting bits instead of
// stepping through bytes. SSE2 where the compiler has it (every x86-64),
// eight-byte words elsewhere; both give the same bits.
#pragma once

#include <cstddef>
#include <cstdint>

#include "params/SimdPath.h"
#include "params/Swar.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define IGN_HAVE_SSE2 1
#include <emmintrin.h>
#endif

namespace ign {

struct TBlockBits {
  std::uint64_t space;  // bit i: byte i is white space of the C locale
  std::uint64_t digit;  // bit i: byte i is a decimal digit
};

inline TBlockBits ClassifyBlockPortable(const char* block) {
  TBlockBits bits{0, 0};
  for (unsigned k = 0; k < 8; ++k) {
    const std::uint64_t word = swar::Load(block + 8 * k);
    bits.space |= std::uint64_t{swar::PackHighBits(swar::SpaceMask(word))} << (8 * k);
    bits.digit |= std::uint64_t{swar::PackHighBits(swar::DigitMask(word))} << (8 * k);
  }
  return bits;
}

#if defined(IGN_HAVE_SSE2)
inline TBlockBits ClassifyBlock(const char* block) {
  // Signed byte comparisons: bytes of 0x80 and above are negative and so
  // neither white space nor digits, as they should be.
  const __m128i blank = _mm_set1_epi8(' ');
  const __m128i below_tab = _mm_set1_epi8('\t' - 1);
  const __m128i above_cr = _mm_set1_epi8('\r' + 1);
  const __m128i below_0 = _mm_set1_epi8('0' - 1);
  const __m128i above_9 = _mm_set1_epi8('9' + 1);
  TBlockBits bits{0, 0};
  for (unsigned k = 0; k < 4; ++k) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * k));
    const __m128i space =
        _mm_or_si128(_mm_cmpeq_epi8(v, blank),
                     _mm_and_si128(_mm_cmpgt_epi8(v, below_tab), _mm_cmplt_epi8(v, above_cr)));
    const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(v, below_0), _mm_cmplt_epi8(v, above_9));
    bits.space |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(space))} << (16 * k);
    bits.digit |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(digit))} << (16 * k);
  }
  return bits;
}
#else
inline TBlockBits ClassifyBlock(const char* block) { return ClassifyBlockPortable(block); }
#endif

// Sorts `count` whole 64-byte blocks from `data` on: for block i, other[i]
// marks the bytes that are neither white space nor digits and digit[i] the
// digits. Every path gives the same bits.
using TClassifier = void (*)(const char* data, std::size_t count, std::uint64_t* other,
                             std::uint64_t* digit);

// The classifier of `path`, which must be runnable on this machine.
TClassifier ClassifierFor(TSimdPath path);

}  // namespace ign
