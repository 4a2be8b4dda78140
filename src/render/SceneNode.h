#pragma once
// A mesh that spins about the world's vertical axis through the origin and
// carries child nodes, so a small hierarchy is updated and drawn with one
// call on its root. Each node turns with its own speed; a parent does not
// carry its children along.

#include "render/Geometry.h"

#include <glm/glm.hpp>

#include <vector>

namespace tavernrush {

class SceneNode {
public:
    // Takes the mesh with its material and construction matrix; starts
    // unturned.
    SceneNode(float spinSpeed, Geometry mesh);

    // Children are not owned; they must outlive this node.
    void addChild(SceneNode* child);

    // Turns this node by spinSpeed x dt and its children by their own speeds.
    // The model matrix is rebuilt from the total turn and the construction
    // matrix instead of being multiplied by each frame's small rotation, so
    // float rounding never piles up: after hours of play the node keeps its
    // size and its orbit radius.
    void update(const glm::mat4& parent, float dt);
    // Places this node alone at a whole turn given from outside (the rules
    // keep the counter spheres' turns); its children keep theirs.
    void turnTo(double totalAngle);

    // Draws this node with its own model matrix, then its children.
    void draw();

    const MaterialPtr& material() const { return mesh_.material(); }
    GLsizei elementCount() const { return mesh_.elementCount(); }
    const glm::mat4& getModelMatrix() const { return modelMatrix_; }
    const glm::mat4& parentMatrix() const { return parentMatrix_; }
    // The turn applied by the last update.
    float angle() const { return angle_; }
    // The whole turn since construction, kept within one full turn.
    float totalAngle() const { return static_cast<float>(totalAngle_); }
    float spinSpeed() const { return spinSpeed_; }
    const std::vector<SceneNode*>& children() const { return children_; }

private:
    void placeAtTotalAngle();

    Geometry mesh_;
    glm::mat4 modelMatrix_;
    glm::mat4 parentMatrix_{1.0f};
    std::vector<SceneNode*> children_;
    float spinSpeed_;
    float angle_ = 0.0f;
    // Summed in double: the orbit formula's angle stays exact to far below a
    // pixel for any length of play.
    double totalAngle_ = 0.0;
};

} // namespace tavernrush
