// The sky dome, the frustum and bitmap text: shapes and what picking makes of them.
#include "scene/TBitmapText.h"
#include "scene/TFrustum.h"
#include "scene/TScene.h"
#include "scene/TSkyDome.h"

#include <osg/ComputeBoundsVisitor>
#include <osg/Geode>
#include <osg/Geometry>

#include <gtest/gtest.h>

using namespace vantorel::scene;

namespace {

// A camera at (0, 5, 10) looking at the origin.
struct Looking {
    TScene scene;
    TCamera* camera = scene.Root().AddChild<TCamera>();
    TDummyCube* aim = scene.Root().AddChild<TDummyCube>();
    static constexpr int kW = 320, kH = 240;
    Looking() {
        camera->SetPosition({0, 5, 10});
        camera->SetTarget(aim);
        camera->SetFocalLength(kH / 3.0);
    }
    std::pair<int, int> Pixel(const Vec3& world) const {
        const Vec3 ndc = world * camera->ViewMatrix() * camera->ProjectionMatrix(kW, kH);
        return {static_cast<int>((ndc.x() + 1) / 2 * kW), static_cast<int>((1 - ndc.y()) / 2 * kH)};
    }
};

const osg::Geometry* FirstGeometry(osg::Node* node) {
    if (osg::Geode* geode = node->asGeode())
        return geode->getNumDrawables() ? geode->getDrawable(0)->asGeometry() : nullptr;
    if (osg::Group* group = node->asGroup())
        for (unsigned k = 0; k < group->getNumChildren(); ++k)
            if (const osg::Geometry* g = FirstGeometry(group->getChild(k))) return g;
    return nullptr;
}

} // namespace

// Guards the standing stone: it stands on its position, narrows to the cut, and every face
// looks outward (a face wound the wrong way is culled and the stone shows holes).
TEST(Frustum, StandsOnItsBaseAndFacesOutward) {
    TScene scene;
    auto* stone = scene.Root().AddChild<TFrustum>();
    stone->SetShape(0.8, 0.8, 2, 1.5);
    EXPECT_DOUBLE_EQ(stone->TopShare(), 0.25);
    osg::ComputeBoundsVisitor bounds;
    stone->Content()->accept(bounds);
    const osg::BoundingBox box = bounds.getBoundingBox();
    EXPECT_NEAR(box.yMin(), 0, 1e-6);
    EXPECT_NEAR(box.yMax(), 1.5, 1e-6);
    EXPECT_NEAR(box.xMax(), 0.4, 1e-6);
    EXPECT_NEAR(box.zMin(), -0.4, 1e-6);
    const osg::Geometry* g = FirstGeometry(stone->Content());
    ASSERT_NE(g, nullptr);
    const auto* vertices = static_cast<const osg::Vec3Array*>(g->getVertexArray());
    const auto* normals = static_cast<const osg::Vec3Array*>(g->getNormalArray());
    ASSERT_EQ(vertices->size(), 36u); // six faces of two triangles
    const osg::Vec3 middle(0, 0.75f, 0);
    for (size_t k = 0; k < vertices->size(); k += 3) {
        const osg::Vec3 a = (*vertices)[k], b = (*vertices)[k + 1], c = (*vertices)[k + 2];
        const osg::Vec3 wound = (b - a) ^ (c - a);
        const osg::Vec3 centre = (a + b + c) / 3;
        EXPECT_GT(wound * (centre - middle), 0) << "triangle " << k / 3;
        EXPECT_GT((*normals)[k] * (centre - middle), 0) << "triangle " << k / 3;
    }
    // A cut above the apex is the whole pyramid.
    stone->SetShape(1, 1, 2, 3);
    EXPECT_DOUBLE_EQ(stone->Height(), 2);
    EXPECT_DOUBLE_EQ(stone->TopShare(), 0);
}

// Guards the sky and the figures over the picture: neither is ever picked, so a click
// on the sky finds nothing and a click through the figures finds what lies behind.
TEST(SkyAndText, NeitherIsPicked) {
    Looking v;
    auto* sky = v.scene.Root().AddChild<TSkyDome>();
    TSkyBand band;
    band.StartColour = {0, 0, 0.5f, 1};
    sky->SetBands({band}, 12);
    sky->SetStars(50, 3);
    sky->SetName("ciel");
    auto* stone = v.scene.Root().AddChild<TFrustum>();
    stone->SetName("pierre");
    stone->SetShape(2, 2, 4, 3);
    TBitmapFont font("test", QImage(64, 64, QImage::Format_ARGB32));
    font.AddGlyph('1', QRect(0, 0, 32, 32), 30);
    font.AddGlyph(' ', QRect(), 10);
    EXPECT_EQ(font.Width("1 1x"), 70); // a character the font lacks takes no room
    auto* text = v.scene.Root().AddChild<TBitmapText>();
    text->SetName("texte");
    text->SetFont(&font);
    text->SetText("111");
    const auto [sx, sy] = v.Pixel({0, 1, 0});
    text->SetPosition({static_cast<double>(sx), static_cast<double>(sy), 0});
    text->SetScale({3, 3, 1});
    TSceneObject* picked = v.scene.PickNearest(*v.camera, Looking::kW, Looking::kH, sx, sy);
    ASSERT_NE(picked, nullptr);
    EXPECT_EQ(picked->Name(), "pierre");
    EXPECT_EQ(v.scene.PickNearest(*v.camera, Looking::kW, Looking::kH, 2, 2), nullptr);
    EXPECT_FALSE(v.scene.PointUnder(*v.camera, Looking::kW, Looking::kH, 2, 2).has_value());
    // The sky blends its band from the bottom up.
    EXPECT_EQ(sky->ColourAt(-90), Colour(0, 0, 0.5f, 1));
    EXPECT_EQ(sky->ColourAt(0), Colour(0, 0, 0.25f, 1));
}
