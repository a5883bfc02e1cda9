#include "params/scan/LowBytes.h"

#include "params/scan/Isa.h"

#if defined(IGN_X86_64)
#include <emmintrin.h>
#endif

namespace ign {

void StoreLowBytes(const std::uint32_t* values, unsigned count, std::uint8_t* out) {
  unsigned i = 0;
#if defined(IGN_X86_64)
  // Sixteen at a time: the low byte of each value kept by a mask, so that
  // the two packs that follow cannot saturate.
  const __m128i low_byte = _mm_set1_epi32(0xFF);
  for (; i + 16 <= count; i += 16) {
    const auto* in = reinterpret_cast<const __m128i*>(values + i);
    const __m128i a = _mm_and_si128(_mm_loadu_si128(in), low_byte);
    const __m128i b = _mm_and_si128(_mm_loadu_si128(in + 1), low_byte);
    const __m128i c = _mm_and_si128(_mm_loadu_si128(in + 2), low_byte);
    const __m128i d = _mm_and_si128(_mm_loadu_si128(in + 3), low_byte);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), bytes);
  }
#endif
  for (; i < count; ++i) out[i] = static_cast<std::uint8_t>(values[i]);
}

}  // namespace ign
