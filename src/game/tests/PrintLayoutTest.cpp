// The printed page: the row geometry against the page size, the picture's place, and the
// schematic board computed for each entry.
#include "game/TDiagram.h"
#include "game/TPrintLayout.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

using Kind = TDiagramShape::Kind;

// Guards the margins, the rows a page holds (rounded down) and the row rectangles.
TEST(PrintLayout, RowsAndMargins) {
    struct Case {
        int width, height;
        int marginX, marginY, rows;
        TPrintRect first, last;
    };
    const Case cases[] = {
        // A4 at 500 dots per inch: ten rows of exactly one inch.
        {4134, 5846, 459, 417, 10, {469, 427, 3665, 907}, {469, 4927, 3665, 5407}},
        // A4 at 1200 dots per inch.
        {9921, 14031, 1102, 1002, 24, {1112, 1012, 8809, 1492}, {1112, 12512, 8809, 12992}},
        // Just one row, then none.
        {1000, 584, 111, 41, 1, {121, 51, 879, 531}, {121, 51, 879, 531}},
        {1000, 582, 111, 41, 1, {121, 51, 879, 531}, {121, 51, 879, 531}},
        {1000, 581, 111, 41, 0, {}, {}},
    };
    for (const Case& c : cases) {
        const TPrintLayout layout(c.width, c.height);
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        EXPECT_EQ(layout.MarginX, c.marginX);
        EXPECT_EQ(layout.MarginY, c.marginY);
        EXPECT_EQ(layout.RowsPerPage, c.rows);
        if (c.rows < 1) continue;
        EXPECT_EQ(layout.Row(1), c.first);
        EXPECT_EQ(layout.Row(c.rows), c.last);
    }
}

// Guards the picture's width from its shape, its right edge on the margin, and the rule
// that keeps it off the text of a narrow page.
TEST(PrintLayout, SnapshotPlace) {
    const TPrintLayout wide(4134, 5846);
    const TPrintRect row = wide.Row(2);
    EXPECT_EQ(wide.Snapshot(row, 640, 480), (TPrintRect{3025, 927, 3665, 1407}));
    EXPECT_EQ(wide.Snapshot(row, 333, 200), (TPrintRect{2866, 927, 3665, 1407})); // 799.2
    EXPECT_EQ(wide.SnapshotStandIn(row), (TPrintRect{3165, 927, 3665, 1407}));
    EXPECT_TRUE(wide.SnapshotFits(wide.Snapshot(row, 640, 480)));

    // 1000 + margin must stay left of the picture: 1240 wide (A4 at 150 dpi) is too narrow.
    const TPrintLayout narrow(1240, 1754);
    EXPECT_FALSE(narrow.SnapshotFits(narrow.Snapshot(narrow.Row(1), 640, 480)));
    EXPECT_FALSE(narrow.SnapshotFits(narrow.SnapshotStandIn(narrow.Row(1))));
    // The boundary: left must be strictly beyond 1000 + margin.
    const TPrintLayout edge(2439, 1754); // margin 271, right 2158, left 1518 > 1271
    EXPECT_TRUE(edge.SnapshotFits(edge.Snapshot(edge.Row(1), 640, 480)));
    const TPrintRect at{1000 + edge.MarginX, 0, 0, 0};
    EXPECT_FALSE(edge.SnapshotFits(at));
}

Tmodele ThreePoints(double x0, double x1, double x2) {
    Tmodele model;
    model.Points = {{x0, 0}, {x1, 0}, {x2, 2}};
    model.Links = {{0, 1}, {1, 2}, {2, 7}}; // the last one names no point and is skipped
    return model;
}

// Guards the order of the layers, the mirrored x axis, the rounding (halves to even) and
// the two piece shapes.
TEST(Diagram, ShapesOfAPosition) {
    const TDiagram shapes = DrawDiagram(ThreePoints(0, 2, 2), "BNL", 10, 420, 20);
    // span 2, scale 210, r 105, R 210, half 210, centre (1, 1).
    const TDiagram expected = {
        {Kind::Rect, 10, 20, 430, 440, 0, kDiagramWhite, kDiagramWhite},
        {Kind::Ellipse, 325, -85, 535, 125, 0, kDiagramBlack,
         kDiagramBlack}, // point 1 at (430, 20)
        {Kind::Ellipse, -95, -85, 115, 125, 0, kDiagramBlack, kDiagramBlack}, // (10, 20)
        {Kind::Ellipse, -95, 335, 115, 545, 0, kDiagramBlack, kDiagramBlack}, // (10, 440)
        {Kind::Line, 430, 20, 10, 20, 0, kDiagramBlack, kDiagramBlack},
        {Kind::Line, 10, 20, 10, 440, 0, kDiagramBlack, kDiagramBlack},
        {Kind::RoundRect, 220, -190, 640, 230, 210, kDiagramBlack, kDiagramWhite},
        {Kind::Ellipse, -200, -190, 220, 230, 0, kDiagramBlack, kDiagramBlack},
    };
    EXPECT_EQ(shapes, expected);
}

TEST(Diagram, RoundsHalvesToEven) {
    // Points x 1..2: centre 1.5 → 2; span 2, size 5: scale 2.5, r 1.25 → 1, R 2.5 → 2,
    // half 2.5 → 2.
    const TDiagram shapes = DrawDiagram(ThreePoints(1, 2, 2), "LLN", 0, 5, 0);
    ASSERT_EQ(shapes.size(), 7u);
    // Point 1 at (4.5, -0.5) → (4, 0); point 3 at (2, 4.5) → (2, 4), its black piece R 2.
    EXPECT_EQ(shapes[1], (TDiagramShape{Kind::Ellipse, 3, -1, 5, 1, 0, 0, 0}));
    EXPECT_EQ(shapes[6], (TDiagramShape{Kind::Ellipse, 0, 2, 4, 6, 0, 0, 0}));
}

TEST(Diagram, SinglePointAndEmptyVariant) {
    Tmodele one;
    one.Points = {{3, 3}};
    const TDiagram shapes = DrawDiagram(one, "B", 0, 10, 0);
    ASSERT_EQ(shapes.size(), 3u); // span 0 gives scale 1: r 0 (half of one rounds to even), R 1
    EXPECT_EQ(shapes[1], (TDiagramShape{Kind::Ellipse, 5, 5, 5, 5, 0, 0, 0}));
    EXPECT_EQ(shapes[2], (TDiagramShape{Kind::RoundRect, 4, 4, 6, 6, 1, 0, kDiagramWhite}));
    Tmodele none;
    none.Points.clear();
    none.Links.clear();
    EXPECT_EQ(DrawDiagram(none, "", 0, 10, 0).size(), 1u);
}

} // namespace
