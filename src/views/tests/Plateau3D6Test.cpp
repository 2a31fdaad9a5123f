// "3 D classique": its pieces, resting places, marker glow and dice, without a window.
#include "ViewTestSupport.h"

#include "views/TPlateau3D_6.h"
#include "views/WindowMaterials.h"

#include "TokenMesh.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <set>

using namespace vantorel;
using vantorel::testing::MakerOf;
using vantorel::testing::ViewFixture;

namespace {

// The token written by the build's own tool, into a folder of the test's.
struct TokenFile {
    QTemporaryDir folder;
    std::string path = (folder.path() + QStringLiteral("/jeton2.3ds")).toStdString();
    TokenFile() {
        const auto bytes = token::TokenFile3ds();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        TPlateau3D_6::PieceMeshFile = path;
    }
    ~TokenFile() { TPlateau3D_6::PieceMeshFile.clear(); }
};

std::function<void(TPlateau&)> PiecesPerSide(int count, int dice = 0) {
    return [count, dice](TPlateau& game) {
        game.Model.PiecesPerSide[0] = game.Model.PiecesPerSide[1] = static_cast<uint8_t>(count);
        game.Model.DiceRule = static_cast<uint8_t>(dice);
        game.NewGame();
    };
}

TPlateau3D_6& View(ViewFixture& f) {
    return static_cast<TPlateau3D_6&>(*f.view);
}

std::vector<scene::TSceneObject*> Dice(ViewFixture& f) {
    std::vector<scene::TSceneObject*> dice;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() == scene::TObjectKind::Dummy && o.Children().size() == 6) dice.push_back(&o);
    });
    return dice;
}

} // namespace

// Guards the piece model: our own token is read through the scene's 3DS loader, and a
// missing or unreadable file leaves cylinders with the same ivory and ebony materials.
TEST(Plateau3D6, PiecesAreTheTokenMeshOrCylindersWithoutIt) {
    TokenFile token;
    QTemporaryDir junk;
    const std::string garbage = (junk.path() + QStringLiteral("/jeton2.3ds")).toStdString();
    std::ofstream(garbage) << "not a mesh";
    const struct {
        std::string file;
        bool mesh;
    } cases[] = {{token.path, true}, {"/nonexistent/jeton2.3ds", false}, {garbage, false}};
    for (const auto& c : cases) {
        TPlateau3D_6::PieceMeshFile = c.file;
        ViewFixture f(MakerOf<TPlateau3D_6>());
        EXPECT_EQ(View(f).MeshPieces(), c.mesh) << c.file;
        int models = 0, meshes = 0, cylinders = 0;
        std::set<std::string> materials;
        f.scene.ForEach([&](scene::TSceneObject& o) {
            if (o.Kind() != scene::TObjectKind::FreeForm &&
                o.Kind() != scene::TObjectKind::Cylinder)
                return;
            ++models;
            meshes += o.Kind() == scene::TObjectKind::FreeForm;
            cylinders += o.Kind() == scene::TObjectKind::Cylinder;
            EXPECT_FALSE(o.Visible()); // drawn only through the proxies
            materials.insert(o.Material().LibraryMaterial);
        });
        EXPECT_EQ(models, 2) << c.file;
        EXPECT_EQ(meshes, c.mesh ? 2 : 0) << c.file;
        EXPECT_EQ(cylinders, c.mesh ? 0 : 2) << c.file;
        EXPECT_EQ(materials, (std::set<std::string>{"ivoire", "ebene"})) << c.file;
        EXPECT_NE(f.Object("B_8"), nullptr);
        EXPECT_NE(f.Object("N_8"), nullptr);
        EXPECT_EQ(f.Object("plateau")->Parent(), f.Object("Cadre"));
    }
}

// Guards the reserve: seven places along each side, later pieces standing on the ones of
// their column still there, nudged sideways; a piece leaves, the one above comes down.
TEST(Plateau3D6, TheReserveStacksInSevenPlaces) {
    const struct {
        int pieces, colour, index;
        double x, y, z;
    } cases[] = {
        {7, 0, 0, -5.9, 0.35, -5},        {7, 1, 6, 5.9, 0.35, 4},
        {9, 0, 7, -5.9 - 0.05, 0.55, -5}, {9, 1, 8, 5.9 + 0.05, 0.55, -3.5},
        {9, 1, 6, 5.9, 0.35, 4},          {12, 0, 11, -5.9 - 0.05, 0.55, 1},
        {12, 1, 7, 5.9 - 0.05, 0.55, -5}, {12, 1, 4, 5.9, 0.35, 1},
    };
    for (const auto& c : cases) {
        ViewFixture f(MakerOf<TPlateau3D_6>(), 1, PiecesPerSide(c.pieces));
        const RestingPlace place = f.view->PieceRestingPlace(c.colour, c.index);
        const auto where = ::testing::Message() << c.pieces << ": " << c.colour << "/" << c.index;
        EXPECT_NEAR(place.X, c.x, 1e-9) << where;
        EXPECT_NEAR(place.Y, c.y, 1e-9) << where;
        EXPECT_NEAR(place.Z, c.z, 1e-9) << where;
        EXPECT_TRUE(place.Visible);
        // The scene shows it there.
        const scene::Vec3 at =
            f.Object((c.colour ? "N_" : "B_") + std::to_string(c.index))->Position();
        EXPECT_NEAR(at.x(), c.x, 1e-6) << where;
        EXPECT_NEAR(at.y(), c.y, 1e-6) << where;
    }
}

// Guards the order of a move with a capture: the mover (older stamp) lands first, then the captured
// piece leaves with its own sound and hides off the board.
TEST(Plateau3D6, ACaptureIsShownAfterTheMoveAndTheCapturedPieceHides) {
    ViewFixture f(MakerOf<TPlateau3D_6>());
    auto& mover = f.game->Pieces[0][8];
    mover.State = TPieceRec::OnBoard;
    mover.Point = 4;
    mover.Stamp = 5;
    auto& taken = f.game->Pieces[1][3];
    taken.State = TPieceRec::Captured;
    taken.Point = -2;
    taken.Stamp = 6;
    f.RunFrames(1);
    ASSERT_TRUE(f.view->IsAnimating());
    EXPECT_TRUE(f.Object("B_8")->Movement()->Travelling());
    EXPECT_TRUE(f.Object("N_3")->Visible());
    int frames = 0;
    while (f.Object("B_8")->Movement()->Travelling() && frames++ < 1000) {
        EXPECT_EQ(f.Object("N_3")->Movement(), nullptr); // waits for the mover
        f.RunFrames(1);
    }
    // In the frame the mover lands, the captured piece sets off, with its sound.
    ASSERT_NE(f.Object("N_3")->Movement(), nullptr);
    EXPECT_TRUE(f.Object("N_3")->Movement()->Travelling());
    EXPECT_EQ(f.view->PendingSound, 2);
    f.RunUntilIdle();
    const auto& p = f.game->Model.Points[4];
    const scene::Vec3 at = f.Object("B_8")->Position();
    EXPECT_NEAR(at.x(), f.view->BoardX(p.X), 1e-9);
    EXPECT_NEAR(at.y(), 0.35, 1e-9);
    EXPECT_NEAR(at.z(), f.view->BoardY(p.Y), 1e-9);
    EXPECT_TRUE(f.Object("B_8")->Visible());
    EXPECT_NEAR(f.Object("N_3")->Position().z(), -15, 1e-9);
    EXPECT_FALSE(f.Object("N_3")->Visible());
}

// Guards the markers: a mark glows in its colour and swells to its radius a little each
// frame, never past 0.6; the keyboard cursor wins; an unmarked point goes back to brass.
TEST(Plateau3D6, MarkersGlowAndSwellTowardTheirMark) {
    ViewFixture f(MakerOf<TPlateau3D_6>());
    f.game->Highlight = std::string(24, ' ');
    f.game->Highlight[1] = 'D';
    f.game->Highlight[2] = 'P';
    f.game->Highlight[3] = 'S';
    f.game->KeyboardCursor = 5;
    auto marker = [&](int point) {
        return static_cast<scene::TDisk*>(f.Object("L_" + std::to_string(point)));
    };
    f.RunFrames(1, 100);
    EXPECT_NEAR(marker(2)->OuterRadius(), 0.41, 1e-9); // grows by delta / 10
    EXPECT_GT(marker(2)->Material().Emission.r(), 0.8f);
    f.RunFrames(60, 100);
    const struct {
        int point;
        scene::Colour colour;
        double radius;
    } cases[] = {{1, {1, 1, 1, 1}, 0.45},
                 {2, {1, 0, 0, 1}, 0.5},
                 {3, {0, 0, 1, 1}, 0.5},
                 {5, {1, 0.5f, 0, 1}, 0.5},
                 {0, {0.8f, 0.498f, 0.196f, 1}, 0.4}};
    for (const auto& c : cases) {
        EXPECT_EQ(marker(c.point)->Material().Emission, c.colour) << c.point;
        EXPECT_NEAR(marker(c.point)->OuterRadius(), c.radius, 1e-9) << c.point;
    }
    f.game->Highlight[2] = ' ';
    f.RunFrames(1);
    EXPECT_NEAR(marker(2)->OuterRadius(), 0.4, 1e-9); // shrinks at once
}

// Guards the dice: thrown from the far side, they come to rest upright on their places
// with their values on top, and leave the stopping click to the player.
TEST(Plateau3D6, DiceLandOnTheirPlacesAndWaitForThePlayersClick) {
    ViewFixture f(MakerOf<TPlateau3D_6>(), 1, PiecesPerSide(9, 1));
    f.game->RollDice();
    f.game->Click(0); // the roll shows
    ASSERT_TRUE(f.view->DiceShown);
    const auto dice = Dice(f);
    ASSERT_EQ(dice.size(), 3u);
    f.RunFrames(1);
    EXPECT_LT(dice[0]->Position().z(), 0); // on its way from the far side
    const int frames = f.RunUntilIdle(20, 1000);
    EXPECT_LT(frames, 1000);
    for (int die = 1; die <= 3; ++die) {
        const scene::TSceneObject* cube = dice[static_cast<size_t>(die - 1)];
        EXPECT_NEAR(cube->Position().x(), 3.0 * die - 6, 1e-9);
        EXPECT_NEAR(cube->Position().y(), 0.7, 1e-9);
        EXPECT_NEAR(cube->Position().z(), 6, 1e-9);
        // The +z face points up and carries the value.
        EXPECT_NEAR(cube->Direction().y(), 1, 1e-9);
        EXPECT_EQ(cube->Children()[0]->Tag, f.game->Dice[die].Value);
        EXPECT_EQ(f.game->Dice[die].Rolling, 2);
        EXPECT_TRUE(cube->Visible());
    }
    EXPECT_FALSE(f.view->IsAnimating());
    EXPECT_EQ(f.game->ClickState, kClickStopDice); // the player's click stops them
}

// Guards the face rule: opposite faces add up to seven and every face shows once.
TEST(Plateau3D6, EveryDieShowsSixDifferentFacesOppositesMakingSeven) {
    for (int value = 1; value <= 6; ++value) {
        const std::array<int, 6> faces = TPlateau3D_6::DieFaces(value);
        EXPECT_EQ(faces[0], value);
        EXPECT_EQ(std::set<int>(faces.begin(), faces.end()).size(), 6u) << value;
        for (size_t k = 0; k < 6; k += 2)
            EXPECT_EQ(faces[k] + faces[k + 1], 7) << value;
    }
}

// Guards the option: with textures off every named material shows its colours only; the
// window's library holds the 21 materials, each with a power-of-two picture.
TEST(Plateau3D6, TexturesFollowTheOption) {
    for (int textures : {0, 1}) {
        ViewFixture f([textures](TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                                 TViewHost& host) -> std::unique_ptr<TAnim> {
            static_cast<vantorel::testing::FakeHost&>(host).options[TOptions::Textures] = textures;
            return std::make_unique<TPlateau3D_6>(game, viewer, scene, host);
        });
        int named = 0;
        f.scene.ForEach([&](scene::TSceneObject& o) {
            if (o.Material().Library != &f.host.materials) return;
            ++named;
            EXPECT_EQ(o.Material().TextureEnabled, textures == 1) << o.Name();
        });
        EXPECT_EQ(named, 3); // the board and the two piece models
    }
    scene::TMaterialLibrary library;
    BuildWindowMaterials(library);
    ASSERT_EQ(library.Count(), kWindowMaterialCount);
    EXPECT_EQ(library.At(kMatBoisAncien)->Name, "Bois Ancien");
    EXPECT_EQ(library.At(kMatMotifMoyenAge)->Name, "Motif_moyen_age");
    for (int k = 0; k < library.Count(); ++k) {
        const QImage& picture = library.At(k)->Picture;
        EXPECT_EQ(picture.width() & (picture.width() - 1), 0) << k;
        EXPECT_EQ(picture.height() & (picture.height() - 1), 0) << k;
    }
}

// Guards the turn: the board follows the rotation angle, the labels turn back to face the
// camera.
TEST(Plateau3D6, TheBoardFollowsTheRotationAndTheLabelsFaceTheCamera) {
    ViewFixture f(MakerOf<TPlateau3D_6>());
    f.view->ShowNumbers(true);
    f.view->RotationAngle = 30;
    f.RunFrames(1);
    EXPECT_DOUBLE_EQ(f.Object("plateau")->TurnAngle(), 30);
    int labels = 0;
    f.scene.ForEach([&](scene::TSceneObject& o) {
        if (o.Kind() != scene::TObjectKind::SpaceText) return;
        ++labels;
        EXPECT_DOUBLE_EQ(o.TurnAngle(), 330);
    });
    EXPECT_EQ(labels, 24);
}

// Guards picking in perspective: a marker and a piece on the board are found by their
// pixel and click their point; a piece in the reserve clicks nothing.
TEST(Plateau3D6, MarkersAndPiecesArePickedByName) {
    ViewFixture f(MakerOf<TPlateau3D_6>());
    f.PressOn("B_0"); // in the reserve
    EXPECT_EQ(f.game->Pieces[0][8].State, TPieceRec::InReserve);
    f.PressOn("L_4");
    EXPECT_EQ(f.game->Pieces[0][8].Point, 4);
    f.RunUntilIdle();
    EXPECT_EQ(f.viewer->PickNearest(f.PixelOf("B_8").first, f.PixelOf("B_8").second)->Name(),
              "B_8");
    // Black cannot place on the point white holds: never an error.
    f.PressOn("B_8");
    EXPECT_EQ(f.game->Pieces[1][8].State, TPieceRec::InReserve);
    EXPECT_TRUE(f.host.errors.empty());
}
