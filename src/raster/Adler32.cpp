#include "raster/Adler32.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#else
#include <zlib.h>
#endif

namespace {

constexpr uint32_t Base = 65521;
// The most bytes after which the sums, started below Base, still fit in 32 bits.
constexpr std::size_t MostBeforeModulo = 5552;

} // namespace

#if defined(__SSE2__)

uint32_t Adler32(uint32_t adler, const uint8_t* data, std::size_t size) {
    uint32_t a = adler & 0xffff, b = adler >> 16;
    const __m128i zero = _mm_setzero_si128();
    // Byte i of a step of sixteen counts 16 - i times towards b.
    const __m128i weightsLow = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i weightsHigh = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
    while (size >= 16) {
        const std::size_t steps = (size < MostBeforeModulo ? size : MostBeforeModulo) / 16;
        // Per lane: the bytes' sum, the sums before each step, the weighted bytes.
        __m128i sums = zero, sumsBefore = zero, weighted = zero;
        for (std::size_t s = 0; s < steps; ++s, data += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
            sumsBefore = _mm_add_epi32(sumsBefore, sums);
            sums = _mm_add_epi32(sums, _mm_sad_epu8(bytes, zero));
            weighted = _mm_add_epi32(
                weighted,
                _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), weightsLow),
                              _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), weightsHigh)));
        }
        alignas(16) uint32_t lanes[3][4];
        _mm_store_si128(reinterpret_cast<__m128i*>(lanes[0]), sums);
        _mm_store_si128(reinterpret_cast<__m128i*>(lanes[1]), sumsBefore);
        _mm_store_si128(reinterpret_cast<__m128i*>(lanes[2]), weighted);
        const uint64_t bytesSum = uint64_t(lanes[0][0]) + lanes[0][2];
        const uint64_t before = uint64_t(lanes[1][0]) + lanes[1][2];
        const uint64_t weightedSum =
            uint64_t(lanes[2][0]) + lanes[2][1] + lanes[2][2] + lanes[2][3];
        b = uint32_t((b + 16 * steps * uint64_t(a) + 16 * before + weightedSum) % Base);
        a = uint32_t((a + bytesSum) % Base);
        size -= 16 * steps;
    }
    for (; size > 0; --size) {
        a += *data++;
        b += a;
    }
    return (b % Base) << 16 | a % Base;
}

#else

uint32_t Adler32(uint32_t adler, const uint8_t* data, std::size_t size) {
    while (size > 0) {
        const std::size_t part = size < MostBeforeModulo ? size : MostBeforeModulo;
        adler = uint32_t(adler32(adler, data, uInt(part)));
        data += part;
        size -= part;
    }
    return adler;
}

#endif
