#include "Extended80.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace vantorel {

Extended80 EncodeExtended(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);

    uint64_t mantissa = 0;
    int biased = 0;
    if (exponent == 0x7FF) {
        biased = 0x7FFF;
        mantissa = (uint64_t{1} << 63) | (fraction << 11);
        if (fraction != 0) mantissa |= uint64_t{1} << 62; // keep NaNs quiet
    } else if (exponent == 0) {
        if (fraction != 0) { // a subnormal double is a normal extended
            const int shift = std::countl_zero(fraction << 11);
            mantissa = (fraction << 11) << shift;
            biased = 16383 - 1022 - shift;
        }
    } else {
        mantissa = (uint64_t{1} << 63) | (fraction << 11);
        biased = exponent - 1023 + 16383;
    }

    Extended80 out{};
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    const unsigned top = static_cast<unsigned>(biased) | (negative ? 0x8000u : 0u);
    out[8] = static_cast<uint8_t>(top);
    out[9] = static_cast<uint8_t>(top >> 8);
    return out;
}

double DecodeExtended(const Extended80& bytes) {
    uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    const unsigned top = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int biased = static_cast<int>(top & 0x7FFFu);

    double magnitude;
    if (biased == 0x7FFF) {
        magnitude = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    } else if (mantissa == 0) {
        magnitude = 0.0;
    } else {
        // Extended denormals use the exponent of biased value 1.
        const int exponent = (biased == 0 ? 1 : biased) - 16383 - 63;
        const int topBit = 63 - std::countl_zero(mantissa);
        if (exponent + topBit >= -1022) {
            // A normal double: one rounding to 53 bits, then an exact scaling.
            magnitude = std::ldexp(static_cast<double>(mantissa), exponent);
        } else {
            // Below the normal range the double keeps fewer bits: round once, to the
            // nearest multiple of 2^-1074, ties to even.
            const int drop = -1074 - exponent;
            uint64_t kept = 0;
            if (drop <= 0) {
                kept = mantissa << -drop;
            } else if (drop <= 64) {
                const unsigned __int128 wide = mantissa;
                kept = static_cast<uint64_t>(wide >> drop);
                const unsigned __int128 rest =
                    wide & ((static_cast<unsigned __int128>(1) << drop) - 1);
                const unsigned __int128 half = static_cast<unsigned __int128>(1) << (drop - 1);
                if (rest > half || (rest == half && (kept & 1))) ++kept;
            }
            magnitude = std::ldexp(static_cast<double>(kept), -1074);
        }
    }
    return negative ? -magnitude : magnitude;
}

} // namespace vantorel
