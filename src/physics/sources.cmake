# Sources of src/physics.
target_sources(tavernrush_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BoxPyramid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DebuggerLink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PhysicsStartup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PhysicsWorld.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SnapshotFormat.cpp
)
