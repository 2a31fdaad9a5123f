// "3 D anniversaire": the cake's candles, their resting places on the table, the gems and
// the dice thrown round the cake, without a window.
#include "ViewTestSupport.h"

#include "views/TPlateau3D_7.h"
#include "views/WindowMaterials.h"

#include "scene/TShapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace vantorel;
using vantorel::testing::MakerOf;
using vantorel::testing::ViewFixture;

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180;

std::function<void(TPlateau&)> PiecesPerSide(int count, int dice = 0) {
    return [count, dice](TPlateau& game) {
        game.Model.PiecesPerSide[0] = game.Model.PiecesPerSide[1] = static_cast<uint8_t>(count);
        game.Model.DiceRule = static_cast<uint8_t>(dice);
        game.NewGame();
    };
}

std::string PieceName(int colour, int index) {
    return (colour == 0 ? "B_" : "N_") + std::to_string(index);
}

std::vector<scene::TSceneObject*> Dice(ViewFixture& f) {
    std::vector<scene::TSceneObject*> dice;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() == scene::TObjectKind::Dummy && o.Children().size() == 6) dice.push_back(&o);
    });
    return dice;
}

} // namespace

// Guards the reserve arcs: seven candles an arc on the table, every seventh starting a wider
// arc shifted six degrees when odd, the white arcs opposite the black; the arcs follow the
// board's angle.
TEST(Plateau3D7, TheReserveStandsInArcsRoundTheCake) {
    const struct {
        int pieces, colour, index;
        double rotation, radius, angle;
    } cases[] = {
        {7, 0, 0, 0, -7, -39},    {7, 1, 6, 0, 7, 33},      {9, 0, 7, 0, -7.5, -33},
        {9, 1, 8, 0, 7.5, -21},   {12, 0, 11, 0, -7.5, 15}, {12, 1, 4, 0, 7, 9},
        {12, 1, 11, 30, 7.5, 45}, {9, 0, 2, 90, -7, 75},
    };
    for (const auto& c : cases) {
        ViewFixture f(MakerOf<TPlateau3D_7>(), 1, PiecesPerSide(c.pieces));
        f.view->RotationAngle = c.rotation;
        f.RunFrames(1);
        const auto where = ::testing::Message() << c.pieces << ": " << c.colour << "/" << c.index
                                                << " at " << c.rotation;
        const RestingPlace place = f.view->PieceRestingPlace(c.colour, c.index);
        EXPECT_NEAR(place.X, std::cos(c.angle * kDegree) * c.radius, 1e-9) << where;
        EXPECT_NEAR(place.Y, -0.7, 1e-9) << where;
        EXPECT_NEAR(place.Z, std::sin(c.angle * kDegree) * c.radius, 1e-9) << where;
        EXPECT_TRUE(place.Visible);
        // The candle stands there, on the cake that turned with the angle.
        const scene::Vec3 at = f.Object(PieceName(c.colour, c.index))->Position();
        EXPECT_NEAR(at.x(), place.X, 1e-6) << where;
        EXPECT_NEAR(at.z(), place.Z, 1e-6) << where;
        EXPECT_DOUBLE_EQ(f.Object("plateau")->TurnAngle(), c.rotation);
    }
}

// Guards the other places: on a point above the cake, captured far behind and hidden.
TEST(Plateau3D7, ACaptureIsShownAfterTheMoveAndTheCandleGoesOut) {
    ViewFixture f(MakerOf<TPlateau3D_7>());
    auto& mover = f.game->Pieces[0][8];
    mover.State = TPieceRec::OnBoard;
    mover.Point = 4;
    mover.Stamp = 5;
    auto& taken = f.game->Pieces[1][3];
    taken.State = TPieceRec::Captured;
    taken.Point = -2;
    taken.Stamp = 6;
    const float lean = f.Object("B_8")->TagFloat;
    f.RunFrames(1);
    ASSERT_TRUE(f.view->IsAnimating());
    ASSERT_TRUE(f.Object("B_8")->Movement()->Travelling());
    double highest = 0;
    int frames = 0;
    while (f.Object("B_8")->Movement()->Travelling() && frames++ < 1000) {
        EXPECT_EQ(f.Object("N_3")->Movement(), nullptr);       // waits for the mover
        EXPECT_NEAR(f.Object("B_8")->RollAngle(), lean, 1e-9); // keeps its lean in flight
        highest = std::max(highest, f.Object("B_8")->Position().y());
        f.RunFrames(1);
    }
    // Tall candles are lifted clear of the others (the smooth path overshoots a little).
    EXPECT_GT(highest, 2.9);
    EXPECT_LT(highest, 3.6);
    ASSERT_NE(f.Object("N_3")->Movement(), nullptr);
    EXPECT_EQ(f.view->PendingSound, 2);
    f.RunUntilIdle();
    const auto& p = f.game->Model.Points[4];
    const scene::Vec3 at = f.Object("B_8")->Position();
    EXPECT_NEAR(at.x(), f.view->BoardX(p.X), 1e-9);
    EXPECT_NEAR(at.y(), 1.6, 1e-9);
    EXPECT_NEAR(at.z(), f.view->BoardY(p.Y), 1e-9);
    EXPECT_TRUE(f.Object("B_8")->Visible());
    const scene::Vec3 gone = f.Object("N_3")->Position();
    EXPECT_NEAR(gone.x(), -10, 1e-9);
    EXPECT_NEAR(gone.z(), -15, 1e-9);
    EXPECT_FALSE(f.Object("N_3")->Visible());
}

// Guards the dice: thrown round the cake they land in front of it, upright with their
// values on top, and this theme itself tells the game that they stopped.
TEST(Plateau3D7, DiceLandInFrontOfTheCakeAndSendTheStoppingClick) {
    ViewFixture f(MakerOf<TPlateau3D_7>(), 1, PiecesPerSide(9, 1));
    f.game->RollDice();
    f.game->Click(0);
    ASSERT_TRUE(f.view->DiceShown);
    ASSERT_EQ(f.game->ClickState, kClickStopDice);
    const auto dice = Dice(f);
    ASSERT_EQ(dice.size(), 3u);
    f.RunFrames(1);
    EXPECT_GT(std::hypot(dice[0]->Position().x(), dice[0]->Position().z()), 6.5); // round it
    const int frames = f.RunUntilIdle(20, 1500);
    EXPECT_LT(frames, 1500);
    for (int die = 1; die <= 3; ++die) {
        const scene::TSceneObject* cube = dice[static_cast<size_t>(die - 1)];
        EXPECT_NEAR(cube->Position().x(), 6.0 - 3 * die, 1e-9);
        EXPECT_NEAR(cube->Position().y(), 0.7, 1e-9);
        EXPECT_NEAR(cube->Position().z(), 7, 1e-9);
        EXPECT_NEAR(cube->Direction().y(), 1, 1e-9);
        EXPECT_EQ(cube->Children()[0]->Tag, f.game->Dice[die].Value);
        EXPECT_TRUE(cube->Visible());
    }
    EXPECT_FALSE(f.view->IsAnimating());
    EXPECT_NE(f.game->ClickState, kClickStopDice); // the view's own click
}

// Guards the gems: each mark lights its gem in its colour, the keyboard cursor shows blue,
// and a cleared mark puts the gem back as it was.
TEST(Plateau3D7, GemsLightUpByTheirMark) {
    ViewFixture f(MakerOf<TPlateau3D_7>());
    EXPECT_EQ(f.Object("L_0")->Kind(), scene::TObjectKind::Dodecahedron);
    f.game->Highlight = std::string(24, ' ');
    f.game->Highlight[1] = 'D';
    f.game->Highlight[2] = 'P';
    f.game->Highlight[3] = 'S';
    f.game->KeyboardCursor = 5;
    f.RunFrames(1);
    const scene::TMaterial plain = f.Object("L_0")->Material();
    const struct {
        int point;
        scene::Colour emission;
    } cases[] = {{1, {1, 1, 1, 1}},
                 {2, {1, 0, 0, 1}},
                 {3, {0, 0, 1, 1}},
                 {5, {0, 0, 1, 1}},
                 {0, {0, 0, 0, 1}}};
    for (const auto& c : cases) {
        const scene::TMaterial& m = f.Object("L_" + std::to_string(c.point))->Material();
        EXPECT_EQ(m.Emission, c.emission) << c.point;
        EXPECT_EQ(m.Diffuse, plain.Diffuse) << c.point;
    }
    f.game->Highlight[2] = ' ';
    f.RunFrames(1);
    EXPECT_EQ(f.Object("L_2")->Material(), plain);
}

// Guards picking in perspective: a gem clicks its point, a candle on the cake clicks the
// point it stands on, a candle in the reserve clicks nothing.
TEST(Plateau3D7, GemsAndCandlesArePickedByName) {
    ViewFixture f(MakerOf<TPlateau3D_7>());
    f.PressOn("B_0");
    EXPECT_EQ(f.game->Pieces[0][8].State, TPieceRec::InReserve);
    f.PressOn("L_4");
    EXPECT_EQ(f.game->Pieces[0][8].Point, 4);
    f.RunUntilIdle();
    const auto [x, y] = f.PixelOf("B_8");
    ASSERT_NE(f.viewer->PickNearest(x, y), nullptr);
    EXPECT_EQ(f.viewer->PickNearest(x, y)->Name(), "B_8");
    f.PressOn("B_8"); // black cannot place where white stands: a beep, never an error
    EXPECT_EQ(f.game->Pieces[1][8].State, TPieceRec::InReserve);
    EXPECT_TRUE(f.host.errors.empty());
}

// Guards the materials: every named one comes from the window's library, its texture
// following the option, and both candle models burn.
TEST(Plateau3D7, NamedMaterialsFollowTheOptionAndTheCandlesBurn) {
    for (int textures : {0, 1}) {
        ViewFixture f([textures](TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                                 TViewHost& host) -> std::unique_ptr<TAnim> {
            static_cast<vantorel::testing::FakeHost&>(host).options[TOptions::Textures] = textures;
            return std::make_unique<TPlateau3D_7>(game, viewer, scene, host);
        });
        std::set<std::string> named;
        f.scene.ForEach([&](scene::TSceneObject& o) {
            if (o.Material().Library != &f.host.materials) return;
            named.insert(o.Material().LibraryMaterial);
            EXPECT_EQ(o.Material().TextureEnabled, textures == 1) << o.Name();
        });
        EXPECT_EQ(named,
                  (std::set<std::string>{"sol", "papier_peint", "Bois Ancien", "Bois", "gateau_1",
                                         "Gateau_2", "Bougie_blanche", "Bougie_rouge"}));
        const auto& fires = static_cast<TPlateau3D_7&>(*f.view).Flames();
        EXPECT_TRUE(fires[0] && fires[0]->Burning());
        EXPECT_TRUE(fires[1] && fires[1]->Burning());
        EXPECT_TRUE(f.viewer->Buffer().Fog);
        EXPECT_TRUE(f.viewer->Buffer().BlendedLast);
    }
}

// Guards the labels: built on first use above the gems, turned back against the cake's
// turn so they face the camera.
TEST(Plateau3D7, LabelsTurnBackAgainstTheCake) {
    ViewFixture f(MakerOf<TPlateau3D_7>());
    f.view->ShowNumbers(true);
    f.view->RotationAngle = 30;
    f.RunFrames(1);
    int labels = 0;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() != scene::TObjectKind::SpaceText) return;
        ++labels;
        EXPECT_DOUBLE_EQ(o.TurnAngle(), 330);
        EXPECT_DOUBLE_EQ(o.Position().y(), 1.0);
    });
    EXPECT_EQ(labels, 24);
}
