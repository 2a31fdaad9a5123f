#include "TFrustum.h"

#include <osg/Geode>
#include <osg/Geometry>

#include <algorithm>

namespace vantorel::scene {

TFrustum::TFrustum(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Frustum) {
    Rebuild();
}

void TFrustum::SetShape(double baseWidth, double baseDepth, double apexHeight, double height) {
    width_ = std::max(baseWidth, 0.0);
    depth_ = std::max(baseDepth, 0.0);
    apex_ = std::max(apexHeight, 1e-6);
    height_ = std::clamp(height, 0.0, apex_);
    Rebuild();
}

double TFrustum::TopShare() const {
    return 1 - height_ / apex_;
}

void TFrustum::Rebuild() {
    const auto w = static_cast<float>(width_ / 2), d = static_cast<float>(depth_ / 2);
    const auto h = static_cast<float>(height_), share = static_cast<float>(TopShare());
    // Base corners counter-clockwise seen from above, then the top ones over them.
    const osg::Vec3 base[4] = {{-w, 0, d}, {w, 0, d}, {w, 0, -d}, {-w, 0, -d}};
    osg::Vec3 top[4];
    for (int k = 0; k < 4; ++k)
        top[k] = osg::Vec3(base[k].x() * share, h, base[k].z() * share);

    osg::ref_ptr<osg::Vec3Array> vertices = new osg::Vec3Array;
    osg::ref_ptr<osg::Vec3Array> normals = new osg::Vec3Array;
    osg::ref_ptr<osg::Vec2Array> coords = new osg::Vec2Array;
    auto quad = [&](const osg::Vec3& a, const osg::Vec3& b, const osg::Vec3& c,
                    const osg::Vec3& e) {
        osg::Vec3 n = (b - a) ^ (e - a);
        n.normalize();
        const osg::Vec3 corners[4] = {a, b, c, e};
        const osg::Vec2 uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        for (int v : {0, 1, 2, 0, 2, 3}) {
            vertices->push_back(corners[v]);
            normals->push_back(n);
            coords->push_back(uv[v]);
        }
    };
    for (int k = 0; k < 4; ++k)
        quad(base[k], base[(k + 1) % 4], top[(k + 1) % 4], top[k]);
    quad(top[0], top[1], top[2], top[3]);
    quad(base[3], base[2], base[1], base[0]);

    osg::ref_ptr<osg::Geometry> g = new osg::Geometry;
    g->setVertexArray(vertices);
    g->setNormalArray(normals, osg::Array::BIND_PER_VERTEX);
    g->setTexCoordArray(0, coords);
    osg::ref_ptr<osg::Vec4Array> white = new osg::Vec4Array;
    white->push_back({1, 1, 1, 1});
    g->setColorArray(white, osg::Array::BIND_OVERALL);
    g->addPrimitiveSet(new osg::DrawArrays(GL_TRIANGLES, 0, vertices->size()));
    osg::ref_ptr<osg::Geode> geode = new osg::Geode;
    geode->addDrawable(g);
    SetGeometry(geode);
}

} // namespace vantorel::scene
