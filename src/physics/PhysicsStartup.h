#pragma once
// The physics step of start-up: build the world once, offer it to a debugger
// on the local machine, keep it for the rest of the run.

#include "physics/DebuggerLink.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>

namespace tavernrush {

class PhysicsWorld;

// Builds the program-wide physics world once and offers it to a debugger
// listening on 127.0.0.1:debuggerPort. Never throws; prints one line to `log`
// if the world cannot be created.
void startPhysics(std::ostream& log, std::uint16_t debuggerPort = 5425);

// The world startPhysics keeps, or null before it ran or when the world could
// not be built.
const PhysicsWorld* programPhysicsWorld();

using PhysicsWorldFactory = std::function<std::unique_ptr<PhysicsWorld>()>;

// The work of startPhysics without the program-wide holder, so tests can run
// it repeatedly, with a failing factory or with longer limits: connects to
// the debugger, builds the world with `makeWorld`, sends the debugger one
// snapshot and closes the link. Returns the world, or null after printing
// one line to `log`.
std::unique_ptr<PhysicsWorld> buildAndOfferPhysicsWorld(std::ostream& log,
                                                        std::uint16_t debuggerPort,
                                                        const PhysicsWorldFactory& makeWorld,
                                                        DebuggerLinkLimits limits = {});

} // namespace tavernrush
