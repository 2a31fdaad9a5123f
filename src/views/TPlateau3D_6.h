#pragma once
// "3 D classique": a wooden board in perspective on an olive ground, brass point markers that
// glow and swell when marked, turned ivory and ebony tokens (the mesh "jeton2.3ds" beside
// the program, or plain cylinders without it) and, for the dice variants, three real dice
// thrown across the board.
#include "TAnim.h"

#include "scene/TMaterialLibrary.h"

#include <QImage>

namespace vantorel {

class TPlateau3D_6 : public TAnim {
public:
    TPlateau3D_6(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                 TViewHost& host);
    ~TPlateau3D_6() override;

    void ResetScene() override;
    void FrameProgress(scene::TSceneObject& sender, double deltaTime, double newTime) override;
    void ShowNumbers(bool on) override;
    RestingPlace PieceRestingPlace(int colour, int index) override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void ShowDieFace(int die) override;

    // The piece mesh; empty: "jeton2.3ds" beside the program (or in its data folder).
    inline static std::string PieceMeshFile;
    // Whether the pieces are the mesh (false: the cylinders that stand in for it).
    bool MeshPieces() const { return MeshLoaded; }
    // The 60 × 60 picture of a die face 1..6: green, olive border, yellow dots.
    static QImage DieFacePicture(int face);
    // The faces (+z, −z, +x, −x, +y, −y) of a die showing `value` on top.
    static std::array<int, 6> DieFaces(int value);

protected:
    bool VisibleAtEndFor(const TPieceRec& record) const override;

private:
    void BuildBoard();
    void BuildPieces();
    void BuildDice();
    void MarkerFrame(size_t point, double deltaTime);
    void DieStopped(int die);
    void SettleStrandedDice();
    void RestDie(int die);

    scene::TMaterialLibrary DiceMaterials;
    std::array<std::array<scene::TSceneObject*, 6>, 4> DieFaceObjects{};
    std::vector<scene::TSceneObject*> Labels; // built on first use
    bool LabelsBuilt = false;
    bool MeshLoaded = false;
};

} // namespace vantorel
