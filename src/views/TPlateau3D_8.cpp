#include "TPlateau3D_8.h"

#include "WindowMaterials.h"

#include "engine/Random.h"
#include "scene/TScene.h"
#include "scene/TShapes.h"

#include <cmath>

namespace vantorel {

using scene::Colour;
using scene::Vec3;

namespace {

constexpr double kTolerance = 0.001;
constexpr double kMarkerHeight = 0.045; // just over the picture's relief
const Colour kNoGlow{0, 0, 0, 1};
// The four corners of the ring round the board: the coin stacks and the dice stand there.
constexpr double kCorner = 8.5;

scene::TMaterial DiskMaterial(const Colour& emission) {
    scene::TMaterial m;
    m.SetAllColours(kNoGlow);
    m.Emission = emission;
    m.TextureEnabled = false;
    return m;
}

} // namespace

TPlateau3D_8::TPlateau3D_8(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                           TViewHost& host)
    : TAnim(game, viewer, scene, host) {
    ZoomStep = 20;
    SoundSlot[0] = 4; // "son5.WAV": a coin lands
    // The board's height is its z: coins rise off the picture along it.
    HeightAxis = 2;

    Board = TBoardPicture::Draw(Game.Model);
    ResetScene();
    BuildBoard();
    BuildPieces();
    if (UsesDice()) {
        Dice.Build(
            *BoardObject,
            [](int face) {
                return TCubeDice::Recoloured(face, QColor(240, 230, 200), QColor(0, 90, 40));
            },
            0.8, DieObjects);
        for (int die = 1; die <= 3; ++die)
            RestDie(die);
        for (int die = 1; die <= 3; ++die)
            if (Game.Dice[static_cast<size_t>(die)].Rolling > 0) {
                // A roll interrupted by a change of theme goes on.
                StartDiceRoll();
                break;
            }
    }
    Refresh();
    Frame->OnProgress = [this](scene::TSceneObject& sender, double delta, double time) {
        FrameProgress(sender, delta, time);
    };
}

TPlateau3D_8::~TPlateau3D_8() {
    Frame->OnProgress = nullptr;
    StopAnimation();
    DeleteDice();
    Labels.clear();
    // The board draws with this view's own picture: it goes before the picture does.
    if (BoardObject) Frame->DeleteChild(BoardObject);
    BoardObject = nullptr;
    PointObjects.clear();
    PieceObjects[0].clear();
    PieceObjects[1].clear();
}

void TPlateau3D_8::ResetScene() {
    TAnim::ResetScene();
    Camera->SetFocalLength(100);
    Camera->SetDepthOfView(150);
    Camera->SetPosition({0, 18.3, 2.5});
    Camera->SetTarget(Frame);
    Light->SetLightStyle(scene::TLight::Style::Spot);
    Light->SetPosition({0, 15, 3});
    Light->SetColours({0.15f, 0.15f, 0.15f, 1}, {0.498f, 1, 0, 1}, {0, 1, 0, 1});
    RotationAngle = 270;
}

double TPlateau3D_8::BoardAngle() const {
    return BoardObject ? BoardObject->RollAngle() : 0;
}

void TPlateau3D_8::SetBoardAngle(double degrees) {
    if (BoardObject) BoardObject->SetRollAngle(degrees);
}

Vec3 TPlateau3D_8::PointPlace(int point) const {
    const QPoint& p = Board.Points[static_cast<size_t>(point)];
    return {TBoardPicture::ToBoard(p.x(), kPixelsPerUnit),
            TBoardPicture::ToBoard(p.y(), kPixelsPerUnit), 0};
}

void TPlateau3D_8::BuildBoard() {
    const bool textures = Options()[TOptions::Textures] == 1;
    scene::THeightField* board =
        AddPictureBoard(*Frame, Board.Picture, kPixelsPerUnit, BoardMaterials, "plateau");
    board->SetName("plateau");
    // Tilted towards the eye: the board's z, its height, leans back from the vertical.
    board->SetDirection({0, 1, -1});
    board->SetUp({0, 0, 1});
    board->SetPosition({0, -12, -2});
    board->SetRollAngle(RotationAngle);
    BoardObject = board;

    // A ring round the board carrying the coin stacks' and the dice's stands at its corners.
    auto* ring = board->AddChild<scene::TTorus>();
    ring->SetName("plateau2");
    ring->SetShape(12, 0.4, 64, 10);
    ring->ResetOrientation({0, -1, 0}, {0, 0, 1}); // its axis along the board's height
    ring->SetTurnAngle(45);
    ring->SetMaterial(NamedMaterial(Host.Materials(), kMatBoisAncien, textures));
    const double s = 1; // white's corner
    std::vector<std::pair<std::string, Vec3>> stands = {{"plateau3", {kCorner * s, -8.2 * s, 0.1}},
                                                        {"plateau4", {-kCorner, 8.2, 0.1}}};
    if (UsesDice()) {
        stands.push_back({"plateau5", {kCorner, kCorner, 0.1}});
        stands.push_back({"plateau6", {-kCorner, -kCorner, 0.1}});
    }
    for (const auto& [name, at] : stands) {
        auto* stand = ring->AddChild<scene::TCylinder>();
        stand->SetName(name);
        stand->SetShape(1.2, 1, 0.7, 24);
        // Placed in the board's frame, whatever the ring's own turn.
        stand->SetPosition(ring->WorldToLocal(at * board->LocalToWorld()));
        stand->SetMaterial(NamedMaterial(Host.Materials(), kMatBoisAncien, textures));
    }

    for (int i = 0; i < Game.Model.PointCount(); ++i) {
        auto* disk = board->AddChild<scene::TDisk>();
        disk->SetName("L_" + std::to_string(i));
        disk->SetRadii(0, 0.3);
        Vec3 at = Board.HasPoint(i) ? PointPlace(i) : Vec3(0, 0, 0);
        at.z() = kMarkerHeight;
        disk->SetPosition(at);
        disk->SetMaterial(DiskMaterial(kNoGlow));
        // An arrow down at the point from above the coins, while the point is marked.
        auto* arrow = disk->AddChild<scene::TArrow>();
        arrow->SetShape(1.2, 0.05, 0.15, 0.4, 12);
        arrow->ResetOrientation({0, -1, 0}, {0, 0, 1});
        arrow->SetPosition({0, 0, 0.3});
        arrow->SetMaterial(DiskMaterial({1, 0.85f, 0.1f, 1}));
        arrow->SetVisible(false);
        PointObjects.push_back(disk);
        Arrows.push_back(arrow);
    }
}

scene::TSceneObject* TPlateau3D_8::ArrowOf(int point) const {
    return point >= 0 && point < static_cast<int>(Arrows.size())
               ? Arrows[static_cast<size_t>(point)]
               : nullptr;
}

void TPlateau3D_8::BuildPieces() {
    const int materials[2] = {kMatEuros, kMatDollars};
    for (int colour = 0; colour < 2; ++colour) {
        auto* coin = BoardObject->AddChild<scene::TCylinder>();
        coin->SetShape(0.7, 0.7, 0.1, 32);
        // The coins' faces are their whole look: always textured.
        coin->SetMaterial(NamedMaterial(Host.Materials(), materials[colour], true));
        coin->SetVisible(false);
        const char* prefix = colour == 0 ? "B_" : "N_";
        const auto count = Game.Pieces[static_cast<size_t>(colour)].size();
        for (size_t index = 0; index < count; ++index) {
            auto* proxy = BoardObject->AddChild<scene::TProxy>();
            proxy->SetMaster(coin);
            proxy->SetName(prefix + std::to_string(index));
            // Lying flat, each coin turned its own way.
            proxy->SetDirection({0, -1, 0});
            proxy->SetTurnAngle(RandomBelow(360));
            PieceObjects[static_cast<size_t>(colour)].push_back(proxy);
        }
    }
}

void TPlateau3D_8::AnimateMove(TPieceRef piece, uint8_t speed) {
    TAnim::AnimateMove(piece, speed);
    scene::TSceneObject* object = PieceObject(piece.Colour, piece.Index);
    if (!object || !object->Movement() || !object->Movement()->Travelling()) return;
    // The path's nodes would turn the coin back to no angle; it keeps its own instead.
    scene::TMovement& movement = *object->Movement();
    const scene::TMovementPath path = movement.Path(movement.ActivePath());
    movement.StopPathTravel();
    movement.ClearPaths();
    const int turned = movement.AddPath(path.Smooth);
    for (const scene::TPathNode& node : path.Nodes)
        movement.AddNode(turned, node.Position, {0, object->TurnAngle(), 0}, node.Speed);
    movement.SetActivePath(turned);
    movement.StartPathTravel();
}

RestingPlace TPlateau3D_8::PieceRestingPlace(int colour, int index) {
    const double side = colour == 0 ? 1.0 : -1.0;
    const TPieceRec& record = Game.Pieces[static_cast<size_t>(colour)][static_cast<size_t>(index)];
    if (record.State == TPieceRec::Captured) return {13 * side, 0, 5, false};
    if (record.State == TPieceRec::InReserve) {
        // One untidy stack a side on its stand.
        double x = kCorner * side, y = -8.2 * side;
        if (index % 2 == 0) x -= 0.05;
        if (index % 3 == 0) y -= 0.05;
        return {x, y, index * 0.11 + 0.5, true};
    }
    if (Board.HasPoint(record.Point)) {
        const Vec3 at = PointPlace(record.Point);
        return {at.x(), at.y(), 0.1, true};
    }
    return {5.5 * side, index * 1.2 - 5, 0, true};
}

void TPlateau3D_8::FrameProgress(scene::TSceneObject&, double, double) {
    if (!FrameStep(kTolerance, false, false)) return;
    SettleStrandedDice();
    DrawMarkers();
}

void TPlateau3D_8::DrawMarkers() {
    for (size_t point = 0; point < PointObjects.size(); ++point) {
        const char mark = point < Game.Highlight.size() ? Game.Highlight[point] : ' ';
        Colour emission = kNoGlow;
        bool pointed = true;
        switch (mark) {
        case 'D':
            emission = {1, 1, 1, 1};
            break;
        case 'P':
            emission = {1, 1, 0, 1};
            break;
        case 'S':
            emission = {0, 0, 1, 1};
            break;
        default:
            pointed = false;
        }
        if (Game.KeyboardCursor >= 0 && static_cast<size_t>(Game.KeyboardCursor) == point) {
            emission = {1, 0, 0, 1};
            pointed = true;
        }
        PointObjects[point]->SetMaterial(DiskMaterial(emission));
        Arrows[point]->SetVisible(pointed);
    }
}

void TPlateau3D_8::ShowDieFace(int die) {
    if (die < 1 || die > 3 || !DieObjects[static_cast<size_t>(die)]) return;
    Dice.ShowFace(die, Game.Dice[static_cast<size_t>(die)].Value);
}

void TPlateau3D_8::RestDie(int die) {
    scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)];
    if (!cube) return;
    // Value up, its sides squared with the board's turn.
    cube->ResetOrientation({0, 0, 1}, {0, 1, 0});
    cube->SetRollAngle(std::fmod(180 + RotationAngle + 180, 360));
}

void TPlateau3D_8::StartDiceRoll() {
    TAnim::StartDiceRoll();
    Scene.StopAllMovements();
    // From the corner of the side that rolls to the opposite one, stacking as they land.
    const double from = DiceSide == 1 ? kCorner : -kCorner;
    for (int die = 1; die <= 3; ++die) {
        scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)];
        if (!cube) continue;
        ShowDieFace(die);
        const double height = 0.8 * die;
        cube->SetPosition({from, from, height});
        RestDie(die);
        scene::TMovement& movement = cube->GetOrCreateMovement();
        movement.StopPathTravel();
        movement.ClearPaths();
        const int path = movement.AddPath(true);
        movement.AddNode(path, cube->Position(), {0, 0, 0}, 16);
        movement.AddNode(path, {0, 0, 2.0 * die}, {0, 0, 0}, 8);
        movement.AddNode(path, {-from, -from, height}, {0, 0, 0}, 8);
        movement.OnPathTravelStop = [this, die](scene::TMovement&, int, bool& looped) {
            looped = false;
            DieStopped(die);
        };
        movement.OnAllPathsTravelled = [this, die](scene::TMovement&) { DieStopped(die); };
        movement.SetActivePath(path);
        movement.StartPathTravel();
    }
}

void TPlateau3D_8::StopDiceRoll() {
    const bool thrown = DiceShown;
    TAnim::StopDiceRoll();
    for (int die = 1; die <= 3; ++die)
        if (scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)])
            if (cube->Movement()) cube->Movement()->StopPathTravel();
    // The throw was what kept the view busy.
    if (thrown) Animating = false;
}

void TPlateau3D_8::DieStopped(int die) {
    const bool last = DieCameToRest(die);
    ShowDieFace(die);
    RestDie(die);
    // This theme tells the game itself that its dice have stopped.
    if (last && Game.ClickState == kClickStopDice) ClickGame(-1, kNoColour, -1);
}

void TPlateau3D_8::SettleStrandedDice() {
    // A throw cut short by the animation time limit stops its movements but not the roll:
    // the dice come to rest at once, or the game would wait for them for ever.
    if (!DiceShown || Animating) return;
    for (int die = 1; die <= 3; ++die) {
        scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)];
        if (cube && Game.Dice[static_cast<size_t>(die)].Rolling == 1 &&
            !(cube->Movement() && cube->Movement()->Travelling()))
            DieStopped(die);
    }
}

void TPlateau3D_8::ShowNumbers(bool on) {
    NumbersShown = on;
    // Lying on the board, the labels turn back in its plane to stay readable.
    const double angle = std::fabs(360 - BoardAngle());
    if (!LabelsBuilt) {
        if (!on || !BoardObject) return;
        Host.ProcessPendingEvents();
        scene::TMaterial material;
        material.SetAllColours({0, 0, 0, 1});
        material.Emission = {1, 1, 1, 1};
        material.TextureEnabled = false;
        for (int i = 0; i < Game.Model.PointCount() && Board.HasPoint(i); ++i) {
            auto* label = BoardObject->AddChild<scene::TSpaceText>();
            label->SetText(std::to_string(i + 1), 0.5, 0.1);
            Vec3 at = PointPlace(i);
            at.z() = 0.3;
            label->SetPosition(at);
            label->SetMaterial(material);
            label->SetRollAngle(angle);
            Labels.push_back(label);
        }
        LabelsBuilt = true;
        Host.ProcessPendingEvents();
        return;
    }
    for (scene::TSceneObject* label : Labels) {
        label->SetVisible(on);
        label->SetRollAngle(angle);
    }
}

} // namespace vantorel
