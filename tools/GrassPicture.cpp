#include "GrassPicture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vantorel::grass {

namespace {

// A repeatable value in 0..1.
double Hash(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u ^
                 seed * 83492791u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffu) / 65535.0;
}

// Smooth noise on a lattice of `cells` per side that wraps round the tile.
double Noise(double x, double y, int cells, uint32_t seed) {
    const double fx = x * cells / kSide, fy = y * cells / kSide;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) {
        return Hash((i % cells + cells) % cells, (j % cells + cells) % cells, seed);
    };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace

QImage GrassPicture() {
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    // Patches of lush and of drier grass, then fine mottling.
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const double patch = Noise(x, y, 4, 3) * 0.6 + Noise(x, y, 8, 4) * 0.4;
            const double fine = Noise(x, y, 64, 5);
            QColor c = Mix(QColor(46, 104, 34), QColor(104, 140, 52), patch);
            c = Mix(c, QColor(24, 64, 20), fine * 0.35);
            picture.setPixelColor(x, y, c);
        }
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Blades: short strokes leaning a little, drawn three times across the tile's edges so
    // the repeat shows no seam.
    for (int k = 0; k < 1400; ++k) {
        const double x = Hash(k, 1, 7) * kSide, y = Hash(k, 2, 7) * kSide;
        const double lean = (Hash(k, 3, 7) - 0.5) * 5, length = 3 + Hash(k, 4, 7) * 5;
        const double shade = Hash(k, 5, 7);
        painter.setPen(QPen(shade > 0.55 ? QColor(120, 176, 64) : QColor(28, 76, 22), 1.1));
        for (int dx : {-kSide, 0, kSide})
            for (int dy : {-kSide, 0, kSide})
                painter.drawLine(QPointF(x + dx, y + dy), QPointF(x + dx + lean, y + dy - length));
    }
    // A few daisies and buttercups.
    for (int k = 0; k < 18; ++k) {
        const QPointF centre(Hash(k, 6, 9) * (kSide - 8) + 4, Hash(k, 7, 9) * (kSide - 8) + 4);
        const bool daisy = Hash(k, 8, 9) > 0.4;
        painter.setPen(Qt::NoPen);
        painter.setBrush(daisy ? QColor(240, 240, 232) : QColor(236, 200, 40));
        painter.drawEllipse(centre, 1.8, 1.8);
        if (daisy) {
            painter.setBrush(QColor(230, 190, 40));
            painter.drawEllipse(centre, 0.7, 0.7);
        }
    }
    return picture;
}

} // namespace vantorel::grass
