#include "TMovement.h"

#include <osg/observer_ptr>

#include <algorithm>

namespace vantorel::scene {

namespace {

constexpr int kSamples = 16; // per leg, to measure a curve's length

Vec3 CatmullRom(const Vec3& p0, const Vec3& p1, const Vec3& p2, const Vec3& p3, double t) {
    const double t2 = t * t, t3 = t2 * t;
    return (p1 * 2.0 + (p2 - p0) * t + (p0 * 2.0 - p1 * 5.0 + p2 * 4.0 - p3) * t2 +
            (p1 * 3.0 - p0 - p2 * 3.0 + p3) * t3) *
           0.5;
}

} // namespace

void TMovement::ClearPaths() {
    paths_.clear();
    active_ = 0;
    travelling_ = false;
    leg_ = 0;
    legDone_ = 0;
}

int TMovement::AddPath(bool smooth) {
    paths_.push_back({{}, smooth});
    return static_cast<int>(paths_.size()) - 1;
}

void TMovement::AddNodeHere(int path, double speed) {
    AddNode(path, object_.Position(),
            {object_.PitchAngle(), object_.TurnAngle(), object_.RollAngle()}, speed);
}

void TMovement::AddNode(int path, const Vec3& position, const Vec3& rotation, double speed) {
    if (path < 0 || path >= PathCount()) return;
    paths_[static_cast<size_t>(path)].Nodes.push_back({position, rotation, speed});
}

void TMovement::SetActivePath(int index) {
    active_ = std::clamp(index, 0, std::max(PathCount() - 1, 0));
    leg_ = 0;
    legDone_ = 0;
}

void TMovement::StartPathTravel() {
    if (paths_.empty()) return;
    travelling_ = true;
    leg_ = 0;
    legDone_ = 0;
    PlaceAt(0, 0);
}

void TMovement::StopPathTravel() {
    travelling_ = false;
}

// A point of leg `leg` of the active path, `fraction` of the way along it.
static Vec3 PointOnLeg(const TMovementPath& path, int leg, double fraction) {
    const auto& n = path.Nodes;
    const int last = static_cast<int>(n.size()) - 1;
    const Vec3& p1 = n[static_cast<size_t>(leg)].Position;
    const Vec3& p2 = n[static_cast<size_t>(std::min(leg + 1, last))].Position;
    if (!path.Smooth) return p1 + (p2 - p1) * fraction;
    const Vec3& p0 = n[static_cast<size_t>(std::max(leg - 1, 0))].Position;
    const Vec3& p3 = n[static_cast<size_t>(std::min(leg + 2, last))].Position;
    return CatmullRom(p0, p1, p2, p3, fraction);
}

static double LegLength(const TMovementPath& path, int leg) {
    if (!path.Smooth)
        return (path.Nodes[static_cast<size_t>(leg + 1)].Position -
                path.Nodes[static_cast<size_t>(leg)].Position)
            .length();
    double length = 0;
    Vec3 previous = PointOnLeg(path, leg, 0);
    for (int k = 1; k <= kSamples; ++k) {
        const Vec3 next = PointOnLeg(path, leg, static_cast<double>(k) / kSamples);
        length += (next - previous).length();
        previous = next;
    }
    return length;
}

void TMovement::PlaceAt(int leg, double fraction) {
    const TMovementPath& path = paths_[static_cast<size_t>(active_)];
    if (path.Nodes.empty()) return;
    const int last = static_cast<int>(path.Nodes.size()) - 1;
    leg = std::min(leg, last);
    object_.SetPosition(PointOnLeg(path, leg, fraction));
    const Vec3& r1 = path.Nodes[static_cast<size_t>(leg)].Rotation;
    const Vec3& r2 = path.Nodes[static_cast<size_t>(std::min(leg + 1, last))].Rotation;
    const Vec3 r = r1 + (r2 - r1) * fraction;
    if (r.x() != object_.PitchAngle()) object_.SetPitchAngle(r.x());
    if (r.y() != object_.TurnAngle()) object_.SetTurnAngle(r.y());
    if (r.z() != object_.RollAngle()) object_.SetRollAngle(r.z());
}

void TMovement::Progress(double deltaTime) {
    double left = std::max(deltaTime, 0.0);
    // Set while a path-end handler runs: a start or a change of path in the handler
    // replaces it, which tells a restart from a plain return.
    constexpr int kAtPathEnd = -1;
    // A handler may delete this movement's object, or the movement alone: the transform
    // outlives neither.
    const osg::observer_ptr<osg::Node> objectNode(object_.Node());
    TSceneObject* const object = &object_;
    bool idlePass = false; // a whole path passed without using any time
    while (travelling_ && active_ >= 0 && active_ < PathCount()) {
        const TMovementPath& path = paths_[static_cast<size_t>(active_)];
        const int legs = static_cast<int>(path.Nodes.size()) - 1;
        if (leg_ < legs) {
            const double speed = path.Nodes[static_cast<size_t>(leg_)].Speed;
            const double length = LegLength(path, leg_);
            const double remaining = length - legDone_;
            if (speed > 0 && length > 1e-12 && remaining > left * speed) {
                legDone_ += left * speed;
                PlaceAt(leg_, legDone_ / length);
                return;
            }
            if (speed > 0 && length > 1e-12 && remaining > 0) {
                left -= remaining / speed;
                idlePass = false;
            }
            ++leg_;
            legDone_ = 0;
            PlaceAt(leg_, 0);
            continue;
        }
        // The end of this path, exactly on its last node.
        if (legs >= 0) PlaceAt(legs, 0);
        const int ended = active_;
        bool looped = false;
        leg_ = kAtPathEnd;
        if (auto handler = OnPathTravelStop) handler(*this, ended, looped); // it may replace itself
        if (!objectNode.valid() || object->Movement() != this) return;
        if (!travelling_ || paths_.empty()) return; // stopped or cleared
        const bool restarted = leg_ != kAtPathEnd;
        if (idlePass && (looped || restarted)) {
            // A path of no length looped again: once per frame, not forever in this one.
            if (!restarted) leg_ = 0;
            legDone_ = 0;
            return;
        }
        idlePass = true;
        if (restarted) continue; // from wherever the handler started it, with the time left
        leg_ = 0;
        legDone_ = 0;
        if (looped) {
            PlaceAt(0, 0);
            continue;
        }
        if (active_ + 1 < PathCount()) {
            ++active_;
            PlaceAt(0, 0);
            continue;
        }
        travelling_ = false;
        if (auto handler = OnAllPathsTravelled) handler(*this);
        return;
    }
    travelling_ = false;
}

} // namespace vantorel::scene
