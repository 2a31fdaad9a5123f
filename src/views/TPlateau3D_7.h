#pragma once
// "3 D anniversaire": the board is the top of a birthday cake on a round table in a room,
// the points are sugar gems, the pieces red and white candles that burn, the reserve stands
// round the cake on the table, and the dice are thrown round the cake.
#include "CubeDice.h"
#include "TAnim.h"

namespace vantorel {

class TPlateau3D_7 : public TAnim {
public:
    TPlateau3D_7(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                 TViewHost& host);
    ~TPlateau3D_7() override;

    void ResetScene() override;
    void AnimateMove(TPieceRef piece, uint8_t speed) override;
    void FrameProgress(scene::TSceneObject& sender, double deltaTime, double newTime) override;
    void ShowNumbers(bool on) override;
    RestingPlace PieceRestingPlace(int colour, int index) override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void ShowDieFace(int die) override;

    // The flames of the two candle models, lit once the view is whole.
    const std::array<scene::TFire*, 2>& Flames() const { return Fires; }

protected:
    bool VisibleAtEndFor(const TPieceRec& record) const override;

private:
    void BuildRoom();
    void BuildCake();
    void BuildPieces();
    void DrawMarkers();
    void DieStopped(int die);
    void SettleStrandedDice();
    void RestDie(int die);

    scene::TSceneObject* Table = nullptr;
    TCubeDice Dice;
    std::array<scene::TFire*, 2> Fires{};
    std::vector<scene::TSceneObject*> Labels; // built on first use
    bool LabelsBuilt = false;
};

} // namespace vantorel
