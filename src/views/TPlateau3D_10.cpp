#include "TPlateau3D_10.h"

#include "BitmapFonts.h"
#include "WindowMaterials.h"

#include "scene/TScene.h"
#include "scene/TSkyDome.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

using scene::Colour;
using scene::Vec3;

namespace {

constexpr double kTolerance = 0.001;
constexpr double kDegree = 3.14159265358979323846 / 180.0;
const Colour kOrange{1, 0.498f, 0, 1};
const Colour kCursorGlow{0.7373f, 0.5608f, 0.5608f, 1};
const Colour kLinkColour{0.35f, 0.45f, 0.95f, 0.8f};
const Colour kLightningColour{0.65f, 0.8f, 1, 1};
// The fire manager's flames: small, dense and quick, blown along the board's z.
scene::TFireParams Flames() {
    scene::TFireParams fire;
    fire.Radius = 0.1;
    fire.Evaporation = 0.1;
    fire.ParticleSize = 1.0;
    fire.Density = 2.0;
    fire.Direction = {0, 0, 1};
    fire.Interval = 0.05;
    return fire;
}
// A burst's fire is taken away once its flames have died.
constexpr uint32_t kBurstMs = 1500;
// The smoothed lightning: so many pieces of line between two of its nodes.
constexpr int kLightningSteps = 6;

scene::TMaterial Plain(const Colour& colour) {
    scene::TMaterial material;
    material.SetAllColours(colour);
    material.TextureEnabled = false;
    return material;
}

// A Catmull-Rom curve through the nodes, the ends held.
std::vector<Vec3> Smoothed(const std::vector<Vec3>& nodes) {
    if (nodes.size() < 3) return nodes;
    std::vector<Vec3> curve;
    const size_t last = nodes.size() - 1;
    for (size_t k = 0; k < last; ++k) {
        const Vec3& p0 = nodes[k == 0 ? 0 : k - 1];
        const Vec3& p1 = nodes[k];
        const Vec3& p2 = nodes[k + 1];
        const Vec3& p3 = nodes[std::min(k + 2, last)];
        for (int step = 0; step < kLightningSteps; ++step) {
            const double t = static_cast<double>(step) / kLightningSteps, t2 = t * t, t3 = t2 * t;
            curve.push_back((p1 * 2 + (p2 - p0) * t + (p0 * 2 - p1 * 5 + p2 * 4 - p3) * t2 +
                             (p1 * 3 - p0 - p2 * 3 + p3) * t3) *
                            0.5);
        }
    }
    curve.push_back(nodes[last]);
    return curve;
}

} // namespace

TPlateau3D_10::TPlateau3D_10(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                             TViewHost& host)
    : TAnim(game, viewer, scene, host) {
    ZoomStep = 20;
    SoundSlot[0] = 3; // "Laser": a planet lands
    SoundSlot[1] = 2; // "Espace": a captured planet leaves
    LiftHeight = 0.7;
    ArrivalHeight = 0.6;

    FitBoard(10);
    ResetScene();
    MovingPiece = {};
    FromPoint = ToPoint = -1;
    VisibleAtEnd = true;
    Target = {0, 0, 0};

    BuildScenery();
    BuildBoard();
    BuildPieces();
    if (UsesDice()) {
        HudDice =
            std::make_unique<THudDice>(*this, *Frame, THudDiceStyle{&BitmapFont1(), 20, 2.0, 1.0});
        // One text stands for the three dice: hiding the dice hides it.
        for (int die = 1; die <= 3; ++die)
            DieObjects[static_cast<size_t>(die)] = HudDice->Text();
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

TPlateau3D_10::~TPlateau3D_10() {
    Frame->OnProgress = nullptr;
    StopAnimation();
    HideDice();
    DieObjects = {};
    HudDice.reset();
    Labels.clear();
}

void TPlateau3D_10::ResetScene() {
    TAnim::ResetScene();
    auto& buffer = Viewer.Buffer();
    buffer.BackgroundColour = {0, 0, 0, 1};
    buffer.Fog = true;
    buffer.FogColour = scene::Colour(0, 0, 1, 1);
    buffer.FogStart = 35;
    buffer.FogEnd = 80;
    Camera->SetFocalLength(170);
    Camera->SetDepthOfView(100);
    Camera->SetPosition({0, 36, 12});
    Camera->SetTarget(BoardObject ? BoardObject : Frame);
    Light->SetColours(kOrange, kOrange, kOrange);
}

void TPlateau3D_10::BuildScenery() {
    auto* sky = Scene.Root().AddChild<scene::TSkyDome>();
    sky->SetPosition({0, -5, 0});
    scene::TSkyBand band;
    // Navy deep under the board, fading to black at the horizon and above.
    band.StartAngle = -90;
    band.StopAngle = 0;
    band.StartColour = {0, 0, 0.5f, 1};
    band.StopColour = {0, 0, 0, 1};
    band.Stacks = 8;
    sky->SetBands({band}, 12);
    sky->SetStars(300, 10);
}

void TPlateau3D_10::BuildBoard() {
    const bool textures = Options()[TOptions::Textures] == 1;
    auto* board = Frame->AddChild<scene::TDummyCube>();
    board->SetName("plateau");
    board->SetCubeSize(10);
    board->SetTurnAngle(RotationAngle);
    BoardObject = board;
    Camera->SetTarget(board);

    // Faint lines between the points, one polyline per chain of links.
    const Tmodele& model = Game.Model;
    scene::TLines* chain = nullptr;
    int chainEnd = -1;
    auto nodeOf = [&](int point) {
        const auto& p = model.Points[static_cast<size_t>(point)];
        return Vec3(BoardX(p.X), 0, BoardY(p.Y));
    };
    for (const auto& link : model.Links) {
        if (link.A < 0 || link.B < 0 || link.A >= model.PointCount() ||
            link.B >= model.PointCount())
            continue;
        if (chain && link.A == chainEnd) {
            chain->AddNode(nodeOf(link.B));
        } else {
            chain = board->AddChild<scene::TLines>();
            chain->SetLineStyle(1.5f, kLinkColour, true);
            chain->SetNodes({nodeOf(link.A), nodeOf(link.B)});
        }
        chainEnd = link.B;
    }

    for (int i = 0; i < model.PointCount(); ++i) {
        const auto& p = model.Points[static_cast<size_t>(i)];
        auto* marker = board->AddChild<scene::TSphere>();
        marker->SetName("L_" + std::to_string(i));
        marker->SetShape(0.2, 32);
        marker->SetPosition({BoardX(p.X), 0, BoardY(p.Y)});
        marker->SetMaterial(NamedMaterial(Host.Materials(), kMatIvoire, textures));
        PointObjects.push_back(marker);
    }

    LightningLine = board->AddChild<scene::TLines>();
    LightningLine->SetLineStyle(4.0f, kLightningColour, true);
    LightningLine->SetVisible(false);
}

void TPlateau3D_10::BuildPieces() {
    const bool textures = Options()[TOptions::Textures] == 1;
    // White: a grey moon-like planet with a little moon of its own.
    auto* white = BoardObject->AddChild<scene::TSphere>();
    white->SetShape(0.5, 36);
    white->SetMaterial(NamedMaterial(Host.Materials(), kMatLune, textures));
    auto* moon = white->AddChild<scene::TSphere>();
    moon->SetShape(0.1, 12);
    moon->SetPosition({0, 0.8, 0});
    moon->SetMaterial(NamedMaterial(Host.Materials(), kMatLune, textures));
    // Black: a brown planet in a flat ring.
    auto* black = BoardObject->AddChild<scene::TSphere>();
    black->SetShape(0.5, 36);
    black->SetMaterial(NamedMaterial(Host.Materials(), kMatSol, textures));
    auto* ring = black->AddChild<scene::TDisk>();
    ring->SetRadii(0.6, 0.7);
    ring->SetDirection({0, 1, 0});
    ring->SetMaterial(NamedMaterial(Host.Materials(), kMatLune, textures));

    scene::TSceneObject* models[2] = {white, black};
    for (int colour = 0; colour < 2; ++colour) {
        models[colour]->SetVisible(false);
        const char* prefix = colour == 0 ? "B_" : "N_";
        const auto count = Game.Pieces[static_cast<size_t>(colour)].size();
        for (size_t index = 0; index < count; ++index) {
            auto* proxy = BoardObject->AddChild<scene::TProxy>();
            proxy->SetMaster(models[colour]);
            proxy->SetName(prefix + std::to_string(index));
            PieceObjects[static_cast<size_t>(colour)].push_back(proxy);
        }
    }
}

Vec3 TPlateau3D_10::OrbitPlace(int k, int n, int turn) {
    if (n <= 0) n = 1;
    const double theta = (std::nearbyint(static_cast<double>(k) * 360.0 / n) + turn) * kDegree;
    return {10 * std::cos(theta), 7 * std::sin(theta), 9 * std::sin(theta) - 1.5};
}

RestingPlace TPlateau3D_10::PieceRestingPlace(int colour, int index) {
    const double side = colour == 0 ? 1.0 : -1.0;
    const TPieceRec& record = Game.Pieces[static_cast<size_t>(colour)][static_cast<size_t>(index)];
    if (record.State == TPieceRec::Captured) return {10 * side, 0, -15, false};
    if (record.State == TPieceRec::InReserve) {
        // Both reserves share the orbit, white's first; it stays put in the scene when
        // the board turns, so its place is turned back by the board's angle.
        const int whites = Game.Model.PiecesPerSide[0];
        const int k = colour == 0 ? index : index + whites;
        const int n = whites + Game.Model.PiecesPerSide[1];
        const Vec3 inScene = OrbitPlace(k, n, Turn);
        const Vec3 onBoard = osg::Quat(-BoardAngle() * kDegree, Vec3(0, 1, 0)) * inScene;
        return {onBoard.x(), onBoard.y(), onBoard.z(), true};
    }
    if (record.Point >= 0 && record.Point < Game.Model.PointCount()) {
        const auto& p = Game.Model.Points[static_cast<size_t>(record.Point)];
        return {BoardX(p.X), 0.5, BoardY(p.Y), true};
    }
    return {5.5 * side, 0.5, index * 1.2 - 5, true};
}

bool TPlateau3D_10::VisibleAtEndFor(const TPieceRec& record) const {
    return record.State != TPieceRec::Captured;
}

void TPlateau3D_10::FrameProgress(scene::TSceneObject&, double deltaTime, double newTime) {
    if (!Host.HasUsableView()) return;
    // The orbit turns before the step looks for pieces out of place: a reserve planet
    // carried on by the orbit is where it belongs.
    Turn = static_cast<int>(static_cast<int64_t>(std::nearbyint(newTime)) % 360);
    SpinAndOrbit(deltaTime);
    if (!FrameStep(kTolerance, false, false)) return;
    DrawMarkers();
    DrawLightning(newTime);
    for (auto it = Bursts.begin(); it != Bursts.end();)
        if (static_cast<int64_t>(Now()) - static_cast<int64_t>(it->Until) >= 0) {
            BoardObject->DeleteChild(it->Fire);
            it = Bursts.erase(it);
        } else {
            ++it;
        }
}

void TPlateau3D_10::SpinAndOrbit(double deltaTime) {
    for (int colour = 0; colour < 2; ++colour)
        for (size_t index = 0; index < Game.Pieces[static_cast<size_t>(colour)].size(); ++index) {
            const TPieceRec& record = Game.Pieces[static_cast<size_t>(colour)][index];
            scene::TSceneObject* object = PieceObject(colour, static_cast<int>(index));
            if (!object || record.State == TPieceRec::Captured) continue;
            object->SetTurnAngle(object->TurnAngle() + 5 * deltaTime);
            object->SetRollAngle(object->RollAngle() + deltaTime);
            const bool moving = Animating && MovingPiece.Colour == colour &&
                                MovingPiece.Index == static_cast<uint8_t>(index);
            if (record.State == TPieceRec::InReserve && !moving) {
                const RestingPlace place = PieceRestingPlace(colour, static_cast<int>(index));
                object->SetPosition({place.X, place.Y, place.Z});
            }
        }
}

void TPlateau3D_10::DrawMarkers() {
    for (size_t i = 0; i < PointObjects.size(); ++i) {
        const char mark = i < Game.Highlight.size() ? Game.Highlight[i] : ' ';
        Colour colour = kOrange;
        switch (mark) {
        case 'S':
            colour = {0, 0, 1, 1};
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
        if (Game.KeyboardCursor >= 0 && static_cast<size_t>(Game.KeyboardCursor) == i)
            material.Emission = kCursorGlow;
        PointObjects[i]->SetMaterial(material);
    }
    SetCursorFire(Game.KeyboardCursor);
}

void TPlateau3D_10::SetCursorFire(int point) {
    if (point >= static_cast<int>(PointObjects.size())) point = -1;
    if (point == CursorFirePoint) return;
    if (CursorFire) PointObjects[static_cast<size_t>(CursorFirePoint)]->DeleteChild(CursorFire);
    CursorFire = nullptr;
    CursorFirePoint = point;
    if (point < 0) return;
    auto* fire = PointObjects[static_cast<size_t>(point)]->AddChild<scene::TFire>();
    fire->Ignite(Flames());
    CursorFire = fire;
}

void TPlateau3D_10::AnimateMove(TPieceRef piece, uint8_t speed) {
    TAnim::AnimateMove(piece, speed);
    scene::TSceneObject* object = PieceObject(piece.Colour, piece.Index);
    if (!Animating || !object) return;
    if (Game.Pieces[piece.Colour][piece.Index].State == TPieceRec::Captured) {
        Burst(*object);
        object->SetVisible(false);
    } else if (ToPoint >= 0) {
        StartLightning();
    }
}

void TPlateau3D_10::Burst(scene::TSceneObject& piece) {
    auto* fire = BoardObject->AddChild<scene::TFire>();
    fire->SetPosition(piece.Position());
    fire->SetParams(Flames());
    fire->Burst();
    Bursts.push_back({fire, Now() + kBurstMs});
}

void TPlateau3D_10::ClearBursts() {
    for (const TBurst& burst : Bursts)
        BoardObject->DeleteChild(burst.Fire);
    Bursts.clear();
}

int TPlateau3D_10::Fires() const {
    int fires = 0;
    Scene.ForEach([&](scene::TSceneObject& o) {
        fires += o.Kind() == scene::TObjectKind::Fire && static_cast<scene::TFire&>(o).Burning();
    });
    return fires;
}

void TPlateau3D_10::StartLightning() {
    scene::TSceneObject* object = PieceObject(MovingPiece.Colour, MovingPiece.Index);
    if (!object || !LightningLine) return;
    LightningNodes.assign(7, Vec3());
    LightningNodes.front() = object->Position();
    LightningNodes.back() = Target;
    LastJitter = -1;
    LightningLine->SetVisible(true);
}

void TPlateau3D_10::DrawLightning(double newTime) {
    if (!LightningLine || !LightningLine->Visible() || LightningNodes.size() != 7) return;
    scene::TSceneObject* object =
        Animating ? PieceObject(MovingPiece.Colour, MovingPiece.Index) : nullptr;
    if (!object) {
        LightningLine->SetVisible(false);
        return;
    }
    const Vec3 start = object->Position(), end = LightningNodes.back();
    if (LastJitter < 0 || newTime - LastJitter >= 0.025) {
        LastJitter = newTime;
        std::uniform_real_distribution<double> unit(-1, 1);
        for (size_t k = 1; k < 6; ++k) {
            const Vec3 along = start + (end - start) * (static_cast<double>(k) / 6);
            LightningNodes[k] =
                along + Vec3(0.5 * unit(Jitter), 0.25 * unit(Jitter), 0.5 * unit(Jitter));
        }
    }
    LightningNodes.front() = start;
    LightningLine->SetNodes(Smoothed(LightningNodes));
}

void TPlateau3D_10::MoveArrived(scene::TMovement& sender) {
    TAnim::MoveArrived(sender);
    if (LightningLine) LightningLine->SetVisible(false);
}

void TPlateau3D_10::StopAnimation() {
    TAnim::StopAnimation();
    if (LightningLine) LightningLine->SetVisible(false);
}

void TPlateau3D_10::Refresh() {
    ClearBursts();
    TAnim::Refresh();
}

void TPlateau3D_10::StartDiceRoll() {
    if (!HudDice) return;
    HudDice->Start();
    AnimStart = Now();
    // Flames over the board's middle, right under the figures.
    auto* fire = BoardObject->AddChild<scene::TFire>();
    fire->SetParams(Flames());
    fire->Burst();
    Bursts.push_back({fire, Now() + kBurstMs});
}

void TPlateau3D_10::StopDiceRoll() {
    if (HudDice)
        HudDice->Stop();
    else
        TAnim::StopDiceRoll();
}

void TPlateau3D_10::ShowDieFace(int) {
    if (HudDice) HudDice->ShowValues();
}

void TPlateau3D_10::ShowNumbers(bool on) {
    NumbersShown = on;
    const double angle = std::fabs(360 - BoardAngle());
    if (!LabelsBuilt) {
        if (!on || !BoardObject) return;
        Host.ProcessPendingEvents();
        scene::TMaterial material = Plain({0, 0, 0, 1});
        material.Emission = {1, 1, 1, 1};
        for (int i = 0; i < Game.Model.PointCount(); ++i) {
            const auto& p = Game.Model.Points[static_cast<size_t>(i)];
            auto* label = BoardObject->AddChild<scene::TSpaceText>();
            label->SetText(std::to_string(i + 1), 0.4, 0.1);
            label->SetPosition({BoardX(p.X), 0.7, BoardY(p.Y)});
            label->SetMaterial(material);
            label->SetTurnAngle(angle);
            Labels.push_back(label);
        }
        LabelsBuilt = true;
        Host.ProcessPendingEvents();
        return;
    }
    for (scene::TSceneObject* label : Labels) {
        label->SetVisible(on);
        label->SetTurnAngle(angle);
    }
}

} // namespace vantorel
