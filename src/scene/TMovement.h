#pragma once
// Movement of one object along paths of nodes. Each leg of a path is travelled at the
// speed of the node it starts from (scene units per second); a leg of zero length, or a
// node of zero speed, is passed at once. A smooth path follows a Catmull-Rom curve through
// its nodes, a straight one its segments. The node rotations (pitch, turn, roll in
// degrees) are interpolated with the position. The scene's progress step advances every
// travelling movement before it raises the objects' progress events.
#include "TSceneObject.h"

#include <functional>
#include <vector>

namespace vantorel::scene {

struct TPathNode {
    Vec3 Position;
    Vec3 Rotation; // pitch, turn, roll
    double Speed = 1.0;
};

struct TMovementPath {
    std::vector<TPathNode> Nodes;
    bool Smooth = true;
};

class TMovement {
public:
    // `looped` comes in false; set it to travel the same path again.
    using PathStopHandler = std::function<void(TMovement& sender, int path, bool& looped)>;
    using AllPathsHandler = std::function<void(TMovement& sender)>;

    explicit TMovement(TSceneObject& object) : object_(object) {}

    TSceneObject& Object() const { return object_; }

    void ClearPaths();
    // Returns the index of the new path.
    int AddPath(bool smooth);
    int PathCount() const { return static_cast<int>(paths_.size()); }
    const TMovementPath& Path(int index) const { return paths_.at(index); }
    // A node at the object's current position (and angles) or at a given place.
    void AddNodeHere(int path, double speed);
    void AddNode(int path, const Vec3& position, const Vec3& rotation, double speed);

    int ActivePath() const { return active_; }
    void SetActivePath(int index);
    // Travels from the first node of the active path, then the following paths in turn.
    void StartPathTravel();
    void StopPathTravel();
    bool Travelling() const { return travelling_; }

    // Raised at the end of each path; then, after the last path, the second event.
    PathStopHandler OnPathTravelStop;
    AllPathsHandler OnAllPathsTravelled;

    // Advances by `deltaTime` seconds; the handlers may stop, clear or restart the
    // movement, or stop every movement of the scene.
    void Progress(double deltaTime);

private:
    void PlaceAt(int leg, double fraction);

    TSceneObject& object_;
    std::vector<TMovementPath> paths_;
    int active_ = 0;
    bool travelling_ = false;
    int leg_ = 0;
    double legDone_ = 0; // distance travelled along the current leg
};

} // namespace vantorel::scene
