// The diagrams' geometry, read from the shape lists without a screen.
#include "game/Diagram.h"

#include "engine/Tmodele.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantorel {
namespace {

using C = TDiagramColour;

std::vector<TDiagramShape> OfKind(const TDiagram& d, TDiagramShape::Kind kind, C brush) {
    std::vector<TDiagramShape> out;
    std::copy_if(d.begin(), d.end(), std::back_inserter(out),
                 [&](const TDiagramShape& s) { return s.Shape == kind && s.Brush == brush; });
    return out;
}

// Centres of the ellipses and rounded squares, in drawing order.
std::vector<std::pair<int, int>> Centres(const std::vector<TDiagramShape>& shapes) {
    std::vector<std::pair<int, int>> out;
    for (const auto& s : shapes)
        out.emplace_back((s.X1 + s.X2) / 2, (s.Y1 + s.Y2) / 2);
    return out;
}

TDiagramShape Box(TDiagramShape::Kind kind, int x1, int y1, int x2, int y2, C pen, C brush) {
    TDiagramShape s;
    s.Shape = kind;
    s.X1 = x1;
    s.Y1 = y1;
    s.X2 = x2;
    s.Y2 = y2;
    s.Pen = pen;
    s.Brush = brush;
    return s;
}

std::vector<std::string> Texts(const TDiagram& d) {
    std::vector<std::string> out;
    for (const auto& s : d)
        if (s.Shape == TDiagramShape::Label) out.push_back(s.Text);
    return out;
}

TEST(DiagramTest, PreviewPlacesPointsAtTheFixedScale) {
    const Tmodele nine(1);
    const int8_t reserve[2] = {0, 0};
    const TDiagram d = DrawPreview(nine, std::string(24, 'L'), reserve, 15, false, 100);
    ASSERT_FALSE(d.empty());
    EXPECT_EQ(d[0], Box(TDiagramShape::Rect, 5, 100, 75, 150, C::Window, C::Window));
    const auto points = Centres(OfKind(d, TDiagramShape::Ellipse, C::Window));
    ASSERT_EQ(points.size(), 24u);
    // (x + 10) × 2 + left + 5: point 1 at (−9, 9), point 5 at (9, −9), point 17 at (−3, 3).
    EXPECT_EQ(points[0], std::make_pair(22, 143));
    EXPECT_EQ(points[4], std::make_pair(58, 107));
    EXPECT_EQ(points[16], std::make_pair(34, 131));
    EXPECT_EQ(OfKind(d, TDiagramShape::Line, C::None).size(), nine.Links.size());
}

TEST(DiagramTest, SelectedPreviewUsesTheHighlightColours) {
    const Tmodele nine(1);
    const int8_t reserve[2] = {0, 0};
    const TDiagram d = DrawPreview(nine, std::string(24, 'L'), reserve, 15, true, 0);
    EXPECT_EQ(d[0].Brush, C::Highlight);
    for (const auto& s : d)
        if (s.Shape == TDiagramShape::Line) {
            EXPECT_EQ(s.Pen, C::HighlightText);
        }
}

// Guards the reserve columns: nine per column, the next one five pixels further out.
TEST(DiagramTest, PreviewReserveColumnsOfNine) {
    const Tmodele nine(1);
    const int8_t reserve[2] = {12, 19};
    const TDiagram d = DrawPreview(nine, std::string(24, 'L'), reserve, 15, false, 0);
    const auto whites = Centres(OfKind(d, TDiagramShape::Ellipse, C::White));
    const auto blacks = Centres(OfKind(d, TDiagramShape::Ellipse, C::Black));
    ASSERT_EQ(whites.size(), 12u);
    ASSERT_EQ(blacks.size(), 19u);
    const std::vector<std::pair<size_t, std::pair<int, int>>> whiteCases = {
        {0, {16, 7}}, {8, {16, 47}}, {9, {11, 7}}, {11, {11, 17}}};
    for (const auto& [k, at] : whiteCases)
        EXPECT_EQ(whites[k], at) << "white reserve piece " << k;
    const std::vector<std::pair<size_t, std::pair<int, int>>> blackCases = {
        {0, {65, 7}}, {9, {60, 7}}, {18, {55, 7}}};
    for (const auto& [k, at] : blackCases)
        EXPECT_EQ(blacks[k], at) << "black reserve piece " << k;
}

TEST(DiagramTest, PreviewPiecesOnTheBoard) {
    const Tmodele nine(1);
    std::string board(24, 'L');
    board[0] = 'B';
    board[4] = 'N';
    const int8_t reserve[2] = {0, 0};
    const TDiagram d = DrawPreview(nine, board, reserve, 15, false, 0);
    const auto whites = OfKind(d, TDiagramShape::Ellipse, C::White);
    const auto blacks = OfKind(d, TDiagramShape::Ellipse, C::Black);
    ASSERT_EQ(whites.size(), 1u);
    ASSERT_EQ(blacks.size(), 1u);
    EXPECT_EQ(whites[0].Pen, C::Black);
    EXPECT_EQ(blacks[0].Pen, C::Red);
    EXPECT_EQ(Centres(blacks)[0], std::make_pair(58, 7));
}

TEST(DiagramTest, PrintedDiagramScalesTheBoardIntoItsSquare) {
    const Tmodele nine(1);
    std::string board(24, 'L');
    board[0] = 'N';
    board[4] = 'B';
    const TDiagram d = DrawDiagram(nine, board, 0, 180, 0);
    EXPECT_EQ(d[0].Brush, C::White);
    const auto points = OfKind(d, TDiagramShape::Ellipse, C::Black);
    // 24 points of radius 5 then the black piece of radius 10.
    ASSERT_EQ(points.size(), 25u);
    // Mirrored horizontally: (−9, 9) is at the right bottom.
    EXPECT_EQ(points[0], Box(TDiagramShape::Ellipse, 175, 175, 185, 185, C::Black, C::Black));
    EXPECT_EQ(Centres(points)[4], std::make_pair(0, 0));
    EXPECT_EQ(points[24].X2 - points[24].X1, 20);
    const auto whites = OfKind(d, TDiagramShape::RoundSquare, C::White);
    ASSERT_EQ(whites.size(), 1u);
    EXPECT_EQ(whites[0].X1, -10);
    EXPECT_EQ(whites[0].Radius, 10);
}

// Guards the rounding: halves go to the even integer (2.5 → 2, not 3).
TEST(DiagramTest, PrintedDiagramRoundsHalvesToEven) {
    Tmodele two(-1);
    two.Points = {{0, 0}, {4, 0}};
    two.Links.clear();
    two.Mills.clear();
    const TDiagram d = DrawDiagram(two, "BL", 0, 10, 0);
    const auto pieces = OfKind(d, TDiagramShape::RoundSquare, C::White);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].Radius, 2); // scale 2.5
    const auto points = OfKind(d, TDiagramShape::Ellipse, C::Black);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].X2 - points[0].X1, 2); // r = 1.25 → 1
    // cx = 2: point 0 at (2 − 0) × 2.5 + 5 = 10.
    EXPECT_EQ(Centres(points)[0], std::make_pair(10, 5));
}

TEST(DiagramTest, DiagramOfABoardWithoutPointsIsItsSquare) {
    Tmodele empty(-1);
    empty.Points.clear();
    empty.Links.clear();
    empty.Mills.clear();
    EXPECT_EQ(DrawDiagram(empty, "", 3, 50, 4).size(), 1u);
    const int8_t reserve[2] = {1, 1};
    EXPECT_EQ(DrawPreview(empty, "", reserve, 15, false, 0).size(), 3u);
}

TEST(DiagramTest, PositionDiagramOnWindowColoursWithReserveCounts) {
    const Tmodele nine(1);
    const TDiagram d = DrawPositionDiagram(nine, 10, 25, 100, std::string(24, 'L'), 9, 8);
    EXPECT_EQ(d[0].Brush, C::Window);
    EXPECT_EQ(d[1].Brush, C::WindowText);
    // The lowest point is at 25 + 50 + 50 = 125; the reserve row is measured from top again.
    const auto whites = OfKind(d, TDiagramShape::RoundSquare, C::White);
    ASSERT_EQ(whites.size(), 1u);
    EXPECT_EQ(Centres(whites)[0], std::make_pair(40, 140));
    EXPECT_EQ(Texts(d), (std::vector<std::string>{"9 * ", "8 * "}));
    const TDiagram none = DrawPositionDiagram(nine, 10, 25, 100, std::string(24, 'L'), 0, 0);
    EXPECT_TRUE(Texts(none).empty());
}

TEST(DiagramTest, StripMoveTexts) {
    const std::vector<std::pair<TMove, std::string>> cases = {
        {{-1, 4, -2}, "_ -> 5"},
        {{0, 1, 8}, "1 -> 2x 9"},
        {{-2, -2, 6}, "_ -> _x 7"},
        {{2, 3, -1}, "3 -> 4"},
    };
    for (const auto& [move, text] : cases)
        EXPECT_EQ(StripMoveText(move), text);
}

// A dice removal keeps the side: the first two captions belong to the same side, and the
// removal does not take a piece from the remover's reserve.
TEST(DiagramTest, StripAfterADiceRemoval) {
    const Tmodele nine(1);
    std::string board(24, 'L');
    board[3] = 'N';
    const int8_t reserve[2] = {5, 5};
    TSearchLine line;
    line.Moves[0] = {-2, -2, 3};
    line.Moves[1] = {-1, 7, -2};
    line.Moves[2] = {-1, 9, -2};
    int steps = 0;
    const TDiagram d =
        DrawSuggestionStrip(nine, board, reserve, 0, line, {"Départ", "Blanc", "Noir"}, &steps);
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(Texts(d), (std::vector<std::string>{"5 * ", "5 * ", "Départ", "5 * ", "5 * ", "Blanc",
                                                  "_ -> _x 4", "4 * ", "5 * ", "Blanc", "_ -> 8",
                                                  "4 * ", "4 * ", "Noir", "_ -> 10"}));
}

TEST(DiagramTest, EmptyLineDrawsOnlyTheStart) {
    const Tmodele nine(1);
    const int8_t reserve[2] = {2, 9};
    int steps = -1;
    const TDiagram d = DrawSuggestionStrip(nine, std::string(24, 'L'), reserve, 0,
                                           TSearchLine::WithScore(-1), {"D", "B", "N"}, &steps);
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(Texts(d).back(), "D");
}

} // namespace
} // namespace vantorel
