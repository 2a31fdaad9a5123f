// The flat classic board: its resting places, marks, dice and numbers.
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace vantorel;
using vantorel::testing::ViewFixture;

namespace {

void ManyPieces(TPlateau& game) {
    game.Model.PiecesPerSide[0] = game.Model.PiecesPerSide[1] = 23;
    game.NewGame();
}

void WithDice(TPlateau& game) {
    game.Model.DiceRule = 1;
    game.NewGame();
}

} // namespace

// Guards the start: the board turned half a turn, one marker per point, one proxy per
// piece, and no dice for a variant without them.
TEST(Plateau2D, ANewViewShowsTheWholeBoardTurnedHalfATurn) {
    ViewFixture f;
    EXPECT_DOUBLE_EQ(f.view->RotationAngle, 180.0);
    for (int i = 0; i < f.game->Model.PointCount(); ++i)
        EXPECT_NE(f.Object("L_" + std::to_string(i)), nullptr) << i;
    EXPECT_EQ(f.Object("L_" + std::to_string(f.game->Model.PointCount())), nullptr);
    EXPECT_NE(f.Object("B_8"), nullptr);
    EXPECT_NE(f.Object("N_8"), nullptr);
    int sprites = 0;
    f.scene.ForEach(
        [&](scene::TSceneObject& o) { sprites += o.Kind() == scene::TObjectKind::Sprite; });
    EXPECT_EQ(sprites, 0);
}

// Guards the reserve columns: ten pieces a column, the first outermost, each from −5
// upward by 1.1, turned with the board.
TEST(Plateau2D, TheReserveStandsInColumnsOfTenTurnedWithTheBoard) {
    ViewFixture f(1, ManyPieces);
    f.view->RotationAngle = 0;
    struct Case {
        int colour, index;
        double x, y;
    };
    for (const Case& c :
         {Case{0, 0, -11, -5}, Case{0, 9, -11, 4.9}, Case{0, 10, -10, -5}, Case{1, 21, 9, -3.9}}) {
        const RestingPlace place = f.view->PieceRestingPlace(c.colour, c.index);
        EXPECT_NEAR(place.X, c.x, 1e-9) << c.colour << "/" << c.index;
        EXPECT_NEAR(place.Y, c.y, 1e-9) << c.colour << "/" << c.index;
        EXPECT_DOUBLE_EQ(place.Z, 1.0);
        EXPECT_TRUE(place.Visible);
    }
    f.view->RotationAngle = 90;
    const RestingPlace turned = f.view->PieceRestingPlace(0, 0);
    EXPECT_NEAR(turned.X, -5, 1e-9); // x0·cos θ + y0·sin θ
    EXPECT_NEAR(turned.Y, 11, 1e-9); // y0·cos θ − x0·sin θ
}

// Guards the captured piece's place: off the board to its side, hidden at the end.
TEST(Plateau2D, ACapturedPieceFliesOffAndHides) {
    ViewFixture f;
    f.game->Pieces[1][2].State = TPieceRec::Captured;
    const RestingPlace place = f.view->PieceRestingPlace(1, 2);
    EXPECT_DOUBLE_EQ(place.X, 15);
    EXPECT_DOUBLE_EQ(place.Y, 0);
    EXPECT_DOUBLE_EQ(place.Z, 5);
    EXPECT_FALSE(place.Visible);
    f.game->Pieces[1][2].Stamp = 1;
    f.RunUntilIdle();
    EXPECT_FALSE(f.Object("N_2")->Visible());
}

// Guards the marks: 'D' white, 'P' yellow, 'S' blue rings, and the keyboard cursor's red
// ring over any of them; other points their plain navy disc.
TEST(Plateau2D, MarksShowAsRingsAndTheCursorWins) {
    ViewFixture f;
    f.game->Highlight = std::string(24, ' ');
    f.game->Highlight[1] = 'D';
    f.game->Highlight[2] = 'P';
    f.game->Highlight[3] = 'S';
    f.game->Highlight[4] = 'C';
    f.game->KeyboardCursor = 3;
    f.RunFrames(1);
    auto ring = [&](int point) {
        return f.Object("L_" + std::to_string(point))->Children()[0].get();
    };
    EXPECT_TRUE(ring(1)->Visible());
    EXPECT_EQ(ring(1)->Material().Emission, scene::Colour(1, 1, 1, 1));
    EXPECT_EQ(ring(2)->Material().Emission, scene::Colour(1, 1, 0, 1));
    EXPECT_EQ(ring(3)->Material().Emission, scene::Colour(1, 0, 0, 1));
    EXPECT_FALSE(ring(4)->Visible());
    EXPECT_FALSE(ring(0)->Visible());
}

// Guards the dice: they appear on the roller's side, roll a face per frame with a click,
// come to rest on their values after the delay, and then tell the game they stopped.
TEST(Plateau2D, DiceRollOnTheRollersSideAndStopOnTheirValues) {
    ViewFixture f(1, WithDice);
    f.host.options[TOptions::DiceDelayMs] = 100;
    f.game->RollDice();
    f.game->Click(0); // the roll shows
    ASSERT_TRUE(f.view->DiceShown);
    std::vector<scene::TSceneObject*> dice;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() == scene::TObjectKind::Sprite) dice.push_back(&o);
    });
    ASSERT_EQ(dice.size(), 3u);
    EXPECT_DOUBLE_EQ(dice[0]->Position().x(), -7.7); // white rolls
    EXPECT_NEAR(dice[0]->Position().z(), 2.0, 1e-9);
    f.RunFrames(1);
    EXPECT_EQ(f.view->PendingSound, 1);
    const int frames = f.RunUntilIdle(20, 500);
    EXPECT_LT(frames, 500);
    for (int die = 1; die <= 3; ++die)
        EXPECT_EQ(dice[static_cast<size_t>(die - 1)]->Tag, f.game->Dice[die].Value);
    EXPECT_NE(f.game->ClickState, kClickStopDice); // the view's click stopped them
    EXPECT_TRUE(dice[0]->Visible());               // the faces stay on show
}

// Guards Refresh with dice: three valid dice stay shown while a reserve is left, and go
// once both reserves are empty.
TEST(Plateau2D, RefreshKeepsTheDiceOnlyWhileAReserveIsLeft) {
    ViewFixture f(1, WithDice);
    for (int die = 1; die <= 3; ++die)
        f.game->Dice[die].Value = static_cast<int8_t>(die);
    std::vector<scene::TSceneObject*> dice;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() == scene::TObjectKind::Sprite) dice.push_back(&o);
    });
    ASSERT_EQ(dice.size(), 3u);
    f.view->Refresh();
    EXPECT_TRUE(dice[1]->Visible());
    EXPECT_EQ(dice[1]->Tag, 2);
    f.game->Engine->LiveReserve[0] = f.game->Engine->LiveReserve[1] = 0;
    f.view->Refresh();
    EXPECT_FALSE(dice[1]->Visible());
}

// Guards ResetScene: numbers and wire-frame off, the start angle back.
TEST(Plateau2D, ResetSceneTurnsNumbersAndWireframeOff) {
    ViewFixture f;
    f.view->ShowNumbers(true);
    f.view->ToggleWireframe();
    f.view->RotationAngle = 45;
    f.view->ResetScene();
    EXPECT_FALSE(f.view->NumbersShown);
    EXPECT_FALSE(f.view->Wireframe);
    EXPECT_DOUBLE_EQ(f.view->RotationAngle, 180.0);
    int labels = 0, shown = 0;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() == scene::TObjectKind::SpaceText) {
            ++labels;
            shown += o.Visible();
        }
    });
    EXPECT_EQ(labels, 24);
    EXPECT_EQ(shown, 0);
}

// Guards the die pictures: white squares with the right number of black dots.
TEST(Plateau2D, DieFacesHaveTheirDots) {
    for (int face = 1; face <= 6; ++face) {
        const QImage picture = Tplateau2D_1::DieFacePicture(face);
        ASSERT_EQ(picture.size(), QSize(60, 60));
        EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::white));
        const bool centreDot = face % 2 == 1;
        EXPECT_EQ(picture.pixelColor(30, 30) == QColor(Qt::black), centreDot) << face;
    }
}

// Guards the flat zoom: steps are clamped, and each one changes the fitted focal length as
// a fifth of a step changed the board seen at focal length 40.
TEST(Plateau2D, ZoomChangesTheFocalLengthByAFifthOfTheClampedStep) {
    ViewFixture f;
    f.RunFrames(1);
    const double focal = f.viewer->Camera()->FocalLength();
    f.view->Zoom(120);
    EXPECT_DOUBLE_EQ(f.viewer->Camera()->FocalLength(), focal * 38 / 40);
    f.view->Zoom(-5);
    EXPECT_DOUBLE_EQ(f.viewer->Camera()->FocalLength(), focal * 39 / 40);
}

// Guards the board lost in a corner of the view (180 px of a 450 px window): the board
// and both reserve columns fill the view with a small margin, whatever its shape and the
// board's angle.
TEST(Plateau2D, BoardAndReservesFillTheView) {
    struct Case {
        int width, height;
        double angle;
    };
    const Case cases[] = {{800, 600, 180}, {800, 600, 225}, {1200, 500, 180}, {500, 700, 270}};
    for (const Case& c : cases) {
        ViewFixture f;
        f.viewer->resize(c.width, c.height);
        f.view->RotationAngle = c.angle;
        f.RunFrames(1);
        const scene::TCamera& camera = *f.viewer->Camera();
        const double halfHeight =
            scene::TCamera::kOrthoUnits / (camera.FocalLength() * camera.SceneScale()) / 2;
        const double halfWidth = halfHeight * c.width / c.height;
        const double theta = c.angle * std::numbers::pi / 180;
        const double board = 6 * (std::fabs(std::cos(theta)) + std::fabs(std::sin(theta)));
        EXPECT_GE(halfWidth, std::max(board, 11.5)) << c.width << "x" << c.height << " " << c.angle;
        EXPECT_GE(halfHeight, std::max(board, 5.5)) << c.width << "x" << c.height;
        // Tight on one side at least: no more than the margin left over.
        EXPECT_LE(std::min(halfWidth / std::max(board, 11.5), halfHeight / std::max(board, 5.5)),
                  1.1)
            << c.width << "x" << c.height << " " << c.angle;
    }
}

// Guards the point numbers hidden under the pieces: each number stands beside its point,
// clear of a piece there, at a height that follows the distance between points.
TEST(Plateau2D, PointNumbersStandBesideTheirPoints) {
    ViewFixture f;
    f.view->ShowNumbers(true);
    int labels = 0;
    f.scene.ForEach([&](scene::TSceneObject& object) {
        if (object.Kind() != scene::TObjectKind::SpaceText) return;
        const auto& text = static_cast<scene::TSpaceText&>(object);
        const int point = std::stoi(text.Text()) - 1;
        const auto& p = f.game->Model.Points[static_cast<size_t>(point)];
        const double away = std::hypot(object.Position().x() - f.view->BoardX(p.X),
                                       object.Position().y() - f.view->BoardY(p.Y));
        EXPECT_GT(away, 0.5 + 0.2) << "number " << text.Text() << " under the piece";
        EXPECT_LT(away, 1.5) << "number " << text.Text() << " far from its point";
        ++labels;
    });
    EXPECT_EQ(labels, f.game->Model.PointCount());
}
