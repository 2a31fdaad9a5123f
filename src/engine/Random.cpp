#include "Random.h"

#include <chrono>

namespace vantorel {

uint32_t TickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void RandomizeFromClock() {
    using namespace std::chrono;
    const auto now = high_resolution_clock::now().time_since_epoch().count();
    RandSeed(static_cast<uint32_t>(now ^ (now >> 32)));
}

} // namespace vantorel
