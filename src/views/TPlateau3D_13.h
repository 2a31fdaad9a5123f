#pragma once
// "3D Stonehenge": the board laid out on a meadow, seen aslant under a sunset sky through a
// white mist; points are black slabs, the pieces are pale and dark standing stones, a red
// boulder lies beside the board, and the dice are three die faces over the picture.
#include "BoardPicture.h"
#include "HudDice.h"
#include "TAnim.h"

#include "scene/TMaterialLibrary.h"

#include <QString>

#include <memory>

namespace vantorel {

class TPlateau3D_13 : public TAnim {
public:
    TPlateau3D_13(TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
                  TViewHost& host);
    ~TPlateau3D_13() override;

    void ResetScene() override;
    void FrameProgress(scene::TSceneObject& sender, double deltaTime, double newTime) override;
    void ShowNumbers(bool on) override;
    RestingPlace PieceRestingPlace(int colour, int index) override;
    void StartDiceRoll() override;
    void StopDiceRoll() override;
    void ShowDieFace(int die) override;

    static constexpr double kPixelsPerUnit = 25;
    // Where the grass comes from: the program's resource, else the file (empty: "HERBE.BMP"
    // beside the program, then in the working folder), else a plain green square.
    inline static QString GrassResource = QStringLiteral(":/HERBE");
    inline static QString GrassFile;
    static QImage LoadGrass();
    // The board picture with the grass wherever it is white.
    static QImage GrassedBoard(const QImage& board, const QImage& grass);
    const TBoardPicture& Picture() const { return Board; }

protected:
    // The board lies aslant: it turns about its own face, not about the scene's vertical.
    double BoardAngle() const override;
    void SetBoardAngle(double degrees) override;

private:
    void BuildScenery();
    void BuildBoard();
    void BuildPieces();
    void DrawMarkers();

    TBoardPicture Board;
    scene::TMaterialLibrary BoardMaterials;
    std::unique_ptr<THudDice> HudDice;
    std::vector<scene::TSceneObject*> Labels;
    bool LabelsBuilt = false;
};

} // namespace vantorel
