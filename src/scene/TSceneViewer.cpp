#include "TSceneViewer.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWheelEvent>

#include <osg/CullFace>
#include <osg/Depth>
#include <osg/Fog>
#include <osgViewer/Viewer>

#include <algorithm>

namespace vantorel::scene {

namespace {

TShiftState ShiftOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= kShift;
    if (modifiers & Qt::AltModifier) shift |= kAlt;
    if (modifiers & Qt::ControlModifier) shift |= kCtrl;
    if (buttons & Qt::LeftButton) shift |= kLeft;
    if (buttons & Qt::RightButton) shift |= kRight;
    if (buttons & Qt::MiddleButton) shift |= kMiddle;
    return shift;
}

TMouseButton ButtonOf(Qt::MouseButton button) {
    if (button == Qt::RightButton) return TMouseButton::Right;
    if (button == Qt::MiddleButton) return TMouseButton::Middle;
    return TMouseButton::Left;
}

} // namespace

void TSceneViewer::PrepareSurfaceFormat() {
    // The scene graph draws with the fixed-function pipeline: a compatibility context.
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setSamples(4);
    QSurfaceFormat::setDefaultFormat(format);
}

TSceneViewer::TSceneViewer(QWidget* parent) : QOpenGLWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    cadencer_.setInterval(16);
    connect(&cadencer_, &QTimer::timeout, this, &TSceneViewer::CadencerTick);
    clock_.start();
}

TSceneViewer::~TSceneViewer() {
    cadencer_.stop();
    if (viewer_) {
        makeCurrent();
        ReleaseGl();
        doneCurrent();
    }
}

void TSceneViewer::SetScene(TScene* scene) {
    scene_ = scene;
    if (viewer_) viewer_->setSceneData(scene ? scene->RootNode() : nullptr);
}

void TSceneViewer::SetCamera(TCamera* camera) {
    camera_ = camera;
}

void TSceneViewer::SetCadencerEnabled(bool on) {
    if (on && !cadencer_.isActive()) {
        lastTime_ = clock_.elapsed() / 1000.0;
        cadencer_.start();
    } else if (!on) {
        cadencer_.stop();
    }
}

void TSceneViewer::Step(double deltaTime) {
    lastTime_ += deltaTime;
    if (scene_) scene_->Progress(deltaTime, lastTime_);
}

void TSceneViewer::CadencerTick() {
    const double now = clock_.elapsed() / 1000.0;
    // A long pause (a search, a dialog) is not one giant step of the animations.
    const double delta = std::clamp(now - lastTime_, 0.0, 0.1);
    lastTime_ = now;
    if (scene_) scene_->Progress(delta, now);
    update();
}

void TSceneViewer::initializeGL() {
    viewer_ = new osgViewer::Viewer;
    const qreal ratio = devicePixelRatioF();
    window_ = viewer_->setUpViewerAsEmbeddedInWindow(0, 0, static_cast<int>(width() * ratio),
                                                     static_cast<int>(height() * ratio));
    viewer_->setThreadingModel(osgViewer::Viewer::SingleThreaded);
    viewer_->setKeyEventSetsDone(0);
    viewer_->setReleaseContextAtEndOfFrameHint(false);
    viewer_->setCameraManipulator(nullptr);
    viewer_->getCamera()->setComputeNearFarMode(osg::CullSettings::DO_NOT_COMPUTE_NEAR_FAR);
    viewer_->getCamera()->setClearMask(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    viewer_->setSceneData(scene_ ? scene_->RootNode() : nullptr);
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        ReleaseGl();
        doneCurrent();
    });
}

void TSceneViewer::ReleaseGl() {
    if (!viewer_) return;
    viewer_->setSceneData(nullptr);
    viewer_->releaseGLObjects();
    viewer_ = nullptr;
    window_ = nullptr;
}

void TSceneViewer::resizeGL(int w, int h) {
    if (!window_) return;
    window_->resized(0, 0, w, h);
    window_->getEventQueue()->windowResize(0, 0, w, h);
    viewer_->getCamera()->setViewport(0, 0, w, h);
}

void TSceneViewer::paintGL() {
    if (!viewer_) return;
    rendering_ = true;
    window_->setDefaultFboId(defaultFramebufferObject());
    osg::Camera* camera = viewer_->getCamera();
    camera->setClearColor(buffer_.BackgroundColour);
    osg::StateSet* state = camera->getOrCreateStateSet();
    state->setMode(GL_DEPTH_TEST,
                   (buffer_.DepthTest ? osg::StateAttribute::ON : osg::StateAttribute::OFF) |
                       osg::StateAttribute::OVERRIDE);
    state->setMode(GL_CULL_FACE,
                   (buffer_.FaceCulling ? osg::StateAttribute::ON : osg::StateAttribute::OFF) |
                       osg::StateAttribute::OVERRIDE);
    if (buffer_.Fog) {
        auto* fog = new osg::Fog;
        fog->setColor(buffer_.BackgroundColour);
        state->setAttributeAndModes(fog, osg::StateAttribute::ON);
    } else {
        state->setMode(GL_FOG, osg::StateAttribute::OFF);
    }
    if (camera_ && scene_) {
        const qreal ratio = devicePixelRatioF();
        camera->setViewMatrix(camera_->ViewMatrix());
        camera->setProjectionMatrix(camera_->ProjectionMatrix(static_cast<int>(width() * ratio),
                                                              static_cast<int>(height() * ratio)));
        camera->setNodeMask(~0u);
    }
    viewer_->setSceneData(camera_ && scene_ ? scene_->RootNode() : nullptr);
    viewer_->frame();
    rendering_ = false;
    emit FrameRendered();
}

TSceneObject* TSceneViewer::PickNearest(int x, int y) {
    if (!scene_ || !camera_) return nullptr;
    return scene_->PickNearest(*camera_, width(), height(), x, y);
}

std::vector<TSceneObject*> TSceneViewer::PickRect(int x1, int y1, int x2, int y2, int limit) {
    if (!scene_ || !camera_) return {};
    return scene_->PickRect(*camera_, width(), height(), x1, y1, x2, y2, limit);
}

std::optional<Vec3> TSceneViewer::PointUnder(int x, int y) {
    if (!scene_ || !camera_) return std::nullopt;
    return scene_->PointUnder(*camera_, width(), height(), x, y);
}

QImage TSceneViewer::Snapshot() {
    return context() ? grabFramebuffer() : QImage();
}

void TSceneViewer::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseDown(ButtonOf(event->button()), ShiftOf(event->buttons(), event->modifiers()), p.x(),
                   p.y());
}

void TSceneViewer::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseUp(ButtonOf(event->button()), ShiftOf(event->buttons(), event->modifiers()), p.x(),
                 p.y());
}

void TSceneViewer::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseMove(ShiftOf(event->buttons(), event->modifiers()), p.x(), p.y());
}

void TSceneViewer::wheelEvent(QWheelEvent* event) {
    emit Wheel(event->angleDelta().y());
    event->accept();
}

} // namespace vantorel::scene
