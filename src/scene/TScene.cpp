#include "TScene.h"

#include "SceneMasks.h"
#include "TMovement.h"

#include <osg/LightModel>
#include <osgUtil/IntersectionVisitor>
#include <osgUtil/LineSegmentIntersector>

#include <algorithm>
#include <set>
#include <unordered_set>

namespace vantorel::scene {

TScene::TScene() {
    root_.reset(new TDummyCube(*this, nullptr));
    osg::StateSet* state = root_->Node()->getOrCreateStateSet();
    // Drawn in the order of the tree, as the boards are built back to front.
    state->setRenderBinDetails(0, "TraversalOrderBin", osg::StateSet::OVERRIDE_RENDERBIN_DETAILS);
    state->setMode(GL_LIGHTING, osg::StateAttribute::ON);
    state->setMode(GL_LIGHT0, osg::StateAttribute::ON);
    state->setMode(GL_NORMALIZE, osg::StateAttribute::ON);
    auto* model = new osg::LightModel;
    model->setAmbientIntensity({0, 0, 0, 1});
    // One-sided: both faces of a flat thing are lit as its front is.
    model->setTwoSided(false);
    state->setAttributeAndModes(model);
}

TScene::~TScene() {
    Clear();
    root_.reset();
}

osg::Group* TScene::RootNode() const {
    return root_->Node();
}

void TScene::Clear() {
    root_->DeleteChildren();
}

void TScene::Register(TSceneObject* object) {
    objects_.push_back(object);
    ++generation_;
    Touch();
}

void TScene::Unregister(TSceneObject* object) {
    auto it = std::find(objects_.begin(), objects_.end(), object);
    if (it != objects_.end()) objects_.erase(it);
    ++generation_;
    Touch();
}

void TScene::Touch() {
    ++revision_;
    if (OnChanged) OnChanged();
}

bool TScene::Moving() const {
    for (const TSceneObject* object : objects_) {
        if (object->Movement() && object->Movement()->Travelling()) return true;
        if (object->Kind() == TObjectKind::Fire && static_cast<const TFire*>(object)->Burning())
            return true;
    }
    return false;
}

bool TScene::Burning() const {
    for (const TSceneObject* object : objects_)
        if (object->Kind() == TObjectKind::Fire && static_cast<const TFire*>(object)->Burning())
            return true;
    return false;
}

void TScene::SetBlendedLast(bool on) {
    if (on == blendedLast_) return;
    blendedLast_ = on;
    // The tree's order is forced on every object unless transparent ones may go to the
    // sorted bin their materials ask for.
    root_->Node()->getOrCreateStateSet()->setRenderBinDetails(
        0, "TraversalOrderBin",
        on ? osg::StateSet::USE_RENDERBIN_DETAILS : osg::StateSet::OVERRIDE_RENDERBIN_DETAILS);
}

void TScene::ForEach(const std::function<void(TSceneObject&)>& visit) {
    std::vector<TSceneObject*> order;
    std::vector<TSceneObject*> stack;
    for (auto it = root_->Children().rbegin(); it != root_->Children().rend(); ++it)
        stack.push_back(it->get());
    while (!stack.empty()) {
        TSceneObject* object = stack.back();
        stack.pop_back();
        order.push_back(object);
        for (auto it = object->Children().rbegin(); it != object->Children().rend(); ++it)
            stack.push_back(it->get());
    }
    for (TSceneObject* object : order)
        visit(*object);
}

void TScene::Progress(double deltaTime, double newTime) {
    // Snapshots, checked against the live set after every handler: handlers create and
    // delete objects freely.
    std::vector<TSceneObject*> order;
    ForEach([&](TSceneObject& o) { order.push_back(&o); });
    auto alive = [&](TSceneObject* o) {
        return std::find(objects_.begin(), objects_.end(), o) != objects_.end();
    };
    for (TSceneObject* object : order)
        if (alive(object) && object->Movement() && object->Movement()->Travelling())
            object->Movement()->Progress(deltaTime);
    for (TSceneObject* object : order)
        if (alive(object) && object->OnProgress) {
            auto handler = object->OnProgress; // the handler may replace itself
            handler(*object, deltaTime, newTime);
        }
}

void TScene::StopAllMovements() {
    ForEach([](TSceneObject& o) {
        if (o.Movement()) o.Movement()->StopPathTravel();
    });
}

void TScene::SetWireframe(bool on) {
    ForEach([on](TSceneObject& o) { o.SetWireframe(on); });
}

TSceneObject* TScene::ObjectOf(const osg::Node* node) const {
    for (TSceneObject* object : objects_)
        if (object->Node() == node) return object;
    return nullptr;
}

namespace {

// The object a picked node path stands for: the outermost proxy on it, else the deepest
// object, then its nearest named ancestor.
TSceneObject* PickedObjectOf(const TScene& scene, const osg::NodePath& path) {
    TSceneObject* deepest = nullptr;
    for (const osg::Node* node : path) {
        TSceneObject* object = scene.ObjectOf(node);
        if (!object) continue;
        if (object->Kind() == TObjectKind::Proxy) {
            deepest = object;
            break;
        }
        deepest = object;
    }
    while (deepest && deepest->Name().empty())
        deepest = deepest->Parent();
    return deepest;
}

} // namespace

static std::vector<osgUtil::LineSegmentIntersector::Intersection>
Intersections(TScene& scene, const TCamera& camera, int width, int height, double x, double y) {
    const osg::Matrixd inverse =
        osg::Matrixd::inverse(camera.ViewMatrix() * camera.ProjectionMatrix(width, height));
    const double nx = 2.0 * x / std::max(width, 1) - 1.0;
    const double ny = 1.0 - 2.0 * y / std::max(height, 1);
    const Vec3 start = Vec3(nx, ny, -1) * inverse;
    const Vec3 end = Vec3(nx, ny, 1) * inverse;
    osg::ref_ptr<osgUtil::LineSegmentIntersector> picker =
        new osgUtil::LineSegmentIntersector(start, end);
    osgUtil::IntersectionVisitor visitor(picker.get());
    // Hidden objects have a node mask of 0 and are skipped by the visitor, and so is the text
    // over the picture.
    visitor.setTraversalMask(kPickedMask);
    scene.RootNode()->accept(visitor);
    std::vector<osgUtil::LineSegmentIntersector::Intersection> hits;
    for (const auto& hit : picker->getIntersections())
        hits.push_back(hit);
    return hits;
}

TSceneObject* TScene::PickNearest(const TCamera& camera, int width, int height, int x, int y) {
    for (const auto& hit : Intersections(*this, camera, width, height, x + 0.5, y + 0.5))
        if (TSceneObject* object = PickedObjectOf(*this, hit.nodePath)) return object;
    return nullptr;
}

std::vector<TSceneObject*> TScene::PickRect(const TCamera& camera, int width, int height, int x1,
                                            int y1, int x2, int y2, int limit) {
    std::vector<std::pair<double, TSceneObject*>> found;
    std::unordered_set<TSceneObject*> seen;
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (limit <= 0) return {};
    // One ray per pixel for the small rectangles the views use; a sparser grid for large
    // ones, so that a sweeping rectangle cannot stall the frame.
    constexpr int kMaxRays = 48;
    const int stepX = std::max(1, (right - left + kMaxRays) / kMaxRays);
    const int stepY = std::max(1, (bottom - top + kMaxRays) / kMaxRays);
    for (int y = top; y <= bottom; y += stepY)
        for (int x = left; x <= right; x += stepX)
            for (const auto& hit : Intersections(*this, camera, width, height, x + 0.5, y + 0.5)) {
                TSceneObject* object = PickedObjectOf(*this, hit.nodePath);
                if (object && seen.insert(object).second) found.push_back({hit.ratio, object});
            }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TSceneObject*> objects;
    for (const auto& [ratio, object] : found) {
        if (static_cast<int>(objects.size()) >= limit) break;
        objects.push_back(object);
    }
    return objects;
}

std::optional<Vec3> TScene::PointUnder(const TCamera& camera, int width, int height, int x, int y) {
    const auto hits = Intersections(*this, camera, width, height, x + 0.5, y + 0.5);
    if (hits.empty()) return std::nullopt;
    return Vec3(hits.front().getWorldIntersectPoint());
}

} // namespace vantorel::scene
