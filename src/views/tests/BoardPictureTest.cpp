// The board picture of the textured boards: where its points and links are drawn.
#include "views/BoardPicture.h"

#include "scene/TScene.h"

#include <gtest/gtest.h>

#include <set>

using namespace vantorel;

namespace {

bool Red(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
bool Black(const QColor& c) {
    return c.lightness() < 60;
}
bool White(const QColor& c) {
    return c.red() == 255 && c.green() == 255 && c.blue() == 255;
}

} // namespace

// Guards the picture against the point table: a red circle at every point, black at the
// middle of every link, white in the corners; the table is the fitted position transposed
// and mirrored.
TEST(BoardPicture, NineMensBoardGolden) {
    Tmodele model;
    model.Reset(1);
    ASSERT_EQ(model.PointCount(), 24);
    const TBoardPicture board = TBoardPicture::Draw(model);
    ASSERT_EQ(board.Picture.size(), QSize(250, 250));
    ASSERT_EQ(board.Points.size(), 24u);
    for (const QPoint& p : board.Points) {
        EXPECT_TRUE(Red(board.Picture.pixelColor(p))) << p.x() << "," << p.y();
        EXPECT_TRUE(Red(board.Picture.pixelColor(p + QPoint(8, 0)))); // radius 10
    }
    int links = 0;
    for (const auto& link : model.Links) {
        const QPoint a = board.Points[static_cast<size_t>(link.A)];
        const QPoint b = board.Points[static_cast<size_t>(link.B)];
        if ((a - b).manhattanLength() < 30) continue; // the middle is under a circle
        ++links;
        EXPECT_TRUE(Black(board.Picture.pixelColor((a + b) / 2))) << link.A << "-" << link.B;
    }
    EXPECT_GT(links, 20);
    for (const QPoint& corner : {QPoint(1, 1), QPoint(248, 1), QPoint(1, 248), QPoint(248, 248)})
        EXPECT_TRUE(White(board.Picture.pixelColor(corner)));

    // The whole board spans the 220 fitted pixels round the middle, both ways.
    std::set<int> xs, ys;
    for (const QPoint& p : board.Points) {
        xs.insert(p.x());
        ys.insert(p.y());
    }
    EXPECT_EQ(*xs.rbegin() - *xs.begin(), 220);
    EXPECT_EQ(*ys.rbegin() - *ys.begin(), 220);
    // Transposed and mirrored: the model's x runs down the picture's rows, reversed.
    const auto& points = model.Points;
    size_t left = 0, top = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        if (points[i].X < points[left].X) left = i;
        if (points[i].Y < points[top].Y) top = i;
    }
    EXPECT_EQ(board.Points[left].y(), 235);
    EXPECT_EQ(board.Points[top].x(), 235);
}

// Guards the surface: the picture covers it once, `250 / pixels per unit` across, centred.
TEST(BoardPicture, SurfaceSizesFollowThePixelsPerUnit) {
    Tmodele model;
    model.Reset(1);
    const TBoardPicture board = TBoardPicture::Draw(model);
    for (const double ppu : {16.67, 25.0}) {
        scene::TScene scene;
        scene::TMaterialLibrary library;
        scene::THeightField* surface =
            AddPictureBoard(scene.Root(), board.Picture, ppu, library, "board");
        ASSERT_NE(surface, nullptr);
        EXPECT_NE(library.Find("board"), nullptr);
        EXPECT_EQ(surface->Material().LibraryMaterial, "board");
        const osg::BoundingSphere bound = surface->Content()->getBound();
        EXPECT_NEAR(bound.center().x(), 0, 1e-3);
        EXPECT_NEAR(bound.center().y(), 0, 1e-3);
        EXPECT_NEAR(bound.radius(), 250 / ppu / std::sqrt(2.0), 0.05) << ppu;
        EXPECT_NEAR(TBoardPicture::ToBoard(250, ppu), 125 / ppu, 1e-12);
    }
}
