#pragma once
// The board view base: it owns every scene object that shows the game, animates whatever
// piece is out of place (oldest change first) on every frame, and turns mouse presses on
// the board into point clicks. It never changes the position: it reads the game's piece
// records, highlight, dice and cursor, and writes back only the pieces' resting places,
// the dice rolling bytes and blanks in the highlight.
//
// On its own it is the intro view: a frame, a camera and a light over an empty scene.
#include "TViewHost.h"

#include "game/TPlateau.h"
#include "scene/TMovement.h"
#include "scene/TSceneViewer.h"
#include "scene/TShiftState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vantorel {

struct RestingPlace {
    double X = 0, Y = 0, Z = 0;
    bool Visible = false;
};

struct TPieceRef {
    uint8_t Colour = 255; // 255: none
    uint8_t Index = 255;
    bool IsSet() const { return Colour != 255 && Index != 255; }
};

class TAnim {
public:
    static constexpr int kSoundEvents = 5;
    static constexpr uint8_t kSilent = 255;

    TAnim(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene, TViewHost& host);
    TAnim(const TAnim&) = delete;
    TAnim& operator=(const TAnim&) = delete;
    virtual ~TAnim();

    // The view contract, in its fixed order.
    virtual void ResetScene();
    virtual void AnimateMove(TPieceRef piece, uint8_t speed);
    virtual void FrameProgress(scene::TSceneObject& sender, double deltaTime, double newTime);
    virtual void MoveArrived(scene::TMovement& sender);
    virtual void PathStopped(scene::TMovement& sender, int path, bool& looped);
    virtual void MouseDown(scene::TMouseButton button, scene::TShiftState shift, int x, int y);
    virtual void MouseUp(scene::TMouseButton button, scene::TShiftState shift, int x, int y);
    virtual void MouseMove(scene::TShiftState shift, int x, int y);
    virtual void Resize(int width, int height);
    virtual void ShowNumbers(bool on);
    virtual void StopAnimation();
    virtual void Refresh();
    virtual void ResetCamera();
    virtual RestingPlace PieceRestingPlace(int colour, int index);
    virtual void DragPiece(scene::TSceneObject& object, int x, int y);
    virtual void StartDiceRoll();
    virtual void StopDiceRoll();
    virtual void ShowDieFace(int die);
    virtual void Zoom(int32_t delta);

    bool IsAnimating() const { return Animating; }
    void SetAnimating(bool on) { Animating = on; }
    void HideDice();
    void ToggleWireframe();
    void FitBoard(double size);
    double BoardX(double x) const { return (x - CentreX) * Scale; }
    double BoardY(double y) const { return (y - CentreY) * Scale; }

    // Read and written by the main window.
    double RotationAngle = 0;
    bool DiceShown = false;
    uint8_t DiceSide = 0;
    int32_t PendingSound = -1;
    std::array<uint8_t, kSoundEvents> SoundSlot{};
    int32_t ZoomStep = 4;
    bool NumbersShown = false;
    bool Wireframe = false;

    TPlateau& Game;
    scene::TSceneViewer& Viewer;
    scene::TScene& Scene;

protected:
    // The frame step's shared part: the time-out and the cursor (`FrameProgress` of the
    // base), then the board angle, the resting places and the choice of the next piece to
    // animate. `turnReserve` also turns reserve pieces by the board angle (flat boards).
    // Returns false when the theme should not draw its markers this frame.
    bool FrameStep(double tolerance, bool visibleAtEndIfCaptured, bool turnReserve);
    // The base FrameProgress part alone: time-out and cursor reset.
    void BaseFrameProgress();
    // The board object's angle and its setter, which differ between flat and 3D themes.
    virtual double BoardAngle() const;
    virtual void SetBoardAngle(double degrees);
    // Whether the piece's end-of-path visibility rule holds (VisibleAtEnd).
    virtual bool VisibleAtEndFor(const TPieceRec& record) const;
    // Names of the scene: "L_n" gives point n, "B_n"/"N_n" the point of piece n.
    int PointOfName(const std::string& name) const;
    static bool ParsePieceName(const std::string& name, int& colour, int& index);
    // Sets the viewer's cursor when it differs.
    void SetCursor(Qt::CursorShape shape);
    void PlacePiece(int colour, int index, const RestingPlace& place);
    bool UsesDice() const { return Game.Model.DiceRule > 0; }
    // A thrown die has come to rest: true when it was the last of a throw still shown,
    // which then no longer keeps the view busy.
    bool DieCameToRest(int die);
    // A click the view itself gives the game: a refused one beeps, a fault is reported.
    void ClickGame(int point, int colour, int index);
    scene::TSceneObject* PieceObject(int colour, int index) const;
    uint32_t Now() const { return Game.Now(); }
    const TOptions& Options() const { return Host.Options(); }

    TViewHost& Host;
    scene::TDummyCube* Frame = nullptr;
    scene::TCamera* Camera = nullptr;
    scene::TLight* Light = nullptr;
    scene::TSceneObject* BoardObject = nullptr;
    std::vector<scene::TSceneObject*> PointObjects;
    std::array<std::vector<scene::TSceneObject*>, 2> PieceObjects;
    std::array<scene::TSceneObject*, 4> DieObjects{}; // 1..3
    // Removes the dice objects from the scene: a theme's dice draw with its own materials,
    // so its destructor calls this before they go.
    void DeleteDice();
    bool Animating = false;
    TPieceRef MovingPiece;
    int8_t FromPoint = -1, ToPoint = -1;
    bool VisibleAtEnd = true;
    scene::Vec3 Target{0, 0, 0};
    uint32_t AnimStart = 0;
    scene::TSceneObject* PickedObject = nullptr;
    int32_t LastX = 0, LastY = 0;
    bool Dragging = false;
    double Scale = 1.0, CentreX = 0, CentreY = 0;
    uint8_t Speed = 4;
    // Which board-frame coordinate is the height: 1 (y) in the base and 3D themes, 2 (z)
    // on the flat boards.
    int HeightAxis = 1;
    // The shape of a move's path: heights of its two middle nodes, a smooth curve or
    // straight segments, and whether a captured piece's departure is heard.
    double LiftHeight = 1.5, ArrivalHeight = 1.3;
    bool SmoothPaths = true;
    bool CaptureSound = true;
    // The flat board also discards the pieces' movements before each choice.
    bool DiscardPieceMovements = false;
};

} // namespace vantorel
