#pragma once
// A set of board points as one 128-bit word: a playable board has at most 128 points.
#include <bit>
#include <cstdint>

namespace vantorel {

using PointSet = unsigned __int128;

// The empty set for a number outside 0..127, so that a stray index can never shift out
// of range.
inline PointSet PointBit(int point) {
    return static_cast<unsigned>(point) < 128u ? PointSet{1} << point : PointSet{0};
}

inline bool Contains(PointSet set, int point) {
    return (set & PointBit(point)) != 0;
}

inline int PointCountOf(PointSet set) {
    return std::popcount(static_cast<uint64_t>(set)) +
           std::popcount(static_cast<uint64_t>(set >> 64));
}

// Lowest point of a non-empty set.
inline int LowestPoint(PointSet set) {
    const auto low = static_cast<uint64_t>(set);
    return low ? std::countr_zero(low) : 64 + std::countr_zero(static_cast<uint64_t>(set >> 64));
}

// Every point of the first `count` points.
inline PointSet FirstPoints(int count) {
    return count >= 128 ? ~PointSet{0} : (PointSet{1} << count) - 1;
}

// Calls f(point) for each point of the set in ascending order.
template <typename F> inline void ForEachPoint(PointSet set, F&& f) {
    while (set) {
        f(LowestPoint(set));
        set &= set - 1;
    }
}

} // namespace vantorel
