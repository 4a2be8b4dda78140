#include "game/GhostRun.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>

namespace tavernrush {

float headingOf(const glm::mat4& playerModel) { return std::atan2(-playerModel[0].z, playerModel[0].x); }

std::optional<glm::mat4> GhostRun::placementAt(float time) const
{
    if (samples_.empty()) {
        return std::nullopt;
    }
    const auto later = std::upper_bound(samples_.begin(), samples_.end(), time,
                                        [](float t, const GhostSample& sample) { return t < sample.time; });
    GhostSample at = later == samples_.end() ? samples_.back() : *later;
    if (later != samples_.begin() && later != samples_.end()) {
        const GhostSample& before = *(later - 1);
        const float span = later->time - before.time;
        const float share = span > 0.0f ? (time - before.time) / span : 1.0f;
        at.position = glm::mix(before.position, later->position, share);
        // The heading of the sample before: a turn never swings the long way round.
        at.heading = before.heading;
    }
    return glm::rotate(glm::translate(glm::mat4(1.0f), at.position), at.heading, glm::vec3(0.0f, 1.0f, 0.0f));
}

} // namespace tavernrush
