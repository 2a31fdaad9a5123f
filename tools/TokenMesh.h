#pragma once
// The playing piece of the 3D classic board, "jeton2.3ds": a token turned on a lathe,
// bevelled below, rounded above with a shallow dish on top, written as a 3DS file so that
// the scene reads it through its usual mesh loader. Units: 45 across and 10 high, its axis
// along z, centred on the origin; the board scales it by 0.02.
#include <cstdint>
#include <vector>

namespace vantorel::token {

// The whole file.
std::vector<uint8_t> TokenFile3ds();

} // namespace vantorel::token
