#include "Tplateau2D_manu.h"

#include "TPlateau3D_6.h"
#include "WindowMaterials.h"

#include "engine/Random.h"
#include "scene/TScene.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace vantorel {

using scene::Colour;
using scene::Vec3;

namespace {

constexpr double kTolerance = 0.001;
const Colour kGrey{0.8f, 0.8f, 0.8f, 1};
const Colour kInk{0.1f, 0.03f, 0.01f, 0.5f};
constexpr double kDieHalf = 1.5;
const Vec3 kDieRestDirection{0, 0, 1};
const Vec3 kDieRestUp{0, 1, 0};

std::string FaceName(int face) {
    return "IMG" + std::to_string(face);
}

scene::TMaterial Plain(const Colour& colour) {
    scene::TMaterial material;
    material.SetAllColours(colour);
    material.TextureEnabled = false;
    return material;
}

Vec3 RandomAngles(int axes) {
    return {static_cast<double>(RandomBelow(180)), static_cast<double>(RandomBelow(180)),
            axes > 2 ? static_cast<double>(RandomBelow(180)) : 0.0};
}

} // namespace

Tplateau2D_manu::Tplateau2D_manu(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                                 TViewHost& host)
    : TAnim(game, viewer, scene, host) {
    HeightAxis = 2;
    SmoothPaths = false;
    CaptureSound = false;
    FitBoard(20);
    ResetScene();
    MovingPiece = {};
    FromPoint = ToPoint = -1;
    VisibleAtEnd = true;
    Target = {0, 0, 0};

    BuildPage();
    BuildBoard();
    if (UsesDice()) BuildDice();
    Refresh();
    Frame->OnProgress = [this](scene::TSceneObject& sender, double delta, double time) {
        FrameProgress(sender, delta, time);
    };
}

Tplateau2D_manu::~Tplateau2D_manu() {
    Frame->OnProgress = nullptr;
    StopAnimation();
    DeleteDice();
    Labels.clear();
}

void Tplateau2D_manu::ResetScene() {
    TAnim::ResetScene();
    auto& buffer = Viewer.Buffer();
    buffer.BackgroundColour = {0, 0, 1, 1};
    buffer.Fog = false;
    buffer.DepthTest = true;
    // This page starts turned half a turn, as the flat board does.
    RotationAngle = 180;
    Camera->SetFocalLength(80);
    Camera->SetDepthOfView(100);
    Camera->SetDirection({0, -1, 0});
    Camera->SetUp({0, 0, -1});
    Camera->SetCameraStyle(scene::TCamera::Style::Perspective);
    Camera->SetSceneScale(1);
    Camera->SetTarget(nullptr);
    Camera->SetPosition({0, 55, 0});
    Light->SetPosition({0, 20, 10});
    Light->SetLightStyle(scene::TLight::Style::Omni);
    Light->SetColours({0, 0, 1, 1}, {0.85f, 0.85f, 0.85f, 1}, {0, 0, 0, 1});
    SoundSlot[0] = 0; // "classique"
    SoundSlot[2] = 5; // "des.WAV"
}

void Tplateau2D_manu::BuildPage() {
    const bool textures = Options()[TOptions::Textures] == 1;
    auto* background = Frame->AddChild<scene::TPlane>();
    background->SetSize(100, 100);
    background->SetTiles(20, 10);
    background->SetDirection({0, 1, 0});
    background->SetPosition({0, -2.6, 0});
    background->SetMaterial(NamedMaterial(Host.Materials(), kMatFondMoyenAge, true));

    auto* page = Frame->AddChild<scene::TPlane>();
    page->SetSize(50, 26);
    page->SetTiles(10, 5);
    page->SetDirection({0, 1, 0});
    page->SetPosition({0, -2.3, 0});
    page->SetMaterial(NamedMaterial(Host.Materials(), kMatMotifMoyenAge, textures));
}

void Tplateau2D_manu::BuildBoard() {
    // An invisible frame, not named "plat...": a drag on this page never turns it.
    auto* board = Frame->AddChild<scene::TDummyCube>();
    board->SetPosition({0, -2, 0});
    board->SetDirection({0, 1, 0});
    board->SetRollAngle(RotationAngle);
    BoardObject = board;

    const Tmodele& model = Game.Model;
    auto nodeOf = [&](int point) {
        const auto& p = model.Points[static_cast<size_t>(point)];
        return Vec3(BoardX(p.X), BoardY(p.Y), 1);
    };
    // A straight line drawn by hand: the middle of a level or upright link bends outward.
    auto bend = [&](int a, int b) -> std::optional<Vec3> {
        const auto& pa = model.Points[static_cast<size_t>(a)];
        const auto& pb = model.Points[static_cast<size_t>(b)];
        const Vec3 middle = (nodeOf(a) + nodeOf(b)) * 0.5;
        const double push = RandomBelow(1001) / 10000.0;
        if (pa.Y == pb.Y) return middle + Vec3(0, middle.y() >= 0 ? push : -push, 0);
        if (pa.X == pb.X) return middle + Vec3(middle.x() >= 0 ? push : -push, 0, 0);
        return std::nullopt;
    };
    scene::TLines* chain = nullptr;
    int chainEnd = -1;
    for (const auto& link : model.Links) {
        if (link.A < 0 || link.B < 0 || link.A >= model.PointCount() ||
            link.B >= model.PointCount())
            continue;
        if (!(chain && link.A == chainEnd)) {
            chain = board->AddChild<scene::TLines>();
            chain->SetLineStyle(2.0f, kInk, true);
            chain->SetNodes({nodeOf(link.A)});
        }
        if (const auto middle = bend(link.A, link.B)) chain->AddNode(*middle);
        chain->AddNode(nodeOf(link.B));
        chainEnd = link.B;
    }

    for (int i = 0; i < model.PointCount(); ++i) {
        const auto& p = model.Points[static_cast<size_t>(i)];
        auto* marker = board->AddChild<scene::TDisk>();
        marker->SetName("L_" + std::to_string(i));
        marker->SetRadii(0, 0.5);
        marker->SetPosition({BoardX(p.X), BoardY(p.Y), 2});
        marker->SetMaterial(Plain(kGrey));
        PointObjects.push_back(marker);
        Fires.push_back(nullptr);
    }

    const int materials[2] = {kMatBois, kMatPlaneteRouge};
    for (int colour = 0; colour < 2; ++colour) {
        auto* ball = board->AddChild<scene::TSphere>();
        ball->SetShape(1, 12);
        ball->SetMaterial(NamedMaterial(Host.Materials(), materials[colour], true));
        ball->SetVisible(false);
        const char* prefix = colour == 0 ? "B_" : "N_";
        const auto count = Game.Pieces[static_cast<size_t>(colour)].size();
        for (size_t index = 0; index < count; ++index) {
            auto* proxy = board->AddChild<scene::TProxy>();
            proxy->SetMaster(ball);
            proxy->SetName(prefix + std::to_string(index));
            proxy->SetRollAngle(RandomBelow(360));
            proxy->SetTurnAngle(RandomBelow(360));
            PieceObjects[static_cast<size_t>(colour)].push_back(proxy);
        }
    }
}

QImage Tplateau2D_manu::DieFacePicture(int face) {
    // The dots of the 3D dice, in blue on white inside a grey border.
    QImage picture = TPlateau3D_6::DieFacePicture(face);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            QColor out = Qt::white;
            if (x < 2 || y < 2 || x >= 58 || y >= 58)
                out = QColor(128, 128, 128);
            else if (c.red() > 128 && c.green() > 128) // the yellow dots
                out = QColor(0, 0, 255);
            picture.setPixelColor(x, y, out);
        }
    return picture;
}

void Tplateau2D_manu::BuildDice() {
    for (int face = 1; face <= 6; ++face)
        DiceMaterials.AddTextureMaterial(FaceName(face), DieFacePicture(face));
    const Vec3 normals[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    for (int die = 1; die <= 3; ++die) {
        auto* cube = BoardObject->AddChild<scene::TDummyCube>();
        cube->SetCubeSize(2.98);
        for (size_t k = 0; k < 6; ++k) {
            auto* face = cube->AddChild<scene::TPlane>();
            face->SetSize(2 * kDieHalf, 2 * kDieHalf);
            face->SetDirection(normals[k]);
            face->SetPosition(normals[k] * kDieHalf);
            DieFaceObjects[static_cast<size_t>(die)][k] = face;
        }
        DieObjects[static_cast<size_t>(die)] = cube;
        cube->ResetOrientation(kDieRestDirection, kDieRestUp);
        cube->SetPosition(DieRestingPlace(die));
        cube->SetVisible(false);
    }
    for (int die = 1; die <= 3; ++die)
        if (Game.Dice[static_cast<size_t>(die)].Rolling > 0) {
            StartDiceRoll();
            break;
        }
}

Vec3 Tplateau2D_manu::DieRestingPlace(int die) const {
    return {DiceSide == 1 ? 20.0 : -20.0, 4.0 * die - 11, 4};
}

void Tplateau2D_manu::ShowDieFace(int die) {
    if (die < 1 || die > 3 || !DieObjects[static_cast<size_t>(die)]) return;
    const std::array<int, 6> faces =
        TPlateau3D_6::DieFaces(Game.Dice[static_cast<size_t>(die)].Value);
    for (size_t k = 0; k < 6; ++k) {
        scene::TSceneObject* face = DieFaceObjects[static_cast<size_t>(die)][k];
        if (!face || face->Tag == faces[k]) continue;
        face->Tag = faces[k];
        scene::TMaterial material;
        material.SetAllColours({1, 1, 1, 1});
        material.Emission = {0.3f, 0.3f, 0.3f, 1};
        material.Library = &DiceMaterials;
        material.LibraryMaterial = FaceName(faces[k]);
        face->SetMaterial(material);
    }
}

void Tplateau2D_manu::StartDiceRoll() {
    TAnim::StartDiceRoll();
    Scene.StopAllMovements();
    const double speed = Options()[TOptions::AnimSpeed];
    for (int die = 1; die <= 3; ++die) {
        scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)];
        if (!cube) continue;
        ShowDieFace(die);
        cube->ResetOrientation(kDieRestDirection, kDieRestUp);
        scene::TMovement& movement = cube->GetOrCreateMovement();
        movement.StopPathTravel();
        movement.ClearPaths();
        const int path = movement.AddPath(false);
        movement.AddNode(path, cube->Position(), RandomAngles(2), 2 * speed);
        movement.AddNode(path, {0, 6, 4.3 * die}, RandomAngles(2), speed);
        movement.AddNode(path, DieRestingPlace(die), {0, 0, 0}, speed);
        movement.OnPathTravelStop = [this, die](scene::TMovement&, int, bool& looped) {
            looped = false;
            DieStopped(die);
        };
        movement.OnAllPathsTravelled = [this, die](scene::TMovement&) { DieStopped(die); };
        movement.SetActivePath(path);
        movement.StartPathTravel();
    }
}

void Tplateau2D_manu::DieStopped(int die) {
    TDieRec& record = Game.Dice[static_cast<size_t>(die)];
    if (record.Rolling == 1) record.Rolling = 2;
    bool anyRolling = false;
    for (int k = 1; k <= 3; ++k)
        anyRolling |= Game.Dice[static_cast<size_t>(k)].Rolling == 1;
    if (!anyRolling && DiceShown) {
        Animating = false;
        DiceShown = false;
        // This view tells the game itself that the dice have stopped.
        if (Game.ClickState == kClickStopDice) {
            try {
                Game.Click(-1, kNoColour, -1);
            } catch (const Ecoup_imposible&) {
                Host.Beep();
            } catch (const std::exception& error) {
                Host.ReportClickError(error.what());
            }
        }
    }
    ShowDieFace(die);
    if (scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)]) {
        cube->ResetOrientation(kDieRestDirection, kDieRestUp);
        cube->SetPosition(DieRestingPlace(die));
    }
}

void Tplateau2D_manu::StopDiceRoll() {
    const bool thrown = DiceShown;
    DiceShown = false;
    for (int die = 1; die <= 3; ++die) {
        Game.Dice[static_cast<size_t>(die)].Rolling = 0;
        // The dice stay where they are, at rest.
        if (scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)])
            if (cube->Movement()) cube->Movement()->StopPathTravel();
    }
    if (thrown) Animating = false; // the throw was what kept the view busy
}

void Tplateau2D_manu::AnimateMove(TPieceRef piece, uint8_t speed) {
    if (Game.GameStatus < 0) {
        Animating = false;
        return;
    }
    scene::TSceneObject* object = PieceObject(piece.Colour, piece.Index);
    if (!object) return;
    Scene.StopAllMovements();
    DiceSide = piece.Colour;
    Animating = true;
    const TPieceRec& record = Game.Pieces[piece.Colour][piece.Index];
    Target = {record.X, record.Y, record.Z};
    object->SetVisible(true);
    scene::TMovement& movement = object->GetOrCreateMovement();
    movement.StopPathTravel();
    movement.ClearPaths();
    movement.OnAllPathsTravelled = [this](scene::TMovement& m) { MoveArrived(m); };
    movement.OnPathTravelStop = [this](scene::TMovement& m, int path, bool& looped) {
        PathStopped(m, path, looped);
    };
    const int path = movement.AddPath(false);
    const double fast = record.State == TPieceRec::Captured ? 2.0 * speed : speed;
    // The ball tumbles on its way: every node after the first turns it anew.
    const Vec3 here = object->Position();
    movement.AddNode(path, here, {0, 0, 0}, Speed);
    movement.AddNode(path, {here.x(), here.y(), 8}, RandomAngles(3), fast);
    movement.AddNode(path, {Target.x(), Target.y(), 6}, RandomAngles(3), fast);
    movement.AddNode(path, Target, RandomAngles(3), Speed);
    movement.SetActivePath(path);
    AnimStart = Now();
    movement.StartPathTravel();
}

double Tplateau2D_manu::BoardAngle() const {
    return BoardObject ? BoardObject->RollAngle() : 0;
}

void Tplateau2D_manu::SetBoardAngle(double degrees) {
    if (BoardObject) BoardObject->SetRollAngle(degrees);
}

void Tplateau2D_manu::FrameProgress(scene::TSceneObject&, double, double) {
    if (!FrameStep(kTolerance, false, false)) return;
    SettleStrandedDice();
    DrawMarkers();
}

bool Tplateau2D_manu::MarkerBurns(int point) const {
    return point >= 0 && point < static_cast<int>(Fires.size()) &&
           Fires[static_cast<size_t>(point)] != nullptr;
}

void Tplateau2D_manu::SetBurning(size_t point, bool on) {
    scene::TSceneObject*& fire = Fires[point];
    if (on == (fire != nullptr)) return; // one fire, lit once
    if (on) {
        auto* flames = PointObjects[point]->AddChild<scene::TFire>();
        flames->Ignite(0.5, 2, {});
        fire = flames;
    } else {
        PointObjects[point]->DeleteChild(fire);
        fire = nullptr;
    }
}

void Tplateau2D_manu::DrawMarkers() {
    const int cursor = Game.KeyboardCursor;
    for (size_t i = 0; i < PointObjects.size(); ++i) {
        scene::TSceneObject* marker = PointObjects[i];
        const char mark = i < Game.Highlight.size() ? Game.Highlight[i] : ' ';
        Colour colour = kGrey;
        bool burning = false;
        switch (mark) {
        case 'S':
            colour = {0, 0, 1, 1};
            burning = true;
            break;
        case 'P':
            colour = {1, 0, 0, 1};
            break;
        case 'D':
            colour = {1, 0.43f, 0.78f, 1};
            break;
        default:
            break;
        }
        scene::TMaterial material = Plain(colour);
        if (cursor >= 0 && static_cast<size_t>(cursor) == i) {
            material.Emission = {0.7373f, 0.5608f, 0.5608f, 1};
            burning = true;
        }
        SetBurning(i, burning);
        // Flames move on every frame: ask for them, however the viewer schedules frames.
        if (burning) Viewer.update();
        if (marker->Material().Emission != material.Emission ||
            marker->Material().Diffuse != material.Diffuse)
            marker->SetMaterial(material);
    }
}

void Tplateau2D_manu::Resize(int, int) {
    Camera->SetFocalLength(80);
}

void Tplateau2D_manu::Zoom(int32_t delta) {
    delta = std::clamp(delta, -10, 10);
    Camera->SetFocalLength(Camera->FocalLength() - delta / 5.0);
}

RestingPlace Tplateau2D_manu::PieceRestingPlace(int colour, int index) {
    const double side = colour == 0 ? -1.0 : 1.0;
    const TPieceRec& record = Game.Pieces[static_cast<size_t>(colour)][static_cast<size_t>(index)];
    if (record.State == TPieceRec::Captured) return {-10 * side, -15, 3, false};
    if (record.State == TPieceRec::InReserve) {
        // Down the side, then round the corner along the top edge.
        double x0 = 25 * side, y0 = index * 2.5 - 13;
        if (index > 10) {
            y0 = 12;
            x0 = side * (25 - (index - 10) * 2.5);
        }
        const double theta = RotationAngle * std::numbers::pi / 180.0;
        return {x0 * std::cos(theta) + y0 * std::sin(theta),
                y0 * std::cos(theta) - x0 * std::sin(theta), 3, true};
    }
    if (record.Point >= 0 && record.Point < Game.Model.PointCount()) {
        const auto& p = Game.Model.Points[static_cast<size_t>(record.Point)];
        return {BoardX(p.X), BoardY(p.Y), 2, true};
    }
    if (index > 10) return {25 * side - (index - 10) * 2.5 * side, 14 * side, 3, true};
    return {25 * side, index * 2.5 - 11, 3, true};
}

void Tplateau2D_manu::ShowNumbers(bool on) {
    NumbersShown = on;
    const double angle = std::fabs(360 - BoardAngle());
    if (!LabelsBuilt) {
        if (!on || !BoardObject) return;
        Host.ProcessPendingEvents();
        scene::TMaterial material = Plain({0, 0, 0, 1});
        material.Emission = {0.5f, 0.1f, 0.05f, 1};
        for (int i = 0; i < Game.Model.PointCount(); ++i) {
            const auto& p = Game.Model.Points[static_cast<size_t>(i)];
            auto* label = BoardObject->AddChild<scene::TSpaceText>();
            label->SetText(std::to_string(i + 1), 1, 0.2);
            label->SetPosition({BoardX(p.X), BoardY(p.Y), 4});
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

void Tplateau2D_manu::SettleStrandedDice() {
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

} // namespace vantorel
