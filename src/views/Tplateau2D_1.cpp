#include "Tplateau2D_1.h"

#include "engine/Random.h"
#include "scene/TScene.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantorel {

using scene::Colour;
using scene::Vec3;

namespace {

const Colour kNavy{0.1373f, 0.1373f, 0.5569f, 1.0f};
const Colour kWhiteColour{1, 1, 1, 1};
const Colour kBlackColour{0, 0, 0, 1};
constexpr double kTolerance = 0.01;
constexpr int kBackgroundMaterial = 3; // "Bois"
constexpr int kBoardMaterial = 4;      // "Bois Ancien"

std::string FaceName(int face) {
    return "IMG" + std::to_string(face);
}

// A named material of the window's library, its texture switched off.
scene::TMaterial WindowMaterial(const scene::TMaterialLibrary& library, int index) {
    scene::TMaterial material;
    if (const scene::TLibMaterial* named = library.At(index)) material = named->Colours;
    material.Library = nullptr;
    material.LibraryMaterial.clear();
    material.TextureEnabled = false;
    return material;
}

scene::TMaterial Plain(const Colour& colour) {
    scene::TMaterial material;
    material.SetAllColours(colour);
    material.TextureEnabled = false;
    return material;
}

} // namespace

Tplateau2D_1::Tplateau2D_1(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                           TViewHost& host)
    : TAnim(game, viewer, scene, host) {
    SoundSlot[0] = 1; // "click"
    HeightAxis = 2;
    LiftHeight = 0.7;
    ArrivalHeight = 0.6;
    SmoothPaths = false;
    CaptureSound = false;
    DiscardPieceMovements = true;

    FitBoard(10);
    ResetScene();
    MovingPiece = {};
    FromPoint = ToPoint = -1;
    VisibleAtEnd = true;
    Target = {0, 0, 0};

    BuildBoard();
    if (UsesDice()) BuildDice();
    Refresh();
    Frame->OnProgress = [this](scene::TSceneObject& sender, double delta, double time) {
        FrameProgress(sender, delta, time);
    };
}

Tplateau2D_1::~Tplateau2D_1() {
    Frame->OnProgress = nullptr;
    StopAnimation();
    // The dice draw with this view's own materials: they go before the materials do.
    DeleteDice();
    Labels.clear();
}

void Tplateau2D_1::BuildBoard() {
    const scene::TMaterialLibrary& materials = Host.Materials();

    auto* background = Scene.Root().AddChild<scene::TPlane>();
    background->SetSize(60, 60);
    background->SetDirection({0, 1, 0});
    background->SetMaterial(WindowMaterial(materials, kBackgroundMaterial));

    auto* board = Scene.Root().AddChild<scene::TPlane>();
    board->SetName("plateau");
    board->SetSize(12, 12);
    board->SetDirection({0, 1, 0});
    board->SetMaterial(WindowMaterial(materials, kBoardMaterial));
    board->SetRollAngle(RotationAngle);
    BoardObject = board;

    // One polyline per chain of consecutive links.
    const Tmodele& model = Game.Model;
    scene::TLines* chain = nullptr;
    int chainEnd = -1;
    auto nodeOf = [&](int point) {
        const auto& p = model.Points[static_cast<size_t>(point)];
        return Vec3(BoardX(p.X), BoardY(p.Y), 0.3);
    };
    for (const auto& link : model.Links) {
        if (link.A < 0 || link.B < 0 || link.A >= model.PointCount() ||
            link.B >= model.PointCount())
            continue;
        if (chain && link.A == chainEnd) {
            chain->AddNode(nodeOf(link.B));
        } else {
            chain = board->AddChild<scene::TLines>();
            chain->SetLineStyle(1.0f, {0, 0, 1, 1}, true);
            chain->SetNodes({nodeOf(link.A), nodeOf(link.B)});
        }
        chainEnd = link.B;
    }

    for (int i = 0; i < model.PointCount(); ++i) {
        const auto& p = model.Points[static_cast<size_t>(i)];
        auto* marker = board->AddChild<scene::TDisk>();
        marker->SetName("L_" + std::to_string(i));
        marker->SetRadii(0, 0.4);
        marker->SetPosition({BoardX(p.X), BoardY(p.Y), 0.4});
        marker->SetMaterial(Plain(kNavy));
        auto* ring = marker->AddChild<scene::TDisk>();
        ring->SetRadii(0.5, 0.6);
        ring->SetMaterial(Plain(kBlackColour));
        ring->SetVisible(false);
        PointObjects.push_back(marker);
        Rings.push_back(ring);
    }

    const Colour modelColours[2] = {{0.3f, 0.3f, 0.3f, 1}, kBlackColour};
    for (int colour = 0; colour < 2; ++colour) {
        auto* piece = board->AddChild<scene::TCylinder>();
        piece->SetShape(0.5, 0.5, 1, 12);
        // The cylinder's axis (its y) points at the camera.
        piece->SetDirection({0, -1, 0});
        piece->SetScale({1, 0.4, 1});
        piece->SetMaterial(Plain(modelColours[colour]));
        piece->SetVisible(false);
        auto* shine = piece->AddChild<scene::TCylinder>();
        shine->SetShape(0.15, 0.15, 0.1, 12);
        shine->SetPosition({-0.15, -1, 0.15});
        shine->SetMaterial(Plain({0.9f, 0.9f, 0.9f, 1}));

        const char* prefix = colour == 0 ? "B_" : "N_";
        const auto count = Game.Pieces[static_cast<size_t>(colour)].size();
        for (size_t index = 0; index < count; ++index) {
            auto* proxy = board->AddChild<scene::TProxy>();
            proxy->SetMaster(piece);
            proxy->SetName(prefix + std::to_string(index));
            PieceObjects[static_cast<size_t>(colour)].push_back(proxy);
        }
    }
}

QImage Tplateau2D_1::DieFacePicture(int face) {
    static const int kDots[6][6][4] = {
        {{25, 25, 35, 35}},
        {{15, 15, 25, 25}, {35, 35, 45, 45}},
        {{10, 10, 20, 20}, {25, 25, 35, 35}, {40, 40, 50, 50}},
        {{10, 10, 20, 20}, {40, 10, 50, 20}, {10, 40, 20, 50}, {40, 40, 50, 50}},
        {{10, 10, 20, 20}, {40, 10, 50, 20}, {10, 40, 20, 50}, {40, 40, 50, 50}, {25, 25, 35, 35}},
        {{10, 10, 20, 20},
         {10, 25, 20, 35},
         {40, 10, 50, 20},
         {10, 40, 20, 50},
         {40, 25, 50, 35},
         {40, 40, 50, 50}},
    };
    QImage picture(60, 60, QImage::Format_RGB888);
    picture.fill(Qt::white);
    if (face < 1 || face > 6) return picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    for (int dot = 0; dot < face; ++dot) {
        const int* box = kDots[face - 1][dot];
        painter.drawEllipse(QRect(box[0], box[1], box[2] - box[0], box[3] - box[1]));
    }
    return picture;
}

void Tplateau2D_1::BuildDice() {
    for (int face = 1; face <= 6; ++face)
        DiceMaterials.AddTextureMaterial(FaceName(face), DieFacePicture(face));
    for (int die = 1; die <= 3; ++die) {
        auto* sprite = Scene.Root().AddChild<scene::TSprite>();
        sprite->SetSize(3);
        sprite->SetAlphaChannel(true);
        sprite->SetPosition({0, 0, 6.6 - 3.3 * die});
        sprite->SetDirection({0, 0, -1});
        sprite->SetVisible(false);
        ShowFace(*sprite, static_cast<int>(RandomBelow(6)) + 1);
        sprite->OnProgress = [this](scene::TSceneObject& s, double, double) { DiceFrame(s); };
        DieObjects[static_cast<size_t>(die)] = sprite;
    }
    for (int die = 1; die <= 3; ++die)
        if (Game.Dice[static_cast<size_t>(die)].Rolling > 0) {
            // A roll interrupted by a change of theme goes on.
            StartDiceRoll();
            break;
        }
}

void Tplateau2D_1::ShowFace(scene::TSceneObject& sprite, int face) {
    sprite.Tag = face;
    scene::TMaterial material;
    material.SetAllColours(kWhiteColour);
    material.Library = &DiceMaterials;
    material.LibraryMaterial = FaceName(face);
    sprite.SetMaterial(material);
}

void Tplateau2D_1::ResetScene() {
    TAnim::ResetScene();
    auto& buffer = Viewer.Buffer();
    buffer.BackgroundColour = {0, 0, 0, 1};
    buffer.DepthTest = false;
    buffer.FaceCulling = false;
    buffer.Fog = false;
    // This board starts turned half a turn.
    RotationAngle = 180;

    Camera->SetFocalLength(40);
    FittedWidth = FittedHeight = 0;
    ZoomOffset = 0;
    Camera->SetDepthOfView(10);
    Camera->SetDirection({0, -1, 0});
    // Screen up is the board's far side, so the numbers read upright on the turned board.
    Camera->SetUp({0, 0, -1});
    Camera->SetCameraStyle(scene::TCamera::Style::Orthogonal);
    Camera->SetSceneScale(0.08);
    Camera->SetTarget(nullptr);
    Camera->SetPosition({0, 2, 0});

    Light->SetPosition({0, 20, 10});
    Light->SetLightStyle(scene::TLight::Style::Omni);
    Light->SetColours({1, 1, 1, 1}, {0.85f, 0.85f, 0.85f, 1}, {0, 0, 0, 1});
}

void Tplateau2D_1::AnimateMove(TPieceRef piece, uint8_t speed) {
    TAnim::AnimateMove(piece, speed);
}

double Tplateau2D_1::BoardAngle() const {
    return BoardObject ? BoardObject->RollAngle() : 0;
}

void Tplateau2D_1::SetBoardAngle(double degrees) {
    if (BoardObject) BoardObject->SetRollAngle(degrees);
}

void Tplateau2D_1::FrameProgress(scene::TSceneObject&, double, double) {
    if (!FrameStep(kTolerance, false, true)) return;
    FitCamera();
    DrawMarkers();
}

void Tplateau2D_1::FitCamera() {
    const int width = Viewer.ClientWidth(), height = Viewer.ClientHeight();
    if (width <= 0 || height <= 0) return;
    if (width != FittedWidth || height != FittedHeight || RotationAngle != FittedAngle) {
        FittedWidth = width;
        FittedHeight = height;
        FittedAngle = RotationAngle;
        // On the screen: the board (12 across) turned by its angle, the reserve columns
        // standing at 11 on either side from -5 to 5, half a piece around each.
        const double theta = RotationAngle * std::numbers::pi / 180.0;
        const double board = 6 * (std::fabs(std::cos(theta)) + std::fabs(std::sin(theta)));
        const double halfWidth = std::max(board, 11.5);
        const double halfHeight = std::max(board, 5.5);
        const double aspect = static_cast<double>(width) / height;
        constexpr double kMargin = 1.04;
        const double half = std::max(halfHeight, halfWidth / aspect) * kMargin;
        FittedFocal = scene::TCamera::kOrthoUnits / (2 * half * Camera->SceneScale());
    }
    Camera->SetFocalLength(FittedFocal * std::max(40 + ZoomOffset, 1.0) / 40);
}

void Tplateau2D_1::DrawMarkers() {
    for (size_t i = 0; i < PointObjects.size(); ++i) {
        auto* marker = static_cast<scene::TDisk*>(PointObjects[i]);
        scene::TSceneObject* ring = Rings[i];
        const char mark = i < Game.Highlight.size() ? Game.Highlight[i] : ' ';
        Colour emission;
        switch (mark) {
        case 'D':
            emission = kWhiteColour;
            break;
        case 'P':
            emission = {1, 1, 0, 1};
            break;
        case 'S':
            emission = {0, 0, 1, 1};
            break;
        default:
            marker->DeleteMovement();
            marker->SetVisible(true);
            if (marker->InnerRadius() != 0 || marker->OuterRadius() != 0.4)
                marker->SetRadii(0, 0.4);
            if (marker->Material().Emission != kNavy) marker->SetMaterial(Plain(kNavy));
            if (ring->Visible()) ring->SetVisible(false);
            continue;
        }
        if (ring->Material().Emission != emission) ring->SetMaterial(Plain(emission));
        ring->SetVisible(true);
    }
    const int cursor = Game.KeyboardCursor;
    if (cursor >= 0 && cursor < static_cast<int>(Rings.size())) {
        scene::TSceneObject* ring = Rings[static_cast<size_t>(cursor)];
        const Colour red{1, 0, 0, 1};
        if (ring->Material().Emission != red) ring->SetMaterial(Plain(red));
        ring->SetVisible(true);
    }
}

void Tplateau2D_1::Resize(int, int) {}

void Tplateau2D_1::Zoom(int32_t delta) {
    delta = std::clamp(delta, -10, 10);
    // The steps of a board seen at focal length 40, on top of the fitted one.
    ZoomOffset = std::clamp(ZoomOffset - delta / 5.0, -36.0, 400.0);
    FitCamera();
}

RestingPlace Tplateau2D_1::PieceRestingPlace(int colour, int index) {
    const double side = colour == 0 ? -1.0 : 1.0;
    const TPieceRec& record = Game.Pieces[static_cast<size_t>(colour)][static_cast<size_t>(index)];
    if (record.State == TPieceRec::Captured) return {15 * side, 0, 5, false};
    // Columns of ten, the first one outermost.
    const double x0 = side * (11 - index / 10);
    const double y0 = (index % 10) * 1.1 - 5;
    if (record.State == TPieceRec::InReserve) {
        const double theta = RotationAngle * std::numbers::pi / 180.0;
        return {x0 * std::cos(theta) + y0 * std::sin(theta),
                y0 * std::cos(theta) - x0 * std::sin(theta), 1.0, true};
    }
    if (record.Point >= 0 && record.Point < Game.Model.PointCount()) {
        const auto& p = Game.Model.Points[static_cast<size_t>(record.Point)];
        return {BoardX(p.X), BoardY(p.Y), 0.5, true};
    }
    return {x0, y0, 1.0, true};
}

void Tplateau2D_1::ShowNumbers(bool on) {
    NumbersShown = on;
    const double angle = std::fabs(360 - RotationAngle);
    if (!LabelsBuilt) {
        if (!on || !BoardObject) return;
        Host.ProcessPendingEvents();
        // Light yellow on the dark wood, away from the blue lines and the navy points.
        scene::TMaterial material = Plain(kBlackColour);
        material.Emission = {1.0f, 0.9f, 0.45f, 1.0f};
        const double height = LabelHeight();
        for (int i = 0; i < Game.Model.PointCount(); ++i) {
            auto* label = BoardObject->AddChild<scene::TSpaceText>();
            label->SetText(std::to_string(i + 1), height, 0.1);
            label->SetPosition(LabelPlace(i));
            label->SetMaterial(material);
            label->SetRollAngle(angle);
            Labels.push_back(label);
        }
        LabelsBuilt = true;
        Host.ProcessPendingEvents();
        return;
    }
    for (size_t i = 0; i < Labels.size(); ++i) {
        Labels[i]->SetVisible(on);
        Labels[i]->SetRollAngle(angle);
        Labels[i]->SetPosition(LabelPlace(static_cast<int>(i)));
    }
}

double Tplateau2D_1::LabelHeight() const {
    // A third of the shortest distance between two points: readable at any zoom, since it
    // grows with the board, and never running into the next point's number.
    double closest = 10;
    const auto& points = Game.Model.Points;
    for (size_t a = 0; a < points.size(); ++a)
        for (size_t b = a + 1; b < points.size(); ++b) {
            const double d = std::hypot(BoardX(points[a].X) - BoardX(points[b].X),
                                        BoardY(points[a].Y) - BoardY(points[b].Y));
            if (d > 1e-6) closest = std::min(closest, d);
        }
    return std::clamp(closest / 3, 0.3, 0.8);
}

scene::Vec3 Tplateau2D_1::LabelPlace(int point) const {
    const auto& p = Game.Model.Points[static_cast<size_t>(point)];
    // Up and to the right on the screen, clear of the piece (radius 0.5); the board turns
    // by its angle, so the offset is turned back by it.
    const double away = 0.5 + 0.45 * LabelHeight();
    const double theta = RotationAngle * std::numbers::pi / 180.0;
    const double ox = away, oy = away;
    return {BoardX(p.X) + ox * std::cos(theta) + oy * std::sin(theta),
            BoardY(p.Y) - ox * std::sin(theta) + oy * std::cos(theta), 0.7};
}

void Tplateau2D_1::DragPiece(scene::TSceneObject& object, int x, int y) {
    object.SetPosition({static_cast<double>(x), static_cast<double>(y), 0.5});
    Host.SetStatusPanel(0, std::to_string(x) + " " + std::to_string(y) + " 0.5");
    Dragging = true;
}

void Tplateau2D_1::StartDiceRoll() {
    TAnim::StartDiceRoll();
    Scene.StopAllMovements();
    for (int die = 1; die <= 3; ++die)
        if (scene::TSceneObject* sprite = DieObjects[static_cast<size_t>(die)]) {
            const bool white = DiceSide == 0;
            sprite->SetPosition({white ? -7.7 : 7.7, 0, (white ? 5.3 : 7.7) - 3.3 * die});
        }
}

void Tplateau2D_1::StopDiceRoll() {
    DiceShown = false;
    for (int die = 1; die <= 3; ++die)
        Game.Dice[static_cast<size_t>(die)].Rolling = 0;
}

void Tplateau2D_1::ShowDieFace(int die) {
    if (die < 1 || die > 3) return;
    scene::TSceneObject* sprite = DieObjects[static_cast<size_t>(die)];
    const int value = Game.Dice[static_cast<size_t>(die)].Value;
    if (sprite && sprite->Visible() && value >= 1 && value <= 6) ShowFace(*sprite, value);
}

void Tplateau2D_1::DiceFrame(scene::TSceneObject& sprite) {
    int die = 0;
    for (int k = 1; k <= 3; ++k)
        if (DieObjects[static_cast<size_t>(k)] == &sprite) die = k;
    if (die == 0 || !sprite.Visible()) return;

    bool anyRolling = false;
    for (int k = 1; k <= 3; ++k)
        anyRolling |= Game.Dice[static_cast<size_t>(k)].Rolling == 1;
    if (DiceShown && !anyRolling) {
        Animating = false;
        DiceShown = false;
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

    TDieRec& record = Game.Dice[static_cast<size_t>(die)];
    if (record.Rolling != 1) return;
    const int64_t rolled = static_cast<int64_t>(Now()) - record.StartTick;
    if (sprite.Tag == record.Value && rolled > Options()[TOptions::DiceDelayMs]) {
        record.Rolling = 2;
        return;
    }
    const int face =
        sprite.Tag >= 6 || sprite.Tag < 1 ? static_cast<int>(RandomBelow(6)) + 1 : sprite.Tag + 1;
    ShowFace(sprite, face);
    PendingSound = 1;
}

} // namespace vantorel
