#pragma once
// The retained-mode scene the board views draw with: a tree of named objects, each placed in
// its parent's frame by a position, a direction (its own z axis) and an up vector (its own
// y axis), with a material, a visibility flag, tags and a per-frame progress event. Every
// object owns an OpenSceneGraph transform; its geometry hangs under that transform and its
// children's transforms after it, so the drawing order is the tree order.
#include <osg/Group>
#include <osg/MatrixTransform>
#include <osg/Vec3d>
#include <osg/Vec4f>
#include <osg/ref_ptr>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantorel::scene {

using Vec3 = osg::Vec3d;
using Colour = osg::Vec4f; // r, g, b, a in 0..1

class TScene;
class TMovement;
class TMaterialLibrary;

enum class TObjectKind {
    Dummy,
    Camera,
    Light,
    Box,
    Plane,
    Disk,
    Cylinder,
    Lines,
    Proxy,
    FreeForm,
    Sprite,
    HudText,
    SpaceText,
    Fire,
    HeightField,
    Sphere,
    Torus,
    Dodecahedron,
    Arrow,
    SkyDome,
    Frustum,
    BitmapText,
};

// Front colours and texture choice of one object. A library material, when named, gives the
// colours and the texture; `TextureEnabled` off keeps only its colours.
struct TMaterial {
    Colour Ambient{0.2f, 0.2f, 0.2f, 1.0f};
    Colour Diffuse{0.8f, 0.8f, 0.8f, 1.0f};
    Colour Emission{0.0f, 0.0f, 0.0f, 1.0f};
    Colour Specular{0.0f, 0.0f, 0.0f, 1.0f};
    bool Blending = false; // alpha blending (diffuse alpha)
    bool TextureEnabled = true;
    const TMaterialLibrary* Library = nullptr;
    std::string LibraryMaterial; // empty: none

    void SetAllColours(const Colour& c) { Ambient = Diffuse = Emission = Specular = c; }
    bool operator==(const TMaterial&) const = default;
};

class TSceneObject {
public:
    using ProgressHandler =
        std::function<void(TSceneObject& sender, double deltaTime, double newTime)>;

    TSceneObject(const TSceneObject&) = delete;
    TSceneObject& operator=(const TSceneObject&) = delete;
    virtual ~TSceneObject();

    TObjectKind Kind() const { return kind_; }
    TScene& Scene() const { return *scene_; }
    TSceneObject* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<TSceneObject>>& Children() const { return children_; }

    // Creates a child of a concrete kind: `AddChild<TDisk>()`.
    template <class T, class... Args> T* AddChild(Args&&... args) {
        auto child = std::unique_ptr<T>(new T(*scene_, this, std::forward<Args>(args)...));
        T* raw = child.get();
        Adopt(std::move(child));
        return raw;
    }
    // Frees the children (and their movements) now.
    void DeleteChildren();
    // Frees one child; false if it is not a child of this object.
    bool DeleteChild(TSceneObject* child);

    const std::string& Name() const { return name_; }
    void SetName(std::string name);
    int Tag = 0;
    float TagFloat = 0.0f;

    // Placement in the parent's frame.
    const Vec3& Position() const { return position_; }
    void SetPosition(const Vec3& p);
    const Vec3& Direction() const { return direction_; }
    // Turns the object by the smallest rotation that brings the old direction onto the new
    // one, up included (half a turn goes about the object's x axis), so a direction along
    // the old up vector stays well defined.
    void SetDirection(const Vec3& d);
    const Vec3& Up() const { return up_; }
    void SetUp(const Vec3& u); // normalised; direction is kept, up made perpendicular
    const Vec3& Scale() const { return scale_; }
    void SetScale(const Vec3& s);
    // Angles in degrees. Setting one turns the object by the change: roll turns up about
    // direction, turn turns direction about up, pitch turns both about the right axis.
    double RollAngle() const { return roll_; }
    void SetRollAngle(double degrees);
    double TurnAngle() const { return turn_; }
    void SetTurnAngle(double degrees);
    double PitchAngle() const { return pitch_; }
    void SetPitchAngle(double degrees);

    // Puts the object back into a given orientation with its three angles at zero (angles
    // only ever turn by their change, so a tumbling object cannot simply set them back).
    void ResetOrientation(const Vec3& direction, const Vec3& up);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    const TMaterial& Material() const { return material_; }
    void SetMaterial(const TMaterial& material);
    // Lines instead of filled polygons; the whole-scene switch walks the tree with this.
    void SetWireframe(bool on);
    bool Wireframe() const { return wireframe_; }

    // Frame conversions: this object's frame to the scene root's and back.
    osg::Matrixd LocalMatrix() const;
    osg::Matrixd LocalToWorld() const;
    Vec3 WorldPosition() const;
    Vec3 WorldToLocal(const Vec3& world) const;

    // Raised by the scene's progress step on every frame.
    ProgressHandler OnProgress;

    // The movement along node paths; none until asked for.
    TMovement* Movement() const { return movement_.get(); }
    TMovement& GetOrCreateMovement();
    void DeleteMovement();

    // The object's transform; geometry under it is drawn at the object's place.
    osg::MatrixTransform* Node() const { return transform_.get(); }
    // The geometry (and children) group shared by proxies of this object.
    osg::Group* Content() const { return content_.get(); }

protected:
    TSceneObject(TScene& scene, TSceneObject* parent, TObjectKind kind);
    // The kind's drawing under the content group, rebuilt when a kind parameter changes.
    void SetGeometry(osg::ref_ptr<osg::Node> geometry);
    virtual void ApplyMaterial();
    // Something that shows in the picture changed: the scene's revision moves on.
    void Changed();

private:
    friend class TScene;
    void Adopt(std::unique_ptr<TSceneObject> child);
    void UpdateTransform();

    TScene* scene_;
    TSceneObject* parent_;
    TObjectKind kind_;
    std::string name_;
    Vec3 position_{0, 0, 0};
    Vec3 direction_{0, 0, 1};
    Vec3 up_{0, 1, 0};
    Vec3 scale_{1, 1, 1};
    double roll_ = 0, turn_ = 0, pitch_ = 0;
    bool visible_ = true;
    bool wireframe_ = false;
    TMaterial material_;
    osg::ref_ptr<osg::MatrixTransform> transform_;
    osg::ref_ptr<osg::Group> content_;
    osg::ref_ptr<osg::Node> geometry_;
    std::vector<std::unique_ptr<TSceneObject>> children_;
    std::unique_ptr<TMovement> movement_;
};

} // namespace vantorel::scene
