# The sky box and the scene nodes, drawn in a real GL context.
tavernrush_add_test(NAME render_sky_and_nodes_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SkyboxGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SceneNodeGLTest.cpp)
