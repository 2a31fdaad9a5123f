#pragma once
// The kinds of scene objects the views build with. Every parameter setter redraws the
// object; the constructors are reached through `TSceneObject::AddChild<Kind>()`.
#include "TSceneObject.h"

#include <osg/Vec2d>

#include <chrono>

namespace vantorel::scene {

// An invisible frame; a parent for cameras and for the faces of a die.
class TDummyCube : public TSceneObject {
public:
    double CubeSize() const { return cubeSize_; }
    void SetCubeSize(double size) { cubeSize_ = size; }
    // Drawn as a wire cube only when visible at run time (never, in the views).
    bool VisibleAtRunTime() const { return visibleAtRunTime_; }
    void SetVisibleAtRunTime(bool on);

protected:
    friend class TSceneObject;
    friend class TScene;
    TDummyCube(TScene& scene, TSceneObject* parent);

private:
    double cubeSize_ = 1.0;
    bool visibleAtRunTime_ = false;
};

// The eye. It looks along its direction, or at its target object when it has one.
// Perspective: vertical field of view 2·atan(viewport height in millimetres at 96 dpi / 2 /
// focal length).
// Orthogonal: the view shows kOrthoUnits / (focal length × scene scale) scene units
// across the viewport height.
class TCamera : public TSceneObject {
public:
    enum class Style { Perspective, Orthogonal };
    static constexpr double kOrthoUnits = 80.0;

    double FocalLength() const { return focalLength_; }
    void SetFocalLength(double f) { Set(focalLength_, f > 1e-3 ? f : 1e-3); }
    double DepthOfView() const { return depthOfView_; }
    void SetDepthOfView(double d) { Set(depthOfView_, d); }
    Style CameraStyle() const { return style_; }
    void SetCameraStyle(Style s) { Set(style_, s); }
    double SceneScale() const { return sceneScale_; }
    void SetSceneScale(double s) { Set(sceneScale_, s > 1e-6 ? s : 1e-6); }
    TSceneObject* Target() const { return target_; }
    void SetTarget(TSceneObject* target) { Set(target_, target); }
    // Moves the camera along the line to its target: distance × factor.
    void AdjustDistanceToTarget(double factor);
    // The library's default placement: at (0, 0, 10) of its parent, looking along −z,
    // focal length 50, depth of view 100, perspective, scene scale 1.
    void Reset();

    osg::Matrixd ViewMatrix() const;
    osg::Matrixd ProjectionMatrix(int viewportWidth, int viewportHeight) const;

protected:
    friend class TSceneObject;
    TCamera(TScene& scene, TSceneObject* parent);

private:
    template <class T> void Set(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    double focalLength_ = 50.0;
    double depthOfView_ = 100.0;
    Style style_ = Style::Perspective;
    double sceneScale_ = 1.0;
    TSceneObject* target_ = nullptr;
};

// One light source (OpenGL light 0). Omni lights shine all round from their position.
class TLight : public TSceneObject {
public:
    enum class Style { Omni, Spot, Parallel };
    void SetColours(const Colour& ambient, const Colour& diffuse, const Colour& specular);
    void SetShining(bool on);
    void SetLightStyle(Style style);
    void SetSpotCutOff(double degrees);
    void SetSpotExponent(double exponent);
    void SetSpotDirection(const Vec3& direction);
    bool Shining() const { return shining_; }

protected:
    friend class TSceneObject;
    TLight(TScene& scene, TSceneObject* parent);

private:
    void Update();
    Colour ambient_{0, 0, 0, 1}, diffuse_{1, 1, 1, 1}, specular_{1, 1, 1, 1};
    bool shining_ = true;
    Style style_ = Style::Omni;
    double cutOff_ = 180.0, exponent_ = 0.0;
    Vec3 spotDirection_{0, 0, -1};
};

// A box centred on its position: width along x, height along y, depth along z.
class TCube : public TSceneObject {
public:
    void SetSize(double width, double height, double depth);

protected:
    friend class TSceneObject;
    TCube(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    double width_ = 1, height_ = 1, depth_ = 1;
};

// A rectangle in the object's xy plane, facing along its direction.
class TPlane : public TSceneObject {
public:
    void SetSize(double width, double height);
    // The picture repeated so many times across and along.
    void SetTiles(int across, int along);

protected:
    friend class TSceneObject;
    TPlane(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    double width_ = 1, height_ = 1;
    int tilesAcross_ = 1, tilesAlong_ = 1;
};

// A disk or a ring in the object's xy plane, facing along its direction.
class TDisk : public TSceneObject {
public:
    void SetRadii(double inner, double outer);
    double InnerRadius() const { return inner_; }
    double OuterRadius() const { return outer_; }

protected:
    friend class TSceneObject;
    TDisk(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    double inner_ = 0, outer_ = 0.5;
    int slices_ = 32;
};

// A cylinder or a cone along the object's y axis, centred on its position.
class TCylinder : public TSceneObject {
public:
    void SetShape(double topRadius, double bottomRadius, double height, int slices);

protected:
    friend class TSceneObject;
    TCylinder(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    double top_ = 0.5, bottom_ = 0.5, height_ = 1;
    int slices_ = 16;
};

// A sphere centred on the object's position, its poles on the object's y axis.
class TSphere : public TSceneObject {
public:
    void SetShape(double radius, int slices);

protected:
    friend class TSceneObject;
    TSphere(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    double radius_ = 0.5;
    int slices_ = 16;
};

// A polyline through nodes given in the object's frame.
class TLines : public TSceneObject {
public:
    void SetNodes(std::vector<Vec3> nodes);
    void AddNode(const Vec3& node);
    const std::vector<Vec3>& Nodes() const { return nodes_; }
    void SetLineStyle(float width, const Colour& colour, bool antiAliased);

protected:
    friend class TSceneObject;
    TLines(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    std::vector<Vec3> nodes_;
    float width_ = 1.0f;
    Colour colour_{1, 1, 1, 1};
    bool antiAliased_ = false;
};

// Draws its master's geometry (and the master's children) at its own place. The master
// may be hidden: the proxies still show. Picking a proxy names the proxy, not the master.
class TProxy : public TSceneObject {
public:
    TSceneObject* Master() const { return master_; }
    void SetMaster(TSceneObject* master);

protected:
    friend class TSceneObject;
    TProxy(TScene& scene, TSceneObject* parent);

private:
    TSceneObject* master_ = nullptr;
};

// A square that always faces the camera, textured by its library material.
class TSprite : public TSceneObject {
public:
    void SetSize(double size);
    void SetAlphaChannel(bool on);

protected:
    friend class TSceneObject;
    TSprite(TScene& scene, TSceneObject* parent);
    void ApplyMaterial() override;

private:
    void Rebuild();
    double size_ = 1;
    bool alpha_ = false;
};

// Extruded text in the object's xy plane, centred on its position.
class TSpaceText : public TSceneObject {
public:
    void SetText(const std::string& utf8, double height, double extrusion);
    const std::string& Text() const { return text_; }

protected:
    friend class TSceneObject;
    TSpaceText(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    std::string text_;
    double height_ = 1, extrusion_ = 0.1;
};

// Text drawn flat over the picture, at a position in pixels from the viewer's top left.
class THudText : public TSceneObject {
public:
    enum class Align { Left, Centre, Right };
    void SetText(const std::string& utf8, double pixelHeight, Align align);
    const std::string& Text() const { return text_; }

protected:
    friend class TSceneObject;
    THudText(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    std::string text_;
    double pixelHeight_ = 16;
    Align align_ = Align::Left;
};

// A mesh read from a file (3DS and the other formats of the installed plugins).
class TFreeForm : public TSceneObject {
public:
    // False, with the object left empty, when the file cannot be read.
    bool LoadFromFile(const std::string& path);

protected:
    friend class TSceneObject;
    TFreeForm(TScene& scene, TSceneObject* parent);
};

// How a fire burns: the flames rise from a disk of `Radius` at `Direction` (units per
// second), `Density` flames every `Interval` seconds, each living `Life` seconds and
// shrinking from `ParticleSize` by `Evaporation` of its size; a burst throws flames out at
// `Burst` units per second.
struct TFireParams {
    double Radius = 0.1;
    double Evaporation = 0.1;
    double ParticleSize = 0.15;
    double Density = 1.0;
    double Burst = 1.0;
    Vec3 Direction{0, 0.5, 0};
    double Interval = 0.05;
    double Life = 1.0;
};

// Flames and smoke rising from the object's position, drawn with a flame texture of ours.
// The flames live in the object's frame: a fire under a piece model burns on every proxy
// of it.
class TFire : public TSceneObject {
public:
    // `texture`: a picture file of one soft flame; empty draws untextured particles.
    void Ignite(double scale, double intensity, const std::string& texture);
    // Steady flames after the parameters, with the program's own soft flame picture.
    void Ignite(const TFireParams& params);
    // One cloud of flames thrown out all round, which then dies away; the parameters are
    // those of the last `Ignite` or `SetParams`.
    void Burst(int flames = 60);
    void SetParams(const TFireParams& params) { params_ = params; }
    const TFireParams& Params() const { return params_; }
    void Extinguish();
    // Its flames move on every frame: the picture is never at rest while it burns.
    bool Burning() const;
    // Flames alive now (steady or thrown by a burst).
    int LiveFlames() const;

protected:
    friend class TSceneObject;
    TFire(TScene& scene, TSceneObject* parent);

private:
    void BuildSystem(bool steady);
    bool burning_ = false;
    std::chrono::steady_clock::time_point burstUntil_{};
    TFireParams params_;
    osg::ref_ptr<osg::Referenced> system_; // the particle system of the parameterised fire
};

// A surface over the object's xy plane whose height (its z) a function gives.
class THeightField : public TSceneObject {
public:
    void Build(double width, double depth, int columns, int rows,
               const std::function<double(double x, double y)>& height);
    // The same surface with texture coordinates (0, 0) at (−width/2, −depth/2) and (1, 1)
    // at the far corner, so a picture lies over it once; seen from both sides.
    void BuildTextured(double width, double depth, int columns, int rows,
                       const std::function<double(double x, double y)>& height);

protected:
    friend class TSceneObject;
    THeightField(TScene& scene, TSceneObject* parent);
};

} // namespace vantorel::scene
