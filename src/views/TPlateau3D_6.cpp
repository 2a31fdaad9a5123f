#include "TPlateau3D_6.h"

#include "WindowMaterials.h"

#include "engine/Random.h"
#include "scene/TScene.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vantorel {

using scene::Colour;
using scene::Vec3;

namespace {

constexpr double kTolerance = 0.001;
const Colour kBrass{0.8f, 0.498f, 0.196f, 1.0f};
const Colour kLinkColour{0.81f, 0.71f, 0.23f, 1.0f};
constexpr double kMarkerRadius = 0.4;
constexpr double kMaxMarkerRadius = 0.6;
constexpr double kDieHalf = 0.4;
// Up from the board for a die at rest: its +z face, the one that shows the value.
const Vec3 kDieRestDirection{0, 1, 0};
const Vec3 kDieRestUp{0, 0, -1};

std::string FaceName(int face) {
    return "IMG" + std::to_string(face);
}

scene::TMaterial Plain(const Colour& colour) {
    scene::TMaterial material;
    material.SetAllColours(colour);
    material.TextureEnabled = false;
    return material;
}

scene::TMaterial MarkerMaterial(const Colour& emission) {
    scene::TMaterial material;
    material.Diffuse = {0, 0, 0, 1};
    material.Ambient = {0.2f, 0.2f, 0.2f, 1};
    material.Emission = emission;
    material.Specular = {0, 0, 0, 1};
    material.Blending = true;
    material.TextureEnabled = false;
    return material;
}

std::string FindPieceMesh() {
    if (!TPlateau3D_6::PieceMeshFile.empty()) return TPlateau3D_6::PieceMeshFile;
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {folder + QStringLiteral("/jeton2.3ds"),
                                     folder + QStringLiteral("/../share/vantorel/jeton2.3ds")})
        if (QFileInfo::exists(candidate)) return candidate.toStdString();
    return {};
}

} // namespace

TPlateau3D_6::TPlateau3D_6(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                           TViewHost& host)
    : TAnim(game, viewer, scene, host) {
    ZoomStep = 20;
    SoundSlot[0] = 0; // "classique": a piece lands
    SoundSlot[2] = 5; // "des.WAV": the dice are thrown

    FitBoard(10);
    ResetScene();
    MovingPiece = {};
    FromPoint = ToPoint = -1;
    VisibleAtEnd = true;
    Target = {0, 0, 0};

    BuildBoard();
    BuildPieces();
    if (UsesDice()) BuildDice();
    Refresh();
    Frame->OnProgress = [this](scene::TSceneObject& sender, double delta, double time) {
        FrameProgress(sender, delta, time);
    };
}

TPlateau3D_6::~TPlateau3D_6() {
    Frame->OnProgress = nullptr;
    StopAnimation();
    // The dice draw with this view's own materials: they go before the materials do.
    DeleteDice();
    Labels.clear();
}

void TPlateau3D_6::ResetScene() {
    TAnim::ResetScene();
    Viewer.Buffer().BackgroundColour = {128 / 255.0f, 128 / 255.0f, 0, 1};
    Camera->SetFocalLength(150);
    Camera->SetDepthOfView(100);
    Camera->SetPosition({0, 10, 20});
    Camera->SetTarget(Frame);
    Light->SetColours({1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1});
}

void TPlateau3D_6::BuildBoard() {
    const bool textures = Options()[TOptions::Textures] == 1;
    auto* board = Frame->AddChild<scene::TCube>();
    board->SetName("plateau");
    board->SetSize(12.5, 0.5, 12.5);
    board->SetMaterial(NamedMaterial(Host.Materials(), kMatBoisAncien, textures));
    board->SetTurnAngle(RotationAngle);
    BoardObject = board;

    // One polyline per chain of consecutive links, as on the flat board.
    const Tmodele& model = Game.Model;
    scene::TLines* chain = nullptr;
    int chainEnd = -1;
    auto nodeOf = [&](int point) {
        const auto& p = model.Points[static_cast<size_t>(point)];
        return Vec3(BoardX(p.X), 0.3, BoardY(p.Y));
    };
    for (const auto& link : model.Links) {
        if (link.A < 0 || link.B < 0 || link.A >= model.PointCount() ||
            link.B >= model.PointCount())
            continue;
        if (chain && link.A == chainEnd) {
            chain->AddNode(nodeOf(link.B));
        } else {
            chain = board->AddChild<scene::TLines>();
            chain->SetLineStyle(3.0f, kLinkColour, true);
            chain->SetNodes({nodeOf(link.A), nodeOf(link.B)});
        }
        chainEnd = link.B;
    }

    for (int i = 0; i < model.PointCount(); ++i) {
        const auto& p = model.Points[static_cast<size_t>(i)];
        auto* marker = board->AddChild<scene::TDisk>();
        marker->SetName("L_" + std::to_string(i));
        marker->SetRadii(0, kMarkerRadius);
        marker->SetDirection({0, 1, 0});
        marker->SetPosition({BoardX(p.X), 0.37, BoardY(p.Y)});
        marker->SetMaterial(MarkerMaterial(kBrass));
        const auto point = static_cast<size_t>(i);
        marker->OnProgress = [this, point](scene::TSceneObject&, double delta, double) {
            MarkerFrame(point, delta);
        };
        PointObjects.push_back(marker);
    }
}

void TPlateau3D_6::BuildPieces() {
    const bool textures = Options()[TOptions::Textures] == 1;
    const int materials[2] = {kMatIvoire, kMatEbene};
    scene::TSceneObject* models[2] = {nullptr, nullptr};
    const std::string mesh = FindPieceMesh();
    MeshLoaded = !mesh.empty();
    for (int colour = 0; colour < 2 && MeshLoaded; ++colour) {
        auto* token = BoardObject->AddChild<scene::TFreeForm>();
        if (!token->LoadFromFile(mesh)) {
            BoardObject->DeleteChild(token);
            MeshLoaded = false;
            break;
        }
        token->SetScale({0.02, 0.02, 0.02});
        // The file stands the token on its z axis; these two turns stand it on the board.
        token->SetRollAngle(90);
        token->SetTurnAngle(90);
        models[colour] = token;
    }
    if (!MeshLoaded) {
        for (scene::TSceneObject*& model : models)
            if (model) {
                BoardObject->DeleteChild(model);
                model = nullptr;
            }
        for (auto& model : models) {
            auto* cylinder = BoardObject->AddChild<scene::TCylinder>();
            cylinder->SetShape(0.5, 0.5, 1, 12);
            cylinder->SetScale({1, 0.3, 1});
            model = cylinder;
        }
    }
    for (int colour = 0; colour < 2; ++colour) {
        scene::TSceneObject* model = models[colour];
        model->SetMaterial(NamedMaterial(Host.Materials(), materials[colour], textures));
        model->SetVisible(false);
        const char* prefix = colour == 0 ? "B_" : "N_";
        const auto count = Game.Pieces[static_cast<size_t>(colour)].size();
        for (size_t index = 0; index < count; ++index) {
            auto* proxy = BoardObject->AddChild<scene::TProxy>();
            proxy->SetMaster(model);
            proxy->SetName(prefix + std::to_string(index));
            PieceObjects[static_cast<size_t>(colour)].push_back(proxy);
        }
    }
}

QImage TPlateau3D_6::DieFacePicture(int face) {
    // The dots of the flat board's dice, on a green face with an olive border.
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
    picture.fill(QColor(0, 128, 0));
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(128, 128, 0), 2));
    painter.drawRect(1, 1, 58, 58);
    if (face < 1 || face > 6) return picture;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::yellow);
    painter.setBrush(Qt::yellow);
    for (int dot = 0; dot < face; ++dot) {
        const int* box = kDots[face - 1][dot];
        painter.drawEllipse(QRect(box[0], box[1], box[2] - box[0], box[3] - box[1]));
    }
    return picture;
}

std::array<int, 6> TPlateau3D_6::DieFaces(int value) {
    // The side faces around each top value, as a real die has them.
    static const int kSides[7][2] = {{0, 0}, {2, 3}, {3, 1}, {1, 2}, {5, 6}, {6, 4}, {2, 3}};
    if (value < 1 || value > 6) value = 1;
    const int a = kSides[value][0], b = kSides[value][1];
    return {value, 7 - value, a, 7 - a, b, 7 - b};
}

void TPlateau3D_6::BuildDice() {
    for (int face = 1; face <= 6; ++face)
        DiceMaterials.AddTextureMaterial(FaceName(face), DieFacePicture(face));
    // +z, −z, +x, −x, +y, −y
    const Vec3 normals[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    for (int die = 1; die <= 3; ++die) {
        auto* cube = BoardObject->AddChild<scene::TDummyCube>();
        cube->SetCubeSize(0.78);
        cube->ResetOrientation(kDieRestDirection, kDieRestUp);
        for (size_t k = 0; k < 6; ++k) {
            auto* face = cube->AddChild<scene::TPlane>();
            face->SetSize(2 * kDieHalf, 2 * kDieHalf);
            face->SetDirection(normals[k]);
            face->SetPosition(normals[k] * kDieHalf);
            DieFaceObjects[static_cast<size_t>(die)][k] = face;
        }
        DieObjects[static_cast<size_t>(die)] = cube;
        RestDie(die);
        cube->SetVisible(false);
    }
    for (int die = 1; die <= 3; ++die)
        if (Game.Dice[static_cast<size_t>(die)].Rolling > 0) {
            // A roll interrupted by a change of theme goes on.
            StartDiceRoll();
            break;
        }
}

void TPlateau3D_6::ShowDieFace(int die) {
    if (die < 1 || die > 3 || !DieObjects[static_cast<size_t>(die)]) return;
    const std::array<int, 6> faces = DieFaces(Game.Dice[static_cast<size_t>(die)].Value);
    for (size_t k = 0; k < 6; ++k) {
        scene::TSceneObject* face = DieFaceObjects[static_cast<size_t>(die)][k];
        if (!face || face->Tag == faces[k]) continue;
        face->Tag = faces[k];
        scene::TMaterial material;
        material.SetAllColours({1, 1, 1, 1});
        material.Emission = {0.35f, 0.35f, 0.35f, 1};
        material.Library = &DiceMaterials;
        material.LibraryMaterial = FaceName(faces[k]);
        face->SetMaterial(material);
    }
}

void TPlateau3D_6::RestDie(int die) {
    scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)];
    if (!cube) return;
    cube->ResetOrientation(kDieRestDirection, kDieRestUp);
    cube->SetPosition({3.0 * die - 6, 0.7, 6});
}

void TPlateau3D_6::StartDiceRoll() {
    TAnim::StartDiceRoll();
    Scene.StopAllMovements();
    const double speed = Options()[TOptions::AnimSpeed];
    for (int die = 1; die <= 3; ++die) {
        scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)];
        if (!cube) continue;
        ShowDieFace(die);
        cube->ResetOrientation(kDieRestDirection, kDieRestUp);
        cube->SetPosition({2.0 * die - 4, 7, -15});
        scene::TMovement& movement = cube->GetOrCreateMovement();
        movement.StopPathTravel();
        movement.ClearPaths();
        const int path = movement.AddPath(false);
        auto tumble = [] { return Vec3(RandomBelow(180), RandomBelow(180), 0); };
        movement.AddNode(path, cube->Position(), tumble(), 2 * speed);
        movement.AddNode(path, {2.0 * die - 4, 0.7, -5}, tumble(), speed);
        movement.AddNode(path, {1.0 * die - 2, 2, 0}, tumble(), speed);
        movement.AddNode(path, {4.0 * die - 8, 0.7, 5}, tumble(), speed);
        movement.AddNode(path, {3.0 * die - 6, 0.7, 6}, {0, 0, 0}, speed);
        movement.OnPathTravelStop = [this, die](scene::TMovement&, int, bool& looped) {
            looped = false;
            DieStopped(die);
        };
        movement.OnAllPathsTravelled = [this, die](scene::TMovement&) { DieStopped(die); };
        movement.SetActivePath(path);
        movement.StartPathTravel();
    }
}

void TPlateau3D_6::DieStopped(int die) {
    // The player's next click stops the dice in the game: none is sent from here.
    DieCameToRest(die);
    ShowDieFace(die);
    RestDie(die);
}

void TPlateau3D_6::StopDiceRoll() {
    const bool thrown = DiceShown;
    TAnim::StopDiceRoll();
    for (int die = 1; die <= 3; ++die)
        if (scene::TSceneObject* cube = DieObjects[static_cast<size_t>(die)]) {
            if (cube->Movement()) cube->Movement()->StopPathTravel();
            RestDie(die);
        }
    // The throw was what kept the view busy.
    if (thrown) Animating = false;
}

bool TPlateau3D_6::VisibleAtEndFor(const TPieceRec& record) const {
    return record.State != TPieceRec::Captured;
}

void TPlateau3D_6::FrameProgress(scene::TSceneObject&, double, double) {
    // A piece held by the mouse stays where the mouse is.
    if (Dragging) {
        if (Host.HasUsableView()) BaseFrameProgress();
        return;
    }
    if (FrameStep(kTolerance, true, false)) SettleStrandedDice();
}

void TPlateau3D_6::MarkerFrame(size_t point, double deltaTime) {
    if (point >= PointObjects.size()) return;
    auto* marker = static_cast<scene::TDisk*>(PointObjects[point]);
    const char mark = point < Game.Highlight.size() ? Game.Highlight[point] : ' ';
    Colour target = kBrass;
    double radius = kMarkerRadius;
    switch (mark) {
    case 'D':
        target = {1, 1, 1, 1};
        radius = 0.45;
        break;
    case 'P':
        target = {1, 0, 0, 1};
        radius = 0.5;
        break;
    case 'S':
        target = {0, 0, 1, 1};
        radius = 0.5;
        break;
    default:
        break;
    }
    if (Game.KeyboardCursor >= 0 && static_cast<size_t>(Game.KeyboardCursor) == point) {
        target = {1, 0.5f, 0, 1};
        radius = 0.5;
    }

    // Halfway to the target colour each frame: a quick glow rather than a jump.
    const Colour& now = marker->Material().Emission;
    Colour next = now + (target - now) * 0.5f;
    bool settled = true;
    for (int c = 0; c < 4; ++c)
        if (std::fabs(target[c] - next[c]) < 1.0f / 512)
            next[c] = target[c];
        else
            settled = false;
    double outer = marker->OuterRadius();
    if (outer < radius)
        outer = std::min(outer + deltaTime / 10, kMaxMarkerRadius);
    else if (outer > radius)
        outer = radius;
    if (next != now) marker->SetMaterial(MarkerMaterial(next));
    if (outer != marker->OuterRadius()) marker->SetRadii(0, outer);
    // The glow needs frames of its own, however the viewer schedules them.
    if (!settled || outer != radius) Viewer.update();
}

RestingPlace TPlateau3D_6::PieceRestingPlace(int colour, int index) {
    const double side = colour == 0 ? -1.0 : 1.0;
    const auto& pieces = Game.Pieces[static_cast<size_t>(colour)];
    const TPieceRec& record = pieces[static_cast<size_t>(index)];
    if (record.State == TPieceRec::Captured) return {10 * side, 0, -15, false};
    if (record.State == TPieceRec::InReserve) {
        // Seven places along the side; a piece stands on those of its column still there.
        double x = 5.9 * side;
        const double z = (index % 7) * 1.5 - 5;
        double y = 0.35;
        bool under = false;
        double highest = 0;
        for (int below = index - 7; below >= 0; below -= 7) {
            if (pieces[static_cast<size_t>(below)].State != TPieceRec::InReserve) continue;
            under = true;
            if (const scene::TSceneObject* object = PieceObject(colour, below))
                highest = std::max(highest, object->Position().y());
        }
        if (highest > 0) y = highest + 0.2;
        if (under) x += index % 2 == 0 ? 0.05 : -0.05;
        return {x, y, z, true};
    }
    if (record.Point >= 0 && record.Point < Game.Model.PointCount()) {
        const auto& p = Game.Model.Points[static_cast<size_t>(record.Point)];
        return {BoardX(p.X), 0.35, BoardY(p.Y), true};
    }
    return {5.5 * side, 0.35, index * 1.2 - 5, true};
}

void TPlateau3D_6::ShowNumbers(bool on) {
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

void TPlateau3D_6::SettleStrandedDice() {
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
