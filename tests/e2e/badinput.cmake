# The bad-input suite: the built game and replay binaries run under the test
# display in copies of the asset tree with one file or setting broken; Xlib
# finds the game's window and sends it Escape.
find_package(X11 REQUIRED)
tavernrush_add_test(NAME e2e_badinput_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BadInputCases.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BadInputGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BadInputTree.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameWindows.cpp
  LIBS X11::X11 PkgConfig::STB tavernrush_e2e_support)
target_compile_definitions(e2e_badinput_GLTest PRIVATE
  TAVERNRUSH_GAME_BINARY="$<TARGET_FILE:tavernrush>"
  TAVERNRUSH_REPLAY_BINARY="$<TARGET_FILE:tavernrush-replay>"
  TAVERNRUSH_WIN_REPLAY="${PROJECT_SOURCE_DIR}/docs/replays/win.replay"
  TAVERNRUSH_BEST_RUN="${PROJECT_SOURCE_DIR}/docs/replays/best-meadow.run")
target_include_directories(e2e_badinput_GLTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
if(TAVERNRUSH_SANITIZE)
  target_compile_definitions(e2e_badinput_GLTest PRIVATE TAVERNRUSH_SANITIZED_BUILD)
endif()
add_dependencies(e2e_badinput_GLTest tavernrush tavernrush-replay tavernrush_assets)
