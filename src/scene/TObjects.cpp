#include "TObjects.h"

#include "SceneMasks.h"
#include "TMaterialLibrary.h"
#include "TScene.h"

#include <QGuiApplication>

#include <osg/AutoTransform>
#include <osg/BlendFunc>
#include <osg/Geode>
#include <osg/Geometry>
#include <osg/Hint>
#include <osg/Light>
#include <osg/LightSource>
#include <osg/LineWidth>
#include <osg/Shape>
#include <osg/ShapeDrawable>
#include <osgDB/ReadFile>
#include <osgText/Text3D>
#include <osgText/Text>
#include <osgUtil/CullVisitor>

#include <algorithm>
#include <cmath>
#include <functional>

namespace vantorel::scene {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMillimetresPerPixel = 25.4 / 96;
const char* const kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

osg::ref_ptr<osg::Geode> GeodeOf(osg::Geometry* geometry) {
    osg::ref_ptr<osg::Geode> geode = new osg::Geode;
    geode->addDrawable(geometry);
    return geode;
}

// Triangles with normals, white vertex colour (the material gives the colour).
struct Mesh {
    osg::ref_ptr<osg::Vec3Array> vertices = new osg::Vec3Array;
    osg::ref_ptr<osg::Vec3Array> normals = new osg::Vec3Array;
    osg::ref_ptr<osg::Vec2Array> coords = new osg::Vec2Array;

    void Add(const osg::Vec3& v, const osg::Vec3& n, const osg::Vec2& t = {0, 0}) {
        vertices->push_back(v);
        normals->push_back(n);
        coords->push_back(t);
    }
    void Quad(const osg::Vec3& a, const osg::Vec3& b, const osg::Vec3& c, const osg::Vec3& d,
              const osg::Vec3& n) {
        Add(a, n, {0, 0});
        Add(b, n, {1, 0});
        Add(c, n, {1, 1});
        Add(a, n, {0, 0});
        Add(c, n, {1, 1});
        Add(d, n, {0, 1});
    }
    osg::ref_ptr<osg::Node> Build(bool twoSided = false) const {
        osg::ref_ptr<osg::Geometry> g = new osg::Geometry;
        g->setVertexArray(vertices);
        g->setNormalArray(normals, osg::Array::BIND_PER_VERTEX);
        g->setTexCoordArray(0, coords);
        // Unlit drawing (sprites, wire frames) would otherwise take whatever colour was
        // current.
        osg::ref_ptr<osg::Vec4Array> white = new osg::Vec4Array;
        white->push_back({1, 1, 1, 1});
        g->setColorArray(white, osg::Array::BIND_OVERALL);
        g->addPrimitiveSet(new osg::DrawArrays(GL_TRIANGLES, 0, vertices->size()));
        auto geode = GeodeOf(g);
        // Flat things show from either side, even where the buffer culls back faces.
        if (twoSided)
            geode->getOrCreateStateSet()->setMode(GL_CULL_FACE, osg::StateAttribute::OFF |
                                                                    osg::StateAttribute::PROTECTED);
        return geode;
    }
};

// One font for every text: reading it is slow. Kept for the life of the program, since
// the font plugin may be gone by the time static objects are destroyed.
osg::ref_ptr<osgText::Font> SharedFont() {
    static osgText::Font* const font = osgText::readRefFontFile(kFontFile).release();
    return font;
}

bool Reaches(osg::Node* from, const osg::Node* to) {
    if (from == to) return true;
    if (osg::Group* group = from->asGroup())
        for (unsigned k = 0; k < group->getNumChildren(); ++k)
            if (Reaches(group->getChild(k), to)) return true;
    return false;
}

// Keeps text over the picture at its pixel place: the projection follows the viewport,
// and the owner's position counts in pixels from the top left.
class HudPlacement : public osg::NodeCallback {
public:
    HudPlacement(const TSceneObject& owner, osg::Camera* hud, osgText::Text* text)
        : owner_(owner), hud_(hud), text_(text) {}
    void operator()(osg::Node* node, osg::NodeVisitor* visitor) override {
        osgUtil::CullVisitor* cull = visitor->asCullVisitor();
        if (const osg::Viewport* viewport = cull ? cull->getViewport() : nullptr) {
            // Positions are in logical pixels, as the views get them from the mouse.
            const double ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
            const double w = viewport->width() / ratio, h = viewport->height() / ratio;
            hud_->setProjectionMatrixAsOrtho2D(0, w, 0, h);
            const Vec3& p = owner_.Position();
            text_->setPosition(
                osg::Vec3(static_cast<float>(p.x()), static_cast<float>(h - p.y()), 0.0f));
        }
        traverse(node, visitor);
    }

private:
    const TSceneObject& owner_;
    osg::Camera* hud_;
    osgText::Text* text_;
};

} // namespace

TDummyCube::TDummyCube(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Dummy) {}

void TDummyCube::SetVisibleAtRunTime(bool on) {
    visibleAtRunTime_ = on;
    // Only ever a helper frame here: nothing is drawn for it either way.
}

TCamera::TCamera(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Camera) {
    Reset();
}

void TCamera::Reset() {
    focalLength_ = 50;
    depthOfView_ = 100;
    style_ = Style::Perspective;
    sceneScale_ = 1;
    target_ = nullptr;
    Changed();
    SetPosition({0, 0, 10});
    SetDirection({0, 0, -1});
    SetUp({0, 1, 0});
}

void TCamera::AdjustDistanceToTarget(double factor) {
    if (!target_) return;
    const Vec3 eye = WorldPosition();
    const Vec3 aim = target_->WorldPosition();
    const Vec3 world = aim + (eye - aim) * factor;
    SetPosition(Parent() ? Parent()->WorldToLocal(world) : world);
}

osg::Matrixd TCamera::ViewMatrix() const {
    const osg::Matrixd toWorld = LocalToWorld();
    const Vec3 eye = Vec3(0, 0, 0) * toWorld;
    Vec3 forward = osg::Matrixd::transform3x3(Direction(),
                                              Parent() ? Parent()->LocalToWorld() : osg::Matrixd());
    Vec3 up =
        osg::Matrixd::transform3x3(Up(), Parent() ? Parent()->LocalToWorld() : osg::Matrixd());
    if (target_) {
        const Vec3 aim = target_->WorldPosition();
        if ((aim - eye).length() > 1e-9) forward = aim - eye;
    }
    forward.normalize();
    // An up vector along the line of sight gives no picture: any other will do.
    if (std::fabs((up / std::max(up.length(), 1e-12)) * forward) > 0.999)
        up = std::fabs(forward.y()) < 0.9 ? Vec3(0, 1, 0) : Vec3(0, 0, -1);
    return osg::Matrixd::lookAt(eye, eye + forward, up);
}

osg::Matrixd TCamera::ProjectionMatrix(int viewportWidth, int viewportHeight) const {
    const double w = std::max(viewportWidth, 1);
    const double h = std::max(viewportHeight, 1);
    const double aspect = w / h;
    // A little beyond the depth of view, so a board lying exactly at that distance shows.
    const double far = std::max(depthOfView_, 1.0) * 1.05;
    if (style_ == Style::Orthogonal) {
        const double half = kOrthoUnits / (focalLength_ * sceneScale_) / 2;
        return osg::Matrixd::ortho(-half * aspect, half * aspect, -half, half, -far, far);
    }
    // The focal length counts in millimetres of a 96 dpi screen, so the picture keeps its
    // field of view when the views set it to a third of the viewport's height.
    const double fovy = 2 * std::atan(h / 2 * kMillimetresPerPixel / focalLength_) * 180 / kPi;
    return osg::Matrixd::perspective(fovy, aspect, std::max(far / 10000, 0.01), far);
}

TLight::TLight(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Light) {
    Update();
}

void TLight::SetColours(const Colour& ambient, const Colour& diffuse, const Colour& specular) {
    ambient_ = ambient;
    diffuse_ = diffuse;
    specular_ = specular;
    Update();
}
void TLight::SetShining(bool on) {
    shining_ = on;
    Update();
}
void TLight::SetLightStyle(Style style) {
    style_ = style;
    Update();
}
void TLight::SetSpotCutOff(double degrees) {
    cutOff_ = degrees;
    Update();
}
void TLight::SetSpotExponent(double exponent) {
    exponent_ = exponent;
    Update();
}
void TLight::SetSpotDirection(const Vec3& direction) {
    spotDirection_ = direction;
    Update();
}

void TLight::Update() {
    osg::ref_ptr<osg::Light> light = new osg::Light(0);
    light->setAmbient(ambient_);
    light->setDiffuse(shining_ ? diffuse_ : Colour(0, 0, 0, 1));
    light->setSpecular(shining_ ? specular_ : Colour(0, 0, 0, 1));
    if (style_ == Style::Parallel) {
        light->setPosition(osg::Vec4(-spotDirection_, 0));
    } else {
        light->setPosition(osg::Vec4(0, 0, 0, 1));
        light->setDirection(spotDirection_);
        light->setSpotCutoff(style_ == Style::Spot ? static_cast<float>(cutOff_) : 180.0f);
        light->setSpotExponent(static_cast<float>(exponent_));
    }
    osg::ref_ptr<osg::LightSource> source = new osg::LightSource;
    source->setLight(light);
    source->setReferenceFrame(osg::LightSource::RELATIVE_RF);
    SetGeometry(source);
}

TCube::TCube(TScene& scene, TSceneObject* parent) : TSceneObject(scene, parent, TObjectKind::Box) {
    Rebuild();
}

void TCube::SetSize(double width, double height, double depth) {
    width_ = width;
    height_ = height;
    depth_ = depth;
    Rebuild();
}

void TCube::Rebuild() {
    const float x = static_cast<float>(width_ / 2), y = static_cast<float>(height_ / 2),
                z = static_cast<float>(depth_ / 2);
    Mesh m;
    m.Quad({-x, -y, z}, {x, -y, z}, {x, y, z}, {-x, y, z}, {0, 0, 1});
    m.Quad({x, -y, -z}, {-x, -y, -z}, {-x, y, -z}, {x, y, -z}, {0, 0, -1});
    m.Quad({x, -y, z}, {x, -y, -z}, {x, y, -z}, {x, y, z}, {1, 0, 0});
    m.Quad({-x, -y, -z}, {-x, -y, z}, {-x, y, z}, {-x, y, -z}, {-1, 0, 0});
    m.Quad({-x, y, z}, {x, y, z}, {x, y, -z}, {-x, y, -z}, {0, 1, 0});
    m.Quad({-x, -y, -z}, {x, -y, -z}, {x, -y, z}, {-x, -y, z}, {0, -1, 0});
    SetGeometry(m.Build());
}

TPlane::TPlane(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Plane) {
    Rebuild();
}

void TPlane::SetSize(double width, double height) {
    width_ = width;
    height_ = height;
    Rebuild();
}

void TPlane::SetTiles(int across, int along) {
    tilesAcross_ = std::max(across, 1);
    tilesAlong_ = std::max(along, 1);
    Rebuild();
}

void TPlane::Rebuild() {
    // Lighting is computed at the corners of the cells: a large plane is cut into cells of
    // about two units, or a light near its middle would leave it as dark as its corners.
    const int nx = std::clamp(static_cast<int>(std::ceil(width_ / 2)), 1, 32);
    const int ny = std::clamp(static_cast<int>(std::ceil(height_ / 2)), 1, 32);
    const auto u = static_cast<float>(tilesAcross_), v = static_cast<float>(tilesAlong_);
    Mesh m;
    auto corner = [&](int i, int j) {
        return osg::Vec3(static_cast<float>(width_ * (static_cast<double>(i) / nx - 0.5)),
                         static_cast<float>(height_ * (static_cast<double>(j) / ny - 0.5)), 0);
    };
    auto coord = [&](int i, int j) {
        return osg::Vec2(u * static_cast<float>(i) / static_cast<float>(nx),
                         v * static_cast<float>(j) / static_cast<float>(ny));
    };
    const osg::Vec3 n(0, 0, 1);
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            m.Add(corner(i, j), n, coord(i, j));
            m.Add(corner(i + 1, j), n, coord(i + 1, j));
            m.Add(corner(i + 1, j + 1), n, coord(i + 1, j + 1));
            m.Add(corner(i, j), n, coord(i, j));
            m.Add(corner(i + 1, j + 1), n, coord(i + 1, j + 1));
            m.Add(corner(i, j + 1), n, coord(i, j + 1));
        }
    SetGeometry(m.Build(true));
}

TSphere::TSphere(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Sphere) {
    Rebuild();
}

void TSphere::SetShape(double radius, int slices) {
    radius_ = radius;
    slices_ = std::max(slices, 3);
    Rebuild();
}

void TSphere::Rebuild() {
    Mesh m;
    const int stacks = std::max(slices_ / 2, 2);
    auto at = [&](int slice, int stack) {
        const double a = 2 * kPi * slice / slices_, b = kPi * stack / stacks;
        return osg::Vec3(static_cast<float>(std::sin(b) * std::cos(a)),
                         static_cast<float>(std::cos(b)),
                         static_cast<float>(-std::sin(b) * std::sin(a)));
    };
    const auto r = static_cast<float>(radius_);
    for (int k = 0; k < slices_; ++k)
        for (int j = 0; j < stacks; ++j) {
            const osg::Vec3 a = at(k, j), b = at(k, j + 1), c = at(k + 1, j + 1), d = at(k + 1, j);
            auto uv = [&](int slice, int stack) {
                return osg::Vec2(static_cast<float>(slice) / slices_,
                                 1.0f - static_cast<float>(stack) / stacks);
            };
            m.Add(a * r, a, uv(k, j));
            m.Add(b * r, b, uv(k, j + 1));
            m.Add(c * r, c, uv(k + 1, j + 1));
            m.Add(a * r, a, uv(k, j));
            m.Add(c * r, c, uv(k + 1, j + 1));
            m.Add(d * r, d, uv(k + 1, j));
        }
    SetGeometry(m.Build());
}

TDisk::TDisk(TScene& scene, TSceneObject* parent) : TSceneObject(scene, parent, TObjectKind::Disk) {
    Rebuild();
}

void TDisk::SetRadii(double inner, double outer) {
    inner_ = inner;
    outer_ = outer;
    Rebuild();
}

void TDisk::Rebuild() {
    Mesh m;
    const osg::Vec3 n(0, 0, 1);
    for (int k = 0; k < slices_; ++k) {
        const double a0 = 2 * kPi * k / slices_, a1 = 2 * kPi * (k + 1) / slices_;
        const osg::Vec3 o0(std::cos(a0), std::sin(a0), 0), o1(std::cos(a1), std::sin(a1), 0);
        const auto ro = static_cast<float>(outer_), ri = static_cast<float>(inner_);
        if (inner_ <= 0) {
            m.Add({0, 0, 0}, n);
            m.Add(o0 * ro, n);
            m.Add(o1 * ro, n);
        } else {
            m.Quad(o0 * ri, o0 * ro, o1 * ro, o1 * ri, n);
        }
    }
    SetGeometry(m.Build(true));
}

TCylinder::TCylinder(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Cylinder) {
    Rebuild();
}

void TCylinder::SetShape(double topRadius, double bottomRadius, double height, int slices) {
    top_ = topRadius;
    bottom_ = bottomRadius;
    height_ = height;
    slices_ = std::max(slices, 3);
    Rebuild();
}

void TCylinder::Rebuild() {
    Mesh m;
    const auto h = static_cast<float>(height_ / 2);
    const auto rt = static_cast<float>(top_), rb = static_cast<float>(bottom_);
    // The picture goes once round the side and lies flat on each cap (a coin's face).
    auto cap = [](const osg::Vec3& d, float flip) {
        return osg::Vec2(0.5f + d.x() / 2, 0.5f - flip * d.z() / 2);
    };
    for (int k = 0; k < slices_; ++k) {
        const double a0 = 2 * kPi * k / slices_, a1 = 2 * kPi * (k + 1) / slices_;
        const osg::Vec3 d0(std::cos(a0), 0, -std::sin(a0)), d1(std::cos(a1), 0, -std::sin(a1));
        const auto u0 = static_cast<float>(k) / slices_, u1 = static_cast<float>(k + 1) / slices_;
        m.Add(d0 * rb + osg::Vec3(0, -h, 0), d0, {u0, 0});
        m.Add(d1 * rb + osg::Vec3(0, -h, 0), d1, {u1, 0});
        m.Add(d1 * rt + osg::Vec3(0, h, 0), d1, {u1, 1});
        m.Add(d0 * rb + osg::Vec3(0, -h, 0), d0, {u0, 0});
        m.Add(d1 * rt + osg::Vec3(0, h, 0), d1, {u1, 1});
        m.Add(d0 * rt + osg::Vec3(0, h, 0), d0, {u0, 1});
        m.Add({0, h, 0}, {0, 1, 0}, {0.5f, 0.5f});
        m.Add(d0 * rt + osg::Vec3(0, h, 0), {0, 1, 0}, cap(d0, 1));
        m.Add(d1 * rt + osg::Vec3(0, h, 0), {0, 1, 0}, cap(d1, 1));
        m.Add({0, -h, 0}, {0, -1, 0}, {0.5f, 0.5f});
        m.Add(d1 * rb + osg::Vec3(0, -h, 0), {0, -1, 0}, cap(d1, -1));
        m.Add(d0 * rb + osg::Vec3(0, -h, 0), {0, -1, 0}, cap(d0, -1));
    }
    SetGeometry(m.Build());
}

TLines::TLines(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Lines) {
    Rebuild();
}

void TLines::SetNodes(std::vector<Vec3> nodes) {
    nodes_ = std::move(nodes);
    Rebuild();
}

void TLines::AddNode(const Vec3& node) {
    nodes_.push_back(node);
    Rebuild();
}

void TLines::SetLineStyle(float width, const Colour& colour, bool antiAliased) {
    width_ = width;
    colour_ = colour;
    antiAliased_ = antiAliased;
    Rebuild();
}

void TLines::Rebuild() {
    osg::ref_ptr<osg::Geometry> g = new osg::Geometry;
    osg::ref_ptr<osg::Vec3Array> vertices = new osg::Vec3Array;
    for (const Vec3& node : nodes_)
        vertices->push_back(node);
    osg::ref_ptr<osg::Vec4Array> colours = new osg::Vec4Array;
    colours->push_back(colour_);
    g->setVertexArray(vertices);
    g->setColorArray(colours, osg::Array::BIND_OVERALL);
    g->addPrimitiveSet(new osg::DrawArrays(GL_LINE_STRIP, 0, vertices->size()));
    // On the drawable, below the object's material state: that one switches blending off
    // for opaque materials.
    osg::StateSet* state = g->getOrCreateStateSet();
    state->setMode(GL_LIGHTING, osg::StateAttribute::OFF | osg::StateAttribute::PROTECTED);
    state->setAttributeAndModes(new osg::LineWidth(width_));
    if (antiAliased_) {
        state->setMode(GL_LINE_SMOOTH, osg::StateAttribute::ON);
        state->setAttributeAndModes(new osg::Hint(GL_LINE_SMOOTH_HINT, GL_NICEST));
    }
    if (antiAliased_ || colour_.a() < 1.0f)
        state->setAttributeAndModes(new osg::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA));
    SetGeometry(GeodeOf(g));
}

TProxy::TProxy(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Proxy) {}

void TProxy::SetMaster(TSceneObject* master) {
    // A master that holds this proxy would draw itself without end.
    if (master && (master == this || Reaches(master->Content(), Node()))) master = nullptr;
    master_ = master;
    if (!master) {
        SetGeometry(nullptr);
        return;
    }
    // The master's own placement (its turn, its scale) applies inside the proxy, but not
    // its visibility: a hidden master still shows through its proxies.
    osg::ref_ptr<osg::MatrixTransform> placement = new osg::MatrixTransform(master->LocalMatrix());
    placement->addChild(master->Content());
    SetGeometry(placement);
}

TSprite::TSprite(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Sprite) {
    Rebuild();
}

void TSprite::SetSize(double size) {
    size_ = size;
    Rebuild();
}

void TSprite::SetAlphaChannel(bool on) {
    alpha_ = on;
    ApplyMaterial();
    Changed();
}

void TSprite::Rebuild() {
    const auto s = static_cast<float>(size_ / 2);
    Mesh m;
    m.Quad({-s, -s, 0}, {s, -s, 0}, {s, s, 0}, {-s, s, 0}, {0, 0, 1});
    osg::ref_ptr<osg::AutoTransform> facing = new osg::AutoTransform;
    facing->setAutoRotateMode(osg::AutoTransform::ROTATE_TO_SCREEN);
    facing->addChild(m.Build(true));
    SetGeometry(facing);
}

void TSprite::ApplyMaterial() {
    TSceneObject::ApplyMaterial();
    if (!Content() || Content()->getNumChildren() == 0) return;
    osg::StateSet* state = Content()->getChild(0)->getOrCreateStateSet();
    // The pictures carry their own colours: no shading on a sprite.
    state->setMode(GL_LIGHTING, osg::StateAttribute::OFF);
    if (alpha_) {
        state->setAttributeAndModes(new osg::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA));
        state->setMode(GL_BLEND, osg::StateAttribute::ON);
    }
    // Unlit, the square shows its material's diffuse colour (white for the pictures).
    Colour colour = Material().Diffuse;
    if (Material().Library)
        if (const TLibMaterial* named = Material().Library->Find(Material().LibraryMaterial))
            colour = named->Colours.Diffuse;
    auto* facing = Content()->getChild(0)->asGroup();
    auto* geode = facing && facing->getNumChildren() ? facing->getChild(0)->asGeode() : nullptr;
    auto* square =
        geode && geode->getNumDrawables() ? geode->getDrawable(0)->asGeometry() : nullptr;
    if (square) {
        osg::ref_ptr<osg::Vec4Array> colours = new osg::Vec4Array;
        colours->push_back(colour);
        square->setColorArray(colours, osg::Array::BIND_OVERALL);
    }
}

TSpaceText::TSpaceText(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::SpaceText) {}

void TSpaceText::SetText(const std::string& utf8, double height, double extrusion) {
    text_ = utf8;
    height_ = height;
    extrusion_ = extrusion;
    Rebuild();
}

void TSpaceText::Rebuild() {
    osg::ref_ptr<osgText::Text3D> text = new osgText::Text3D;
    text->setFont(SharedFont());
    text->setCharacterSize(static_cast<float>(height_));
    text->setCharacterDepth(static_cast<float>(extrusion_));
    text->setAlignment(osgText::Text::CENTER_CENTER);
    text->setText(text_, osgText::String::ENCODING_UTF8);
    osg::ref_ptr<osg::Geode> geode = new osg::Geode;
    geode->addDrawable(text);
    SetGeometry(geode);
}

THudText::THudText(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::HudText) {}

void THudText::SetText(const std::string& utf8, double pixelHeight, Align align) {
    text_ = utf8;
    pixelHeight_ = pixelHeight;
    align_ = align;
    Rebuild();
}

void THudText::Rebuild() {
    osg::ref_ptr<osgText::Text> text = new osgText::Text;
    text->setFont(SharedFont());
    text->setCharacterSize(static_cast<float>(pixelHeight_));
    text->setAlignment(align_ == Align::Left    ? osgText::Text::LEFT_TOP
                       : align_ == Align::Right ? osgText::Text::RIGHT_TOP
                                                : osgText::Text::CENTER_TOP);
    text->setText(text_, osgText::String::ENCODING_UTF8);
    text->setDataVariance(osg::Object::DYNAMIC);
    // Its own camera in pixels, drawn after the scene: over everything, whatever the tree
    // order and the depth buffer.
    osg::ref_ptr<osg::Camera> hud = new osg::Camera;
    hud->setReferenceFrame(osg::Transform::ABSOLUTE_RF);
    hud->setRenderOrder(osg::Camera::POST_RENDER);
    hud->setClearMask(0);
    hud->setAllowEventFocus(false);
    hud->setViewMatrix(osg::Matrixd::identity());
    osg::StateSet* state = hud->getOrCreateStateSet();
    const auto off = osg::StateAttribute::OFF | osg::StateAttribute::PROTECTED;
    state->setMode(GL_LIGHTING, off);
    state->setMode(GL_DEPTH_TEST, off);
    state->setMode(GL_CULL_FACE, off);
    hud->addChild(text);
    osg::ref_ptr<osg::Group> placed = new osg::Group;
    placed->setNodeMask(kDrawnMask);
    placed->setCullCallback(new HudPlacement(*this, hud, text));
    placed->addChild(hud);
    SetGeometry(placed);
}

TFreeForm::TFreeForm(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::FreeForm) {}

bool TFreeForm::LoadFromFile(const std::string& path) {
    osg::ref_ptr<osg::Node> mesh = osgDB::readRefNodeFile(path);
    if (!mesh) return false;
    SetGeometry(mesh);
    return true;
}

THeightField::THeightField(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::HeightField) {}

void THeightField::Build(double width, double depth, int columns, int rows,
                         const std::function<double(double x, double y)>& height) {
    columns = std::clamp(columns, 2, 1024);
    rows = std::clamp(rows, 2, 1024);
    osg::ref_ptr<osg::HeightField> field = new osg::HeightField;
    field->allocate(static_cast<unsigned>(columns), static_cast<unsigned>(rows));
    const double dx = width / (columns - 1), dy = depth / (rows - 1);
    field->setXInterval(static_cast<float>(dx));
    field->setYInterval(static_cast<float>(dy));
    field->setOrigin(osg::Vec3(static_cast<float>(-width / 2), static_cast<float>(-depth / 2), 0));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            field->setHeight(static_cast<unsigned>(c), static_cast<unsigned>(r),
                             static_cast<float>(height(-width / 2 + c * dx, -depth / 2 + r * dy)));
    osg::ref_ptr<osg::Geode> geode = new osg::Geode;
    geode->addDrawable(new osg::ShapeDrawable(field));
    SetGeometry(geode);
}

void THeightField::BuildTextured(double width, double depth, int columns, int rows,
                                 const std::function<double(double x, double y)>& height) {
    columns = std::clamp(columns, 2, 1024);
    rows = std::clamp(rows, 2, 1024);
    const double dx = width / (columns - 1), dy = depth / (rows - 1);
    std::vector<osg::Vec3> corners(static_cast<size_t>(columns * rows));
    auto at = [&](int c, int r) -> osg::Vec3& {
        return corners[static_cast<size_t>(r * columns + c)];
    };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const double x = -width / 2 + c * dx, y = -depth / 2 + r * dy;
            at(c, r) = osg::Vec3(static_cast<float>(x), static_cast<float>(y),
                                 static_cast<float>(height(x, y)));
        }
    // Normals from the neighbours' slopes, so the relief is lit smoothly.
    auto normal = [&](int c, int r) {
        const osg::Vec3 across = at(std::min(c + 1, columns - 1), r) - at(std::max(c - 1, 0), r);
        const osg::Vec3 along = at(c, std::min(r + 1, rows - 1)) - at(c, std::max(r - 1, 0));
        osg::Vec3 n = across ^ along;
        n.normalize();
        return n;
    };
    auto coord = [&](int c, int r) {
        return osg::Vec2(static_cast<float>(c) / static_cast<float>(columns - 1),
                         static_cast<float>(r) / static_cast<float>(rows - 1));
    };
    Mesh m;
    for (int r = 0; r + 1 < rows; ++r)
        for (int c = 0; c + 1 < columns; ++c)
            for (const auto& [i, j] :
                 {std::pair{c, r}, {c + 1, r}, {c + 1, r + 1}, {c, r}, {c + 1, r + 1}, {c, r + 1}})
                m.Add(at(i, j), normal(i, j), coord(i, j));
    SetGeometry(m.Build(true));
}

} // namespace vantorel::scene
