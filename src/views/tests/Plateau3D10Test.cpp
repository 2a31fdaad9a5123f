// "3 D Planètes": the orbit, the lightning, the flames and the figures of the dice, without
// a window.
#include "ViewTestSupport.h"

#include "views/TPlateau3D_10.h"

#include "scene/TBitmapText.h"

#include <gtest/gtest.h>

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

TPlateau3D_10& View(ViewFixture& f) {
    return static_cast<TPlateau3D_10&>(*f.view);
}

scene::TBitmapText* DiceText(ViewFixture& f) {
    scene::TBitmapText* text = nullptr;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() == scene::TObjectKind::BitmapText) text = static_cast<scene::TBitmapText*>(&o);
    });
    return text;
}

void ExpectNear(const scene::Vec3& at, const scene::Vec3& expected, const std::string& where) {
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(at[c], expected[c], 1e-6) << where << " coordinate " << c;
}

} // namespace

// Guards the orbit: both reserves share one tilted ellipse, white's first, the slots spread
// evenly over the pieces of both sides (a half degree rounds to even).
TEST(Plateau3D10, BothReservesShareOneOrbit) {
    const struct {
        int pieces, colour, index;
        scene::Vec3 place;
    } cases[] = {
        {7, 1, 6, {8.987940, -3.068598, -5.445340}},   // slot 13 of 14: 334 degrees
        {8, 0, 1, {9.271839, 2.622246, 1.871459}},     // slot 1 of 16: 22.5 rounds to 22
        {9, 0, 0, {10, 0, -1.5}},                      // slot 0
        {9, 1, 0, {-10, 0, -1.5}},                     // black begins half way round
        {9, 1, 4, {-1.736482, -6.893654, -10.363270}}, // slot 13 of 18: 260 degrees
        {12, 0, 3, {7.071068, 4.949747, 4.863961}},    // slot 3 of 24: 45 degrees
        {12, 1, 11, {9.659258, -1.811733, -3.829371}}, // slot 23 of 24: 345 degrees
    };
    for (const auto& c : cases) {
        ViewFixture f(MakerOf<TPlateau3D_10>(), 1, PiecesPerSide(c.pieces));
        ASSERT_EQ(View(f).OrbitTurn(), 0);
        const RestingPlace place = f.view->PieceRestingPlace(c.colour, c.index);
        const auto where = ::testing::Message() << c.pieces << ": " << c.colour << "/" << c.index;
        ExpectNear({place.X, place.Y, place.Z}, c.place, where.GetString());
        EXPECT_TRUE(place.Visible);
        ExpectNear(f.Object((c.colour ? "N_" : "B_") + std::to_string(c.index))->Position(),
                   c.place, where.GetString());
    }
}

// Guards the orbit's turn: a degree a second of the scene's time, carried along without any
// piece counted as out of place, and not turned with the board, whose pieces on points do
// turn.
TEST(Plateau3D10, TheOrbitTurnsADegreeASecondAndIgnoresTheBoardsTurn) {
    ViewFixture f(MakerOf<TPlateau3D_10>());
    f.game->Pieces[0][8].State = TPieceRec::OnBoard;
    f.game->Pieces[0][8].Point = 0;
    f.RunUntilIdle();
    const int before = View(f).OrbitTurn();
    f.RunFrames(50, 100);
    const int turn = View(f).OrbitTurn();
    EXPECT_EQ(turn, before + 5);
    EXPECT_FALSE(f.view->IsAnimating()); // the orbit moves nothing by animation
    const scene::Vec3 frame = f.Object("Cadre")->WorldPosition();
    ExpectNear(f.Object("B_0")->WorldPosition(), frame + TPlateau3D_10::OrbitPlace(0, 18, turn),
               "turned by 5 degrees");
    const scene::Vec3 onPoint = f.Object("B_8")->WorldPosition();

    f.view->RotationAngle = 90;
    f.RunFrames(1, 10);
    EXPECT_DOUBLE_EQ(f.Object("plateau")->TurnAngle(), 90);
    ExpectNear(f.Object("B_0")->WorldPosition(), frame + TPlateau3D_10::OrbitPlace(0, 18, turn),
               "the board turned");
    EXPECT_GT((f.Object("B_8")->WorldPosition() - onPoint).length(), 1);
    EXPECT_FALSE(f.view->IsAnimating());
    // Every planet not captured spins: 5 degrees a second about its axis.
    EXPECT_NEAR(f.Object("B_0")->TurnAngle(), 5 * (f.now - 1000) / 1000.0, 0.2);
}

// Guards a move with a capture: the lightning follows the mover to its point, then the
// captured planet bursts into flames and is gone at once; a refresh puts the flames out.
TEST(Plateau3D10, ACaptureFliesWithLightningThenBurstsIntoFlames) {
    ViewFixture f(MakerOf<TPlateau3D_10>());
    f.host.options[TOptions::MaxAnimMs] = 20000; // from the far side of the orbit
    auto& mover = f.game->Pieces[0][8];
    mover.State = TPieceRec::OnBoard;
    mover.Point = 4;
    mover.Stamp = 5;
    auto& taken = f.game->Pieces[1][3];
    taken.State = TPieceRec::Captured;
    taken.Point = -2;
    taken.Stamp = 6;
    f.RunFrames(3);
    ASSERT_TRUE(f.view->IsAnimating());
    const scene::TLines* lightning = View(f).Lightning();
    ASSERT_TRUE(lightning->Visible());
    EXPECT_EQ(lightning->Nodes().size(), 37u); // seven nodes, smoothed six times between
    ExpectNear(lightning->Nodes().front(), f.Object("B_8")->Position(), "first node");
    const auto& p = f.game->Model.Points[4];
    const scene::Vec3 target(f.view->BoardX(p.X), 0.5, f.view->BoardY(p.Y));
    ExpectNear(lightning->Nodes().back(), target, "last node");
    const auto before = lightning->Nodes();
    f.RunFrames(2);
    EXPECT_NE(lightning->Nodes()[18], before[18]); // the middle flickers

    int frames = 0;
    while (f.Object("B_8")->Movement()->Travelling() && frames++ < 1000)
        f.RunFrames(1);
    EXPECT_FALSE(lightning->Visible());
    ExpectNear(f.Object("B_8")->Position(), target, "the mover");
    ASSERT_TRUE(f.view->IsAnimating());
    EXPECT_FALSE(f.Object("N_3")->Visible()); // burst at once
    EXPECT_EQ(f.view->PendingSound, 2);
    EXPECT_EQ(View(f).Fires(), 1);
    f.RunUntilIdle();
    ExpectNear(f.Object("N_3")->Position(), {-10, 0, -15}, "captured");
    EXPECT_FALSE(f.Object("N_3")->Visible());
    f.view->Refresh();
    EXPECT_EQ(View(f).Fires(), 0);
}

// Guards the markers: every colour of a marker follows its mark; the keyboard cursor's
// marker glows and burns, and its fire follows the cursor.
TEST(Plateau3D10, MarkersTakeTheirMarksColoursAndTheCursorBurns) {
    ViewFixture f(MakerOf<TPlateau3D_10>());
    f.game->Highlight = std::string(24, ' ');
    f.game->Highlight[1] = 'S';
    f.game->Highlight[2] = 'P';
    f.game->Highlight[3] = 'D';
    f.game->Highlight[4] = 'C';
    f.game->KeyboardCursor = 5;
    f.RunFrames(1);
    const struct {
        int point;
        scene::Colour colour;
    } cases[] = {{1, {0, 0, 1, 1}},
                 {2, {1, 0, 0, 1}},
                 {3, {1, 0.43f, 0.78f, 1}},
                 {4, {1, 0.498f, 0, 1}},
                 {0, {1, 0.498f, 0, 1}}};
    for (const auto& c : cases) {
        const scene::TMaterial& m = f.Object("L_" + std::to_string(c.point))->Material();
        EXPECT_EQ(m.Diffuse, c.colour) << c.point;
        EXPECT_EQ(m.Ambient, c.colour) << c.point;
        EXPECT_EQ(m.Emission, c.colour) << c.point;
        EXPECT_EQ(m.Specular, c.colour) << c.point;
    }
    EXPECT_EQ(f.Object("L_5")->Material().Emission, scene::Colour(0.7373f, 0.5608f, 0.5608f, 1));
    auto fireUnder = [&](int point) {
        int fires = 0;
        for (const auto& child : f.Object("L_" + std::to_string(point))->Children())
            fires += child->Kind() == scene::TObjectKind::Fire;
        return fires;
    };
    EXPECT_EQ(fireUnder(5), 1);
    f.game->KeyboardCursor = 6;
    f.RunFrames(1);
    EXPECT_EQ(fireUnder(5), 0);
    EXPECT_EQ(fireUnder(6), 1);
    f.game->KeyboardCursor = -1;
    f.RunFrames(1);
    EXPECT_EQ(View(f).Fires(), 0);
}

// Guards the figures of the dice: they flicker and grow while rolling, settle on the
// values after about two seconds whatever the dice delay says, and leave the stopping
// click to the player; that click keeps the values on show.
TEST(Plateau3D10, TheDiceFiguresSettleAfterTwoSecondsAndWaitForThePlayer) {
    for (int delay : {100, 2000, 9000}) {
        ViewFixture f(MakerOf<TPlateau3D_10>(), 1, PiecesPerSide(9, 1));
        f.host.options[TOptions::DiceDelayMs] = delay;
        scene::TBitmapText* text = DiceText(f);
        ASSERT_NE(text, nullptr);
        EXPECT_FALSE(text->Visible());
        EXPECT_EQ(text->Text(), "000");
        EXPECT_EQ(text->Font()->Name(), "BitmapFont1");
        f.game->RollDice();
        f.game->Click(0);
        ASSERT_TRUE(f.view->DiceShown);
        EXPECT_TRUE(text->Visible());
        EXPECT_EQ(text->Scale().x(), 0);
        EXPECT_EQ(text->Position().x(), f.viewer->ClientWidth() / 2.0);
        EXPECT_EQ(text->Position().y(), f.viewer->ClientHeight() / 2.0 - 20);
        const uint32_t start = f.now;
        f.RunFrames(25, 20);
        EXPECT_NEAR(text->Scale().x(), 0.5, 1e-9); // grows by the frame time
        while (f.view->DiceShown && f.now - start < 4000)
            f.RunFrames(1, 20);
        const uint32_t settled = f.now - start;
        EXPECT_GT(settled, 2000u) << delay;
        EXPECT_LT(settled, 2600u) << delay;
        EXPECT_FALSE(f.view->IsAnimating());
        EXPECT_EQ(f.game->Dice[1].Rolling, 2);
        EXPECT_EQ(text->Scale().x(), 2);
        const std::string values = {static_cast<char>('0' + f.game->Dice[1].Value), ' ',
                                    static_cast<char>('0' + f.game->Dice[2].Value), ' ',
                                    static_cast<char>('0' + f.game->Dice[3].Value)};
        f.RunFrames(1);
        EXPECT_EQ(text->Text(), values);
        EXPECT_EQ(f.game->ClickState, kClickStopDice) << delay; // no click from the view
        f.PressOn("L_0");
        EXPECT_NE(f.game->ClickState, kClickStopDice);
        f.RunFrames(1);
        EXPECT_TRUE(text->Visible());
        EXPECT_EQ(text->Text(), values);
    }
}

// Guards picking among spheres: a marker clicks its point, a planet on the board clicks
// the point it stands on, a planet of the orbit clicks nothing.
TEST(Plateau3D10, MarkersAndPlanetsArePickedByName) {
    ViewFixture f(MakerOf<TPlateau3D_10>());
    f.PressOn("B_0"); // in orbit
    EXPECT_EQ(f.game->Pieces[0][8].State, TPieceRec::InReserve);
    f.PressOn("L_4");
    EXPECT_EQ(f.game->Pieces[0][8].Point, 4);
    f.RunUntilIdle();
    const auto [x, y] = f.PixelOf("B_8");
    EXPECT_EQ(f.viewer->PickNearest(x, y)->Name(), "B_8");
    f.PressOn("B_8"); // black cannot place on white's point: a beep at most, no error
    EXPECT_EQ(f.game->Pieces[1][8].State, TPieceRec::InReserve);
    EXPECT_TRUE(f.host.errors.empty());
}

// Guards the materials: the planets, their moon and ring draw with the window's named
// materials, their pictures on only when the option asks.
TEST(Plateau3D10, PlanetsUseTheWindowsMaterials) {
    for (int textures : {0, 1}) {
        ViewFixture f([textures](TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                                 TViewHost& host) -> std::unique_ptr<TAnim> {
            static_cast<vantorel::testing::FakeHost&>(host).options[TOptions::Textures] = textures;
            return std::make_unique<TPlateau3D_10>(game, viewer, scene, host);
        });
        std::multiset<std::string> named;
        f.scene.ForEach([&](scene::TSceneObject& o) {
            if (o.Material().Library != &f.host.materials) return;
            named.insert(o.Material().LibraryMaterial);
            EXPECT_EQ(o.Material().TextureEnabled, textures == 1) << o.Name();
        });
        EXPECT_EQ(named, (std::multiset<std::string>{"Lune", "Lune", "Lune", "sol"}));
    }
}
