#pragma once
// "2D Moyen-âge": the board painted like an illuminated page on parchment, seen from straight
// above, with hand-drawn links that bend a little, wooden and red stone balls that tumble
// through the air when they move, a fire on the selected point, and dice of six faces.
#include "TAnim.h"

#include "scene/TMaterialLibrary.h"

#include <QImage>

namespace vantorel {

class Tplateau2D_manu : public TAnim {
public:
    Tplateau2D_manu(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                    TViewHost& host);
    ~Tplateau2D_manu() override;

    void ResetScene() override;
    void AnimateMove(TPieceRef piece, uint8_t speed) override;
    void FrameProgress(scene::TSceneObject& sender, double deltaTime, double newTime) override;
    void Resize(int width, int height) override;
    void ShowNumbers(bool on) override;
    RestingPlace PieceRestingPlace(int colour, int index) override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void ShowDieFace(int die) override;
    void Zoom(int32_t delta) override;

    // The 60 × 60 picture of a die face 1..6: white, grey border, blue dots.
    static QImage DieFacePicture(int face);
    // Whether point `point`'s marker burns.
    bool MarkerBurns(int point) const;

protected:
    double BoardAngle() const override;
    void SetBoardAngle(double degrees) override;

private:
    void BuildPage();
    void BuildBoard();
    void BuildDice();
    void DrawMarkers();
    void SetBurning(size_t point, bool on);
    scene::Vec3 DieRestingPlace(int die) const;
    void DieStopped(int die);
    void SettleStrandedDice();

    scene::TMaterialLibrary DiceMaterials;
    std::array<std::array<scene::TSceneObject*, 6>, 4> DieFaceObjects{};
    std::vector<scene::TSceneObject*> Fires; // one per marker, none while it does not burn
    std::vector<scene::TSceneObject*> Labels;
    bool LabelsBuilt = false;
};

} // namespace vantorel
