#include "BitmapFonts.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cstring>

namespace vantorel {

namespace {

// Seven rows of five dots per glyph.
struct DotPattern {
    char C;
    std::array<const char*, 7> Rows;
};

constexpr DotPattern kPatterns[] = {
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "# #  ", "  #  ", "  #  ", "  #  ", "#####"}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"###  ", "#  # ", "#   #", "#   #", "#   #", "#  # ", "###  "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
    {':', {"     ", " ##  ", " ##  ", "     ", " ##  ", " ##  ", "     "}},
    {'.', {"     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "}},
};

// The first font: a dot every 4 pixels, in cells of 24 × 32.
constexpr int kDotPitch = 4;
constexpr int kCellW = 24, kCellH = 32;
constexpr int kAtlasW = 256, kAtlasH = 128;

void PaintDot(QPainter& painter, QPointF centre) {
    // A faint halo first, then the bright core: a lamp of a display.
    QRadialGradient halo(centre, kDotPitch * 1.2);
    halo.setColorAt(0, QColor(255, 170, 40, 110));
    halo.setColorAt(1, QColor(255, 120, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, kDotPitch * 1.2, kDotPitch * 1.2);
    QRadialGradient core(centre - QPointF(0.5, 0.5), kDotPitch * 0.55);
    core.setColorAt(0, QColor(255, 255, 220));
    core.setColorAt(0.6, QColor(255, 214, 90));
    core.setColorAt(1, QColor(240, 140, 20));
    painter.setBrush(core);
    painter.drawEllipse(centre, kDotPitch * 0.5, kDotPitch * 0.5);
}

scene::TBitmapFont BuildFont1() {
    QImage atlas(kAtlasW, kAtlasH, QImage::Format_ARGB32_Premultiplied);
    atlas.fill(Qt::transparent);
    QPainter painter(&atlas);
    painter.setRenderHint(QPainter::Antialiasing);
    std::vector<std::pair<char, QRect>> cells;
    int slot = 0;
    for (const DotPattern& pattern : kPatterns) {
        const int left = (slot % (kAtlasW / kCellW)) * kCellW;
        const int top = (slot / (kAtlasW / kCellW)) * kCellH;
        ++slot;
        // Five dots across the middle of the cell, seven down from its third pixel.
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (pattern.Rows[static_cast<size_t>(row)][col] == '#')
                    PaintDot(painter, QPointF(left + 4 + col * kDotPitch + kDotPitch / 2.0,
                                              top + 2 + row * kDotPitch + kDotPitch / 2.0));
        cells.emplace_back(pattern.C, QRect(left, top, kCellW, kCellH));
    }
    painter.end();
    scene::TBitmapFont font("BitmapFont1", atlas);
    for (const auto& [c, cell] : cells)
        font.AddGlyph(c, cell, kCellW);
    font.AddGlyph(' ', QRect(), kCellW / 2);
    return font;
}

// The second font: die faces of 64 pixels, four to a row.
constexpr int kFace = 64;

scene::TBitmapFont BuildFont2() {
    QImage atlas(4 * kFace, 2 * kFace, QImage::Format_ARGB32_Premultiplied);
    atlas.fill(Qt::transparent);
    QPainter painter(&atlas);
    painter.setRenderHint(QPainter::Antialiasing);
    // The pips of each face on a 3 × 3 grid, numbered row by row from the top left.
    static const std::vector<int> kPips[7] = {
        {}, {4}, {2, 6}, {2, 4, 6}, {0, 2, 6, 8}, {0, 2, 4, 6, 8}, {0, 2, 3, 5, 6, 8},
    };
    for (int face = 0; face <= 6; ++face) {
        const QRectF cell((face % 4) * kFace, (face / 4) * kFace, kFace, kFace);
        const QRectF body = cell.adjusted(3, 3, -3, -3);
        // Pale weathered stone with a darker rim, lit from the top left.
        QLinearGradient stone(body.topLeft(), body.bottomRight());
        stone.setColorAt(0, QColor(236, 230, 214));
        stone.setColorAt(1, QColor(176, 168, 150));
        painter.setPen(QPen(QColor(70, 64, 56), 2.5));
        painter.setBrush(stone);
        painter.drawRoundedRect(body, 11, 11);
        painter.setPen(Qt::NoPen);
        for (int pip : kPips[face]) {
            const QPointF centre =
                body.topLeft() + QPointF(13 + (pip % 3) * 16, 13 + (pip / 3) * 16);
            QRadialGradient hollow(centre + QPointF(1.5, 1.5), 6);
            hollow.setColorAt(0, QColor(20, 18, 16));
            hollow.setColorAt(1, QColor(80, 72, 62));
            painter.setBrush(hollow);
            painter.drawEllipse(centre, 5.5, 5.5);
        }
    }
    painter.end();
    scene::TBitmapFont font("BitmapFont2", atlas);
    for (int face = 0; face <= 6; ++face)
        font.AddGlyph(static_cast<char>('0' + face),
                      QRect((face % 4) * kFace, (face / 4) * kFace, kFace, kFace), kFace);
    font.AddGlyph(' ', QRect(), kFace / 4);
    return font;
}

} // namespace

std::vector<std::string> DotGlyph(char c) {
    for (const DotPattern& pattern : kPatterns)
        if (pattern.C == c) return {pattern.Rows.begin(), pattern.Rows.end()};
    return {};
}

// Kept for the whole run and never destroyed: their textures must not outlive the scene
// graph's per-context bookkeeping at exit.
const scene::TBitmapFont& BitmapFont1() {
    static const scene::TBitmapFont* const font = new scene::TBitmapFont(BuildFont1());
    return *font;
}

const scene::TBitmapFont& BitmapFont2() {
    static const scene::TBitmapFont* const font = new scene::TBitmapFont(BuildFont2());
    return *font;
}

} // namespace vantorel
