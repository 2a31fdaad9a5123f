#pragma once
// A square-based pyramid cut flat below its apex: a standing stone, a plinth. Its base lies
// in the object's xz plane, centred on its position, and it rises along its y axis.
#include "TObjects.h"

namespace vantorel::scene {

class TFrustum : public TSceneObject {
public:
    // `apexHeight`: where the sides would meet; `height`: where they are cut (no higher
    // than the apex).
    void SetShape(double baseWidth, double baseDepth, double apexHeight, double height);
    double BaseWidth() const { return width_; }
    double BaseDepth() const { return depth_; }
    double ApexHeight() const { return apex_; }
    double Height() const { return height_; }
    // The width and depth of the cut top, as a share of the base's.
    double TopShare() const;

protected:
    friend class TSceneObject;
    TFrustum(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    double width_ = 1, depth_ = 1, apex_ = 1, height_ = 0.75;
};

} // namespace vantorel::scene
