#pragma once
// Node mask bits of the scene. Hidden objects have none; text over the picture is drawn but
// has nothing to pick.
#include <osg/Node>

namespace vantorel::scene {

constexpr osg::Node::NodeMask kDrawnMask = 0x1;
constexpr osg::Node::NodeMask kPickedMask = 0x2;

} // namespace vantorel::scene
