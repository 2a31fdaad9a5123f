#include "TSceneViewer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPointer>
#include <QWheelEvent>

#include <osg/CullFace>
#include <osg/Depth>
#include <osg/Fog>
#include <osgViewer/Viewer>

#include <algorithm>
#include <optional>

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

// The three buttons the views know; the others (back, forward) are not theirs.
std::optional<TMouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return TMouseButton::Left;
    case Qt::RightButton:
        return TMouseButton::Right;
    case Qt::MiddleButton:
        return TMouseButton::Middle;
    default:
        return std::nullopt;
    }
}

// The viewer's camera, if it still lives in its scene: a view may free the scene's objects
// without telling the viewer.
TCamera* LiveCamera(TScene* scene, TCamera* camera) {
    if (!scene || !camera) return nullptr;
    bool found = false;
    scene->ForEach([&](TSceneObject& o) { found = found || &o == camera; });
    return found && camera->Kind() == TObjectKind::Camera ? camera : nullptr;
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

bool TSceneViewer::IsSoftwareRenderer(const QString& renderer) {
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (renderer.contains(QLatin1String(name), Qt::CaseInsensitive)) return true;
    return false;
}

bool TSceneViewer::FitSurfaceFormatToRenderer() {
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) return false;
    const auto* name = context.functions()->glGetString(GL_RENDERER);
    const QString renderer =
        name ? QString::fromLatin1(reinterpret_cast<const char*>(name)) : QString();
    context.doneCurrent();
    if (!IsSoftwareRenderer(renderer)) return false;
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setSamples(0);
    QSurfaceFormat::setDefaultFormat(format);
    return true;
}

TSceneViewer::TSceneViewer(QWidget* parent) : QOpenGLWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    cadencer_.setInterval(kActiveStepMs);
    connect(&cadencer_, &QTimer::timeout, this, &TSceneViewer::CadencerTick);
    clock_.start();
    qApp->installEventFilter(this);
}

TSceneViewer::~TSceneViewer() {
    qApp->removeEventFilter(this);
    cadencer_.stop();
    // The context dies in the base destructor, after this object's members.
    if (context()) disconnect(context(), nullptr, this, nullptr);
    if (viewer_) {
        makeCurrent();
        ReleaseGl();
        doneCurrent();
    }
}

void TSceneViewer::SetScene(TScene* scene) {
    if (scene_ && scene_ != scene) scene_->OnChanged = nullptr;
    scene_ = scene;
    // The scene may outlive this widget: the guard keeps it from waking a dead one.
    if (scene_)
        scene_->OnChanged = [self = QPointer<TSceneViewer>(this)] {
            if (self) self->Wake();
        };
    RequestFrame();
    if (viewer_) viewer_->setSceneData(scene ? scene->RootNode() : nullptr);
}

void TSceneViewer::SetCamera(TCamera* camera) {
    if (camera != camera_) RequestFrame();
    camera_ = camera;
}

void TSceneViewer::SetCadencerEnabled(bool on) {
    resting_ = false;
    quietSteps_ = 0;
    cadencer_.setInterval(kActiveStepMs);
    if (on && !cadencer_.isActive()) {
        lastTime_ = clock_.elapsed() / 1000.0;
        cadencer_.start();
    } else if (!on) {
        cadencer_.stop();
    }
}

void TSceneViewer::Wake() {
    quietSteps_ = 0;
    if (!resting_) return;
    resting_ = false;
    if (cadencer_.isActive()) cadencer_.start(kActiveStepMs);
}

void TSceneViewer::RequestFrame() {
    frameWanted_ = true;
    Wake();
    update();
}

bool TSceneViewer::NeedsFrame() const {
    return frameWanted_ || (scene_ && scene_->Revision() != drawnRevision_) ||
           !(buffer_ == drawnBuffer_);
}

bool TSceneViewer::eventFilter(QObject* watched, QEvent* event) {
    if (resting_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        Wake();
    return QOpenGLWidget::eventFilter(watched, event);
}

void TSceneViewer::Step(double deltaTime) {
    lastTime_ += deltaTime;
    if (scene_) scene_->Progress(deltaTime, lastTime_);
}

void TSceneViewer::CadencerTick() {
    const double now = clock_.elapsed() / 1000.0;
    // A long pause (a search, a dialog) is not one giant step of the animations; but a slow
    // frame of the software renderer is real time that the pieces must make up, or a move
    // crawls until its time-out cuts it.
    const double delta = std::clamp(now - lastTime_, 0.0, kLongestStepMs / 1000.0);
    lastTime_ = now;
    if (scene_) scene_->Progress(delta, now);
    if (NeedsFrame()) {
        Wake();
        update();
    } else if (scene_ && scene_->Moving()) {
        quietSteps_ = 0;
        if (scene_->Burning() && now - lastFireFrame_ >= kFireFrameMs / 1000.0) {
            lastFireFrame_ = now;
            update();
        }
    } else if (!resting_ && ++quietSteps_ >= kQuietStepsBeforeRest) {
        resting_ = true;
        cadencer_.start(kRestingStepMs);
    }
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
    // The scene brings its own light 0; the viewer's head light would fight it.
    viewer_->setLightingMode(osg::View::NO_LIGHT);
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

void TSceneViewer::resizeGL(int logicalW, int logicalH) {
    if (!window_) return;
    const qreal ratio = devicePixelRatioF();
    const int w = static_cast<int>(logicalW * ratio + 0.5),
              h = static_cast<int>(logicalH * ratio + 0.5);
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
    TCamera* eye = LiveCamera(scene_, camera_);
    if (buffer_.Fog) {
        // Thickening over the depth of view, into the background colour.
        auto* fog = new osg::Fog;
        fog->setMode(osg::Fog::LINEAR);
        fog->setColor(buffer_.FogColour.value_or(buffer_.BackgroundColour));
        const double depth = std::max(eye ? eye->DepthOfView() : 100.0, 1.0);
        const bool range = buffer_.FogEnd > buffer_.FogStart;
        fog->setStart(static_cast<float>(range ? buffer_.FogStart : depth * 0.3));
        fog->setEnd(static_cast<float>(range ? buffer_.FogEnd : depth));
        state->setAttributeAndModes(fog, osg::StateAttribute::ON);
    } else {
        state->setMode(GL_FOG, osg::StateAttribute::OFF);
    }
    if (scene_) scene_->SetBlendedLast(buffer_.BlendedLast);
    if (eye) {
        camera->setViewMatrix(eye->ViewMatrix());
        // Logical pixels, as picking counts them: the field of view depends on the height.
        camera->setProjectionMatrix(eye->ProjectionMatrix(width(), height()));
    }
    viewer_->setSceneData(eye ? scene_->RootNode() : nullptr);
    viewer_->frame();
    rendering_ = false;
    frameWanted_ = false;
    drawnRevision_ = scene_ ? scene_->Revision() : 0;
    drawnBuffer_ = buffer_;
    ++framesDrawn_;
    emit FrameRendered();
}

TSceneObject* TSceneViewer::PickNearest(int x, int y) {
    TCamera* eye = LiveCamera(scene_, camera_);
    if (!eye) return nullptr;
    return scene_->PickNearest(*eye, width(), height(), x, y);
}

std::vector<TSceneObject*> TSceneViewer::PickRect(int x1, int y1, int x2, int y2, int limit) {
    TCamera* eye = LiveCamera(scene_, camera_);
    if (!eye) return {};
    return scene_->PickRect(*eye, width(), height(), x1, y1, x2, y2, limit);
}

std::optional<Vec3> TSceneViewer::PointUnder(int x, int y) {
    TCamera* eye = LiveCamera(scene_, camera_);
    if (!eye) return std::nullopt;
    return scene_->PointUnder(*eye, width(), height(), x, y);
}

QImage TSceneViewer::Snapshot() {
    return context() ? grabFramebuffer() : QImage();
}

void TSceneViewer::mousePressEvent(QMouseEvent* event) {
    Wake();
    const QPoint p = event->position().toPoint();
    if (const auto button = ButtonOf(event->button()))
        emit MouseDown(*button, ShiftOf(event->buttons(), event->modifiers()), p.x(), p.y());
}

void TSceneViewer::mouseReleaseEvent(QMouseEvent* event) {
    Wake();
    const QPoint p = event->position().toPoint();
    if (const auto button = ButtonOf(event->button()))
        emit MouseUp(*button, ShiftOf(event->buttons(), event->modifiers()), p.x(), p.y());
}

void TSceneViewer::mouseMoveEvent(QMouseEvent* event) {
    Wake();
    const QPoint p = event->position().toPoint();
    emit MouseMove(ShiftOf(event->buttons(), event->modifiers()), p.x(), p.y());
}

void TSceneViewer::wheelEvent(QWheelEvent* event) {
    Wake();
    emit Wheel(event->angleDelta().y());
    event->accept();
}

} // namespace vantorel::scene
