# The built game's start-up seams: what the command line answers, and the
# refusal of an OpenGL driver below what the shaders need (Mesa pretends an
# older version under MESA_GL_VERSION_OVERRIDE).
tavernrush_add_test(NAME e2e_startup_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StartupGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameWindows.cpp
  LIBS X11::X11 tavernrush_e2e_support)
target_compile_definitions(e2e_startup_GLTest PRIVATE
  TAVERNRUSH_GAME_BINARY="$<TARGET_FILE:tavernrush>"
  TAVERNRUSH_BUILD_DIR="${CMAKE_BINARY_DIR}")
target_include_directories(e2e_startup_GLTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
add_dependencies(e2e_startup_GLTest tavernrush tavernrush_assets)
