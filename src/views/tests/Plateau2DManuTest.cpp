// "2D Moyen-âge": its reserve round the corner, burning marks, tumbling moves and dice.
#include "ViewTestSupport.h"

#include "views/Tplateau2D_manu.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace vantorel;
using vantorel::testing::MakerOf;
using vantorel::testing::ViewFixture;

namespace {

std::function<void(TPlateau&)> PiecesPerSide(int count, int dice = 0) {
    return [count, dice](TPlateau& game) {
        game.Model.PiecesPerSide[0] = game.Model.PiecesPerSide[1] = static_cast<uint8_t>(count);
        game.Model.DiceRule = static_cast<uint8_t>(dice);
        game.NewGame();
    };
}

} // namespace

// Guards the reserve: a column down each side, bending past eleven pieces into the top row
// that runs inward from the corner, all turned with the page (which starts half a turn).
TEST(Plateau2DManu, TheReserveBendsRoundTheCornerAndTurnsWithThePage) {
    ViewFixture f(MakerOf<Tplateau2D_manu>(), 1, PiecesPerSide(12));
    EXPECT_DOUBLE_EQ(f.view->RotationAngle, 180.0);
    f.view->RotationAngle = 0;
    const struct {
        int colour, index;
        double x, y;
    } cases[] = {{0, 0, -25, -13},
                 {0, 10, -25, 12},
                 {0, 11, -22.5, 12},
                 {1, 11, 22.5, 12},
                 {1, 3, 25, -5.5}};
    for (const auto& c : cases) {
        const RestingPlace place = f.view->PieceRestingPlace(c.colour, c.index);
        EXPECT_NEAR(place.X, c.x, 1e-9) << c.colour << "/" << c.index;
        EXPECT_NEAR(place.Y, c.y, 1e-9) << c.colour << "/" << c.index;
        EXPECT_DOUBLE_EQ(place.Z, 3);
    }
    f.view->RotationAngle = 90;
    const RestingPlace turned = f.view->PieceRestingPlace(0, 11);
    EXPECT_NEAR(turned.X, 12, 1e-9);   // x0·cos θ + y0·sin θ
    EXPECT_NEAR(turned.Y, 22.5, 1e-9); // y0·cos θ − x0·sin θ
    // Nothing named "plat...": a drag never turns the page.
    f.scene.ForEach([](scene::TSceneObject& o) { EXPECT_NE(o.Name().rfind("plat", 0), 0u); });
}

// Guards the marks: the selected point burns with one fire, lit once and put out when the
// selection goes; the keyboard cursor burns too; the other marks only colour the marker.
TEST(Plateau2DManu, TheSelectedPointBurnsUntilTheSelectionChanges) {
    ViewFixture f(MakerOf<Tplateau2D_manu>());
    auto& view = static_cast<Tplateau2D_manu&>(*f.view);
    auto fires = [&](int point) {
        int count = 0;
        for (const auto& child : f.Object("L_" + std::to_string(point))->Children())
            count += child->Kind() == scene::TObjectKind::Fire;
        return count;
    };
    f.game->Highlight = std::string(24, ' ');
    f.game->Highlight[3] = 'S';
    f.game->Highlight[4] = 'D';
    f.RunFrames(5);
    EXPECT_TRUE(view.MarkerBurns(3));
    EXPECT_EQ(fires(3), 1);
    EXPECT_EQ(fires(4), 0);
    EXPECT_EQ(f.Object("L_4")->Material().Diffuse, scene::Colour(1, 0.43f, 0.78f, 1));
    EXPECT_EQ(f.Object("L_3")->Material().Diffuse, scene::Colour(0, 0, 1, 1));
    f.game->Highlight[3] = ' ';
    f.game->KeyboardCursor = 7;
    f.RunFrames(1);
    EXPECT_EQ(fires(3), 0);
    EXPECT_EQ(f.Object("L_3")->Material().Diffuse, scene::Colour(0.8f, 0.8f, 0.8f, 1));
    EXPECT_EQ(fires(7), 1);
}

// Guards a move: the piece tumbles (its angles change on the way) and lands on its point;
// resizing the window keeps the focal length.
TEST(Plateau2DManu, APlacedPieceTumblesOntoItsPoint) {
    ViewFixture f(MakerOf<Tplateau2D_manu>());
    f.PressOn("L_4");
    ASSERT_EQ(f.game->Pieces[0][8].Point, 4);
    scene::TSceneObject* piece = f.Object("B_8");
    const double roll = piece->RollAngle();
    f.RunFrames(10);
    EXPECT_NE(piece->RollAngle(), roll);
    EXPECT_GT(piece->Position().z(), 2.5); // in the air
    f.RunUntilIdle();
    const auto& p = f.game->Model.Points[4];
    EXPECT_NEAR(piece->Position().x(), f.view->BoardX(p.X), 1e-9);
    EXPECT_NEAR(piece->Position().y(), f.view->BoardY(p.Y), 1e-9);
    EXPECT_NEAR(piece->Position().z(), 2, 1e-9);
    f.view->Resize(1000, 900);
    EXPECT_DOUBLE_EQ(f.viewer->Camera()->FocalLength(), 80);
}

// Guards the dice: thrown to the roller's side, at rest on their values, and this view
// tells the game itself that they stopped.
TEST(Plateau2DManu, DiceLandOnTheRollersSideAndStopTheRollThemselves) {
    ViewFixture f(MakerOf<Tplateau2D_manu>(), 1, PiecesPerSide(9, 1));
    f.game->RollDice();
    f.game->Click(0);
    ASSERT_TRUE(f.view->DiceShown);
    const int frames = f.RunUntilIdle(20, 2000);
    EXPECT_LT(frames, 2000);
    std::vector<scene::TSceneObject*> dice;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() == scene::TObjectKind::Dummy && o.Children().size() == 6) dice.push_back(&o);
    });
    ASSERT_EQ(dice.size(), 3u);
    for (int die = 1; die <= 3; ++die) {
        const scene::TSceneObject* cube = dice[static_cast<size_t>(die - 1)];
        EXPECT_NEAR(cube->Position().x(), -20, 1e-9); // white rolled
        EXPECT_NEAR(cube->Position().y(), 4.0 * die - 11, 1e-9);
        EXPECT_NEAR(cube->Position().z(), 4, 1e-9);
        EXPECT_EQ(cube->Children()[0]->Tag, f.game->Dice[die].Value);
    }
    EXPECT_NE(f.game->ClickState, kClickStopDice);
}
