// "3 D Euros contre dollars": the coins, their stacks and places from the board picture, the
// arrows over marked points and the dice thrown corner to corner, without a window.
#include "ViewTestSupport.h"

#include "views/TPlateau3D_8.h"
#include "views/WindowMaterials.h"

#include <gtest/gtest.h>

#include <set>

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

TPlateau3D_8& View(ViewFixture& f) {
    return static_cast<TPlateau3D_8&>(*f.view);
}

std::vector<scene::TSceneObject*> Dice(ViewFixture& f) {
    std::vector<scene::TSceneObject*> dice;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() == scene::TObjectKind::Dummy && o.Children().size() == 6) dice.push_back(&o);
    });
    return dice;
}

} // namespace

// Guards the reserve: one untidy stack a side on its stand, a coin every 0.11 up, whatever
// the number of pieces and the board's angle.
TEST(Plateau3D8, TheReservePilesOneStackASide) {
    const struct {
        int pieces, colour, index;
        double x, y, z;
    } cases[] = {
        {7, 0, 0, 8.45, -8.25, 0.5},  {7, 1, 5, -8.5, 8.2, 1.05},   {9, 0, 7, 8.5, -8.2, 1.27},
        {9, 1, 8, -8.55, 8.2, 1.38},  {12, 0, 11, 8.5, -8.2, 1.71}, {12, 1, 6, -8.55, 8.15, 1.16},
        {12, 0, 9, 8.5, -8.25, 1.49},
    };
    for (const auto& c : cases)
        for (double rotation : {270.0, 300.0}) {
            ViewFixture f(MakerOf<TPlateau3D_8>(), 1, PiecesPerSide(c.pieces));
            EXPECT_DOUBLE_EQ(f.view->RotationAngle, 270);
            f.view->RotationAngle = rotation;
            f.RunFrames(1);
            EXPECT_DOUBLE_EQ(f.Object("plateau")->RollAngle(), rotation);
            const auto where = ::testing::Message() << c.pieces << ": " << c.colour << "/"
                                                    << c.index << " at " << rotation;
            const RestingPlace place = f.view->PieceRestingPlace(c.colour, c.index);
            EXPECT_NEAR(place.X, c.x, 1e-9) << where;
            EXPECT_NEAR(place.Y, c.y, 1e-9) << where;
            EXPECT_NEAR(place.Z, c.z, 1e-9) << where;
            const scene::Vec3 at =
                f.Object((c.colour ? "N_" : "B_") + std::to_string(c.index))->Position();
            EXPECT_NEAR(at.z(), c.z, 1e-6) << where;
        }
}

// Guards the order of a move with a capture and the places from the picture: the coin
// lands on its point's pixel, then the captured one leaves off the board, hidden.
TEST(Plateau3D8, ACaptureIsShownAfterTheMoveOnThePicturesPoints) {
    ViewFixture f(MakerOf<TPlateau3D_8>());
    auto& mover = f.game->Pieces[0][8];
    mover.State = TPieceRec::OnBoard;
    mover.Point = 4;
    mover.Stamp = 5;
    auto& taken = f.game->Pieces[1][3];
    taken.State = TPieceRec::Captured;
    taken.Point = -2;
    taken.Stamp = 6;
    f.RunFrames(1);
    ASSERT_TRUE(f.Object("B_8")->Movement()->Travelling());
    double highest = 0;
    int frames = 0;
    while (f.Object("B_8")->Movement()->Travelling() && frames++ < 1000) {
        EXPECT_EQ(f.Object("N_3")->Movement(), nullptr);
        highest = std::max(highest, f.Object("B_8")->Position().z());
        f.RunFrames(1);
    }
    // Lifted off the board along its height (the smooth path overshoots a little).
    EXPECT_GT(highest, 1.4);
    EXPECT_LT(highest, 1.9);
    EXPECT_EQ(f.view->PendingSound, 2);
    f.RunUntilIdle();
    const QPoint pixel = View(f).Picture().Points[4];
    const scene::Vec3 at = f.Object("B_8")->Position();
    EXPECT_NEAR(at.x(), (pixel.x() - 125) / 16.67, 1e-9);
    EXPECT_NEAR(at.y(), (pixel.y() - 125) / 16.67, 1e-9);
    EXPECT_NEAR(at.z(), 0.1, 1e-9);
    EXPECT_TRUE(f.Object("B_8")->Visible());
    EXPECT_NEAR(f.Object("N_3")->Position().x(), -13, 1e-9);
    EXPECT_NEAR(f.Object("N_3")->Position().z(), 5, 1e-9);
    EXPECT_FALSE(f.Object("N_3")->Visible());
}

// Guards the markers: a mark colours the disk and shows its arrow, the keyboard cursor is
// red, and a cleared mark takes the arrow away.
TEST(Plateau3D8, MarkedPointsGetAnArrow) {
    ViewFixture f(MakerOf<TPlateau3D_8>());
    f.game->Highlight = std::string(24, ' ');
    f.game->Highlight[1] = 'D';
    f.game->Highlight[2] = 'P';
    f.game->Highlight[3] = 'S';
    f.game->KeyboardCursor = 5;
    f.RunFrames(1);
    const struct {
        int point;
        scene::Colour emission;
        bool arrow;
    } cases[] = {{1, {1, 1, 1, 1}, true},
                 {2, {1, 1, 0, 1}, true},
                 {3, {0, 0, 1, 1}, true},
                 {5, {1, 0, 0, 1}, true},
                 {0, {0, 0, 0, 1}, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(f.Object("L_" + std::to_string(c.point))->Material().Emission, c.emission)
            << c.point;
        EXPECT_EQ(View(f).ArrowOf(c.point)->Visible(), c.arrow) << c.point;
    }
    f.game->Highlight[2] = ' ';
    f.RunFrames(1);
    EXPECT_FALSE(View(f).ArrowOf(2)->Visible());
}

// Guards the dice: from the roller's corner to the opposite one, stacking there, and the
// view sends the stopping click itself.
TEST(Plateau3D8, DiceCrossTheBoardAndSendTheStoppingClick) {
    ViewFixture f(MakerOf<TPlateau3D_8>(), 1, PiecesPerSide(9, 1));
    f.game->RollDice();
    f.game->Click(0);
    ASSERT_TRUE(f.view->DiceShown);
    const double from = f.view->DiceSide == 1 ? 8.5 : -8.5;
    const auto dice = Dice(f);
    ASSERT_EQ(dice.size(), 3u);
    EXPECT_NEAR(dice[0]->Position().x(), from, 0.5);
    const int frames = f.RunUntilIdle(20, 1500);
    EXPECT_LT(frames, 1500);
    for (int die = 1; die <= 3; ++die) {
        const scene::TSceneObject* cube = dice[static_cast<size_t>(die - 1)];
        EXPECT_NEAR(cube->Position().x(), -from, 1e-9);
        EXPECT_NEAR(cube->Position().y(), -from, 1e-9);
        EXPECT_NEAR(cube->Position().z(), 0.8 * die, 1e-9);
        EXPECT_NEAR(cube->Direction().z(), 1, 1e-9); // the value's face up
        EXPECT_EQ(cube->Children()[0]->Tag, f.game->Dice[die].Value);
    }
    EXPECT_FALSE(f.view->IsAnimating());
    EXPECT_NE(f.game->ClickState, kClickStopDice);
}

// Guards picking on the tilted board: a marker clicks its point, a coin on the board its
// point, a coin in a stack nothing.
TEST(Plateau3D8, MarkersAndCoinsArePickedByName) {
    ViewFixture f(MakerOf<TPlateau3D_8>());
    f.PressOn("B_0");
    EXPECT_EQ(f.game->Pieces[0][8].State, TPieceRec::InReserve);
    f.PressOn("L_4");
    EXPECT_EQ(f.game->Pieces[0][8].Point, 4);
    f.RunUntilIdle();
    const auto [x, y] = f.PixelOf("B_8");
    ASSERT_NE(f.viewer->PickNearest(x, y), nullptr);
    EXPECT_EQ(f.viewer->PickNearest(x, y)->Name(), "B_8");
    EXPECT_TRUE(f.host.errors.empty());
}

// Guards the materials: the ring and stands follow the option, the coins' faces always
// show, all from the window's library.
TEST(Plateau3D8, CoinsAlwaysShowTheirFacesTheRestFollowsTheOption) {
    for (int textures : {0, 1}) {
        ViewFixture f(
            [textures](TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                       TViewHost& host) -> std::unique_ptr<TAnim> {
                static_cast<vantorel::testing::FakeHost&>(host).options[TOptions::Textures] =
                    textures;
                return std::make_unique<TPlateau3D_8>(game, viewer, scene, host);
            },
            1, PiecesPerSide(9, 1));
        std::set<std::string> named;
        f.scene.ForEach([&](scene::TSceneObject& o) {
            if (o.Material().Library != &f.host.materials) return;
            const std::string& name = o.Material().LibraryMaterial;
            named.insert(name);
            const bool coin = name == "Euros" || name == "Dollars";
            EXPECT_EQ(o.Material().TextureEnabled, coin || textures == 1) << name;
        });
        EXPECT_EQ(named, (std::set<std::string>{"Euros", "Dollars", "Bois Ancien"}));
        for (const char* stand : {"plateau2", "plateau3", "plateau4", "plateau5", "plateau6"})
            EXPECT_NE(f.Object(stand), nullptr) << stand;
    }
}

// Guards the labels: lying on the board, they roll back against its roll to stay readable.
TEST(Plateau3D8, LabelsRollBackAgainstTheBoard) {
    ViewFixture f(MakerOf<TPlateau3D_8>());
    f.view->ShowNumbers(true);
    f.view->RotationAngle = 300;
    f.RunFrames(1);
    int labels = 0;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() != scene::TObjectKind::SpaceText) return;
        ++labels;
        EXPECT_DOUBLE_EQ(o.RollAngle(), 60);
        EXPECT_DOUBLE_EQ(o.Position().z(), 0.3);
    });
    EXPECT_EQ(labels, 24);
}
