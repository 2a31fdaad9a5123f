#pragma once
// Solids the themed boards need beyond the basic kinds: a ring-shaped torus (the icing round
// a cake, the rim of a coin tray), a regular dodecahedron (gem-like point markers, a rock)
// and an arrow that points down at a marked point. Like the other kinds, every setter
// rebuilds the drawing; they are created through `TSceneObject::AddChild<Kind>()`.
#include "TObjects.h"

namespace vantorel::scene {

// A ring around the object's y axis, in its xz plane: `radius` from the axis to the middle
// of the tube, `thickness` the tube's radius.
class TTorus : public TSceneObject {
public:
    void SetShape(double radius, double thickness, int slices, int rings = 12);
    double Radius() const { return radius_; }
    double Thickness() const { return thickness_; }

protected:
    friend class TSceneObject;
    TTorus(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    double radius_ = 1, thickness_ = 0.2;
    int slices_ = 24, rings_ = 12;
};

// A regular dodecahedron centred on the object's position, its corners at distance 1 (the
// object's scale sizes it). Each face is flat: one normal per pentagon.
class TDodecahedron : public TSceneObject {
public:
    static constexpr int kFaces = 12;

protected:
    friend class TSceneObject;
    TDodecahedron(TScene& scene, TSceneObject* parent);
};

// An arrow whose tip is at the object's position and which points along −y: a cone head
// of `headLength` and a shaft up to `length` above the tip.
class TArrow : public TSceneObject {
public:
    void SetShape(double length, double shaftRadius, double headRadius, double headLength,
                  int slices = 12);
    double Length() const { return length_; }

protected:
    friend class TSceneObject;
    TArrow(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    double length_ = 1.2, shaftRadius_ = 0.05, headRadius_ = 0.15, headLength_ = 0.4;
    int slices_ = 12;
};

} // namespace vantorel::scene
