#include "params/scan/NumberRuns.h"

#include <bit>

#include "params/scan/Isa.h"
#include "params/scan/Swar.h"

#if defined(IGN_X86_64)
#include <immintrin.h>
#endif

namespace ign {
namespace {

constexpr std::size_t kBlock = 64;

// The value of the last `length` (1 to 8) of the eight bytes in `top`, all
// digits, after the bytes below them were shifted out as zeros. The low
// nibble of a digit is its value, so no '0' needs subtracting; each step
// joins neighbouring groups: pairs, then fours, then the eight.
[[gnu::always_inline]] inline std::uint32_t Digits(std::uint64_t top) {
  top = ((top & 0x0F0F0F0F0F0F0F0Full) * (1 + (10 << 8))) >> 8;
  top = ((top & 0x00FF00FF00FF00FFull) * (1 + (100 << 16))) >> 16;
  return static_cast<std::uint32_t>(((top & 0x0000FFFF0000FFFFull) * (1 + (10000ull << 32))) >> 32);
}

// Turns words of digits at the top into values, one at a time.
struct TScalarDigits {
  static void Run(const std::uint64_t* words, unsigned count, std::uint32_t* values) {
    for (unsigned i = 0; i < count; ++i) values[i] = Digits(words[i]);
  }
};

// Two cursors walk the first and the last digits of the runs. They move on
// by clearing one bit, so finding the next number does not wait for the
// arithmetic of the one before. The numbers' bytes are gathered first, a
// chunk at a time, and `TConvert` turns a chunk into values, so that a wide
// path can convert several at once.
template <bool kWithPlaces, typename TConvert>
[[gnu::always_inline]] inline unsigned ReadRuns(const TRunWindow& window, std::size_t& at,
                                                std::uint32_t* values, unsigned count,
                                                TNumberPlace* places) {
  constexpr unsigned kChunk = 64;
  // Locals, so that the stores of the words cannot make the compiler read
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
  std::size_t past = at;
  std::uint64_t words[kChunk];
  unsigned read = 0;
  bool stopped = false;
  while (read < count && !stopped) {
    const unsigned chunk = count - read < kChunk ? count - read : kChunk;
    unsigned got = 0;
    for (; got < chunk; ++got) {
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
      if constexpr (kWithPlaces) places[read + got] = {first, length};
      // Shifting by 64 - 8 * length, taken modulo 64 as the hardware does,
      // leaves only the number's digits, at the top.
      words[got] = swar::Load(front + first) << ((0u - 8 * length) & 63);
      firsts &= firsts - 1;
      lasts &= lasts - 1;
      past = next_past;
    }
    TConvert::Run(words, got, values + read);
    read += got;
    stopped = got < chunk;
  }
  at = past;
  return read;
}

unsigned ReadRunsPortable(const TRunWindow& window, std::size_t& at, std::uint32_t* values,
                          unsigned count, TNumberPlace* places) {
  return places != nullptr ? ReadRuns<true, TScalarDigits>(window, at, values, count, places)
                           : ReadRuns<false, TScalarDigits>(window, at, values, count, places);
}

#if defined(IGN_X86_64)
// Two words at a time with SSE2, which every x86-64 has: the digits' low
// nibbles widened to 16 bits, pairs joined by a multiply-add, narrowed again
// and fours joined by another, then the two halves of each word by a 64-bit
// multiply.
struct TSse2Digits {
  static void Run(const std::uint64_t* words, unsigned count, std::uint32_t* values) {
    const __m128i nibbles = _mm_set1_epi8(0x0F);
    const __m128i zero = _mm_setzero_si128();
    const __m128i tens = _mm_set1_epi32(0x0001000A);      // 10, 1
    const __m128i hundreds = _mm_set1_epi32(0x00010064);  // 100, 1
    const __m128i ten_thousand = _mm_set1_epi64x(10000);
    unsigned i = 0;
    for (; i + 2 <= count; i += 2) {
      const __m128i v =
          _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(words + i)), nibbles);
      const __m128i pairs0 = _mm_madd_epi16(_mm_unpacklo_epi8(v, zero), tens);
      const __m128i pairs1 = _mm_madd_epi16(_mm_unpackhi_epi8(v, zero), tens);
      const __m128i fours = _mm_madd_epi16(_mm_packs_epi32(pairs0, pairs1), hundreds);
      const __m128i both =
          _mm_add_epi64(_mm_mul_epu32(fours, ten_thousand), _mm_srli_epi64(fours, 32));
      _mm_storel_epi64(reinterpret_cast<__m128i*>(values + i),
                       _mm_shuffle_epi32(both, _MM_SHUFFLE(3, 1, 2, 0)));
    }
    for (; i < count; ++i) values[i] = Digits(words[i]);
  }
};

// Four words at a time: the digits' low nibbles, then pairs joined by a
// multiply-add of bytes, fours by one of 16-bit lanes, and the two halves
// of each word by a 64-bit multiply.
struct TAvx2Digits {
  __attribute__((target("avx2"))) static void Run(const std::uint64_t* words, unsigned count,
                                                  std::uint32_t* values) {
    const __m256i nibbles = _mm256_set1_epi8(0x0F);
    const __m256i tens = _mm256_set1_epi16(0x010A);          // bytes 10, 1: first digit weighs 10
    const __m256i hundreds = _mm256_set1_epi32(0x00010064);  // 100, 1
    const __m256i ten_thousand = _mm256_set1_epi64x(10000);
    const __m256i low_dwords = _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7);
    unsigned i = 0;
    for (; i + 4 <= count; i += 4) {
      __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(words + i));
      v = _mm256_maddubs_epi16(_mm256_and_si256(v, nibbles), tens);
      v = _mm256_madd_epi16(v, hundreds);
      v = _mm256_add_epi64(_mm256_mul_epu32(v, ten_thousand), _mm256_srli_epi64(v, 32));
      v = _mm256_permutevar8x32_epi32(v, low_dwords);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(values + i), _mm256_castsi256_si128(v));
    }
    for (; i < count; ++i) values[i] = Digits(words[i]);
  }
};

// GCC 12 takes the "undefined" pass-through operands inside its AVX-512
// intrinsics for uninitialised variables; they are not read.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

// With AVX-512 the last digits need no cursor of their own: eight numbers'
// bytes are loaded from their first digits and each one's length is where
// its first byte that is no digit stands, found for all eight at once. A
// number whose eight bytes are all digits may go on; the ninth byte says.
template <bool kWithPlaces>
__attribute__((target("popcnt,bmi,bmi2,avx512f,avx512bw,avx512cd"))) unsigned ReadRunsAvx512(
    const TRunWindow& window, std::size_t& at, std::uint32_t* values, unsigned count,
    TNumberPlace* places) {
  const char* const front = window.front;
  const std::uint64_t* const first_words = window.firsts;
  const std::size_t bound = window.bound;
  const __m512i zero_char = _mm512_set1_epi8('0');
  const __m512i nine = _mm512_set1_epi8(9);
  const __m512i nibbles = _mm512_set1_epi8(0x0F);
  const __m512i tens = _mm512_set1_epi16(0x010A);
  const __m512i hundreds = _mm512_set1_epi32(0x00010064);
  const __m512i ten_thousand = _mm512_set1_epi64(10000);
  const __m512i one = _mm512_set1_epi64(1);
  const __m512i sixty_four = _mm512_set1_epi64(64);
  constexpr unsigned kChunk = 64;
  std::size_t first_base = at & ~(kBlock - 1);
  std::uint64_t firsts = first_words[first_base / kBlock] & (~std::uint64_t{0} << (at % kBlock));
  // The first digits and the eight bytes from each are gathered a chunk at a
  // time before the vector steps read them, so that no vector load waits
  // for the stores just made.
  alignas(64) std::uint64_t starts[kChunk];
  alignas(64) std::uint64_t words[kChunk];
  alignas(64) std::uint64_t shifts[8];
  unsigned read = 0;
  while (read < count) {
    const unsigned want = count - read < kChunk ? count - read : kChunk;
    unsigned got = 0;
    for (; got < want; ++got) {
      // The word after the last block has its lowest bit set, a first digit
      // past `bound` that ends the walk.
      while (firsts == 0) {
        first_base += kBlock;
        firsts = first_words[first_base / kBlock];
      }
      const std::size_t first = first_base + static_cast<unsigned>(std::countr_zero(firsts));
      if (first >= bound) break;
      starts[got] = first;
      words[got] = swar::Load(front + first);
      firsts &= firsts - 1;
    }
    unsigned good = 0;
    for (unsigned step = 0; step < got; step += 8) {
      const unsigned lanes_here = got - step < 8 ? got - step : 8;
      const __mmask8 lanes = static_cast<__mmask8>((1u << lanes_here) - 1);
      const __m512i v = _mm512_maskz_load_epi64(lanes, words + step);
      // Bytes that are no digits, 0xFF each; the lowest one's bit 8j gives a
      // length of j, and a shift of 64 - 8j = leading zeros + 1 puts the
      // digits at the top.
      const __mmask64 digits = _mm512_cmple_epu8_mask(_mm512_sub_epi8(v, zero_char), nine);
      const __m512i others = _mm512_movm_epi8(~digits);
      const __m512i lowest =
          _mm512_and_si512(others, _mm512_sub_epi64(_mm512_setzero_si512(), others));
      const __m512i leading = _mm512_lzcnt_epi64(lowest);
      const __mmask8 all_digits = _mm512_cmpeq_epi64_mask(leading, sixty_four) & lanes;
      const __m512i shift =
          _mm512_maskz_add_epi64(static_cast<__mmask8>(~all_digits), leading, one);
      _mm512_store_si512(shifts, shift);
      // A number of eight digits ends only if its ninth byte is none.
      unsigned ok = lanes_here;
      for (unsigned bits = all_digits; bits != 0; bits &= bits - 1) {
        const unsigned lane = static_cast<unsigned>(std::countr_zero(bits));
        if (static_cast<unsigned char>(front[starts[step + lane] + 8] - '0') < 10) {
          ok = lane;
          break;
        }
      }
      if (ok > 0) {
        __m512i d = _mm512_sllv_epi64(v, shift);
        d = _mm512_maddubs_epi16(_mm512_and_si512(d, nibbles), tens);
        d = _mm512_madd_epi16(d, hundreds);
        d = _mm512_add_epi64(_mm512_mul_epu32(d, ten_thousand), _mm512_srli_epi64(d, 32));
        _mm512_mask_cvtepi64_storeu_epi32(values + read + step,
                                          static_cast<__mmask8>((1u << ok) - 1), d);
        if constexpr (kWithPlaces) {
          for (unsigned i = 0; i < ok; ++i) {
            places[read + step + i] = {starts[step + i], 8 - shifts[i] / 8};
          }
        }
        at = starts[step + ok - 1] + 8 - shifts[ok - 1] / 8;
      }
      good = step + ok;
      if (ok < lanes_here) break;
    }
    read += good;
    if (good < want) break;
  }
  return read;
}

unsigned ReadRunsAvx512Any(const TRunWindow& window, std::size_t& at, std::uint32_t* values,
                           unsigned count, TNumberPlace* places) {
  return places != nullptr ? ReadRunsAvx512<true>(window, at, values, count, places)
                           : ReadRunsAvx512<false>(window, at, values, count, places);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

unsigned ReadRunsSse2(const TRunWindow& window, std::size_t& at, std::uint32_t* values,
                      unsigned count, TNumberPlace* places) {
  return places != nullptr ? ReadRuns<true, TSse2Digits>(window, at, values, count, places)
                           : ReadRuns<false, TSse2Digits>(window, at, values, count, places);
}

template <typename TConvert>
__attribute__((target("popcnt,bmi,bmi2"))) unsigned ReadRunsBmi(const TRunWindow& window,
                                                                std::size_t& at,
                                                                std::uint32_t* values,
                                                                unsigned count,
                                                                TNumberPlace* places) {
  return places != nullptr ? ReadRuns<true, TConvert>(window, at, values, count, places)
                           : ReadRuns<false, TConvert>(window, at, values, count, places);
}
#endif

}  // namespace

TRunReader RunReaderFor(TSimdPath path) {
#if defined(IGN_X86_64)
  if (path == TSimdPath::kSse2) return ReadRunsSse2;
  if (path == TSimdPath::kAvx2) return ReadRunsBmi<TAvx2Digits>;
  if (path == TSimdPath::kAvx512) return ReadRunsAvx512Any;
#else
  (void)path;
#endif
  return ReadRunsPortable;
}

}  // namespace ign
