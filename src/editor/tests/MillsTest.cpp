#include "DrawingSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vantorel::editor {
namespace {
using test::LinkByTool;
using test::Place;

std::set<std::set<int>> MillSet(const std::vector<TMillSlot>& mills) {
    std::set<std::set<int>> set;
    for (const auto& m : mills)
        set.insert({m.P[0], m.P[1], m.P[2]});
    return set;
}

// The search must find exactly the lines of the built-in boards from their links alone.
TEST(DrawingMills, SearchFindsTheMillsOfTheBuiltInBoards) {
    for (int kind : {0, 1}) {
        const Tmodele board(kind);
        Tmodele bare = board;
        bare.Mills.clear();
        TDrawing d;
        ASSERT_TRUE(d.LoadModel(bare));
        EXPECT_EQ(d.SearchMills(), board.MillCount()) << kind;
        std::vector<TMillSlot> expected;
        for (const auto& m : board.Mills)
            expected.push_back({{static_cast<int16_t>(m.P1 + 1), static_cast<int16_t>(m.P2 + 1),
                                 static_cast<int16_t>(m.P3 + 1)}});
        EXPECT_EQ(d.ValidMills(), expected) << kind;
        EXPECT_TRUE(d.Modified);
        // A second search finds only what is known.
        d.Modified = false;
        EXPECT_EQ(d.SearchMills(), 0);
        EXPECT_EQ(d.MillCount(), board.MillCount());
        EXPECT_FALSE(d.Modified);
    }
}

TEST(DrawingMills, SearchFollowsTheLinksAsTheyWereDrawn) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> links;
        int mills;
    } cases[] = {
        {"chained A-B, B-C", {{1, 2}, {2, 3}}, 1},
        {"meeting A-B, C-B", {{1, 2}, {3, 2}}, 0},
        {"chained backwards C-B, B-A", {{3, 2}, {2, 1}}, 1},
        {"both ways: one line, one mill", {{1, 2}, {2, 3}, {3, 2}, {2, 1}}, 1},
        {"bent line", {{1, 2}, {2, 4}}, 0},
    };
    for (const Case& c : cases) {
        TDrawing d;
        Place(d, {{100, 200}, {200, 200}, {300, 200}, {300, 250}});
        for (const auto& [a, b] : c.links)
            LinkByTool(d, a, b);
        EXPECT_EQ(d.SearchMills(), c.mills) << c.what;
        if (c.mills == 1) {
            EXPECT_EQ(MillSet(d.ValidMills()), (std::set<std::set<int>>{{1, 2, 3}}));
        }
    }
}

TEST(DrawingMills, CollinearCases) {
    struct Case {
        Tplot a, b, c;
        bool expected;
    } cases[] = {
        {{100, 100}, {101, 200}, {100, 300}, true}, // nearly upright
        {{100, 100}, {200, 101}, {300, 100}, true}, // nearly flat
        {{100, 100}, {200, 200}, {300, 300}, true},  {{100, 100}, {200, 200}, {300, 301}, false},
        {{100, 100}, {100, 200}, {200, 300}, false}, // upright then off
        {{0, 100}, {100, 200}, {200, 300}, true},    // first point on the left edge
    };
    for (const Case& c : cases)
        EXPECT_EQ(TDrawing::Collinear(c.a, c.b, c.c), c.expected);
}

TEST(DrawingMills, AMillGoesWithItsLink) {
    TDrawing d;
    Place(d, {{100, 200}, {200, 200}, {300, 200}});
    LinkByTool(d, 1, 2);
    LinkByTool(d, 2, 3);
    ASSERT_EQ(d.SearchMills(), 1);
    d.DeselectAll();
    d.MouseDown(TButton::Left, false, 250, 200); // on the second link
    ASSERT_TRUE(d.Link(2)->Selected);
    d.DeleteSelected();
    EXPECT_EQ(d.LinkCount(), 1);
    EXPECT_EQ(d.MillCount(), 0);
}

TEST(DrawingMills, PickingByHandNeedsTheMiddleNumberInTheMiddle) {
    TDrawing d;
    // Left, right, middle: the middle point carries the highest number.
    Place(d, {{100, 200}, {300, 200}, {200, 200}});
    LinkByTool(d, 1, 3);
    LinkByTool(d, 3, 2);
    d.DeselectAll();
    for (int n : {1, 3, 2}) {
        const Tplot p = *d.PointNumbered(n);
        d.PickMill(p.X, p.Y);
    }
    EXPECT_EQ(d.MillCount(), 0);
    EXPECT_EQ(d.SelectedPointCount(), 0);

    d.Renumber();
    for (int n : {3, 1, 2}) {
        const Tplot p = *d.PointNumbered(n);
        EXPECT_EQ(d.PickMill(p.X, p.Y), n == 2);
    }
    ASSERT_EQ(d.ValidMills().size(), 1u);
    EXPECT_EQ(d.ValidMills()[0], (TMillSlot{{1, 2, 3}}));
    // The same line again is not a second mill; a miss clears the picking.
    for (int n : {1, 2})
        d.PickMill(d.PointNumbered(n)->X, d.PointNumbered(n)->Y);
    d.PickMill(450, 450);
    EXPECT_EQ(d.SelectedPointCount(), 0);
    for (int n : {1, 2, 3})
        d.PickMill(d.PointNumbered(n)->X, d.PointNumbered(n)->Y);
    EXPECT_EQ(d.MillCount(), 1);
}

TEST(DrawingMills, DeletingAndSelectingAMill) {
    TDrawing d;
    d.LoadModel(Tmodele(1));
    const TMillSlot first = d.ValidMills().front();
    d.SelectMill(first);
    EXPECT_EQ(d.SelectedPointCount(), 3);
    EXPECT_TRUE(d.PointNumbered(first.P[1])->Selected);
    EXPECT_TRUE(d.DeleteMill(first));
    EXPECT_EQ(d.MillCount(), 15);
    EXPECT_FALSE(d.DeleteMill(first));
    EXPECT_EQ(d.SelectedPointCount(), 0);
}

} // namespace
} // namespace vantorel::editor
