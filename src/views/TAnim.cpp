#include "TAnim.h"

#include "scene/TScene.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantorel {

using scene::TShiftState;
using scene::Vec3;

namespace {

// Exactly the left button held, no modifier key and no other button.
bool OnlyLeftButton(TShiftState shift) {
    return shift == scene::kLeft;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// Up to three decimal digits from the third character on.
bool ParseNumberAfterPrefix(const std::string& name, int& number) {
    if (name.size() < 3 || name.size() > 5) return false;
    number = 0;
    for (size_t k = 2; k < name.size(); ++k) {
        if (name[k] < '0' || name[k] > '9') return false;
        number = number * 10 + (name[k] - '0');
    }
    return true;
}

} // namespace

TAnim::TAnim(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene, TViewHost& host)
    : Game(game), Viewer(viewer), Scene(scene), Host(host) {
    DiceSide = static_cast<uint8_t>(game.LastMover);
    Speed = static_cast<uint8_t>(host.Options()[TOptions::AnimSpeed]);
    SoundSlot.fill(kSilent);

    // The scene is shared by every view: a new view starts from an empty one.
    Scene.Clear();
    Frame = Scene.Root().AddChild<scene::TDummyCube>();
    Frame->SetName("Cadre");
    Camera = Frame->AddChild<scene::TCamera>();
    Viewer.SetCamera(Camera);
    Light = Scene.Root().AddChild<scene::TLight>();

    // In a base constructor the override cannot run yet: each theme constructor resets
    // the scene again once it is whole.
    TAnim::ResetScene();
    LastX = LastY = 0;
    Viewer.setEnabled(true);
}

TAnim::~TAnim() {
    if (Frame) Frame->OnProgress = nullptr;
    // The theme's overrides are gone by now; the base operations tidy up.
    TAnim::HideDice();
    PickedObject = nullptr;
    TAnim::StopAnimation();
    Viewer.SetCamera(nullptr);
    Scene.Clear();
}

void TAnim::ResetScene() {
    StopAnimation();

    Viewer.setVisible(true);
    Viewer.setEnabled(true);
    auto& buffer = Viewer.Buffer();
    buffer.BackgroundColour = {0, 0, 0, 1};
    buffer.Fog = false;
    buffer.DepthTest = true;
    buffer.FaceCulling = true;
    Viewer.SetCamera(Camera);

    Frame->SetCubeSize(1);
    Frame->SetPosition({0, 8, 0});
    Frame->SetDirection({0, 0, 1});
    Frame->SetVisibleAtRunTime(false);

    Camera->SetFocalLength(150);
    Camera->SetDepthOfView(100);
    Camera->SetDirection({0, 0, -1});
    Camera->SetCameraStyle(scene::TCamera::Style::Perspective);
    Camera->SetSceneScale(1);
    Camera->SetTarget(Frame);
    Camera->SetPosition({0, 10, 20});

    Light->SetColours({0, 0, 0, 1}, {1, 1, 1, 1}, {1, 1, 1, 1});
    Light->SetShining(true);
    Light->SetLightStyle(scene::TLight::Style::Omni);
    Light->SetSpotCutOff(180);
    Light->SetSpotExponent(0);
    Light->SetPosition({0, 10, 0});
    Light->SetSpotDirection({0, 0, -1});

    if (Wireframe) ToggleWireframe();
    if (NumbersShown) ShowNumbers(false);
    RotationAngle = 0;
    Resize(Viewer.ClientWidth(), Viewer.ClientHeight());
}

void TAnim::AnimateMove(TPieceRef piece, uint8_t speed) {
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
    const int path = movement.AddPath(SmoothPaths);

    const double fast = record.State == TPieceRec::Captured ? 2.0 * speed : speed;
    const Vec3 none{0, 0, 0};
    Vec3 lifted = object->Position();
    lifted[HeightAxis] = LiftHeight;
    Vec3 above = Target;
    above[HeightAxis] = ArrivalHeight;
    movement.AddNode(path, object->Position(), none, Speed);
    movement.AddNode(path, lifted, none, fast);
    movement.AddNode(path, above, none, fast);
    movement.AddNode(path, Target, none, Speed);

    movement.SetActivePath(path);
    AnimStart = Now();
    if (ToPoint < 0 && CaptureSound) PendingSound = 2;
    movement.StartPathTravel();
}

void TAnim::FrameProgress(scene::TSceneObject&, double, double) {
    BaseFrameProgress();
}

void TAnim::BaseFrameProgress() {
    const bool wasAnimating = Animating;
    if (Animating && static_cast<int64_t>(Now()) - static_cast<int64_t>(AnimStart) >
                         static_cast<int64_t>(Options()[TOptions::MaxAnimMs]))
        StopAnimation();
    if (wasAnimating) SetCursor(Qt::ArrowCursor);
}

bool TAnim::FrameStep(double tolerance, bool, bool turnReserve) {
    if (!Host.HasUsableView()) return false;
    BaseFrameProgress();

    if (BoardObject && BoardAngle() != RotationAngle) {
        SetBoardAngle(RotationAngle);
        if (NumbersShown) ShowNumbers(true);
        for (int colour = 0; colour < 2; ++colour)
            for (size_t index = 0; index < Game.Pieces[colour].size(); ++index) {
                if (Game.Pieces[colour][index].State != TPieceRec::InReserve) continue;
                scene::TSceneObject* object = PieceObject(colour, static_cast<int>(index));
                if (!object) continue;
                const RestingPlace place = PieceRestingPlace(colour, static_cast<int>(index));
                object->SetPosition({place.X, place.Y, place.Z});
                if (turnReserve) object->SetTurnAngle(RotationAngle);
            }
    }
    if (Game.GameStatus < 0 || Animating) return true;

    Scene.StopAllMovements();
    if (DiscardPieceMovements)
        for (const auto& objects : PieceObjects)
            for (scene::TSceneObject* object : objects)
                object->DeleteMovement();
    int32_t best = std::numeric_limits<int32_t>::max();
    TPieceRef chosen;
    for (int colour = 0; colour < 2; ++colour)
        for (size_t index = 0; index < Game.Pieces[colour].size(); ++index) {
            TPieceRec& record = Game.Pieces[colour][index];
            const RestingPlace place = PieceRestingPlace(colour, static_cast<int>(index));
            record.X = place.X;
            record.Y = place.Y;
            record.Z = place.Z;
            scene::TSceneObject* object = PieceObject(colour, static_cast<int>(index));
            if (!object) continue;
            const Vec3& at = object->Position();
            const bool outOfPlace = std::fabs(at.x() - place.X) > tolerance ||
                                    std::fabs(at.y() - place.Y) > tolerance ||
                                    std::fabs(at.z() - place.Z) > tolerance;
            if (outOfPlace && record.Stamp < best) {
                Animating = true;
                best = record.Stamp;
                chosen = {static_cast<uint8_t>(colour), static_cast<uint8_t>(index)};
                FromPoint = record.PreviousPoint;
                ToPoint = record.Point;
                VisibleAtEnd = VisibleAtEndFor(record);
            }
        }
    if (chosen.IsSet()) {
        MovingPiece = chosen;
        AnimateMove(MovingPiece, Speed);
    }
    return true;
}

bool TAnim::VisibleAtEndFor(const TPieceRec&) const {
    return ToPoint >= 0;
}

double TAnim::BoardAngle() const {
    return BoardObject ? BoardObject->TurnAngle() : 0;
}

void TAnim::SetBoardAngle(double degrees) {
    if (BoardObject) BoardObject->SetTurnAngle(degrees);
}

void TAnim::MoveArrived(scene::TMovement& sender) {
    sender.StopPathTravel();
    if (Game.GameStatus >= 0 && MovingPiece.IsSet()) {
        if (scene::TSceneObject* object = PieceObject(MovingPiece.Colour, MovingPiece.Index)) {
            object->SetPosition(Target);
            object->SetVisible(VisibleAtEnd);
        }
        for (int point : {static_cast<int>(FromPoint), static_cast<int>(ToPoint)})
            if (point >= 0 && point < static_cast<int>(Game.Highlight.size()))
                Game.Highlight[static_cast<size_t>(point)] = ' ';
    }
    Animating = false;
}

void TAnim::PathStopped(scene::TMovement&, int, bool& looped) {
    looped = false;
    if (ToPoint >= 0) PendingSound = 1;
}

int TAnim::PointOfName(const std::string& name) const {
    int number = 0;
    if (!ParseNumberAfterPrefix(name, number)) return -1;
    if (StartsWith(name, "L_")) return number;
    int colour = -1;
    if (StartsWith(name, "B_"))
        colour = 0;
    else if (StartsWith(name, "N_"))
        colour = 1;
    if (colour < 0 || number >= static_cast<int>(Game.Pieces[colour].size())) return -1;
    return Game.Pieces[colour][static_cast<size_t>(number)].Point;
}

bool TAnim::ParsePieceName(const std::string& name, int& colour, int& index) {
    if (StartsWith(name, "B_"))
        colour = 0;
    else if (StartsWith(name, "N_"))
        colour = 1;
    else
        return false;
    return ParseNumberAfterPrefix(name, index);
}

void TAnim::MouseDown(scene::TMouseButton, TShiftState, int x, int y) {
    if (Game.GameStatus < 0) return;
    LastX = x;
    LastY = y;
    Dragging = false;
    PickedObject = Viewer.PickNearest(x, y);
    const int point = PickedObject ? PointOfName(PickedObject->Name()) : -1;
    if (Game.GameStatus != kWaiting && Game.GameStatus != kHumanToAct) return;
    if (Game.ClickState == kClickStopDice)
        ClickGame(0, kNoColour, -1);
    else if (point >= 0)
        ClickGame(point, kNoColour, -1);
}

void TAnim::ClickGame(int point, int colour, int index) {
    try {
        Game.Click(point, colour, index);
    } catch (const Ecoup_imposible&) {
        Host.Beep();
    } catch (const std::exception& error) {
        Host.ReportClickError(error.what());
    }
}

bool TAnim::DieCameToRest(int die) {
    TDieRec& record = Game.Dice[static_cast<size_t>(die)];
    // A roll already stopped (Refresh, a new game) keeps its rolling byte.
    if (record.Rolling == 1) record.Rolling = 2;
    for (int k = 1; k <= 3; ++k)
        if (Game.Dice[static_cast<size_t>(k)].Rolling == 1) return false;
    if (!DiceShown) return false;
    Animating = false;
    DiceShown = false;
    return true;
}

void TAnim::MouseUp(scene::TMouseButton, TShiftState, int x, int y) {
    int colour = 0, index = 0;
    if (Dragging && PickedObject && ParsePieceName(PickedObject->Name(), colour, index)) {
        int point = -1;
        for (scene::TSceneObject* object : Viewer.PickRect(x - 2, y - 2, x + 2, y + 2, 5)) {
            int m = 0;
            if (StartsWith(object->Name(), "L_") && ParseNumberAfterPrefix(object->Name(), m))
                point = m;
        }
        if (point >= 0) ClickGame(point, colour, index);
    }
    PickedObject = nullptr;
}

void TAnim::MouseMove(TShiftState shift, int x, int y) {
    Dragging = false;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    if (Game.GameStatus >= 0) {
        if (PickedObject && StartsWith(PickedObject->Name(), "plat") && OnlyLeftButton(shift)) {
            // Measured from the press point: the further the mouse, the faster the turn.
            RotationAngle += (x - LastX) / 10.0;
            return;
        }
        const int cs = Game.ClickState;
        if (!Animating && (Game.GameStatus == kWaiting || Game.GameStatus == kHumanToAct) &&
            (cs == kClickDestination || cs == kClickSelect || cs == kClickCapture ||
             cs == kClickDiceRemoval)) {
            if (PickedObject && OnlyLeftButton(shift)) {
                if (StartsWith(PickedObject->Name(), "B_") ||
                    StartsWith(PickedObject->Name(), "N_"))
                    cursor = Qt::ClosedHandCursor;
            } else {
                PickedObject = nullptr;
                scene::TSceneObject* hovered = Viewer.PickNearest(x, y);
                if (hovered && !(shift & scene::kLeft)) {
                    const int point = PointOfName(hovered->Name());
                    if (point >= 0 && point < static_cast<int>(Game.Highlight.size()))
                        cursor = Game.Highlight[static_cast<size_t>(point)] == 'C'
                                     ? Qt::PointingHandCursor
                                     : Qt::ForbiddenCursor;
                }
            }
        }
    }
    SetCursor(cursor);
    LastX = x;
    LastY = y;
}

void TAnim::SetCursor(Qt::CursorShape shape) {
    if (Viewer.cursor().shape() != shape) Viewer.setCursor(shape);
}

void TAnim::Resize(int, int height) {
    Camera->SetFocalLength(height / 3.0);
}

void TAnim::ShowNumbers(bool) {}

void TAnim::StopAnimation() {
    Scene.StopAllMovements();
    if (MovingPiece.IsSet())
        if (scene::TSceneObject* object = PieceObject(MovingPiece.Colour, MovingPiece.Index))
            if (object->Movement()) object->Movement()->StopPathTravel();
    if (!Game.Highlight.empty()) {
        Game.Highlight.assign(Game.Highlight.size(), ' ');
        for (int colour = 0; colour < 2; ++colour)
            for (size_t index = 0; index < PieceObjects[colour].size(); ++index)
                PlacePiece(colour, static_cast<int>(index),
                           PieceRestingPlace(colour, static_cast<int>(index)));
    }
    Animating = false;
}

void TAnim::PlacePiece(int colour, int index, const RestingPlace& place) {
    if (scene::TSceneObject* object = PieceObject(colour, index)) {
        object->SetPosition({place.X, place.Y, place.Z});
        object->SetVisible(place.Visible);
    }
}

scene::TSceneObject* TAnim::PieceObject(int colour, int index) const {
    if (colour < 0 || colour > 1 || index < 0) return nullptr;
    const auto& objects = PieceObjects[static_cast<size_t>(colour)];
    return index < static_cast<int>(objects.size()) ? objects[static_cast<size_t>(index)] : nullptr;
}

void TAnim::Refresh() {
    StopAnimation();
    DiceSide = static_cast<uint8_t>(1 - Game.SideToMove);
    for (int colour = 0; colour < 2; ++colour)
        for (int index = 0; index < Game.Model.PiecesPerSide[colour]; ++index)
            PlacePiece(colour, index, PieceRestingPlace(colour, index));
    if (!UsesDice()) return;

    bool allDice = true;
    for (int die = 1; die <= 3; ++die) {
        if (DieObjects[static_cast<size_t>(die)])
            ShowDieFace(die);
        else
            allDice = false;
        const int value = Game.Dice[static_cast<size_t>(die)].Value;
        if (value < 1 || value > 6) allDice = false;
    }
    if (allDice) {
        StartDiceRoll();
        StopDiceRoll();
        for (int die = 1; die <= 3; ++die)
            ShowDieFace(die);
        const bool reserveLeft =
            Game.Engine && (Game.Engine->LiveReserve[0] > 0 || Game.Engine->LiveReserve[1] > 0);
        if (reserveLeft) return;
    }
    HideDice();
}

void TAnim::ResetCamera() {
    Camera->Reset();
}

RestingPlace TAnim::PieceRestingPlace(int, int) {
    return {};
}

void TAnim::DragPiece(scene::TSceneObject& object, int x, int y) {
    if (const auto point = Viewer.PointUnder(x, y)) {
        object.SetPosition(Frame->WorldToLocal(*point));
        Dragging = true;
    }
}

void TAnim::StartDiceRoll() {
    Animating = true;
    DiceShown = true;
    DiceSide = static_cast<uint8_t>(Game.SideToMove);
    for (int die = 1; die <= 3; ++die) {
        TDieRec& record = Game.Dice[static_cast<size_t>(die)];
        record.Rolling = 1;
        if (scene::TSceneObject* object = DieObjects[static_cast<size_t>(die)]) {
            object->SetVisible(true);
            object->TagFloat = 5.0f;
        }
        record.StartTick = static_cast<int32_t>(Now());
    }
    AnimStart = Now();
    PendingSound = 3;
}

void TAnim::StopDiceRoll() {
    DiceShown = false;
    for (int die = 1; die <= 3; ++die) {
        Game.Dice[static_cast<size_t>(die)].Rolling = 0;
        if (scene::TSceneObject* object = DieObjects[static_cast<size_t>(die)])
            object->SetVisible(false);
    }
}

void TAnim::ShowDieFace(int) {}

void TAnim::Zoom(int32_t delta) {
    if (Viewer.IsRendering()) return;
    Camera->AdjustDistanceToTarget(std::pow(1.1, delta / 120.0));
}

void TAnim::HideDice() {
    if (!UsesDice()) return;
    DiceShown = false;
    for (int die = 1; die <= 3; ++die)
        if (scene::TSceneObject* object = DieObjects[static_cast<size_t>(die)]) {
            Game.Dice[static_cast<size_t>(die)].Rolling = 0;
            object->SetVisible(false);
        }
}

void TAnim::ToggleWireframe() {
    Wireframe = !Wireframe;
    Scene.SetWireframe(Wireframe);
}

void TAnim::FitBoard(double size) {
    const auto& points = Game.Model.Points;
    if (points.empty()) return;
    double minX = points[0].X, maxX = points[0].X, minY = points[0].Y, maxY = points[0].Y;
    for (const auto& p : points) {
        minX = std::min(minX, p.X);
        maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
    }
    // Ties to even, as the board's centre always was.
    CentreX = std::nearbyint((minX + maxX) / 2);
    CentreY = std::nearbyint((minY + maxY) / 2);
    const double extent = (maxX - minX) > (maxY - minY) ? maxX - minX : maxY - minY;
    Scale = extent == 0 ? 1.0 : size / extent;
}

void TAnim::DeleteDice() {
    for (int die = 1; die <= 3; ++die)
        if (scene::TSceneObject* object = DieObjects[static_cast<size_t>(die)]) {
            if (object->Parent()) object->Parent()->DeleteChild(object);
            DieObjects[static_cast<size_t>(die)] = nullptr;
        }
}

} // namespace vantorel
