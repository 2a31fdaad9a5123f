#include "TPlateau3D_13.h"

#include "BitmapFonts.h"
#include "WindowMaterials.h"

#include "scene/TFrustum.h"
#include "scene/TScene.h"
#include "scene/TShapes.h"
#include "scene/TSkyDome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace vantorel {

using scene::Colour;
using scene::Vec3;

namespace {

constexpr double kTolerance = 0.01;
// The board's roll when the rotation angle is 0: a quarter turn more than the start value
// of 90 degrees gives the board's own 270.
constexpr double kRollAtNoRotation = 180;
constexpr double kMarkerHeight = 0.05;
const Colour kDark{0, 0, 0, 1};

scene::TMaterial Plain(const Colour& colour) {
    scene::TMaterial material;
    material.SetAllColours(colour);
    material.TextureEnabled = false;
    return material;
}

} // namespace

TPlateau3D_13::TPlateau3D_13(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                             TViewHost& host)
    : TAnim(game, viewer, scene, host), Board(TBoardPicture::Draw(game.Model)) {
    ZoomStep = 20;
    HeightAxis = 2; // the board's children stand on its xy plane

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
            std::make_unique<THudDice>(*this, *Frame, THudDiceStyle{&BitmapFont2(), 15, 1.0, 0.25});
        // One text stands for the three dice: hiding the dice hides it.
        for (int die = 1; die <= 3; ++die)
            DieObjects[static_cast<size_t>(die)] = HudDice->Text();
        for (int die = 1; die <= 3; ++die)
            if (Game.Dice[static_cast<size_t>(die)].Rolling > 0) {
                StartDiceRoll();
                break;
            }
    }
    Refresh();
    Frame->OnProgress = [this](scene::TSceneObject& sender, double delta, double time) {
        FrameProgress(sender, delta, time);
    };
}

TPlateau3D_13::~TPlateau3D_13() {
    Frame->OnProgress = nullptr;
    StopAnimation();
    HideDice();
    DieObjects = {};
    HudDice.reset();
    Labels.clear();
    // The board draws with this view's own material: it goes before the material does.
    if (BoardObject) Frame->DeleteChild(BoardObject);
    BoardObject = nullptr;
    PointObjects.clear();
    PieceObjects = {};
}

void TPlateau3D_13::ResetScene() {
    TAnim::ResetScene();
    auto& buffer = Viewer.Buffer();
    buffer.BackgroundColour = kDark;
    buffer.Fog = true;
    buffer.FogColour = Colour(1, 1, 1, 1);
    buffer.FogStart = 20;
    buffer.FogEnd = 30;
    Camera->SetFocalLength(100);
    Camera->SetDepthOfView(150);
    Camera->SetPosition({0, 14.3, 2.5});
    Camera->SetTarget(Frame);
    Light->SetLightStyle(scene::TLight::Style::Spot);
    Light->SetPosition({0, 15, 3});
    Light->SetSpotDirection({0, -1, 0});
    Light->SetColours({0.15f, 0.15f, 0.15f, 1}, {0.498f, 1, 0, 1}, kDark);
    RotationAngle = 90;
}

QImage TPlateau3D_13::LoadGrass() {
    QImage grass(GrassResource);
    if (!grass.isNull()) return grass;
    QStringList files;
    if (!GrassFile.isEmpty())
        files << GrassFile;
    else
        files << QCoreApplication::applicationDirPath() + QStringLiteral("/HERBE.BMP")
              << QDir::current().filePath(QStringLiteral("HERBE.BMP"));
    for (const QString& file : files)
        if (QFileInfo::exists(file) && grass.load(file)) return grass;
    grass = QImage(40, 40, QImage::Format_RGB32);
    grass.fill(QColor(0, 128, 0));
    return grass;
}

QImage TPlateau3D_13::GrassedBoard(const QImage& board, const QImage& grass) {
    QImage out = board.convertToFormat(QImage::Format_RGB32);
    if (grass.isNull()) return out;
    const QImage tile = grass.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb b = out.pixel(x, y);
            // White is the empty board: grass there, and blended into the lines' soft edges.
            const int least = std::min({qRed(b), qGreen(b), qBlue(b)});
            const double meadow = std::clamp((least - 160) / 95.0, 0.0, 1.0);
            if (meadow <= 0) continue;
            const QRgb g = tile.pixel(x % tile.width(), y % tile.height());
            auto mix = [&](int from, int to) {
                return static_cast<int>(std::lround(from + (to - from) * meadow));
            };
            out.setPixel(
                x, y,
                qRgb(mix(qRed(b), qRed(g)), mix(qGreen(b), qGreen(g)), mix(qBlue(b), qBlue(g))));
        }
    return out;
}

void TPlateau3D_13::BuildScenery() {
    auto* sky = Scene.Root().AddChild<scene::TSkyDome>();
    sky->SetPosition({0, -5, 0});
    // A sunset: deep blue under the horizon, red along it, yellow overhead.
    const Colour deep{0.05f, 0.1f, 0.45f, 1}, blue{0.25f, 0.4f, 0.85f, 1},
        red{0.85f, 0.22f, 0.15f, 1}, orange{1, 0.55f, 0.12f, 1}, yellow{1, 0.9f, 0.4f, 1};
    sky->SetBands({{-90, -30, deep, blue, 6},
                   {-30, 0, blue, red, 6},
                   {0, 20, red, orange, 4},
                   {20, 90, orange, yellow, 6}},
                  24);
}

void TPlateau3D_13::BuildBoard() {
    const QImage picture = GrassedBoard(Board.Picture, LoadGrass());
    scene::THeightField* board =
        AddPictureBoard(*Frame, picture, kPixelsPerUnit, BoardMaterials, "plateau");
    board->SetName("plateau");
    board->ResetOrientation({0, 1, -1}, {0, 0, 1});
    board->SetPosition({0, -5, 0});
    BoardObject = board;
    SetBoardAngle(RotationAngle);

    for (int i = 0; i < Game.Model.PointCount(); ++i) {
        auto* marker = board->AddChild<scene::TDisk>();
        marker->SetName("L_" + std::to_string(i));
        marker->SetRadii(0, 0.7);
        if (Board.HasPoint(i)) {
            const QPoint& p = Board.Points[static_cast<size_t>(i)];
            marker->SetPosition({TBoardPicture::ToBoard(p.x(), kPixelsPerUnit),
                                 TBoardPicture::ToBoard(p.y(), kPixelsPerUnit), kMarkerHeight});
        }
        marker->SetMaterial(Plain(kDark));
        PointObjects.push_back(marker);
    }

    const bool textures = Options()[TOptions::Textures] == 1;
    auto* rock = Frame->AddChild<scene::TDodecahedron>();
    rock->SetPosition({5, -7, 0});
    rock->SetPitchAngle(25);
    rock->SetRollAngle(40);
    rock->SetMaterial(NamedMaterial(Host.Materials(), kMatPlaneteRouge, textures));
}

void TPlateau3D_13::BuildPieces() {
    const bool textures = Options()[TOptions::Textures] == 1;
    const int materials[2] = {kMatPierreBlanche, kMatPierreNoire};
    for (int colour = 0; colour < 2; ++colour) {
        auto* stone = BoardObject->AddChild<scene::TFrustum>();
        stone->SetShape(0.8, 0.8, 2, 1.5);
        stone->SetMaterial(NamedMaterial(Host.Materials(), materials[colour], textures));
        stone->SetVisible(false);
        const char* prefix = colour == 0 ? "B_" : "N_";
        const auto count = Game.Pieces[static_cast<size_t>(colour)].size();
        for (size_t index = 0; index < count; ++index) {
            auto* proxy = BoardObject->AddChild<scene::TProxy>();
            proxy->SetMaster(stone);
            proxy->SetName(prefix + std::to_string(index));
            // Its height along the board's z, up out of the grass.
            proxy->SetDirection({0, -1, 0});
            PieceObjects[static_cast<size_t>(colour)].push_back(proxy);
        }
    }
}

double TPlateau3D_13::BoardAngle() const {
    return BoardObject ? BoardObject->RollAngle() - kRollAtNoRotation : 0;
}

void TPlateau3D_13::SetBoardAngle(double degrees) {
    if (BoardObject) BoardObject->SetRollAngle(degrees + kRollAtNoRotation);
}

RestingPlace TPlateau3D_13::PieceRestingPlace(int colour, int index) {
    const double side = colour == 0 ? 1.0 : -1.0;
    const auto& pieces = Game.Pieces[static_cast<size_t>(colour)];
    const TPieceRec& record = pieces[static_cast<size_t>(index)];
    if (record.State == TPieceRec::Captured) return {-15, 10 * side, 2, false};
    if (record.State == TPieceRec::InReserve) {
        // Seven places along the side; a stone stands on those of its column still there.
        double z = 0.5, highest = 0;
        for (int below = index - 7; below >= 0; below -= 7) {
            if (pieces[static_cast<size_t>(below)].State != TPieceRec::InReserve) continue;
            if (const scene::TSceneObject* object = PieceObject(colour, below))
                highest = std::max(highest, object->Position().z());
        }
        if (highest > 0) z = highest + 0.3;
        return {(index % 7) * 1.5 - 5, 5.5 * side, z, true};
    }
    if (Board.HasPoint(record.Point)) {
        const QPoint& p = Board.Points[static_cast<size_t>(record.Point)];
        return {TBoardPicture::ToBoard(p.x(), kPixelsPerUnit),
                TBoardPicture::ToBoard(p.y(), kPixelsPerUnit), -0.08, true};
    }
    return {5.5 * side, index * 1.2 - 5, 0, true};
}

void TPlateau3D_13::FrameProgress(scene::TSceneObject&, double, double) {
    if (!FrameStep(kTolerance, false, false)) return;
    DrawMarkers();
}

void TPlateau3D_13::DrawMarkers() {
    for (size_t i = 0; i < PointObjects.size(); ++i) {
        auto* marker = static_cast<scene::TDisk*>(PointObjects[i]);
        const char mark = i < Game.Highlight.size() ? Game.Highlight[i] : ' ';
        scene::TMaterial material = marker->Material();
        switch (mark) {
        case 'C':
            break; // a candidate keeps its glow
        case 'D':
            material.Emission = {1, 1, 1, 1};
            break;
        case 'P':
            material.Emission = {1, 1, 0, 1};
            break;
        case 'S':
            material.Emission = {0, 0, 1, 1};
            break;
        default:
            // Back to a plain black slab.
            if (!marker->Children().empty()) marker->DeleteChildren();
            marker->SetVisible(true);
            if (marker->InnerRadius() != 0) marker->SetRadii(0, marker->OuterRadius());
            material = Plain(kDark);
            break;
        }
        if (Game.KeyboardCursor >= 0 && static_cast<size_t>(Game.KeyboardCursor) == i)
            material.Emission = {1, 0, 0, 1};
        marker->SetMaterial(material);
    }
}

void TPlateau3D_13::StartDiceRoll() {
    if (!HudDice) return;
    HudDice->Start();
    AnimStart = Now();
}

void TPlateau3D_13::StopDiceRoll() {
    if (HudDice)
        HudDice->Stop();
    else
        TAnim::StopDiceRoll();
}

void TPlateau3D_13::ShowDieFace(int) {
    if (HudDice) HudDice->ShowValues();
}

void TPlateau3D_13::ShowNumbers(bool on) {
    NumbersShown = on;
    // Lying on the board, turned back by its angle so they read upright.
    const double angle = std::fabs(360 - BoardAngle());
    if (!LabelsBuilt) {
        if (!on || !BoardObject) return;
        Host.ProcessPendingEvents();
        scene::TMaterial material = Plain(kDark);
        material.Emission = {1, 1, 1, 1};
        for (int i = 0; i < Game.Model.PointCount() && Board.HasPoint(i); ++i) {
            const QPoint& p = Board.Points[static_cast<size_t>(i)];
            auto* label = BoardObject->AddChild<scene::TSpaceText>();
            label->SetText(std::to_string(i + 1), 0.4, 0.05);
            label->SetPosition({TBoardPicture::ToBoard(p.x(), kPixelsPerUnit),
                                TBoardPicture::ToBoard(p.y(), kPixelsPerUnit), 0.2});
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
