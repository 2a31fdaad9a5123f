#pragma once
// The 80-bit x87 extended real of the model record, written and read bit by bit so that
// files stay identical whatever `long double` means on the machine.
#include <array>
#include <cstdint>

namespace vantorel {

using Extended80 = std::array<uint8_t, 10>;

// Exact: every double has an extended form.
Extended80 EncodeExtended(double value);

// Rounds to the nearest double; any ten bytes give a value (NaN and infinities included).
double DecodeExtended(const Extended80& bytes);

} // namespace vantorel
