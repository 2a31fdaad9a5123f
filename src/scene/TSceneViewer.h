#pragma once
// The widget the scene is drawn in: an OpenSceneGraph viewer embedded in a QOpenGLWidget,
// the cadencer that runs the scene's progress step, the buffer switches, picking in widget
// pixels, and the mouse events turned into the board views' terms.
//
// A frame is drawn only when the picture changed: the scene's revision moved, the buffer
// switches changed, or somebody asked (resize, expose, `RequestFrame`). While something
// moves the cadencer steps about 60 times a second; after half a second with nothing to
// draw it rests, stepping ten times a second without drawing (the views notice a changed
// game in their step), until a change of the scene, an input event or a request wakes it.
#include "TScene.h"
#include "TShiftState.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QTimer>

#include <optional>

namespace osgViewer {
class Viewer;
class GraphicsWindowEmbedded;
} // namespace osgViewer

namespace vantorel::scene {

struct TBuffer {
    Colour BackgroundColour{0, 0, 0, 1};
    bool Fog = false;
    // Fog colour and the distances from the eye where it starts and where it hides all;
    // without them it takes the background colour over the last 70 % of the depth of view.
    std::optional<Colour> FogColour;
    double FogStart = 0, FogEnd = 0;
    // Transparent objects drawn after all the others, farthest first, rather than in the
    // order of the tree: for scenes whose see-through parts are scattered through it.
    bool BlendedLast = false;
    bool DepthTest = true;
    bool FaceCulling = true;
    bool operator==(const TBuffer&) const = default;
};

class TSceneViewer : public QOpenGLWidget {
    Q_OBJECT
public:
    // Asks for the compatibility context the scene draws with; before QApplication.
    static void PrepareSurfaceFormat();
    // Once the application exists and before the first viewer: a renderer that draws on
    // the processor (Mesa's llvmpipe and the like) gets no multisampling, which costs it
    // three to four times each frame. True when it was turned off.
    static bool FitSurfaceFormatToRenderer();
    static bool IsSoftwareRenderer(const QString& renderer);

    explicit TSceneViewer(QWidget* parent = nullptr);
    ~TSceneViewer() override;

    void SetScene(TScene* scene);
    TScene* Scene() const { return scene_; }
    // The camera the picture is taken with; none draws only the background.
    void SetCamera(TCamera* camera);
    TCamera* Camera() const { return camera_; }

    TBuffer& Buffer() { return buffer_; }

    static constexpr int kActiveStepMs = 16;
    static constexpr int kRestingStepMs = 100;
    static constexpr int kQuietStepsBeforeRest = 30;
    // The longest time one progress step stands for.
    static constexpr int kLongestStepMs = 250;
    // Burning fires alone redraw at this pace: flames flicker without the cost of a
    // full-speed animation.
    static constexpr int kFireFrameMs = 100;

    // The scene cadencer: progress steps, and frames when something changed, while enabled.
    void SetCadencerEnabled(bool on);
    bool CadencerEnabled() const { return cadencer_.isActive(); }
    // True while the cadencer rests: nothing moved for a while and no frame is drawn.
    bool CadencerResting() const { return resting_; }
    // A frame soon, and the cadencer awake: for changes the scene cannot see.
    void RequestFrame();
    // Frames drawn since the viewer was made.
    uint64_t FramesDrawn() const { return framesDrawn_; }
    // One progress step by hand (tests, and the editor's single step).
    void Step(double deltaTime);

    // True while a frame is being drawn.
    bool IsRendering() const { return rendering_; }

    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }

    // Picking in widget pixels from the top left (logical pixels, as mouse events give).
    TSceneObject* PickNearest(int x, int y);
    std::vector<TSceneObject*> PickRect(int x1, int y1, int x2, int y2, int limit);
    std::optional<Vec3> PointUnder(int x, int y);

    // The last frame drawn, as an image (empty without a GL context).
    QImage Snapshot();

signals:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void Wheel(int delta);
    // After each frame drawn: the main window plays the pending sound then.
    void FrameRendered();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Key presses anywhere in the program wake the cadencer: they may change the game.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CadencerTick();
    void Wake();
    bool NeedsFrame() const;
    void ReleaseGl();

    TScene* scene_ = nullptr;
    TCamera* camera_ = nullptr;
    TBuffer buffer_;
    QTimer cadencer_;
    QElapsedTimer clock_;
    double lastTime_ = 0;
    bool rendering_ = false;
    bool resting_ = false;
    int quietSteps_ = 0;
    bool frameWanted_ = true;
    uint64_t drawnRevision_ = 0;
    TBuffer drawnBuffer_;
    uint64_t framesDrawn_ = 0;
    double lastFireFrame_ = 0;
    osg::ref_ptr<osgViewer::Viewer> viewer_;
    osg::ref_ptr<osgViewer::GraphicsWindowEmbedded> window_;
};

} // namespace vantorel::scene
