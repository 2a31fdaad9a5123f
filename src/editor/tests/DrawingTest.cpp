#include "DrawingSupport.h"

#include "engine/Tjeu.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantorel::editor {
namespace {
using test::Click;
using test::LinkByTool;
using test::Place;

std::vector<std::pair<int, int>> Positions(const TDrawing& d) {
    std::vector<std::pair<int, int>> list;
    for (int slot = 1; slot <= kPointSlots; ++slot)
        if (const Tplot* p = d.Point(slot)) list.emplace_back(p->X, p->Y);
    return list;
}

// Guards the one crossing between drawings and variants: nothing may be lost or reordered.
TEST(DrawingModel, BuiltInBoardsRoundTripThroughTheDrawing) {
    for (int kind : {0, 1}) {
        const Tmodele original(kind);
        TDrawing d;
        ASSERT_TRUE(d.LoadModel(original));
        d.Rules.Name = original.Name;
        EXPECT_EQ(d.PointCount(), 24);
        const Tmodele built = d.BuildModel();
        EXPECT_EQ(built.PointCount(), 24);
        EXPECT_EQ(built.LinkCount(), kind == 0 ? 40 : 32);
        EXPECT_EQ(built.MillCount(), kind == 0 ? 20 : 16);
        EXPECT_TRUE(built.SameAs(original)) << kind;

        TDrawing again;
        ASSERT_TRUE(again.LoadModel(built));
        again.Rules.Name = built.Name;
        EXPECT_EQ(Positions(again), Positions(d));
        EXPECT_TRUE(again.BuildModel().SameAs(original));
    }
}

TEST(DrawingModel, ADrawnBoardIsPlayedByTheEngineLikeTheBuiltIn) {
    TDrawing d;
    d.LoadModel(Tmodele(1));
    // Under a kind of its own, so that nothing of the built-in board can come from its kind.
    Tmodele built = d.BuildModel();
    built.Kind = 123456;
    Tjeu drawn(built), reference(Tmodele(1));
    const std::string empty(24, 'L');
    const int8_t reserve[2] = {3, 3};
    drawn.LoadPly(0, empty, reserve, kBlack);
    reference.LoadPly(0, empty, reserve, kBlack);
    EXPECT_EQ(drawn.Perft(4), reference.Perft(4));
    EXPECT_GT(drawn.Perft(4), 0u);
}

TEST(DrawingModel, PointsArePackedAndMillsFollowTheirPoints) {
    TDrawing d;
    Place(d, {{100, 100}, {200, 240}, {240, 240}, {280, 240}});
    LinkByTool(d, 2, 3);
    LinkByTool(d, 3, 4);
    ASSERT_TRUE(d.AddMill(2, 3, 4));
    d.DeselectAll();
    Click(d, 1, false);
    d.DeleteSelected();
    EXPECT_EQ(d.PointCount(), 3);
    for (int slot = 1; slot <= 3; ++slot)
        EXPECT_EQ(d.Point(slot)->Number, slot);
    EXPECT_EQ(d.Point(1)->X, 200);
    ASSERT_EQ(d.ValidMills().size(), 1u);
    EXPECT_EQ(d.ValidMills()[0], (TMillSlot{{1, 2, 3}}));
}

TEST(DrawingModel, DeletingAMillsPointNeverRevivesItOnAnotherPoint) {
    // The middle point goes: the old numbers 3 and 4 become 2 and 3, and the mill must not
    // come back as (1, 2, 3) over the points that remain.
    TDrawing d;
    Place(d, {{200, 240}, {240, 240}, {280, 240}, {320, 240}});
    LinkByTool(d, 1, 2);
    LinkByTool(d, 2, 3);
    LinkByTool(d, 3, 4);
    d.AddMill(1, 2, 3);
    d.DeselectAll();
    Click(d, 2, false);
    d.DeleteSelected();
    LinkByTool(d, 1, 2);
    d.Compact();
    EXPECT_EQ(d.MillCount(), 0);
}

TEST(DrawingModel, TheTwoHundredAndFirstPointIsRefused) {
    TDrawing d;
    for (int i = 0; i < 201; ++i)
        d.MouseDown(TButton::Right, false, 12 + (i % 20) * 23, 12 + (i / 20) * 23);
    EXPECT_EQ(d.PointCount(), 200);
    const int before = d.PointCount();
    d.MouseDown(TButton::Right, false, 12, 12); // on an existing point
    EXPECT_EQ(d.PointCount(), before);
    EXPECT_FALSE(d.AddPoint(470, 470));
}

TEST(DrawingModel, SelectionDragMovesTheSelectedPointsOnly) {
    TDrawing d;
    Place(d, {{100, 100}, {200, 200}, {300, 300}});
    d.DeselectAll();
    Click(d, 1, false);
    Click(d, 3, true);
    EXPECT_EQ(d.Point(3)->SelectionOrder, 2);
    d.MouseDown(TButton::Left, false, 300, 300); // on a selected point: keeps the selection
    d.MouseMove(true, 310, 295);
    EXPECT_EQ(Positions(d), (std::vector<std::pair<int, int>>{{110, 95}, {200, 200}, {310, 295}}));
    EXPECT_TRUE(d.Modified);
}

TEST(DrawingModel, LinkingChainsTheSelectionInClickOrder) {
    TDrawing d;
    Place(d, {{100, 100}, {200, 100}, {300, 100}});
    d.DeselectAll();
    Click(d, 3, true);
    Click(d, 1, true);
    Click(d, 2, true);
    ASSERT_TRUE(d.LinkSelected());
    ASSERT_EQ(d.LinkCount(), 2);
    EXPECT_EQ(d.Link(1)->PointA->Number, 3);
    EXPECT_EQ(d.Link(1)->PointB->Number, 1);
    EXPECT_EQ(d.Link(2)->PointA->Number, 1);
    EXPECT_EQ(d.Link(2)->PointB->Number, 2);
    EXPECT_EQ(d.SelectedPointCount(), 0);
    EXPECT_FALSE(d.LinkSelected());
    // Linking again in the other direction replaces the link, it does not double it.
    LinkByTool(d, 2, 1);
    EXPECT_EQ(d.LinkCount(), 2);
    EXPECT_EQ(d.Link(2)->PointA->Number, 2);
}

TEST(DrawingModel, HitTestsOfLinks) {
    struct Case {
        int ax, ay, bx, by, x, y;
        bool hit;
    } cases[] = {
        {100, 100, 200, 100, 150, 101, true}, // flat: the box is widened
        {100, 100, 200, 100, 150, 103, false},
        {100, 100, 100, 200, 101, 150, true}, // upright: the box alone
        {100, 100, 100, 200, 103, 150, false},
        {100, 100, 200, 200, 150, 152, true}, // diagonal
        {100, 100, 200, 200, 150, 153, false},
        {100, 100, 200, 200, 210, 210, false}, // past the end
    };
    for (const Case& c : cases) {
        Tplot a{c.ax, c.ay}, b{c.bx, c.by};
        const Tligne l{&a, &b, false};
        EXPECT_EQ(l.Hit(c.x, c.y), c.hit) << c.x << "," << c.y;
    }
}

TEST(DrawingGeometry, AlignTakesTheSelectionOrder) {
    struct Case {
        std::vector<std::pair<int, int>> at;
        std::vector<std::pair<int, int>> expected;
    } cases[] = {
        // A and B on a row: C comes onto it.
        {{{100, 200}, {200, 200}, {150, 260}}, {{100, 200}, {200, 200}, {150, 200}}},
        // A and B in a column: C comes into it.
        {{{100, 100}, {100, 300}, {160, 200}}, {{100, 100}, {100, 300}, {100, 200}}},
        // A slope of 1: C moves the shorter way (here across, onto y = x).
        {{{100, 100}, {200, 200}, {150, 160}}, {{100, 100}, {200, 200}, {160, 160}}},
        // Two points: the second joins the first one's row when that is the shorter move.
        {{{100, 100}, {300, 120}}, {{100, 100}, {300, 100}}},
        {{{100, 100}, {120, 300}}, {{100, 100}, {100, 300}}},
    };
    for (const Case& c : cases) {
        TDrawing d;
        for (const auto& [x, y] : c.at)
            d.MouseDown(TButton::Right, false, x, y);
        d.DeselectAll();
        for (int n = 1; n <= static_cast<int>(c.at.size()); ++n)
            Click(d, n, true);
        d.Recount();
        d.AlignSelected();
        EXPECT_EQ(Positions(d), c.expected);
        EXPECT_EQ(d.SelectedPointCount(), 0);
    }
}

TEST(DrawingGeometry, HeadingOfTheFourDirections) {
    const Tplot p{200, 200};
    struct Case {
        int x, y;
        double heading;
    } cases[] = {{100, 200, 1}, {200, 300, 91}, {300, 200, 181}, {200, 100, 271}, {300, 100, 226}};
    for (const Case& c : cases)
        EXPECT_NEAR(TDrawing::Heading(p, Tplot{c.x, c.y}), c.heading, 1e-9);
}

TEST(DrawingGeometry, RenumberingASquareWalksFromTheBottomLeftAlongItsLinks) {
    TDrawing d;
    // Numbered anyhow: 1 top-right, 2 bottom-left, 3 top-left, 4 bottom-right.
    Place(d, {{300, 100}, {100, 300}, {100, 100}, {300, 300}});
    // The top side has a middle point, 5, so that a mill can be followed.
    d.MouseDown(TButton::Right, false, 200, 100);
    LinkByTool(d, 2, 3);
    LinkByTool(d, 3, 5);
    LinkByTool(d, 5, 1);
    LinkByTool(d, 1, 4);
    LinkByTool(d, 4, 2);
    ASSERT_TRUE(d.AddMill(3, 5, 1));
    d.Compact();
    ASSERT_EQ(d.MillCount(), 1);
    d.Renumber();
    // Bottom-left, then up (271), then along the top to the right, then down.
    EXPECT_EQ(Positions(d), (std::vector<std::pair<int, int>>{
                                {100, 300}, {100, 100}, {200, 100}, {300, 100}, {300, 300}}));
    ASSERT_EQ(d.ValidMills().size(), 1u);
    EXPECT_EQ(d.ValidMills()[0], (TMillSlot{{2, 3, 4}}));
}

TEST(DrawingGeometry, CentreMirrorAndRotateStayInsideTheSquare) {
    TDrawing d;
    Place(d, {{100, 100}, {140, 100}, {100, 180}});
    d.Centre();
    // Centroid (113.33, 126.67) goes to (240, 240): shifted by (127, 113).
    EXPECT_EQ(Positions(d), (std::vector<std::pair<int, int>>{{227, 213}, {267, 213}, {227, 293}}));
    // About the centroid (240.33, 239.67), not about the middle of the square.
    EXPECT_TRUE(d.MirrorX());
    EXPECT_EQ(Positions(d), (std::vector<std::pair<int, int>>{{254, 213}, {214, 213}, {254, 293}}));
    EXPECT_TRUE(d.MirrorX());
    const auto before = Positions(d);
    const TDrawing::TCentroid c = d.Centroid();
    EXPECT_TRUE(d.Rotate(90));
    // A quarter turn clockwise on the screen: (x, y) about c goes to (c.x − dy, c.y + dx).
    const auto turned = Positions(d);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_NEAR(turned[i].first, c.X - (before[i].second - c.Y), 1.0);
        EXPECT_NEAR(turned[i].second, c.Y + (before[i].first - c.X), 1.0);
    }

    // Corners near the border: a small turn either way would push one out, so nothing moves.
    TDrawing edge;
    Place(edge, {{2, 2}, {478, 478}, {240, 240}});
    const auto start = Positions(edge);
    edge.Modified = false;
    EXPECT_FALSE(edge.Rotate(10));
    EXPECT_FALSE(edge.Rotate(-3));
    EXPECT_EQ(Positions(edge), start);
    EXPECT_FALSE(edge.Modified);
    // A drag with the rotation tool asks for the same turn and is refused the same way.
    edge.ToolMode = TTool::Rotation;
    edge.MouseDown(TButton::Left, false, 100, 100);
    edge.MouseMove(true, 150, 100);
    EXPECT_EQ(Positions(edge), start);
}

TEST(DrawingGeometry, FullTurnsBringTheBoardBack) {
    TDrawing d;
    d.LoadModel(Tmodele(1));
    const auto start = Positions(d);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(d.Rotate(90));
    EXPECT_EQ(Positions(d), start);
    ASSERT_TRUE(d.MirrorY());
    ASSERT_TRUE(d.MirrorY());
    EXPECT_EQ(Positions(d), start);
}

} // namespace
} // namespace vantorel::editor
