// What the physics monitor receives from its socket, checked by the snapshot
// parser: anything it accepts keeps every promise of the format, survives the
// writer and the reader bit for bit, and can be summarised; anything it
// refuses names a line of the text.

#include "FuzzCheck.h"
#include "physics/SnapshotFormat.h"
#include "physics_monitor/SnapshotSummary.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tavernrush {
namespace {

bool finite(const glm::vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool sameBits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

bool sameBits(const glm::vec3& a, const glm::vec3& b)
{
    return sameBits(a.x, b.x) && sameBits(a.y, b.y) && sameBits(a.z, b.z);
}

// operator== takes 0 and -0 for equal; the format promises more.
bool sameBits(const WorldSnapshot& a, const WorldSnapshot& b)
{
    if (!sameBits(a.gravity, b.gravity) || !sameBits(a.material.staticFriction, b.material.staticFriction) ||
        !sameBits(a.material.dynamicFriction, b.material.dynamicFriction) ||
        !sameBits(a.material.restitution, b.material.restitution) || a.bodies.size() != b.bodies.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.bodies.size(); ++k) {
        const BodyState& p = a.bodies[k];
        const BodyState& q = b.bodies[k];
        if (p.index != q.index || !sameBits(p.position, q.position) || !sameBits(p.halfExtents, q.halfExtents) ||
            !sameBits(p.mass, q.mass) || !sameBits(p.rotation.x, q.rotation.x) ||
            !sameBits(p.rotation.y, q.rotation.y) || !sameBits(p.rotation.z, q.rotation.z) ||
            !sameBits(p.rotation.w, q.rotation.w)) {
            return false;
        }
    }
    return true;
}

void checkValid(const WorldSnapshot& snapshot)
{
    FUZZ_CHECK(finite(snapshot.gravity));
    FUZZ_CHECK(std::isfinite(snapshot.material.staticFriction) && std::isfinite(snapshot.material.dynamicFriction) &&
               std::isfinite(snapshot.material.restitution));
    FUZZ_CHECK(snapshot.bodies.size() <= maxSnapshotBodies);
    for (std::size_t k = 0; k < snapshot.bodies.size(); ++k) {
        const BodyState& body = snapshot.bodies[k];
        FUZZ_CHECK(body.index == k);
        FUZZ_CHECK(finite(body.position));
        FUZZ_CHECK(std::isfinite(body.rotation.x) && std::isfinite(body.rotation.y) &&
                   std::isfinite(body.rotation.z) && std::isfinite(body.rotation.w));
        FUZZ_CHECK(std::abs(glm::length(body.rotation) - 1.0f) <= 1e-3f);
        FUZZ_CHECK(body.halfExtents.x > 0.0f && body.halfExtents.y > 0.0f && body.halfExtents.z > 0.0f);
        FUZZ_CHECK(finite(body.halfExtents));
        FUZZ_CHECK(body.mass >= 0.0f && std::isfinite(body.mass));
    }
}

} // namespace
} // namespace tavernrush

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SnapshotParseResult parsed = parseSnapshot(text);
    if (!parsed.ok()) {
        // The fault is on a line the text has, or on the one after its end.
        const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        FUZZ_CHECK(!parsed.error.empty());
        FUZZ_CHECK(parsed.errorLine >= 1 && parsed.errorLine <= lines + 1);
        return 0;
    }
    const WorldSnapshot& snapshot = *parsed.snapshot;
    checkValid(snapshot);

    const std::string written = formatSnapshot(snapshot);
    const SnapshotParseResult reread = parseSnapshot(written);
    FUZZ_CHECK(reread.ok());
    FUZZ_CHECK(sameBits(*reread.snapshot, snapshot));
    FUZZ_CHECK(formatSnapshot(*reread.snapshot) == written);

    // What the monitor prints about it.
    FUZZ_CHECK(!describeSnapshot(snapshot).empty());
    FUZZ_CHECK(describeMovement(snapshot, snapshot) == "no body moved\n");
    if (const std::optional<BoxBounds> bounds = boxBounds(snapshot)) {
        FUZZ_CHECK(!(bounds->min.x > bounds->max.x) && !(bounds->min.y > bounds->max.y) &&
                   !(bounds->min.z > bounds->max.z));
    } else {
        FUZZ_CHECK(snapshot.bodies.empty());
    }
    return 0;
}
