// The printed page: the row geometry against the page size and the picture's place (the
// schematic board of each row is the chooser's diagram, tested with it).
#include "game/TPrintLayout.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

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

} // namespace
