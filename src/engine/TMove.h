#pragma once
#include <cstdint>
#include <vector>

namespace vantorel {

// From −1 places a piece from the reserve (−2 in capture-only triples); Capture −2 takes
// nothing, −1 takes a piece from the opponent's reserve, a point number takes that piece.
struct TMove {
    int8_t From = -1;
    int8_t To = -2;
    int8_t Capture = -2;

    bool operator==(const TMove&) const = default;

    // The single-integer form: From | To << 8 | Capture << 16.
    int32_t Packed() const {
        return static_cast<uint8_t>(From) | (static_cast<uint8_t>(To) << 8) |
               (static_cast<uint8_t>(Capture) << 16);
    }
    static TMove Unpack(int32_t packed) {
        return {static_cast<int8_t>(packed & 0xFF), static_cast<int8_t>((packed >> 8) & 0xFF),
                static_cast<int8_t>((packed >> 16) & 0xFF)};
    }
};

inline constexpr TMove NoMove{-1, -2, -2};
inline constexpr int8_t kNoCapture = -2;
inline constexpr int8_t kReserveCapture = -1;

// A move list.
using Tsuivants = std::vector<TMove>;

inline constexpr int kWhite = 0;
inline constexpr int kBlack = 1;

// Loser codes.
inline constexpr int8_t kUndecided = -1;
inline constexpr int8_t kBothLost = 99;

} // namespace vantorel
