#pragma once
// "3 D Planètes": the board floats in deep space under a navy sky. Its points are small
// glowing moons, the pieces are spinning planets — a ringed one for black, one with a
// little moon for white — and the pieces not yet played circle the board on one tilted
// orbit that turns a degree a second. A moving planet is followed by a flickering
// lightning line, a captured one bursts into flames, and the dice are three figures of
// light over the board.
#include "HudDice.h"
#include "TAnim.h"

#include <memory>
#include <random>

namespace vantorel {

class TPlateau3D_10 : public TAnim {
public:
    TPlateau3D_10(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                  TViewHost& host);
    ~TPlateau3D_10() override;

    void ResetScene() override;
    void AnimateMove(TPieceRef piece, uint8_t speed) override;
    void FrameProgress(scene::TSceneObject& sender, double deltaTime, double newTime) override;
    void MoveArrived(scene::TMovement& sender) override;
    void ShowNumbers(bool on) override;
    void StopAnimation() override;
    void Refresh() override;
    RestingPlace PieceRestingPlace(int colour, int index) override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void ShowDieFace(int die) override;

    // The orbit's place for slot k of n at `turn` degrees, in the scene's frame.
    static scene::Vec3 OrbitPlace(int k, int n, int turn);
    // The degrees the orbit has turned by: a degree for every second of the scene's time.
    int OrbitTurn() const { return Turn; }
    // The lightning line while a planet flies to a point (hidden otherwise).
    const scene::TLines* Lightning() const { return LightningLine; }
    // Fires burning on pieces and markers now.
    int Fires() const;

protected:
    bool VisibleAtEndFor(const TPieceRec& record) const override;

private:
    void BuildScenery();
    void BuildBoard();
    void BuildPieces();
    void SpinAndOrbit(double deltaTime);
    void DrawMarkers();
    void StartLightning();
    void DrawLightning(double newTime);
    void Burst(scene::TSceneObject& piece);
    void ClearBursts();
    void SetCursorFire(int point);

    std::unique_ptr<THudDice> HudDice;
    scene::TLines* LightningLine = nullptr;
    std::vector<scene::Vec3> LightningNodes; // the seven nodes before smoothing
    double LastJitter = -1;
    int Turn = 0;
    struct TBurst {
        scene::TSceneObject* Fire;
        uint32_t Until;
    };
    std::vector<TBurst> Bursts;
    scene::TSceneObject* CursorFire = nullptr;
    int CursorFirePoint = -1;
    std::vector<scene::TSceneObject*> Labels;
    bool LabelsBuilt = false;
    std::minstd_rand Jitter{10};
};

} // namespace vantorel
