#pragma once
// Three real dice for the 3D themes that throw them: each an invisible frame with six
// square faces, every face textured with a picture of its dots from the view's own
// library. The value shows on the +z face; the others follow a real die's layout.
#include "scene/TMaterialLibrary.h"
#include "scene/TObjects.h"

#include <QImage>

#include <array>
#include <functional>

namespace vantorel {

class TCubeDice {
public:
    // Builds dice 1..3 under `parent` into `dice`, hidden, faces `faceSize` wide.
    void Build(scene::TSceneObject& parent, const std::function<QImage(int face)>& picture,
               double faceSize, std::array<scene::TSceneObject*, 4>& dice);
    // Die `die` (1..3) shows `value` (1..6) on top.
    void ShowFace(int die, int value);
    // A face picture of the flat board's dots, in other colours.
    static QImage Recoloured(int face, const QColor& ground, const QColor& dots);

private:
    scene::TMaterialLibrary materials_;
    std::array<std::array<scene::TSceneObject*, 6>, 4> faces_{};
};

} // namespace vantorel
