#pragma once
// The meadow under the stone circle, painted by our own code: a tile of grass that repeats
// without a seam.
#include <QImage>

namespace vantorel::grass {

constexpr int kSide = 256;

// Always the same picture: it depends on nothing but this code.
QImage GrassPicture();

} // namespace vantorel::grass
