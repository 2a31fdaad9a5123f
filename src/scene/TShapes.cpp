#include "TShapes.h"

#include <osg/Geode>
#include <osg/Geometry>

#include <algorithm>
#include <array>
#include <cmath>

namespace vantorel::scene {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Triangles with their normals and texture coordinates, white vertex colour: the material
// gives the colour.
struct Triangles {
    osg::ref_ptr<osg::Vec3Array> vertices = new osg::Vec3Array;
    osg::ref_ptr<osg::Vec3Array> normals = new osg::Vec3Array;
    osg::ref_ptr<osg::Vec2Array> coords = new osg::Vec2Array;

    void Add(const osg::Vec3& v, const osg::Vec3& n, const osg::Vec2& t = {0, 0}) {
        vertices->push_back(v);
        normals->push_back(n);
        coords->push_back(t);
    }
    osg::ref_ptr<osg::Node> Build() const {
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
        return geode;
    }
};

osg::Vec3 Around(double angle) {
    return {static_cast<float>(std::cos(angle)), 0, static_cast<float>(-std::sin(angle))};
}

// A cone or cylinder side from (y0, r0) to (y1, r1) around the y axis, with a cap at y0
// when `cap0` is set.
void Revolve(Triangles& m, int slices, float y0, float r0, float y1, float r1, bool cap0) {
    // The side's normal is the profile's slope turned a quarter, outwards whichever way
    // the profile runs.
    const float dy = y1 - y0, dr = r1 - r0;
    const float sign = dy >= 0 ? 1.0f : -1.0f;
    for (int k = 0; k < slices; ++k) {
        const osg::Vec3 a = Around(2 * kPi * k / slices), b = Around(2 * kPi * (k + 1) / slices);
        osg::Vec3 na = a * (dy * sign) + osg::Vec3(0, -dr * sign, 0);
        osg::Vec3 nb = b * (dy * sign) + osg::Vec3(0, -dr * sign, 0);
        na.normalize();
        nb.normalize();
        const osg::Vec3 a0 = a * r0 + osg::Vec3(0, y0, 0), b0 = b * r0 + osg::Vec3(0, y0, 0);
        const osg::Vec3 a1 = a * r1 + osg::Vec3(0, y1, 0), b1 = b * r1 + osg::Vec3(0, y1, 0);
        // Counter-clockwise seen from outside, whichever end is higher.
        if (dy >= 0) {
            m.Add(a0, na);
            m.Add(b0, nb);
            m.Add(b1, nb);
            m.Add(a0, na);
            m.Add(b1, nb);
            m.Add(a1, na);
        } else {
            m.Add(a0, na);
            m.Add(b1, nb);
            m.Add(b0, nb);
            m.Add(a0, na);
            m.Add(a1, na);
            m.Add(b1, nb);
        }
        if (cap0 && r0 > 0) {
            const osg::Vec3 n(0, dy >= 0 ? -1.0f : 1.0f, 0);
            m.Add({0, y0, 0}, n);
            if (dy >= 0) {
                m.Add(b0, n);
                m.Add(a0, n);
            } else {
                m.Add(a0, n);
                m.Add(b0, n);
            }
        }
    }
}

// The twenty corners of a dodecahedron of circumradius 1 and, for each of its twelve faces,
// its five corners in turn round the face's outward normal.
struct DodecahedronShape {
    std::array<osg::Vec3d, 20> corners;
    std::array<std::array<int, 5>, 12> faces;
    std::array<osg::Vec3d, 12> normals;

    DodecahedronShape() {
        const double phi = (1 + std::sqrt(5.0)) / 2, inv = 1 / phi;
        size_t n = 0;
        for (int sx : {-1, 1})
            for (int sy : {-1, 1})
                for (int sz : {-1, 1})
                    corners[n++] = {double(sx), double(sy), double(sz)};
        for (int a : {-1, 1})
            for (int b : {-1, 1}) {
                corners[n++] = {0, a * inv, b * phi};
                corners[n++] = {a * inv, b * phi, 0};
                corners[n++] = {a * phi, 0, b * inv};
            }
        for (auto& c : corners)
            c /= std::sqrt(3.0);
        // The face normals are the corners of the dual icosahedron; each face holds the five
        // corners nearest its normal.
        n = 0;
        for (int a : {-1, 1})
            for (int b : {-1, 1}) {
                normals[n++] = {0, a * phi, double(b)};
                normals[n++] = {a * phi, double(b), 0};
                normals[n++] = {double(a), 0, b * phi};
            }
        for (size_t f = 0; f < 12; ++f) {
            osg::Vec3d normal = normals[f];
            normal.normalize();
            normals[f] = normal;
            std::array<int, 20> order;
            for (int k = 0; k < 20; ++k)
                order[static_cast<size_t>(k)] = k;
            std::partial_sort(order.begin(), order.begin() + 5, order.end(), [&](int p, int q) {
                return corners[static_cast<size_t>(p)] * normal >
                       corners[static_cast<size_t>(q)] * normal;
            });
            // Round the normal, counter-clockwise seen from outside.
            const osg::Vec3d centre = normal * (corners[static_cast<size_t>(order[0])] * normal);
            osg::Vec3d u = corners[static_cast<size_t>(order[0])] - centre;
            u.normalize();
            const osg::Vec3d v = normal ^ u;
            std::sort(order.begin(), order.begin() + 5, [&](int p, int q) {
                const osg::Vec3d dp = corners[static_cast<size_t>(p)] - centre,
                                 dq = corners[static_cast<size_t>(q)] - centre;
                return std::atan2(dp * v, dp * u) < std::atan2(dq * v, dq * u);
            });
            std::copy(order.begin(), order.begin() + 5, faces[f].begin());
        }
    }
};

} // namespace

TTorus::TTorus(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Torus) {
    Rebuild();
}

void TTorus::SetShape(double radius, double thickness, int slices, int rings) {
    radius_ = radius;
    thickness_ = thickness;
    slices_ = std::max(slices, 3);
    rings_ = std::max(rings, 3);
    Rebuild();
}

void TTorus::Rebuild() {
    Triangles m;
    // (around the axis, around the tube) → corner and normal
    auto at = [&](int i, int j, osg::Vec3& normal) {
        const osg::Vec3 out = Around(2 * kPi * i / slices_);
        const double b = 2 * kPi * j / rings_;
        normal = out * static_cast<float>(std::cos(b)) +
                 osg::Vec3(0, static_cast<float>(std::sin(b)), 0);
        return out * static_cast<float>(radius_) + normal * static_cast<float>(thickness_);
    };
    auto uv = [&](int i, int j) {
        return osg::Vec2(static_cast<float>(i) / slices_, static_cast<float>(j) / rings_);
    };
    for (int i = 0; i < slices_; ++i)
        for (int j = 0; j < rings_; ++j) {
            osg::Vec3 na, nb, nc, nd;
            const osg::Vec3 a = at(i, j, na), b = at(i + 1, j, nb), c = at(i + 1, j + 1, nc),
                            d = at(i, j + 1, nd);
            m.Add(a, na, uv(i, j));
            m.Add(b, nb, uv(i + 1, j));
            m.Add(c, nc, uv(i + 1, j + 1));
            m.Add(a, na, uv(i, j));
            m.Add(c, nc, uv(i + 1, j + 1));
            m.Add(d, nd, uv(i, j + 1));
        }
    SetGeometry(m.Build());
}

TDodecahedron::TDodecahedron(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Dodecahedron) {
    static const DodecahedronShape shape;
    Triangles m;
    for (size_t f = 0; f < 12; ++f) {
        const osg::Vec3 n = shape.normals[f];
        const auto& face = shape.faces[f];
        // A fan from the first corner: three triangles per pentagon.
        for (size_t k = 1; k + 1 < 5; ++k) {
            m.Add(shape.corners[static_cast<size_t>(face[0])], n, {0.5f, 1});
            m.Add(shape.corners[static_cast<size_t>(face[k])], n, {0, 0});
            m.Add(shape.corners[static_cast<size_t>(face[k + 1])], n, {1, 0});
        }
    }
    SetGeometry(m.Build());
}

TArrow::TArrow(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Arrow) {
    Rebuild();
}

void TArrow::SetShape(double length, double shaftRadius, double headRadius, double headLength,
                      int slices) {
    length_ = std::max(length, 1e-3);
    shaftRadius_ = std::max(shaftRadius, 0.0);
    headRadius_ = std::max(headRadius, 0.0);
    headLength_ = std::clamp(headLength, 1e-3, length_);
    slices_ = std::max(slices, 3);
    Rebuild();
}

void TArrow::Rebuild() {
    Triangles m;
    const auto head = static_cast<float>(headLength_), top = static_cast<float>(length_);
    const auto shaft = static_cast<float>(shaftRadius_), cone = static_cast<float>(headRadius_);
    // The head from the tip up to its base, capped there; then the shaft up to the tail.
    Revolve(m, slices_, head, cone, 0, 0, true);
    if (top > head && shaft > 0) {
        Revolve(m, slices_, head, shaft, top, shaft, false);
        Revolve(m, slices_, top, shaft, top, 0, false);
    }
    SetGeometry(m.Build());
}

} // namespace vantorel::scene
