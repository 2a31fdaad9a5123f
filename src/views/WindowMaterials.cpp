#include "WindowMaterials.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vantorel {

namespace {

constexpr int kSide = 128; // every picture: a power of two, small enough for any driver

// A repeatable lattice value in 0..1; the pictures never touch the game's generator.
double Lattice(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffu) / 65535.0;
}

// Smooth noise over a lattice of `cells` per side that wraps, so the pictures tile.
double Noise(double x, double y, int cells, uint32_t seed) {
    const double fx = x * cells / kSide, fy = y * cells / kSide;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) {
        return Lattice(((i % cells) + cells) % cells, ((j % cells) + cells) % cells, seed);
    };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

// Three octaves, 0..1.
double Fractal(double x, double y, int cells, uint32_t seed) {
    return (Noise(x, y, cells, seed) * 4 + Noise(x, y, cells * 2, seed + 1) * 2 +
            Noise(x, y, cells * 4, seed + 2)) /
           7.0;
}

QRgb Mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(static_cast<int>(a.red() + (b.red() - a.red()) * t),
                static_cast<int>(a.green() + (b.green() - a.green()) * t),
                static_cast<int>(a.blue() + (b.blue() - a.blue()) * t));
}

template <class Shade> QImage Paint(Shade shade) {
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            picture.setPixel(x, y, shade(static_cast<double>(x), static_cast<double>(y)));
    return picture;
}

// Growth rings bent by the noise, as on a plank cut along the trunk.
QImage Wood(QColor light, QColor dark, double rings, uint32_t seed) {
    return Paint([=](double x, double y) {
        const double bend = Fractal(x, y, 4, seed) * 6;
        const double t = 0.5 + 0.5 * std::sin((y / kSide * rings + bend) * 2 * 3.14159265);
        const double fibre = Noise(x, y * 8, 32, seed + 7) * 0.25;
        return Mix(dark, light, t * 0.8 + fibre);
    });
}

// A surface of gently varying colour: ivory, wax, stone, cake, paper.
QImage Mottled(QColor a, QColor b, int cells, uint32_t seed) {
    return Paint([=](double x, double y) { return Mix(a, b, Fractal(x, y, cells, seed)); });
}

// Mottled, with darker streaks running across: ebony, dark stone.
QImage Streaked(QColor a, QColor b, uint32_t seed) {
    return Paint([=](double x, double y) {
        const double streak = std::pow(Noise(x * 0.25, y * 4, 16, seed), 3);
        return Mix(a, b, Fractal(x, y, 8, seed + 3) * 0.5 + streak);
    });
}

// Round craters on a grey ground.
QImage Moon() {
    QImage picture = Mottled(QColor(150, 150, 146), QColor(205, 205, 200), 8, 41);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 14; ++k) {
        const double cx = Lattice(k, 1, 42) * kSide, cy = Lattice(k, 2, 42) * kSide;
        const double r = 3 + Lattice(k, 3, 42) * 10;
        painter.setPen(QPen(QColor(215, 215, 210), 1.2));
        painter.setBrush(QColor(120, 120, 118, 150));
        painter.drawEllipse(QPointF(cx, cy), r, r);
    }
    return picture;
}

// Square tiles with dark joints.
QImage Floor() {
    QImage picture = Mottled(QColor(190, 172, 140), QColor(150, 128, 100), 8, 51);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(70, 60, 50), 2));
    painter.drawRect(1, 1, kSide - 2, kSide - 2);
    painter.drawLine(kSide / 2, 0, kSide / 2, kSide);
    painter.drawLine(0, kSide / 2, kSide, kSide / 2);
    return picture;
}

// Short blades in many greens.
QImage Grass() {
    QImage picture = Mottled(QColor(40, 100, 30), QColor(80, 150, 50), 8, 61);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 400; ++k) {
        const double x = Lattice(k, 1, 62) * kSide, y = Lattice(k, 2, 62) * kSide;
        const double lean = (Lattice(k, 3, 62) - 0.5) * 4;
        painter.setPen(QPen(Lattice(k, 4, 62) > 0.5 ? QColor(95, 170, 60) : QColor(30, 80, 25), 1));
        painter.drawLine(QPointF(x, y), QPointF(x + lean, y - 5));
    }
    return picture;
}

// A coin of our own design: rim, a ring of dots and a sign in the middle.
QImage Coin(QColor metal, QColor shade, const QString& sign) {
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    picture.fill(shade);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kSide / 2.0, kSide / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal);
    painter.drawEllipse(centre, kSide / 2.0, kSide / 2.0);
    painter.setPen(QPen(shade, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, kSide / 2.0 - 6, kSide / 2.0 - 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    for (int k = 0; k < 12; ++k) {
        const double a = k * 3.14159265 / 6;
        painter.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * (kSide / 2.0 - 15), 3, 3);
    }
    QFont font;
    font.setPixelSize(64);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(shade);
    painter.drawText(picture.rect(), Qt::AlignCenter, sign);
    return picture;
}

// Narrow vertical stripes with a small lozenge between them.
QImage Wallpaper() {
    QImage picture = Mottled(QColor(222, 210, 170), QColor(235, 226, 196), 4, 71);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 90, 80), 3));
    painter.drawLine(16, 0, 16, kSide);
    painter.drawLine(80, 0, 80, kSide);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 140, 90));
    for (int y : {32, 96}) {
        const QPointF c(48, y);
        painter.drawPolygon(QPolygonF(
            {c + QPointF(0, -9), c + QPointF(6, 0), c + QPointF(0, 9), c + QPointF(-6, 0)}));
    }
    return picture;
}

// Woven threads: a checker of short warp and weft strokes.
QImage Tapestry() {
    return Paint([](double x, double y) {
        const int cx = static_cast<int>(x) / 4, cy = static_cast<int>(y) / 4;
        const bool warp = (cx + cy) % 2 == 0;
        const double along = warp ? std::fmod(y, 4) : std::fmod(x, 4);
        const double shade = 0.6 + 0.4 * std::sin(along / 4 * 3.14159265);
        const double hue = Fractal(x, y, 4, 81);
        const QColor thread = hue > 0.5 ? QColor(150, 40, 40) : QColor(40, 60, 120);
        return Mix(QColor(30, 20, 15), thread, shade);
    });
}

// A repeated fleuron in dark ink on parchment.
QImage Motif() {
    QImage picture = Mottled(QColor(226, 206, 160), QColor(240, 226, 190), 4, 91);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Faded ink: the board drawn over it must stay readable.
    painter.setPen(QPen(QColor(196, 160, 120), 3));
    painter.setBrush(QColor(214, 180, 140));
    const QPointF c(kSide / 2.0, kSide / 2.0);
    for (int k = 0; k < 4; ++k) {
        const double a = k * 3.14159265 / 2;
        const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * 40;
        QPainterPath petal;
        petal.moveTo(c);
        petal.quadTo(c + QPointF(std::cos(a + 0.6), std::sin(a + 0.6)) * 34, tip);
        petal.quadTo(c + QPointF(std::cos(a - 0.6), std::sin(a - 0.6)) * 34, c);
        painter.drawPath(petal);
    }
    painter.drawEllipse(c, 8, 8);
    return picture;
}

scene::TMaterial ColoursOf(QColor c) {
    scene::TMaterial material;
    const float r = static_cast<float>(c.redF()), g = static_cast<float>(c.greenF()),
                b = static_cast<float>(c.blueF());
    material.Diffuse = {r, g, b, 1.0f};
    material.Ambient = {r * 0.5f, g * 0.5f, b * 0.5f, 1.0f};
    material.Specular = {0.15f, 0.15f, 0.15f, 1.0f};
    return material;
}

} // namespace

void BuildWindowMaterials(scene::TMaterialLibrary& library) {
    library.Clear();
    // Name, the colour a theme shows without textures, and the picture.
    const struct {
        const char* Name;
        QColor Colour;
        QImage Picture;
    } materials[] = {
        {"bois", QColor(214, 176, 124), Wood(QColor(236, 204, 160), QColor(190, 146, 96), 5, 1)},
        {"ivoire", QColor(236, 228, 200),
         Mottled(QColor(226, 216, 186), QColor(246, 240, 220), 4, 11)},
        {"ebene", QColor(40, 32, 28), Streaked(QColor(52, 40, 34), QColor(12, 10, 9), 21)},
        {"Bois", QColor(158, 107, 56), Wood(QColor(181, 128, 72), QColor(135, 88, 44), 4, 31)},
        {"Bois Ancien", QColor(102, 64, 33), Wood(QColor(118, 76, 40), QColor(78, 48, 24), 6, 32)},
        {"gateau_1", QColor(250, 240, 230),
         Mottled(QColor(244, 232, 220), QColor(255, 250, 245), 16, 101)},
        {"Bougie_rouge", QColor(200, 30, 40),
         Mottled(QColor(180, 20, 30), QColor(225, 60, 70), 4, 111)},
        {"Bougie_blanche", QColor(245, 245, 235),
         Mottled(QColor(235, 235, 222), QColor(255, 255, 248), 4, 121)},
        {"Lune", QColor(180, 180, 176), Moon()},
        {"Gateau_2", QColor(120, 70, 40),
         Mottled(QColor(100, 56, 30), QColor(150, 96, 60), 16, 131)},
        {"sol", QColor(170, 150, 120), Floor()},
        {"Planete_rouge", QColor(180, 70, 40),
         Mottled(QColor(150, 50, 30), QColor(215, 110, 60), 8, 141)},
        {"Herbe", QColor(56, 132, 40), Grass()},
        {"Euros", QColor(200, 170, 80),
         Coin(QColor(214, 180, 90), QColor(150, 120, 50), QString::fromUtf8("€"))},
        {"Dollars", QColor(180, 180, 185),
         Coin(QColor(196, 196, 200), QColor(110, 110, 118), QStringLiteral("$"))},
        {"tapisserie", QColor(120, 50, 50), Tapestry()},
        {"pierre_noire", QColor(50, 50, 55), Streaked(QColor(70, 70, 76), QColor(25, 25, 28), 151)},
        {"pierre_blanche", QColor(200, 198, 190),
         Mottled(QColor(170, 168, 160), QColor(228, 226, 218), 8, 161)},
        {"papier_peint", QColor(226, 214, 178), Wallpaper()},
        {"Fond_Moyen_Age", QColor(230, 212, 170),
         Mottled(QColor(214, 190, 140), QColor(242, 228, 196), 4, 171)},
        {"Motif_moyen_age", QColor(160, 60, 40), Motif()},
    };
    static_assert(sizeof(materials) / sizeof(materials[0]) == kWindowMaterialCount);
    for (const auto& m : materials)
        library.Add(m.Name, ColoursOf(m.Colour), m.Picture);
}

scene::TMaterial NamedMaterial(const scene::TMaterialLibrary& library, int index, bool texture) {
    scene::TMaterial material;
    if (const scene::TLibMaterial* named = library.At(index)) {
        material = named->Colours;
        material.Library = &library;
        material.LibraryMaterial = named->Name;
    }
    material.TextureEnabled = texture;
    return material;
}

} // namespace vantorel
