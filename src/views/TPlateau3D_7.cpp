#include "TPlateau3D_7.h"

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
constexpr double kPi = 3.14159265358979323846;
constexpr double kCandleHeight = 2.5;
// Half the size named for the gems: at their full size neighbouring gems on the 7-unit
// cake would run into each other.
constexpr double kMarkerScale = 0.35;
const Colour kOrange{1, 0.498f, 0, 1};
const Colour kBlue{0, 0, 1, 1};
// The cake's top is the board frame's floor: markers sit in it, candles stand on them.
constexpr double kMarkerHeight = 0.12;
constexpr double kLinkHeight = 0.17;
// Up from the table for a die at rest: its +z face, the one that shows the value.
const Vec3 kDieRestDirection{0, 1, 0};
const Vec3 kDieRestUp{0, 0, -1};

scene::TMaterial MarkerMaterial() {
    scene::TMaterial m;
    m.Diffuse = kOrange;
    m.Ambient = {0.7373f, 0.5608f, 0.5608f, 1};
    m.Emission = {0, 0, 0, 1};
    m.Specular = {1, 0, 0, 1};
    m.TextureEnabled = false;
    return m;
}

Vec3 DieRest(int die) {
    return {6.0 - 3 * die, 0.7, 7};
}

} // namespace

TPlateau3D_7::TPlateau3D_7(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                           TViewHost& host)
    : TAnim(game, viewer, scene, host) {
    ZoomStep = 20;
    SoundSlot[0] = 6;               // "son7.WAV": a candle lands
    SoundSlot[1] = 7;               // "son8.WAV": a captured candle leaves
    SoundSlot[2] = 5;               // "des.WAV": the dice are thrown
    LiftHeight = ArrivalHeight = 3; // candles are tall: they clear the others

    FitBoard(7);
    ResetScene();
    BuildRoom();
    BuildCake();
    BuildPieces();
    if (UsesDice()) {
        Dice.Build(
            *Table, [](int face) { return TCubeDice::Recoloured(face, Qt::white, Qt::black); }, 1.0,
            DieObjects);
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
    // The candles are lit last, once everything they burn on is in place.
    scene::TFireParams flame;
    flame.Radius = 0.1;
    flame.Evaporation = 0.1;
    flame.ParticleSize = 0.15;
    flame.Density = 0.86;
    flame.Burst = 1.0;
    flame.Direction = {0, 0.3, 0};
    flame.Interval = 0.04;
    flame.Life = 2;
    for (scene::TFire* fire : Fires)
        if (fire) fire->Ignite(flame);
}

TPlateau3D_7::~TPlateau3D_7() {
    Frame->OnProgress = nullptr;
    StopAnimation();
    DeleteDice();
    Labels.clear();
    // The next theme starts from the viewer's plain drawing order.
    Viewer.Buffer().BlendedLast = false;
}

void TPlateau3D_7::ResetScene() {
    TAnim::ResetScene();
    auto& buffer = Viewer.Buffer();
    buffer.BackgroundColour = kBlue;
    buffer.Fog = true;
    buffer.FogColour = kBlue;
    buffer.FogStart = 50;
    buffer.FogEnd = 100;
    buffer.BlendedLast = true;
    Camera->SetFocalLength(114);
    Camera->SetDepthOfView(100);
    Camera->SetPosition({0, 23, 29});
    Camera->SetTarget(Frame);
    Light->SetColours(kOrange, {1, 1, 1, 1}, {1, 1, 1, 1});
    Light->SetLightStyle(scene::TLight::Style::Spot);
    Light->SetPosition({0, 2, 0});
    Light->SetSpotDirection({0, -1, -1});
    Light->SetSpotCutOff(180);
    Light->SetSpotExponent(1);
}

void TPlateau3D_7::BuildRoom() {
    const bool textures = Options()[TOptions::Textures] == 1;
    const auto& library = Host.Materials();
    auto* floor = Frame->AddChild<scene::TPlane>();
    floor->SetSize(100, 50);
    floor->SetTiles(20, 10);
    floor->SetDirection({0, 1, 0});
    floor->SetPosition({0, -11, 0});
    floor->SetMaterial(NamedMaterial(library, kMatSol, textures));

    auto* wall = Frame->AddChild<scene::TPlane>();
    wall->SetSize(100, 80);
    wall->SetTiles(10, 8);
    wall->SetPosition({0, 29, -25});
    wall->SetMaterial(NamedMaterial(library, kMatPapierPeint, textures));
    auto* skirting = Frame->AddChild<scene::TPlane>();
    skirting->SetSize(100, 2);
    skirting->SetPosition({0, -10, -24.9});
    skirting->SetMaterial(NamedMaterial(library, kMatBoisAncien, textures));

    auto* table = Frame->AddChild<scene::TCylinder>();
    table->SetName("table");
    table->SetShape(10, 10, 0.8, 36);
    table->SetPosition({0, -2.2, 0});
    table->SetMaterial(NamedMaterial(library, kMatBoisClair, textures));
    Table = table;
    // Three legs splayed a little outwards, under the table's rim.
    for (int leg = 0; leg < 3; ++leg) {
        auto* foot = Frame->AddChild<scene::TCylinder>();
        foot->SetName("pied" + std::to_string(leg + 1));
        foot->SetShape(0.7, 0.6, 9, 72);
        const double angle = (90 + 120 * leg) * kPi / 180;
        foot->SetPosition({6 * std::cos(angle), -2.6 - 4.5, 6 * std::sin(angle)});
        foot->SetTurnAngle(90 - 120 * leg);
        foot->SetPitchAngle(5);
        foot->SetMaterial(NamedMaterial(library, kMatBoisAncien, textures));
    }
}

void TPlateau3D_7::BuildCake() {
    const bool textures = Options()[TOptions::Textures] == 1;
    const auto& library = Host.Materials();
    auto* top = Frame->AddChild<scene::TCylinder>();
    top->SetName("plateau");
    top->SetShape(6.1, 6, 0.3, 48);
    top->SetMaterial(NamedMaterial(library, kMatGateau1, textures));
    top->SetTurnAngle(RotationAngle);
    BoardObject = top;

    // The cake's body down to the table, and the icing round the top's rim.
    auto* body = top->AddChild<scene::TCylinder>();
    body->SetName("plateau1");
    body->SetShape(6.2, 6.5, 2.6, 48);
    body->SetPosition({0, -1.45, 0});
    body->SetMaterial(NamedMaterial(library, kMatGateau2, textures));
    auto* icing = top->AddChild<scene::TTorus>();
    icing->SetName("plateau2");
    icing->SetShape(6, 0.2, 48, 8);
    icing->SetPosition({0, 0.15, 0});
    icing->SetMaterial(NamedMaterial(library, kMatBougieBlanche, textures));

    const Tmodele& model = Game.Model;
    auto nodeOf = [&](int point) {
        const auto& p = model.Points[static_cast<size_t>(point)];
        return Vec3(BoardX(p.X), kLinkHeight, BoardY(p.Y));
    };
    scene::TLines* chain = nullptr;
    int chainEnd = -1;
    for (const auto& link : model.Links) {
        if (link.A < 0 || link.B < 0 || link.A >= model.PointCount() ||
            link.B >= model.PointCount())
            continue;
        if (chain && link.A == chainEnd) {
            chain->AddNode(nodeOf(link.B));
        } else {
            chain = top->AddChild<scene::TLines>();
            chain->SetLineStyle(3.0f, {0.55f, 0.27f, 0.07f, 1}, true);
            chain->SetNodes({nodeOf(link.A), nodeOf(link.B)});
        }
        chainEnd = link.B;
    }

    for (int i = 0; i < model.PointCount(); ++i) {
        const auto& p = model.Points[static_cast<size_t>(i)];
        auto* gem = top->AddChild<scene::TDodecahedron>();
        gem->SetName("L_" + std::to_string(i));
        gem->SetScale({kMarkerScale, kMarkerScale, kMarkerScale});
        gem->SetPosition({BoardX(p.X), kMarkerHeight, BoardY(p.Y)});
        gem->SetPitchAngle(RandomBelow(360));
        gem->SetRollAngle(RandomBelow(360));
        gem->SetMaterial(MarkerMaterial());
        PointObjects.push_back(gem);
    }
}

void TPlateau3D_7::BuildPieces() {
    const bool textures = Options()[TOptions::Textures] == 1;
    const int materials[2] = {kMatBougieBlanche, kMatBougieRouge};
    for (int colour = 0; colour < 2; ++colour) {
        auto* candle = BoardObject->AddChild<scene::TCylinder>();
        candle->SetShape(0.2, 0.25, kCandleHeight, 16);
        candle->SetMaterial(NamedMaterial(Host.Materials(), materials[colour], textures));
        auto* wick = candle->AddChild<scene::TLines>();
        wick->SetNodes({{0, kCandleHeight / 2, 0}, {0, kCandleHeight / 2 + 0.2, 0}});
        wick->SetLineStyle(3.0f, {0.45f, 0.12f, 0.05f, 1}, false);
        auto* fire = candle->AddChild<scene::TFire>();
        fire->SetPosition({0, kCandleHeight / 2 + 0.2, 0});
        Fires[static_cast<size_t>(colour)] = fire;
        candle->SetVisible(false);

        const char* prefix = colour == 0 ? "B_" : "N_";
        const auto count = Game.Pieces[static_cast<size_t>(colour)].size();
        for (size_t index = 0; index < count; ++index) {
            auto* proxy = BoardObject->AddChild<scene::TProxy>();
            proxy->SetMaster(candle);
            proxy->SetName(prefix + std::to_string(index));
            // No two candles stand quite straight.
            proxy->TagFloat = static_cast<float>(RandomBelow(10));
            proxy->SetRollAngle(proxy->TagFloat);
            PieceObjects[static_cast<size_t>(colour)].push_back(proxy);
        }
    }
}

void TPlateau3D_7::AnimateMove(TPieceRef piece, uint8_t speed) {
    TAnim::AnimateMove(piece, speed);
    scene::TSceneObject* object = PieceObject(piece.Colour, piece.Index);
    if (!object || !object->Movement() || !object->Movement()->Travelling()) return;
    // The path's nodes turn the candle upright; it keeps its own lean instead.
    scene::TMovement& movement = *object->Movement();
    const scene::TMovementPath path = movement.Path(movement.ActivePath());
    movement.StopPathTravel();
    movement.ClearPaths();
    const int leaning = movement.AddPath(path.Smooth);
    for (const scene::TPathNode& node : path.Nodes)
        movement.AddNode(leaning, node.Position, {0, 0, object->TagFloat}, node.Speed);
    movement.SetActivePath(leaning);
    movement.StartPathTravel();
}

bool TPlateau3D_7::VisibleAtEndFor(const TPieceRec& record) const {
    return record.State != TPieceRec::Captured;
}

RestingPlace TPlateau3D_7::PieceRestingPlace(int colour, int index) {
    const double side = colour == 0 ? 1.0 : -1.0;
    const TPieceRec& record = Game.Pieces[static_cast<size_t>(colour)][static_cast<size_t>(index)];
    if (record.State == TPieceRec::Captured) return {10 * side, 1.6, -15, false};
    if (record.State == TPieceRec::InReserve) {
        // Arcs of seven on the table round the cake, each further out than the last and
        // every other one shifted half a place; the white arcs face the black ones.
        const int row = index / 7, place = index % 7;
        const double radius = (7 + 0.5 * row) * (colour == 0 ? -1 : 1);
        const double angle = (12.0 * place + 6 - 45 + 6 * (row % 2) + RotationAngle) * kPi / 180;
        return {std::cos(angle) * radius, -0.7, std::sin(angle) * radius, true};
    }
    if (record.Point >= 0 && record.Point < Game.Model.PointCount()) {
        const auto& p = Game.Model.Points[static_cast<size_t>(record.Point)];
        return {BoardX(p.X), 1.6, BoardY(p.Y), true};
    }
    return {5.5 * side, 1.5, index * 1.2 - 5, true};
}

void TPlateau3D_7::FrameProgress(scene::TSceneObject&, double, double) {
    if (!FrameStep(kTolerance, true, false)) return;
    SettleStrandedDice();
    DrawMarkers();
}

void TPlateau3D_7::DrawMarkers() {
    for (size_t point = 0; point < PointObjects.size(); ++point) {
        scene::TSceneObject* gem = PointObjects[point];
        const char mark = point < Game.Highlight.size() ? Game.Highlight[point] : ' ';
        scene::TMaterial material = MarkerMaterial();
        if (mark == 'D')
            material.Emission = {1, 1, 1, 1};
        else if (mark == 'P')
            material.Emission = {1, 0, 0, 1};
        else if (mark == 'S')
            material.Emission = kBlue;
        if (Game.KeyboardCursor >= 0 && static_cast<size_t>(Game.KeyboardCursor) == point)
            material.Emission = kBlue;
        gem->SetMaterial(material); // unchanged materials cost nothing
    }
}

void TPlateau3D_7::ShowDieFace(int die) {
    if (die < 1 || die > 3 || !DieObjects[static_cast<size_t>(die)]) return;
    Dice.ShowFace(die, Game.Dice[static_cast<size_t>(die)].Value);
}

void TPlateau3D_7::RestDie(int die) {
    scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)];
    if (!cube) return;
    cube->ResetOrientation(kDieRestDirection, kDieRestUp);
    cube->SetPosition(DieRest(die));
}

void TPlateau3D_7::StartDiceRoll() {
    TAnim::StartDiceRoll();
    Scene.StopAllMovements();
    for (int die = 1; die <= 3; ++die) {
        scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)];
        if (!cube) continue;
        ShowDieFace(die);
        // Round the cake on the table, three quarters of a turn at random distances and
        // heights, tumbling, to land in front of it.
        const Vec3 landing{6.0 - 3 * die, 1, 7};
        const double end = std::atan2(landing.z(), landing.x());
        scene::TMovement& movement = cube->GetOrCreateMovement();
        movement.StopPathTravel();
        movement.ClearPaths();
        const int path = movement.AddPath(true);
        auto spin = [] { return Vec3(RandomBelow(360), RandomBelow(360), RandomBelow(360)); };
        constexpr int kNodes = 6;
        for (int k = 0; k < kNodes; ++k) {
            const double angle = end - (kNodes - k) * 50 * kPi / 180;
            const double radius = 7 + RandomBelow(200) / 100.0;
            const double height = 1 + RandomBelow(250) / 100.0;
            const Vec3 at{radius * std::cos(angle), height, radius * std::sin(angle)};
            if (k == 0) cube->SetPosition(at);
            movement.AddNode(path, at, spin(), k == 0 ? 16 : 8);
        }
        movement.AddNode(path, landing, {0, 0, 0}, 8);
        movement.OnPathTravelStop = [this, die](scene::TMovement&, int, bool& looped) {
            looped = false;
            DieStopped(die);
        };
        movement.OnAllPathsTravelled = [this, die](scene::TMovement&) { DieStopped(die); };
        movement.SetActivePath(path);
        movement.StartPathTravel();
    }
}

void TPlateau3D_7::DieStopped(int die) {
    const bool last = DieCameToRest(die);
    ShowDieFace(die);
    RestDie(die);
    // This theme tells the game itself that its dice have stopped.
    if (last && Game.ClickState == kClickStopDice) ClickGame(-1, kNoColour, -1);
}

void TPlateau3D_7::StopDiceRoll() {
    const bool thrown = DiceShown;
    DiceShown = false;
    for (int die = 1; die <= 3; ++die) {
        Game.Dice[static_cast<size_t>(die)].Rolling = 0;
        if (scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)]) {
            if (cube->Movement()) cube->Movement()->StopPathTravel();
            RestDie(die);
        }
    }
    if (thrown) Animating = false;
}

void TPlateau3D_7::SettleStrandedDice() {
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

void TPlateau3D_7::ShowNumbers(bool on) {
    NumbersShown = on;
    const double angle = std::fabs(360 - BoardAngle());
    if (!LabelsBuilt) {
        if (!on || !BoardObject) return;
        Host.ProcessPendingEvents();
        scene::TMaterial material;
        material.SetAllColours({0, 0, 0, 1});
        material.Emission = {1, 1, 1, 1};
        material.TextureEnabled = false;
        for (int i = 0; i < Game.Model.PointCount(); ++i) {
            const auto& p = Game.Model.Points[static_cast<size_t>(i)];
            auto* label = BoardObject->AddChild<scene::TSpaceText>();
            label->SetText(std::to_string(i + 1), 0.4, 0.1);
            label->SetPosition({BoardX(p.X), 1.0, BoardY(p.Y)});
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
