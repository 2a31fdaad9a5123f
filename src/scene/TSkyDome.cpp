#include "TSkyDome.h"

#include "SceneMasks.h"

#include <osg/Geode>
#include <osg/Geometry>
#include <osg/Point>
#include <osg/Transform>
#include <osgUtil/CullVisitor>

#include <algorithm>
#include <cmath>

namespace vantorel::scene {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;
// Well inside any depth of view the views use, and far beyond the near plane.
constexpr float kRadius = 10.0f;

// Moves its children to the eye on every cull, so the dome never comes nearer or goes
// further whatever the camera does.
class AroundTheEye : public osg::Transform {
public:
    bool computeLocalToWorldMatrix(osg::Matrix& matrix, osg::NodeVisitor* visitor) const override {
        if (osgUtil::CullVisitor* cull = visitor ? visitor->asCullVisitor() : nullptr)
            matrix.preMultTranslate(cull->getEyeLocal());
        return true;
    }
    bool computeWorldToLocalMatrix(osg::Matrix& matrix, osg::NodeVisitor* visitor) const override {
        if (osgUtil::CullVisitor* cull = visitor ? visitor->asCullVisitor() : nullptr)
            matrix.postMultTranslate(-cull->getEyeLocal());
        return true;
    }
};

osg::Vec3 OnDome(double elevation, double azimuth) {
    const double e = elevation * kDegree, a = azimuth * kDegree;
    return osg::Vec3(static_cast<float>(std::cos(e) * std::cos(a)), static_cast<float>(std::sin(e)),
                     static_cast<float>(-std::cos(e) * std::sin(a))) *
           kRadius;
}

// A repeatable value in 0..1 for star k, coordinate c.
double Scatter(uint32_t seed, int k, int c) {
    uint32_t h = seed * 2654435761u ^ static_cast<uint32_t>(k) * 2246822519u ^
                 static_cast<uint32_t>(c) * 3266489917u;
    h = (h ^ (h >> 15)) * 2246822519u;
    h ^= h >> 13;
    return (h & 0xffffffu) / static_cast<double>(0xffffff);
}

} // namespace

TSkyDome::TSkyDome(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::SkyDome) {
    Rebuild();
}

void TSkyDome::SetBands(std::vector<TSkyBand> bands, int slices) {
    bands_ = std::move(bands);
    slices_ = std::clamp(slices, 3, 256);
    Rebuild();
}

void TSkyDome::SetStars(int count, uint32_t seed) {
    stars_ = std::clamp(count, 0, 4096);
    seed_ = seed;
    Rebuild();
}

Colour TSkyDome::ColourAt(double degrees) const {
    for (const TSkyBand& band : bands_) {
        const double low = std::min(band.StartAngle, band.StopAngle);
        const double high = std::max(band.StartAngle, band.StopAngle);
        if (degrees < low || degrees > high) continue;
        const double t =
            high > low ? (degrees - band.StartAngle) / (band.StopAngle - band.StartAngle) : 0.0;
        return band.StartColour + (band.StopColour - band.StartColour) * static_cast<float>(t);
    }
    return {0, 0, 0, 1};
}

void TSkyDome::Rebuild() {
    osg::ref_ptr<osg::Geometry> sky = new osg::Geometry;
    osg::ref_ptr<osg::Vec3Array> vertices = new osg::Vec3Array;
    osg::ref_ptr<osg::Vec4Array> colours = new osg::Vec4Array;
    for (const TSkyBand& band : bands_) {
        const int stacks = std::clamp(band.Stacks, 1, 64);
        for (int j = 0; j < stacks; ++j) {
            const double t0 = static_cast<double>(j) / stacks,
                         t1 = static_cast<double>(j + 1) / stacks;
            const double e0 = band.StartAngle + (band.StopAngle - band.StartAngle) * t0;
            const double e1 = band.StartAngle + (band.StopAngle - band.StartAngle) * t1;
            const Colour c0 = band.StartColour + (band.StopColour - band.StartColour) * float(t0);
            const Colour c1 = band.StartColour + (band.StopColour - band.StartColour) * float(t1);
            for (int k = 0; k < slices_; ++k) {
                const double a0 = 360.0 * k / slices_, a1 = 360.0 * (k + 1) / slices_;
                const osg::Vec3 corners[4] = {OnDome(e0, a0), OnDome(e0, a1), OnDome(e1, a1),
                                              OnDome(e1, a0)};
                const Colour shades[4] = {c0, c0, c1, c1};
                for (int v : {0, 1, 2, 0, 2, 3}) {
                    vertices->push_back(corners[v]);
                    colours->push_back(shades[v]);
                }
            }
        }
    }
    sky->setVertexArray(vertices);
    sky->setColorArray(colours, osg::Array::BIND_PER_VERTEX);
    sky->addPrimitiveSet(new osg::DrawArrays(GL_TRIANGLES, 0, vertices->size()));

    osg::ref_ptr<osg::Geode> geode = new osg::Geode;
    geode->addDrawable(sky);
    if (stars_ > 0) {
        osg::ref_ptr<osg::Geometry> stars = new osg::Geometry;
        osg::ref_ptr<osg::Vec3Array> points = new osg::Vec3Array;
        osg::ref_ptr<osg::Vec4Array> light = new osg::Vec4Array;
        for (int k = 0; k < stars_; ++k) {
            // Even over the sphere: the sine of the elevation is spread evenly.
            const double elevation = std::asin(2 * Scatter(seed_, k, 0) - 1) / kDegree;
            points->push_back(OnDome(elevation, 360 * Scatter(seed_, k, 1)) * 0.98f);
            const auto glow = static_cast<float>(0.45 + 0.55 * Scatter(seed_, k, 2));
            light->push_back({glow, glow, std::min(1.0f, glow * 1.1f), 1});
        }
        stars->setVertexArray(points);
        stars->setColorArray(light, osg::Array::BIND_PER_VERTEX);
        stars->addPrimitiveSet(new osg::DrawArrays(GL_POINTS, 0, points->size()));
        stars->getOrCreateStateSet()->setAttributeAndModes(new osg::Point(2.0f));
        geode->addDrawable(stars);
    }

    osg::ref_ptr<AroundTheEye> around = new AroundTheEye;
    around->setCullingActive(false);
    around->addChild(geode);
    // Drawn but never picked.
    around->setNodeMask(kDrawnMask);
    // On the dome itself: the object's material state above it knows nothing of skies.
    osg::StateSet* state = geode->getOrCreateStateSet();
    const auto off = osg::StateAttribute::OFF | osg::StateAttribute::PROTECTED;
    state->setMode(GL_LIGHTING, off);
    state->setMode(GL_FOG, off);
    state->setMode(GL_DEPTH_TEST, off);
    state->setMode(GL_CULL_FACE, off);
    state->setMode(GL_BLEND, off);
    state->setTextureMode(0, GL_TEXTURE_2D, off);
    // Before every other bin, whatever the tree order says.
    state->setRenderBinDetails(-100, "RenderBin", osg::StateSet::PROTECTED_RENDERBIN_DETAILS);
    SetGeometry(around);
}

} // namespace vantorel::scene
