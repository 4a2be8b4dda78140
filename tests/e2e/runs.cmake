# The game's run files from a real game typed into with xdotool under the
# test display, replayed by the built tavernrush-replay.
tavernrush_add_test(NAME e2e_runs_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RunFilesGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameWindows.cpp
  LIBS X11::X11 tavernrush_e2e_support)
target_compile_definitions(e2e_runs_GLTest PRIVATE
  TAVERNRUSH_GAME_BINARY="$<TARGET_FILE:tavernrush>"
  TAVERNRUSH_REPLAY_BINARY="$<TARGET_FILE:tavernrush-replay>"
  TAVERNRUSH_BUILD_DIR="${CMAKE_BINARY_DIR}")
target_include_directories(e2e_runs_GLTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
add_dependencies(e2e_runs_GLTest tavernrush tavernrush-replay tavernrush_assets)
