#pragma once
// One scene: the root of the object tree, the progress step the cadencer runs on every
// frame, and picking. Picking is pure geometry (the camera's matrices and a viewport size),
// so it works without a window and can be tested headless.
#include "TObjects.h"

#include <optional>

namespace vantorel::scene {

class TScene {
public:
    TScene();
    TScene(const TScene&) = delete;
    TScene& operator=(const TScene&) = delete;
    ~TScene();

    TDummyCube& Root() { return *root_; }
    osg::Group* RootNode() const;

    // Deletes every object under the root.
    void Clear();

    // One frame: every travelling movement advances, then every object's progress event
    // is raised, in tree order. Objects created or deleted by a handler are safe: the walk
    // skips an object deleted during it and reaches new ones from the next frame on.
    void Progress(double deltaTime, double newTime);
    void StopAllMovements();

    // Bumped by every change that shows in the picture: the viewer draws a frame only when
    // it moved since the last one, so a board at rest costs nothing.
    uint64_t Revision() const { return revision_; }
    void Touch();
    // Called on every change; the viewer wakes its cadencer with it.
    std::function<void()> OnChanged;
    // Something moves by itself: a travelling movement or a burning fire.
    bool Moving() const;
    // A fire burns somewhere: its flames change on every frame.
    bool Burning() const;

    // Transparent objects after all the others, farthest first (on), or every object in
    // the order of the tree (off, the default).
    void SetBlendedLast(bool on);
    bool BlendedLast() const { return blendedLast_; }

    // Calls `visit` for every object under the root, parents before children.
    void ForEach(const std::function<void(TSceneObject&)>& visit);
    // Wire-frame or filled drawing of every object under the root.
    void SetWireframe(bool on);

    // The nearest named object under pixel (x, y) counted from the viewport's top left;
    // an unnamed object counts as its nearest named ancestor, and anything drawn through a
    // proxy as the proxy. Hidden objects are never picked.
    TSceneObject* PickNearest(const TCamera& camera, int width, int height, int x, int y);
    // Named objects inside the pixel rectangle, nearest first, at most `limit`.
    std::vector<TSceneObject*> PickRect(const TCamera& camera, int width, int height, int x1,
                                        int y1, int x2, int y2, int limit);
    // The point of the nearest surface under the pixel, in root (frame) coordinates.
    std::optional<Vec3> PointUnder(const TCamera& camera, int width, int height, int x, int y);

    // The object of a node (the object's transform), if any.
    TSceneObject* ObjectOf(const osg::Node* node) const;

private:
    friend class TSceneObject;
    void Register(TSceneObject* object);
    void Unregister(TSceneObject* object);

    std::unique_ptr<TDummyCube> root_;
    std::vector<TSceneObject*> objects_; // every live object, for the walk's checks
    uint64_t generation_ = 0;
    uint64_t revision_ = 0;
    bool blendedLast_ = false;
};

} // namespace vantorel::scene
