// "3D Stonehenge": the stones' places, the tilted board's turn, the grass and its fallbacks,
// the die-face dice, without a window.
#include "ViewTestSupport.h"

#include "views/BitmapFonts.h"
#include "views/TPlateau3D_13.h"

#include "scene/TBitmapText.h"

#include <QTemporaryDir>

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

TPlateau3D_13& View(ViewFixture& f) {
    return static_cast<TPlateau3D_13&>(*f.view);
}

scene::Vec3 PointPlace(ViewFixture& f, int point) {
    const QPoint& p = View(f).Picture().Points[static_cast<size_t>(point)];
    return {(p.x() - 125) / 25.0, (p.y() - 125) / 25.0, -0.08};
}

// Dark blobs in one cell of an atlas: the pips of a die face.
int Pips(const QImage& atlas, const QRect& cell) {
    std::vector<bool> seen(static_cast<size_t>(cell.width() * cell.height()), false);
    auto dark = [&](int x, int y) {
        const QColor c = atlas.pixelColor(cell.left() + x, cell.top() + y);
        return c.alpha() > 200 && c.lightness() < 70;
    };
    int blobs = 0;
    // Inside the rim only: the outline is dark too.
    for (int y = 8; y < cell.height() - 8; ++y)
        for (int x = 8; x < cell.width() - 8; ++x) {
            if (seen[static_cast<size_t>(y * cell.width() + x)] || !dark(x, y)) continue;
            ++blobs;
            std::vector<std::pair<int, int>> todo{{x, y}};
            while (!todo.empty()) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                if (px < 8 || py < 8 || px >= cell.width() - 8 || py >= cell.height() - 8) continue;
                auto mark = seen[static_cast<size_t>(py * cell.width() + px)];
                if (mark || !dark(px, py)) continue;
                mark = true;
                todo.insert(todo.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
            }
        }
    return blobs;
}

} // namespace

// Guards the reserve: seven places along each side of the board, later stones standing on
// the ones of their column still there; captured stones go off the board and hide; a
// stone on a point stands on the board picture's circle.
TEST(Plateau3D13, StonesStackInSevenPlacesBesideTheBoard) {
    const struct {
        int pieces, colour, index;
        double x, y, z;
        bool visible;
    } cases[] = {
        {7, 0, 0, -5, 5.5, 0.5, true},  {7, 1, 6, 4, -5.5, 0.5, true},
        {9, 0, 7, -5, 5.5, 0.8, true},  {9, 1, 8, -3.5, -5.5, 0.8, true},
        {9, 1, 6, 4, -5.5, 0.5, true},  {12, 0, 11, 1, 5.5, 0.8, true},
        {12, 1, 4, 1, -5.5, 0.5, true}, {12, 0, 4, 1, 5.5, 0.5, true},
    };
    for (const auto& c : cases) {
        ViewFixture f(MakerOf<TPlateau3D_13>(), 1, PiecesPerSide(c.pieces));
        const RestingPlace place = f.view->PieceRestingPlace(c.colour, c.index);
        const auto where = ::testing::Message() << c.pieces << ": " << c.colour << "/" << c.index;
        EXPECT_NEAR(place.X, c.x, 1e-9) << where;
        EXPECT_NEAR(place.Y, c.y, 1e-9) << where;
        EXPECT_NEAR(place.Z, c.z, 1e-9) << where;
        EXPECT_EQ(place.Visible, c.visible) << where;
        EXPECT_NEAR(f.Object((c.colour ? "N_" : "B_") + std::to_string(c.index))->Position().z(),
                    c.z, 1e-6)
            << where;
    }
    // The stone under a stack leaves: the one above comes down to the ground place.
    ViewFixture f(MakerOf<TPlateau3D_13>(), 1, PiecesPerSide(9));
    f.game->Pieces[0][0].State = TPieceRec::Captured;
    f.game->Pieces[0][0].Point = -2;
    f.RunUntilIdle();
    EXPECT_NEAR(f.Object("B_7")->Position().z(), 0.5, 1e-9);
    EXPECT_FALSE(f.Object("B_0")->Visible());
    const scene::Vec3 captured = f.Object("B_0")->Position();
    EXPECT_NEAR(captured.x(), -15, 1e-9);
    EXPECT_NEAR(captured.y(), 10, 1e-9);
    EXPECT_NEAR(captured.z(), 2, 1e-9);
}

// Guards a move with a capture on the picture board: the mover lands on its point's circle
// first, then the captured stone leaves with its own sound and ends hidden.
TEST(Plateau3D13, ACaptureIsShownAfterTheMove) {
    ViewFixture f(MakerOf<TPlateau3D_13>());
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
    int frames = 0;
    while (f.Object("B_8")->Movement()->Travelling() && frames++ < 1000) {
        EXPECT_EQ(f.Object("N_3")->Movement(), nullptr);
        f.RunFrames(1);
    }
    ASSERT_NE(f.Object("N_3")->Movement(), nullptr);
    EXPECT_EQ(f.view->PendingSound, 2);
    f.RunUntilIdle();
    const scene::Vec3 at = f.Object("B_8")->Position(), expected = PointPlace(f, 4);
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(at[c], expected[c], 1e-9) << c;
    EXPECT_TRUE(f.Object("B_8")->Visible());
    EXPECT_NEAR(f.Object("N_3")->Position().y(), -10, 1e-9);
    EXPECT_FALSE(f.Object("N_3")->Visible());
}

// Guards the turn of the tilted board: it starts at 90 degrees (rolled 270 about its face),
// follows the rotation about its face without leaving its plane, and its labels turn back.
TEST(Plateau3D13, TheBoardTurnsAboutItsFace) {
    ViewFixture f(MakerOf<TPlateau3D_13>());
    EXPECT_DOUBLE_EQ(f.view->RotationAngle, 90);
    scene::TSceneObject* board = f.Object("plateau");
    EXPECT_DOUBLE_EQ(board->RollAngle(), 270);
    const scene::Vec3 face = board->Direction();
    const scene::Vec3 before = f.Object("L_0")->WorldPosition();
    f.view->ShowNumbers(true);
    f.view->RotationAngle = 120;
    f.RunFrames(1);
    EXPECT_DOUBLE_EQ(board->RollAngle(), 300);
    EXPECT_NEAR((board->Direction() - face).length(), 0, 1e-9); // still facing the same way
    EXPECT_GT((f.Object("L_0")->WorldPosition() - before).length(), 1);
    int labels = 0;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() != scene::TObjectKind::SpaceText) return;
        ++labels;
        EXPECT_DOUBLE_EQ(o.RollAngle(), 240);
    });
    EXPECT_EQ(labels, 24);
}

// Guards the grass: the program's own resource first, then the file, then plain green.
TEST(Plateau3D13, GrassComesFromTheResourceThenTheFileThenPlainGreen) {
    QTemporaryDir folder;
    const QString file = folder.path() + QStringLiteral("/HERBE.BMP");
    QImage red(16, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(file, "BMP"));
    const struct {
        QString resource, file;
        QSize size;
        QColor corner;
    } cases[] = {
        {QStringLiteral(":/HERBE"), file, QSize(256, 256), QColor()},
        {QStringLiteral(":/nothing"), file, QSize(16, 8), QColor(Qt::red)},
        {QStringLiteral(":/nothing"), folder.path() + QStringLiteral("/none.bmp"), QSize(40, 40),
         QColor(0, 128, 0)},
    };
    for (const auto& c : cases) {
        TPlateau3D_13::GrassResource = c.resource;
        TPlateau3D_13::GrassFile = c.file;
        const QImage grass = TPlateau3D_13::LoadGrass();
        EXPECT_EQ(grass.size(), c.size) << c.resource.toStdString();
        if (c.corner.isValid()) {
            EXPECT_EQ(grass.pixelColor(0, 0), c.corner);
        }
    }
    TPlateau3D_13::GrassResource = QStringLiteral(":/HERBE");
    TPlateau3D_13::GrassFile.clear();
    // Our own grass is green, and it shows wherever the board picture is white, not on
    // its lines and circles.
    const QImage grass = TPlateau3D_13::LoadGrass();
    const QColor middle = grass.pixelColor(128, 128);
    EXPECT_GT(middle.green(), middle.red());
    ViewFixture f(MakerOf<TPlateau3D_13>());
    const QImage board = View(f).Picture().Picture;
    const QImage laid = TPlateau3D_13::GrassedBoard(board, grass);
    const QPoint circle = View(f).Picture().Points[0];
    EXPECT_EQ(laid.pixelColor(circle), board.pixelColor(circle));
    EXPECT_EQ(laid.pixelColor(2, 2), grass.pixelColor(2, 2));
}

// Guards the dice: three die faces of the second font, growing by a quarter of the frame
// time up to full size, settling after about two seconds whatever the delay option says,
// the stopping click left to the player.
TEST(Plateau3D13, TheDieFacesSettleAfterTwoSecondsAndWaitForThePlayer) {
    for (int delay : {100, 9000}) {
        ViewFixture f(MakerOf<TPlateau3D_13>(), 1, PiecesPerSide(9, 1));
        f.host.options[TOptions::DiceDelayMs] = delay;
        scene::TBitmapText* text = nullptr;
        f.scene.ForEach([&](scene::TSceneObject& o) {
            if (o.Kind() == scene::TObjectKind::BitmapText)
                text = static_cast<scene::TBitmapText*>(&o);
        });
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->Font()->Name(), "BitmapFont2");
        f.game->RollDice();
        f.game->Click(0);
        EXPECT_EQ(text->Position().y(), f.viewer->ClientHeight() / 2.0 - 15);
        const uint32_t start = f.now;
        f.RunFrames(100, 20);
        EXPECT_NEAR(text->Scale().x(), 0.5, 1e-9);
        while (f.view->DiceShown && f.now - start < 4000)
            f.RunFrames(1, 20);
        EXPECT_GT(f.now - start, 2000u) << delay;
        EXPECT_LT(f.now - start, 2600u) << delay;
        EXPECT_EQ(text->Scale().x(), 1);
        EXPECT_EQ(f.game->ClickState, kClickStopDice) << delay;
        EXPECT_FALSE(f.view->IsAnimating());
    }
    // Each face of the font carries its number of pips.
    const scene::TBitmapFont& font = BitmapFont2();
    for (int face = 1; face <= 6; ++face)
        EXPECT_EQ(Pips(font.Atlas(), font.Find(static_cast<char>('0' + face))->Cell), face) << face;
}

// Guards picking on the tilted board: a slab clicks its point, a stone on the board the
// point it stands on, a stone of the reserve nothing; and a board at rest draws nothing.
TEST(Plateau3D13, SlabsAndStonesArePickedByName) {
    ViewFixture f(MakerOf<TPlateau3D_13>());
    f.PressOn("B_0");
    EXPECT_EQ(f.game->Pieces[0][8].State, TPieceRec::InReserve);
    f.PressOn("L_4");
    EXPECT_EQ(f.game->Pieces[0][8].Point, 4);
    f.RunUntilIdle();
    const auto [x, y] = f.PixelOf("B_8");
    ASSERT_NE(f.viewer->PickNearest(x, y), nullptr);
    EXPECT_EQ(f.viewer->PickNearest(x, y)->Name(), "B_8");
    f.PressOn("B_8");
    EXPECT_EQ(f.game->Pieces[1][8].State, TPieceRec::InReserve);
    EXPECT_TRUE(f.host.errors.empty());
    // At rest, the frame step changes nothing: the viewer may stop drawing.
    f.RunUntilIdle();
    const uint64_t revision = f.scene.Revision();
    f.RunFrames(10);
    EXPECT_EQ(f.scene.Revision(), revision);
}

// Guards the materials and the digits of the first font: the stones and the boulder use
// the window's named materials as the option says; every glyph of the dot font differs.
TEST(Plateau3D13, StonesUseTheWindowsMaterialsAndTheDigitsDiffer) {
    for (int textures : {0, 1}) {
        ViewFixture f([textures](TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                                 TViewHost& host) -> std::unique_ptr<TAnim> {
            static_cast<vantorel::testing::FakeHost&>(host).options[TOptions::Textures] = textures;
            return std::make_unique<TPlateau3D_13>(game, viewer, scene, host);
        });
        std::multiset<std::string> named;
        f.scene.ForEach([&](scene::TSceneObject& o) {
            if (o.Material().Library != &f.host.materials) return;
            named.insert(o.Material().LibraryMaterial);
            EXPECT_EQ(o.Material().TextureEnabled, textures == 1) << o.Name();
        });
        EXPECT_EQ(named,
                  (std::multiset<std::string>{"Planete_rouge", "pierre_blanche", "pierre_noire"}));
    }
    std::set<std::vector<std::string>> glyphs;
    for (char c : std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
        const auto glyph = DotGlyph(c);
        ASSERT_EQ(glyph.size(), 7u) << c;
        for (const std::string& row : glyph)
            EXPECT_EQ(row.size(), 5u) << c;
        glyphs.insert(glyph);
        EXPECT_NE(BitmapFont1().Find(c), nullptr) << c;
    }
    EXPECT_EQ(glyphs.size(), 36u);
}
