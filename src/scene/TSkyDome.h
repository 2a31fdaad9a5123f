#pragma once
// A sky round the eye: bands of colour from the ground up, each shading from its lower
// colour to its upper one. It is drawn before everything else, unlit, unfogged and without
// depth, so whatever the scene holds stands in front of it however far the camera goes;
// it stays centred on the eye wherever it hangs in the tree, and nothing picks it.
#include "TObjects.h"

namespace vantorel::scene {

struct TSkyBand {
    double StartAngle = -90, StopAngle = 90; // elevation in degrees, −90 under the eye
    Colour StartColour{0, 0, 0, 1}, StopColour{0, 0, 0, 1};
    int Stacks = 4; // rings of the band
};

class TSkyDome : public TSceneObject {
public:
    // The bands from bottom to top, each cut into `slices` round the vertical.
    void SetBands(std::vector<TSkyBand> bands, int slices);
    const std::vector<TSkyBand>& Bands() const { return bands_; }
    int Slices() const { return slices_; }
    // Points of light scattered over the dome, always the same for a seed.
    void SetStars(int count, uint32_t seed);
    // The colour seen looking at elevation `degrees` (the bands' blend; black outside).
    Colour ColourAt(double degrees) const;

protected:
    friend class TSceneObject;
    TSkyDome(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    std::vector<TSkyBand> bands_;
    int slices_ = 12;
    int stars_ = 0;
    uint32_t seed_ = 1;
};

} // namespace vantorel::scene
