// The view base: the frame step that shows every change of the game one piece at a time,
// the time-out, the mouse, the board fitting and the dice protocol.
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::ViewFixture;

namespace {

bool AtRest(ViewFixture& f, int colour, int index) {
    const RestingPlace place = f.view->PieceRestingPlace(colour, index);
    const auto* object = f.Object((colour == 0 ? "B_" : "N_") + std::to_string(index));
    const auto& at = object->Position();
    return std::abs(at.x() - place.X) < 1e-6 && std::abs(at.y() - place.Y) < 1e-6 &&
           std::abs(at.z() - place.Z) < 1e-6 && object->Visible() == place.Visible;
}

} // namespace

// Guards the fitting of the board into its square: the widest extent fills the size, the
// centre is rounded to whole model units.
TEST(Anim, FitBoardFillsTheSquareAroundTheRoundedCentre) {
    ViewFixture f;
    double minX = 1e9, maxX = -1e9;
    for (const auto& p : f.game->Model.Points) {
        minX = std::min(minX, f.view->BoardX(p.X));
        maxX = std::max(maxX, f.view->BoardX(p.X));
    }
    EXPECT_NEAR(maxX - minX, 10.0, 1e-9);
    EXPECT_NEAR(maxX + minX, 0.0, 1.0); // centred within the rounding of the centre
}

// Guards the pull-driven animation: a placement is noticed, animated, and its 'D' mark
// blanked when the piece lands, with the landing sound queued.
TEST(Anim, APlacementIsAnimatedAndItsMarkGoesWhenItLands) {
    ViewFixture f;
    f.game->Click(0);
    ASSERT_EQ(f.game->Pieces[0][8].Point, 0);
    f.RunFrames(1);
    EXPECT_TRUE(f.view->IsAnimating());
    bool landedSound = false;
    for (int k = 0; k < 500 && f.view->IsAnimating(); ++k) {
        f.RunFrames(1);
        landedSound |= f.view->PendingSound == 1;
    }
    EXPECT_FALSE(f.view->IsAnimating());
    EXPECT_TRUE(landedSound);
    EXPECT_TRUE(AtRest(f, 0, 8));
    EXPECT_EQ(f.game->Highlight[0], ' ');
}

// Guards the order of several changes with the same stamp: white before black, lower
// index first, one at a time.
TEST(Anim, EqualStampsGoWhiteFirstThenLowerIndex) {
    ViewFixture f;
    for (int colour = 0; colour < 2; ++colour)
        for (int index : {3, 1}) {
            auto& record = f.game->Pieces[colour][index];
            record.State = TPieceRec::OnBoard;
            record.Point = static_cast<int8_t>(colour * 10 + index);
            record.Stamp = 5;
        }
    // The piece travelling at each frame, recorded when it changes.
    std::vector<std::string> order;
    for (int k = 0; k < 4000; ++k) {
        f.RunFrames(1);
        for (int colour = 0; colour < 2; ++colour)
            for (int index : {1, 3}) {
                const std::string name = (colour ? "N_" : "B_") + std::to_string(index);
                const auto* movement = f.Object(name)->Movement();
                if (movement && movement->Travelling() && (order.empty() || order.back() != name))
                    order.push_back(name);
            }
        if (!f.view->IsAnimating() && order.size() >= 4) break;
    }
    EXPECT_EQ(order, (std::vector<std::string>{"B_1", "B_3", "N_1", "N_3"}));
}

// Guards the time-out: an animation longer than MaxAnimMs is cut, every piece jumps to
// its place and every mark disappears.
TEST(Anim, AnAnimationPastTheTimeLimitIsCutShort) {
    ViewFixture f;
    f.host.options[TOptions::MaxAnimMs] = 30;
    f.game->Click(5);
    f.RunFrames(1, 10);
    ASSERT_TRUE(f.view->IsAnimating());
    f.RunFrames(1, 50);
    EXPECT_FALSE(f.view->IsAnimating());
    EXPECT_TRUE(AtRest(f, 0, 8));
    EXPECT_EQ(f.game->Highlight.find_first_not_of(' '), std::string::npos);
}

// Guards the mouse: a press on a marker clicks its point, a press on a piece in the
// reserve does nothing, an illegal click only beeps.
TEST(Anim, PressesClickPointsAndReservePiecesGiveNothing) {
    ViewFixture f;
    f.PressOn("B_0"); // in the reserve
    EXPECT_EQ(f.game->Pieces[0][8].State, TPieceRec::InReserve);
    f.PressOn("L_4");
    EXPECT_EQ(f.game->Pieces[0][8].Point, 4);
    f.RunUntilIdle();
    // Black to place on the point white holds: refused, never reported as an error.
    f.PressOn("B_8");
    EXPECT_EQ(f.game->Pieces[1][8].State, TPieceRec::InReserve);
    EXPECT_TRUE(f.host.errors.empty());
}

// Guards the dice-stop rule: while the dice roll, any press anywhere stops them.
TEST(Anim, AnyPressStopsRollingDice) {
    ViewFixture f(1, [](TPlateau& g) {
        g.Model.DiceRule = 1;
        g.NewGame();
    });
    f.game->RollDice();
    f.game->Click(0);
    ASSERT_EQ(f.game->ClickState, kClickStopDice);
    f.view->SetAnimating(false);
    f.view->MouseDown(scene::TMouseButton::Left, scene::kLeft, 1, 1); // the corner: nothing
    EXPECT_NE(f.game->ClickState, kClickStopDice);
}

// Guards the drag rotation: a drag that starts on the board turns it by a tenth of a
// degree per pixel from the press point, on every move event.
TEST(Anim, DraggingTheBoardTurnsIt) {
    ViewFixture f;
    const double start = f.view->RotationAngle;
    // A pixel of the board away from every marker and piece.
    auto [x, y] = f.PixelOf("plateau");
    y += 3;
    x += 3;
    f.view->MouseDown(scene::TMouseButton::Left, scene::kLeft, x, y);
    f.view->MouseMove(scene::kLeft, x + 20, y);
    f.view->MouseMove(scene::kLeft, x + 30, y);
    EXPECT_DOUBLE_EQ(f.view->RotationAngle, start + 2.0 + 3.0);
    f.view->MouseUp(scene::TMouseButton::Left, 0, x + 30, y);
    f.view->MouseMove(scene::kLeft, x + 60, y);
    EXPECT_DOUBLE_EQ(f.view->RotationAngle, start + 5.0);
}

// Guards the cursor feedback: a candidate point shows the hand, another point the
// not-allowed sign, empty space the arrow.
TEST(Anim, TheCursorTellsCandidatesApart) {
    ViewFixture f;
    f.game->MarkMoveHints(f.game->SideToMove);
    f.game->Highlight[3] = ' ';
    auto [cx, cy] = f.PixelOf("L_2");
    f.view->MouseMove(0, cx, cy);
    EXPECT_EQ(f.viewer->cursor().shape(),
              f.game->Highlight[2] == 'C' ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
    auto [nx, ny] = f.PixelOf("L_3");
    f.view->MouseMove(0, nx, ny);
    EXPECT_EQ(f.viewer->cursor().shape(), Qt::ForbiddenCursor);
    f.view->MouseMove(0, 1, 1);
    EXPECT_EQ(f.viewer->cursor().shape(), Qt::ArrowCursor);
}

// Guards the bare intro view: a frame, a camera and a light, no board, nothing moves.
TEST(Anim, TheIntroViewHasNoBoard) {
    ViewFixture f(1, {}, false);
    EXPECT_NE(f.Object("Cadre"), nullptr);
    EXPECT_EQ(f.Object("plateau"), nullptr);
    EXPECT_EQ(f.Object("L_0"), nullptr);
    f.view->Refresh();
    EXPECT_FALSE(f.view->IsAnimating());
}
