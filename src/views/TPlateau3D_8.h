#pragma once
// "3 D Euros contre dollars": the board drawn as a picture on a tilted surface under a green
// spot light, a ring round it carrying the coin stacks, euro coins against dollar coins, point
// markers that an arrow points at when marked, and dice thrown from one corner to the other.
#include "BoardPicture.h"
#include "CubeDice.h"
#include "TAnim.h"

namespace vantorel {

class TPlateau3D_8 : public TAnim {
public:
    static constexpr double kPixelsPerUnit = 16.67;

    TPlateau3D_8(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                 TViewHost& host);
    ~TPlateau3D_8() override;

    void ResetScene() override;
    void AnimateMove(TPieceRef piece, uint8_t speed) override;
    void FrameProgress(scene::TSceneObject& sender, double deltaTime, double newTime) override;
    void ShowNumbers(bool on) override;
    RestingPlace PieceRestingPlace(int colour, int index) override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void ShowDieFace(int die) override;

    const TBoardPicture& Picture() const { return Board; }
    // The marker's arrow, shown while its point is marked.
    scene::TSceneObject* ArrowOf(int point) const;

protected:
    // The board turns in its own plane: its roll, not its turn.
    double BoardAngle() const override;
    void SetBoardAngle(double degrees) override;

private:
    void BuildBoard();
    void BuildPieces();
    void DrawMarkers();
    void DieStopped(int die);
    void SettleStrandedDice();
    void RestDie(int die);
    scene::Vec3 PointPlace(int point) const;

    TBoardPicture Board;
    scene::TMaterialLibrary BoardMaterials; // the board picture's texture
    TCubeDice Dice;
    std::vector<scene::TSceneObject*> Arrows;
    std::vector<scene::TSceneObject*> Labels; // built on first use
    bool LabelsBuilt = false;
};

} // namespace vantorel
