#pragma once
// "2 D classique": the board seen straight from above through an orthogonal camera, drawn
// with flat discs and lines, the pieces as proxies of two cylinders, the dice as sprites
// whose six faces the view paints itself. It is also the view the window falls back to
// when another theme cannot be built.
#include "TAnim.h"

#include "scene/TMaterialLibrary.h"

namespace vantorel {

class Tplateau2D_1 : public TAnim {
public:
    Tplateau2D_1(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                 TViewHost& host);
    ~Tplateau2D_1() override;

    void ResetScene() override;
    void AnimateMove(TPieceRef piece, uint8_t speed) override;
    void FrameProgress(scene::TSceneObject& sender, double deltaTime, double newTime) override;
    void Resize(int width, int height) override;
    void ShowNumbers(bool on) override;
    RestingPlace PieceRestingPlace(int colour, int index) override;
    void DragPiece(scene::TSceneObject& object, int x, int y) override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void ShowDieFace(int die) override;
    void Zoom(int32_t delta) override;

    // The 60 × 60 picture of a die face 1..6.
    static QImage DieFacePicture(int face);

protected:
    double BoardAngle() const override;
    void SetBoardAngle(double degrees) override;

private:
    void BuildBoard();
    void BuildDice();
    void DiceFrame(scene::TSceneObject& sprite);
    void DrawMarkers();
    void ShowFace(scene::TSceneObject& sprite, int face);
    // The camera brought to frame the board and both reserves, whatever the window's
    // shape and the board's angle; the player's zoom goes on top of it.
    void FitCamera();
    // The number label of a point: beside the point, up and to the right on the screen,
    // where the piece on the point does not cover it.
    scene::Vec3 LabelPlace(int point) const;
    double LabelHeight() const;

    scene::TMaterialLibrary DiceMaterials;
    std::vector<scene::TSceneObject*> Rings;
    std::vector<scene::TSceneObject*> Labels; // built on first use
    bool LabelsBuilt = false;
    // The last fit: viewer size and board angle; the zoom steps added since.
    int FittedWidth = 0, FittedHeight = 0;
    double FittedAngle = 0;
    double FittedFocal = 40;
    double ZoomOffset = 0;
};

} // namespace vantorel
