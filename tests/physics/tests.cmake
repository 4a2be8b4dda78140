# Tests of src/physics and tools/physics_monitor.
set(_physics_tests ${CMAKE_CURRENT_LIST_DIR})

tavernrush_add_test(NAME PhysicsWorldTest
  SOURCES ${_physics_tests}/PhysicsWorldTest.cpp
  LIBS PkgConfig::BULLET)

tavernrush_add_test(NAME SnapshotFormatTest
  SOURCES ${_physics_tests}/SnapshotFormatTest.cpp)

tavernrush_add_test(NAME DebuggerLinkTest
  SOURCES ${_physics_tests}/DebuggerLinkTest.cpp ${_physics_tests}/LoopbackServer.cpp
  LIBS tavernrush_physics_monitor_core)

tavernrush_add_test(NAME PhysicsStartupTest
  SOURCES ${_physics_tests}/PhysicsStartupTest.cpp ${_physics_tests}/LoopbackServer.cpp
  LIBS tavernrush_physics_monitor_core)

tavernrush_add_test(NAME PhysicsMonitorTest
  SOURCES ${_physics_tests}/PhysicsMonitorTest.cpp
  LIBS tavernrush_physics_monitor_core)
# The program tests start the real monitor.
target_compile_definitions(PhysicsMonitorTest PRIVATE
  TAVERNRUSH_PHYSICS_MONITOR="$<TARGET_FILE:tavernrush_physics_monitor>")
add_dependencies(PhysicsMonitorTest tavernrush_physics_monitor)
