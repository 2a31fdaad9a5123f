#pragma once
// The program's one pseudo-random generator. Its seed is set by whoever needs a
// reproducible sequence (the suggestion search, tests, benchmarks) and from the clock
// otherwise. A 32-bit linear congruential generator: the move generator draws from it at
// every quiet move, so it has to be a handful of instructions.
#include <cstdint>

namespace vantorel {

namespace detail {
// One per thread: the computer thinks on a thread of its own while the window throws dice.
inline thread_local uint32_t randomState = 0;
}

inline void RandSeed(uint32_t seed) {
    detail::randomState = seed;
}
inline uint32_t RandomState() {
    return detail::randomState;
}

// A value uniform in 0 .. range - 1 (0 when range is 0).
inline uint32_t RandomBelow(uint32_t range) {
    detail::randomState = detail::randomState * 0x08088405u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(detail::randomState) * range) >> 32);
}

// Milliseconds of a monotonic clock; the tick count used for stamps and seeds.
uint32_t TickCount();

// Seeds from the clock, for play that should vary from one game to the next.
void RandomizeFromClock();

} // namespace vantorel
