// The solids of the themed boards: their sizes, and normals that light them from outside.
#include "scene/TScene.h"
#include "scene/TShapes.h"

#include <osg/Geode>
#include <osg/Geometry>

#include <gtest/gtest.h>

#include <functional>

using namespace vantorel::scene;

namespace {

const osg::Geometry* GeometryOf(const TSceneObject& object) {
    const auto* geode = object.Content()->getChild(0)->asGeode();
    return geode ? geode->getDrawable(0)->asGeometry() : nullptr;
}

struct ShapeCase {
    const char* name;
    std::function<TSceneObject*(TScene&)> make;
    osg::Vec3 low, high; // expected bounding box
    int triangles;
    // The point a normal must lean away from, given the vertex.
    std::function<osg::Vec3(const osg::Vec3&)> inside;
};

} // namespace

// Guards the meshes: a wrong size shows as a misplaced icing or marker, a normal turned
// inwards as a black face under the lamp.
TEST(Shapes, BoundsAndOutwardNormals) {
    const float r = 1 / std::sqrt(3.0f), phi = (1 + std::sqrt(5.0f)) / 2;
    const float dodecaHalf = phi * r; // corners (±φ, 0, ±1/φ) scaled to circumradius 1
    const ShapeCase cases[] = {
        {"torus",
         [](TScene& s) {
             auto* t = s.Root().AddChild<TTorus>();
             t->SetShape(6, 0.2, 36, 8);
             return t;
         },
         {-6.2f, -0.2f, -6.2f},
         {6.2f, 0.2f, 6.2f},
         36 * 8 * 2,
         [](const osg::Vec3& v) {
             osg::Vec3 ring(v.x(), 0, v.z());
             ring.normalize();
             return ring * 6;
         }},
        {"dodecahedron",
         [](TScene& s) { return s.Root().AddChild<TDodecahedron>(); },
         {-dodecaHalf, -dodecaHalf, -dodecaHalf},
         {dodecaHalf, dodecaHalf, dodecaHalf},
         36,
         [](const osg::Vec3&) { return osg::Vec3(0, 0, 0); }},
        {"arrow",
         [](TScene& s) {
             auto* a = s.Root().AddChild<TArrow>();
             a->SetShape(1.3, 0.05, 0.15, 0.4, 10);
             return a;
         },
         {-0.15f, 0, -0.15f},
         {0.15f, 1.3f, 0.15f},
         10 * (2 + 2 + 2 + 1),
         [](const osg::Vec3& v) { return osg::Vec3(0, std::clamp(v.y(), 0.05f, 1.25f), 0); }},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TScene scene;
        TSceneObject* object = c.make(scene);
        const osg::Geometry* g = GeometryOf(*object);
        ASSERT_NE(g, nullptr);
        const auto* vertices = static_cast<const osg::Vec3Array*>(g->getVertexArray());
        const auto* normals = static_cast<const osg::Vec3Array*>(g->getNormalArray());
        ASSERT_EQ(vertices->size(), normals->size());
        EXPECT_EQ(static_cast<int>(vertices->size()), 3 * c.triangles);
        osg::BoundingBox box;
        int inward = 0;
        for (size_t k = 0; k < vertices->size(); ++k) {
            const osg::Vec3& v = (*vertices)[k];
            const osg::Vec3& n = (*normals)[k];
            box.expandBy(v);
            EXPECT_NEAR(n.length(), 1.0f, 1e-4);
            if ((v - c.inside(v)) * n < -1e-4f) ++inward;
        }
        EXPECT_EQ(inward, 0);
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR(box._min[axis], c.low[axis], 0.02);
            EXPECT_NEAR(box._max[axis], c.high[axis], 0.02);
        }
        // Counter-clockwise from outside: each triangle's winding agrees with its normals.
        int reversed = 0;
        for (size_t k = 0; k + 2 < vertices->size(); k += 3) {
            const osg::Vec3 face =
                ((*vertices)[k + 1] - (*vertices)[k]) ^ ((*vertices)[k + 2] - (*vertices)[k]);
            const osg::Vec3 n = (*normals)[k] + (*normals)[k + 1] + (*normals)[k + 2];
            if (face.length2() > 1e-12f && face * n <= 0) ++reversed;
        }
        EXPECT_EQ(reversed, 0);
    }
}

// Guards the flat shading: every corner of a pentagon has that pentagon's normal, and the
// twelve normals are twelve different directions.
TEST(Shapes, DodecahedronHasTwelveFlatFaces) {
    TScene scene;
    auto* d = scene.Root().AddChild<TDodecahedron>();
    const auto* normals = static_cast<const osg::Vec3Array*>(GeometryOf(*d)->getNormalArray());
    std::vector<osg::Vec3> distinct;
    for (size_t k = 0; k < normals->size(); ++k) {
        if (k % 9 != 0) {
            EXPECT_LT(((*normals)[k] - (*normals)[k - k % 9]).length(), 1e-5f);
        }
        bool known = false;
        for (const auto& n : distinct)
            known |= (n - (*normals)[k]).length() < 1e-4f;
        if (!known) distinct.push_back((*normals)[k]);
    }
    EXPECT_EQ(distinct.size(), 12u);
}
