#pragma once
// The widget the scene is drawn in: an OpenSceneGraph viewer embedded in a QOpenGLWidget,
// the cadencer that runs the scene's progress step and asks for a frame (about 60 per
// second while enabled), the buffer switches, picking in widget pixels, and the mouse
// events turned into the board views' terms.
#include "TScene.h"
#include "TShiftState.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QTimer>

namespace osgViewer {
class Viewer;
class GraphicsWindowEmbedded;
} // namespace osgViewer

namespace vantorel::scene {

struct TBuffer {
    Colour BackgroundColour{0, 0, 0, 1};
    bool Fog = false;
    bool DepthTest = true;
    bool FaceCulling = true;
};

class TSceneViewer : public QOpenGLWidget {
    Q_OBJECT
public:
    // Asks for the compatibility context the scene draws with; before QApplication.
    static void PrepareSurfaceFormat();

    explicit TSceneViewer(QWidget* parent = nullptr);
    ~TSceneViewer() override;

    void SetScene(TScene* scene);
    TScene* Scene() const { return scene_; }
    // The camera the picture is taken with; none draws only the background.
    void SetCamera(TCamera* camera);
    TCamera* Camera() const { return camera_; }

    TBuffer& Buffer() { return buffer_; }

    // The scene cadencer: progress steps and frames while enabled.
    void SetCadencerEnabled(bool on);
    bool CadencerEnabled() const { return cadencer_.isActive(); }
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

private:
    void CadencerTick();
    void ReleaseGl();

    TScene* scene_ = nullptr;
    TCamera* camera_ = nullptr;
    TBuffer buffer_;
    QTimer cadencer_;
    QElapsedTimer clock_;
    double lastTime_ = 0;
    bool rendering_ = false;
    osg::ref_ptr<osgViewer::Viewer> viewer_;
    osg::ref_ptr<osgViewer::GraphicsWindowEmbedded> window_;
};

} // namespace vantorel::scene
