#pragma once
// Keys and buttons held at a mouse event.
#include <cstdint>

namespace vantorel::scene {

enum TShift : uint8_t {
    kShift = 1,
    kAlt = 2,
    kCtrl = 4,
    kLeft = 8,
    kRight = 16,
    kMiddle = 32,
};
using TShiftState = uint8_t;

enum class TMouseButton { Left, Right, Middle };

} // namespace vantorel::scene
