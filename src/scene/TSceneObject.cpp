#include "TSceneObject.h"

#include "TMaterialLibrary.h"
#include "TMovement.h"
#include "TObjects.h"
#include "TScene.h"

#include <osg/BlendFunc>
#include <osg/Material>
#include <osg/PolygonMode>
#include <osgText/Text>

#include <algorithm>
#include <cmath>

namespace vantorel::scene {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

Vec3 Normalised(const Vec3& v, const Vec3& fallback) {
    const double length = v.length();
    return length > 1e-12 ? v / length : fallback;
}

// Any unit vector perpendicular to `v`.
Vec3 Perpendicular(const Vec3& v) {
    const Vec3 axis = std::fabs(v.x()) < 0.9 ? Vec3(1, 0, 0) : Vec3(0, 1, 0);
    return Normalised(v ^ axis, Vec3(0, 0, 1));
}

// Text over the picture is drawn unlit: it takes its colour from the material by hand.
class TextColourer : public osg::NodeVisitor {
public:
    explicit TextColourer(const Colour& colour)
        : NodeVisitor(TRAVERSE_ALL_CHILDREN), colour_(colour) {}
    void apply(osg::Drawable& drawable) override {
        if (auto* text = dynamic_cast<osgText::Text*>(&drawable)) text->setColor(colour_);
    }

private:
    Colour colour_;
};

} // namespace

TSceneObject::TSceneObject(TScene& scene, TSceneObject* parent, TObjectKind kind)
    : scene_(&scene), parent_(parent), kind_(kind), transform_(new osg::MatrixTransform),
      content_(new osg::Group) {
    transform_->addChild(content_);
    scene_->Register(this);
}

TSceneObject::~TSceneObject() {
    movement_.reset();
    // Out of the live set first, so that the scans below and those of the children never
    // meet an object whose destruction has begun.
    scene_->Unregister(this);
    // Proxies and cameras point at objects by plain pointers: nobody may keep drawing or
    // aiming at what is gone.
    for (TSceneObject* other : scene_->objects_) {
        if (other->kind_ == TObjectKind::Proxy) {
            auto* proxy = static_cast<TProxy*>(other);
            if (proxy->master_ == this) proxy->SetMaster(nullptr);
        } else if (other->kind_ == TObjectKind::Camera) {
            auto* camera = static_cast<TCamera*>(other);
            if (camera->target_ == this) camera->target_ = nullptr;
        }
    }
    children_.clear();
}

void TSceneObject::Adopt(std::unique_ptr<TSceneObject> child) {
    content_->addChild(child->transform_);
    children_.push_back(std::move(child));
    Changed();
}

void TSceneObject::Changed() {
    scene_->Touch();
}

void TSceneObject::DeleteChildren() {
    // Detached first, so that nothing drawn refers to a half-deleted object.
    auto doomed = std::move(children_);
    children_.clear();
    for (auto& child : doomed)
        content_->removeChild(child->transform_);
    doomed.clear();
    Changed();
}

bool TSceneObject::DeleteChild(TSceneObject* child) {
    auto it = std::find_if(children_.begin(), children_.end(),
                           [&](const auto& c) { return c.get() == child; });
    if (it == children_.end()) return false;
    std::unique_ptr<TSceneObject> doomed = std::move(*it);
    children_.erase(it);
    content_->removeChild(doomed->transform_);
    Changed();
    return true;
}

void TSceneObject::SetName(std::string name) {
    name_ = std::move(name);
    transform_->setName(name_);
}

void TSceneObject::SetPosition(const Vec3& p) {
    if (p == position_) return;
    position_ = p;
    UpdateTransform();
}

void TSceneObject::SetDirection(const Vec3& d) {
    const Vec3 to = Normalised(d, direction_);
    if (to == direction_) return;
    const Vec3 from = direction_;
    const double dot = std::clamp(from * to, -1.0, 1.0);
    if (dot < -1.0 + 1e-12) {
        // Half a turn about the object's own x axis.
        up_ = -up_;
    } else if (dot < 1.0 - 1e-12) {
        osg::Quat turn;
        turn.makeRotate(from, to);
        up_ = turn * up_;
    }
    direction_ = to;
    up_ = Normalised(up_ - direction_ * (up_ * direction_), Perpendicular(direction_));
    UpdateTransform();
}

void TSceneObject::SetUp(const Vec3& u) {
    Vec3 up = Normalised(u, up_);
    up = up - direction_ * (up * direction_);
    up = Normalised(up, up_);
    if (up == up_) return;
    up_ = up;
    UpdateTransform();
}

void TSceneObject::SetScale(const Vec3& s) {
    if (s == scale_) return;
    scale_ = s;
    UpdateTransform();
}

void TSceneObject::SetRollAngle(double degrees) {
    if (degrees == roll_) return;
    const osg::Quat turn((degrees - roll_) * kDegree, direction_);
    up_ = Normalised(turn * up_, up_);
    roll_ = degrees;
    UpdateTransform();
}

void TSceneObject::SetTurnAngle(double degrees) {
    if (degrees == turn_) return;
    const osg::Quat turn((degrees - turn_) * kDegree, up_);
    direction_ = Normalised(turn * direction_, direction_);
    turn_ = degrees;
    UpdateTransform();
}

void TSceneObject::SetPitchAngle(double degrees) {
    if (degrees == pitch_) return;
    const Vec3 right = up_ ^ direction_;
    const osg::Quat turn((degrees - pitch_) * kDegree, right);
    direction_ = Normalised(turn * direction_, direction_);
    up_ = Normalised(turn * up_, up_);
    pitch_ = degrees;
    UpdateTransform();
}

void TSceneObject::ResetOrientation(const Vec3& direction, const Vec3& up) {
    direction_ = Normalised(direction, direction_);
    up_ = Normalised(up - direction_ * (up * direction_), Perpendicular(direction_));
    roll_ = turn_ = pitch_ = 0;
    UpdateTransform();
}

void TSceneObject::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    transform_->setNodeMask(visible ? ~0u : 0u);
    Changed();
}

osg::Matrixd TSceneObject::LocalMatrix() const {
    const Vec3 x = up_ ^ direction_;
    // Row vectors: a point p of this object's frame lands at p * M in the parent's.
    return osg::Matrixd(x.x() * scale_.x(), x.y() * scale_.x(), x.z() * scale_.x(), 0,
                        up_.x() * scale_.y(), up_.y() * scale_.y(), up_.z() * scale_.y(), 0,
                        direction_.x() * scale_.z(), direction_.y() * scale_.z(),
                        direction_.z() * scale_.z(), 0, position_.x(), position_.y(), position_.z(),
                        1);
}

void TSceneObject::UpdateTransform() {
    transform_->setMatrix(LocalMatrix());
    Changed();
}

osg::Matrixd TSceneObject::LocalToWorld() const {
    osg::Matrixd m = LocalMatrix();
    for (const TSceneObject* p = parent_; p; p = p->parent_)
        m = m * p->LocalMatrix();
    return m;
}

Vec3 TSceneObject::WorldPosition() const {
    return Vec3(0, 0, 0) * LocalToWorld();
}

Vec3 TSceneObject::WorldToLocal(const Vec3& world) const {
    return world * osg::Matrixd::inverse(LocalToWorld());
}

TMovement& TSceneObject::GetOrCreateMovement() {
    if (!movement_) movement_ = std::make_unique<TMovement>(*this);
    return *movement_;
}

void TSceneObject::DeleteMovement() {
    movement_.reset();
}

void TSceneObject::SetGeometry(osg::ref_ptr<osg::Node> geometry) {
    if (geometry_) content_->removeChild(geometry_);
    geometry_ = geometry;
    if (geometry_) content_->insertChild(0, geometry_);
    ApplyMaterial();
    Changed();
}

void TSceneObject::SetMaterial(const TMaterial& material) {
    if (material == material_) return;
    material_ = material;
    ApplyMaterial();
    Changed();
}

void TSceneObject::ApplyMaterial() {
    if (!geometry_) return;
    TMaterial colours = material_;
    osg::ref_ptr<osg::Texture2D> texture;
    if (material_.Library && !material_.LibraryMaterial.empty())
        if (const TLibMaterial* named = material_.Library->Find(material_.LibraryMaterial)) {
            colours = named->Colours;
            if (material_.TextureEnabled) texture = named->Texture;
            // A picture carries its own colours: lit white, it shows them as painted. The
            // material's colours stand in for it when the texture is off.
            if (texture) {
                const float a = colours.Diffuse.a();
                colours.Diffuse = {0.9f, 0.9f, 0.9f, a};
                colours.Ambient = {0.45f, 0.45f, 0.45f, a};
            }
        }
    osg::StateSet* state = geometry_->getOrCreateStateSet();
    auto* m = new osg::Material;
    m->setAmbient(osg::Material::FRONT_AND_BACK, colours.Ambient);
    m->setDiffuse(osg::Material::FRONT_AND_BACK, colours.Diffuse);
    m->setEmission(osg::Material::FRONT_AND_BACK, colours.Emission);
    m->setSpecular(osg::Material::FRONT_AND_BACK, colours.Specular);
    state->setAttributeAndModes(m, osg::StateAttribute::ON);
    if (texture)
        state->setTextureAttributeAndModes(0, texture, osg::StateAttribute::ON);
    else
        state->setTextureMode(0, GL_TEXTURE_2D, osg::StateAttribute::OFF);
    if (material_.Blending || colours.Diffuse.a() < 1.0f) {
        state->setAttributeAndModes(new osg::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA));
        state->setMode(GL_BLEND, osg::StateAttribute::ON);
        // Heeded only where the scene draws transparent objects last.
        state->setRenderingHint(osg::StateSet::TRANSPARENT_BIN);
    } else {
        state->setMode(GL_BLEND, osg::StateAttribute::OFF);
        state->setRenderingHint(osg::StateSet::DEFAULT_BIN);
    }
    if (kind_ == TObjectKind::HudText) {
        TextColourer colourer(colours.Diffuse);
        geometry_->accept(colourer);
    }
}

void TSceneObject::SetWireframe(bool on) {
    wireframe_ = on;
    Changed();
    osg::StateSet* state = transform_->getOrCreateStateSet();
    if (on)
        state->setAttributeAndModes(
            new osg::PolygonMode(osg::PolygonMode::FRONT_AND_BACK, osg::PolygonMode::LINE));
    else
        state->removeAttribute(osg::StateAttribute::POLYGONMODE);
}

} // namespace vantorel::scene
