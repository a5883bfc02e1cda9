#include "params/scan/Classify.h"

#include "params/scan/Isa.h"
#include "params/scan/Swar.h"

#if defined(IGN_X86_64)
#include <immintrin.h>
#endif

namespace ign {
namespace {

struct TBlockBits {
  std::uint64_t space;  // bit i: byte i is white space of the C locale
  std::uint64_t digit;  // bit i: byte i is a decimal digit
};

TBlockBits ClassifyBlockPortable(const char* block) {
  TBlockBits bits{0, 0};
  for (unsigned k = 0; k < 8; ++k) {
    const std::uint64_t word = swar::Load(block + 8 * k);
    bits.space |= std::uint64_t{swar::PackHighBits(swar::SpaceMask(word))} << (8 * k);
    bits.digit |= std::uint64_t{swar::PackHighBits(swar::DigitMask(word))} << (8 * k);
  }
  return bits;
}

template <TBlockBits (*kBlock)(const char*)>
void ClassifyEach(const char* data, std::size_t count, std::uint64_t* other, std::uint64_t* digit) {
  for (std::size_t i = 0; i < count; ++i) {
    const TBlockBits bits = kBlock(data + 64 * i);
    other[i] = ~(bits.space | bits.digit);
    digit[i] = bits.digit;
  }
}

#if defined(IGN_X86_64)
TBlockBits ClassifyBlockSse2(const char* block) {
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

// The same signed comparisons, 32 bytes at a time.
__attribute__((target("avx2"))) void ClassifyAvx2(const char* data, std::size_t count,
                                                  std::uint64_t* other, std::uint64_t* digit) {
  const __m256i blank = _mm256_set1_epi8(' ');
  const __m256i below_tab = _mm256_set1_epi8('\t' - 1);
  const __m256i above_cr = _mm256_set1_epi8('\r' + 1);
  const __m256i below_0 = _mm256_set1_epi8('0' - 1);
  const __m256i above_9 = _mm256_set1_epi8('9' + 1);
  for (std::size_t i = 0; i < count; ++i) {
    std::uint64_t space_bits = 0, digit_bits = 0;
    for (unsigned half = 0; half < 2; ++half) {
      const __m256i v =
          _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + 64 * i + 32 * half));
      const __m256i space = _mm256_or_si256(
          _mm256_cmpeq_epi8(v, blank),
          _mm256_and_si256(_mm256_cmpgt_epi8(v, below_tab), _mm256_cmpgt_epi8(above_cr, v)));
      const __m256i digits =
          _mm256_and_si256(_mm256_cmpgt_epi8(v, below_0), _mm256_cmpgt_epi8(above_9, v));
      space_bits |= std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(space))}
                    << (32 * half);
      digit_bits |= std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(digits))}
                    << (32 * half);
    }
    other[i] = ~(space_bits | digit_bits);
    digit[i] = digit_bits;
  }
}

// Unsigned byte comparisons straight into mask registers: a digit is at
// most 9 above '0', white space a blank or at most 4 above a tab.
__attribute__((target("avx512bw"))) void ClassifyAvx512(const char* data, std::size_t count,
                                                        std::uint64_t* other,
                                                        std::uint64_t* digit) {
  const __m512i zero = _mm512_set1_epi8('0');
  const __m512i tab = _mm512_set1_epi8('\t');
  const __m512i blank = _mm512_set1_epi8(' ');
  const __m512i nine = _mm512_set1_epi8(9);
  const __m512i four = _mm512_set1_epi8(4);
  for (std::size_t i = 0; i < count; ++i) {
    const __m512i v = _mm512_loadu_si512(data + 64 * i);
    const __mmask64 digits = _mm512_cmple_epu8_mask(_mm512_sub_epi8(v, zero), nine);
    const __mmask64 space =
        _mm512_cmple_epu8_mask(_mm512_sub_epi8(v, tab), four) | _mm512_cmpeq_epi8_mask(v, blank);
    other[i] = ~(space | digits);
    digit[i] = digits;
  }
}
#endif

}  // namespace

TClassifier ClassifierFor(TSimdPath path) {
  switch (path) {
#if defined(IGN_X86_64)
    case TSimdPath::kSse2:
      return ClassifyEach<ClassifyBlockSse2>;
    case TSimdPath::kAvx2:
      return ClassifyAvx2;
    case TSimdPath::kAvx512:
      return ClassifyAvx512;
#endif
    default:
      return ClassifyEach<ClassifyBlockPortable>;
  }
}

}  // namespace ign
