#include "game/CounterOrbits.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <numbers>

namespace tavernrush {
namespace {

double turned(double total, const CounterOrbit& orbit, float deltaTime)
{
    constexpr double fullTurn = 2.0 * std::numbers::pi;
    // The step is taken in float, as the spheres always took it.
    const float step = orbit.radiansPerSecond * deltaTime;
    double result = std::fmod(total + static_cast<double>(step), fullTurn);
    if (result < 0.0) {
        result += fullTurn;
    }
    return result;
}

} // namespace

void CounterTurns::advance(float deltaTime)
{
    earth = turned(earth, earthOrbit, deltaTime);
    beerCounter = turned(beerCounter, beerCounterOrbit, deltaTime);
    coinCounter = turned(coinCounter, coinCounterOrbit, deltaTime);
}

glm::mat4 orbitStart(const CounterOrbit& orbit, float height)
{
    return glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, height, orbit.radius));
}

glm::mat4 orbitPlacement(const CounterOrbit& orbit, float height, double turn)
{
    // Turning after the move onto the orbit turns the sphere about the
    // world's vertical axis, not about its own centre.
    return glm::rotate(glm::mat4(1.0f), static_cast<float>(turn), glm::vec3(0.0f, 1.0f, 0.0f)) *
           orbitStart(orbit, height);
}

} // namespace tavernrush
