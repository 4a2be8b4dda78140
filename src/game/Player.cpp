#include "game/Player.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>

namespace tavernrush {
namespace {

void moveBy(PlayerState& player, const glm::vec3& step)
{
    player.playerPosition += step;
    player.playerModel = glm::translate(glm::mat4(1.0f), step) * player.playerModel;
}

// A step is refused only when it would end inside the wall's radius and
// closer than before, so a player who got near the wall can always leave.
void walk(PlayerState& player, float signedDistance, const LevelDescription& level)
{
    const glm::vec3 step = player.playerDirection * signedDistance;
    const float before = glm::distance(player.playerPosition, level.wallCentre);
    const float after = glm::distance(player.playerPosition + step, level.wallCentre);
    if (after < level.wallRadius && after < before) {
        return;
    }
    moveBy(player, step);
}

// Repeated turning by small angles lets rounding creep into the matrices;
// re-orthonormalising keeps the figure's size and speed exact for hours.
glm::mat4 keepPureRotation(const glm::mat4& m)
{
    const glm::vec3 x = glm::normalize(glm::vec3(m[0]));
    const glm::vec3 z = glm::normalize(glm::cross(x, glm::vec3(m[1])));
    const glm::vec3 y = glm::cross(z, x);
    glm::mat4 result = m;
    result[0] = glm::vec4(x, 0.0f);
    result[1] = glm::vec4(y, 0.0f);
    result[2] = glm::vec4(z, 0.0f);
    return result;
}

// Positive angles turn right (clockwise seen from above).
void turn(PlayerState& player, float angle, float sign)
{
    const glm::vec3 directionAxis{0.0f, sign, 0.0f};
    const glm::vec3 matrixAxis{0.0f, -sign, 0.0f};
    // The row vector times the matrix turns the direction by -angle.
    player.playerDirection =
        glm::vec3(glm::vec4(player.playerDirection, 1.0f) * glm::rotate(glm::mat4(1.0f), angle, directionAxis));
    player.playerDirection = glm::normalize(player.playerDirection);
    player.playerModel = keepPureRotation(player.playerModel * glm::rotate(glm::mat4(1.0f), angle, matrixAxis));
    player.playerHeading = keepPureRotation(player.playerHeading * glm::rotate(glm::mat4(1.0f), angle, matrixAxis));
}

} // namespace

PlayerState playerAtStart(const LevelDescription& level)
{
    PlayerState player;
    player.playerPosition = level.playerStart;
    player.playerModel = glm::translate(glm::mat4(1.0f), level.playerStart);
    return player;
}

void walkAndTurn(PlayerState& player, const InputSource& input, float deltaTime, const LevelDescription& level)
{
    const float walkSpeed = deltaTime * walkUnitsPerSecond;
    const float turnRate = deltaTime * turnRadiansPerSecond;
    // A key asks for the full amount, 1, so keyboard steps stay exactly what
    // they always were; a stick asks for its share of them.
    if (const float forward = actionAmount(input, Action::Forward); forward > 0.0f) {
        walk(player, walkSpeed * forward, level);
    }
    if (const float back = actionAmount(input, Action::Back); back > 0.0f) {
        walk(player, -walkSpeed * back, level);
    }
    if (const float right = actionAmount(input, Action::Right); right > 0.0f) {
        turn(player, turnRate * right, 1.0f);
    }
    if (const float left = actionAmount(input, Action::Left); left > 0.0f) {
        turn(player, turnRate * left, -1.0f);
    }
}

void applyLadder(PlayerState& player, const LevelDescription& level)
{
    if (glm::distance(player.playerPosition, level.ladderFoot) < level.ladderRadius) {
        player.onLadderTop = true;
        moveBy(player, glm::vec3(0.0f, level.ladderLift, 0.0f));
    } else if (player.playerPosition.z < level.ladderTopEdgeZ) {
        // Walking north past the raised level's edge leaves it.
        player.onLadderTop = false;
    }
}

void jumpAndFall(PlayerState& player, bool jumpHeld, float deltaTime)
{
    const float verticalStep = 2.0f * deltaTime * walkUnitsPerSecond;
    if (!player.onLadderTop && jumpHeld && player.jumpCooldown > jumpCooldownSeconds) {
        player.jumpActive = true;
        player.jumpCooldown = 0.0f;
    }
    if (player.jumpActive) {
        if (player.playerPosition.y < jumpTopHeight) {
            moveBy(player, glm::vec3(0.0f, verticalStep, 0.0f));
        } else {
            player.jumpActive = false;
        }
    } else if (!player.onLadderTop && player.playerPosition.y > 0.0f) {
        // The last step lands exactly on the ground: a slow frame must not
        // sink the figure below the reach of everything on the ground.
        const float drop = std::min(verticalStep, player.playerPosition.y);
        moveBy(player, glm::vec3(0.0f, -drop, 0.0f));
    }
}

} // namespace tavernrush
