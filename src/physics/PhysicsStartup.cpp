// Start-up of the physics world and its one-time offer to a debugger.

#include "physics/PhysicsStartup.h"

#include "physics/DebuggerLink.h"
#include "physics/PhysicsWorld.h"
#include "physics/SnapshotFormat.h"

#include <exception>
#include <ostream>
#include <string>

namespace tavernrush {

namespace {

// Owns the world until static destruction at exit, so a leak checker sees a
// clean end and nothing outlives the Bullet library it points into.
std::unique_ptr<PhysicsWorld>& worldHolder()
{
    static std::unique_ptr<PhysicsWorld> world;
    return world;
}

bool startPhysicsRan = false;

} // namespace

std::unique_ptr<PhysicsWorld> buildAndOfferPhysicsWorld(std::ostream& log,
                                                        std::uint16_t debuggerPort,
                                                        const PhysicsWorldFactory& makeWorld,
                                                        DebuggerLinkLimits limits)
{
    // The debugger connection comes first, as the world's debugger hook would
    // be attached before the world exists; a failed connect is silent.
    DebuggerLink link = DebuggerLink::connect(debuggerPort, limits.connect);

    std::unique_ptr<PhysicsWorld> world;
    std::string reason = "no world was returned";
    try {
        world = makeWorld();
    } catch (const std::exception& error) {
        reason = error.what();
    } catch (...) {
        reason = "unknown error";
    }
    if (!world) {
        log << "ERROR: The physics world could not be created (" << reason
            << "); the game goes on without it.\n";
        return nullptr;  // the link closes with nothing sent
    }

    if (link.isConnected()) {
        try {
            link.send(formatSnapshot(world->snapshot()), limits.send);
        } catch (...) {
            // Out of memory for the snapshot text: the debugger just gets
            // nothing, the game keeps its world.
        }
    }
    return world;
}

void startPhysics(std::ostream& log, std::uint16_t debuggerPort)
{
    if (startPhysicsRan) {
        return;  // the world is built once per run
    }
    startPhysicsRan = true;
    try {
        worldHolder() = buildAndOfferPhysicsWorld(log, debuggerPort, &PhysicsWorld::create);
    } catch (...) {
        // Only the failure message itself could throw here; start-up goes on.
    }
}

const PhysicsWorld* programPhysicsWorld()
{
    return worldHolder().get();
}

} // namespace tavernrush
