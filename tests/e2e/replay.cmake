# End-to-end runs of the built tavernrush-replay binary from the build folder,
# under the test display: real start-up, real frames, scripted input.
tavernrush_add_test(NAME e2e_replay_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReplayToolGLTest.cpp
  LIBS PkgConfig::STB tavernrush_e2e_support)
target_compile_definitions(e2e_replay_GLTest PRIVATE TAVERNRUSH_REPLAY_BINARY="$<TARGET_FILE:tavernrush-replay>")
target_include_directories(e2e_replay_GLTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
add_dependencies(e2e_replay_GLTest tavernrush-replay tavernrush_assets)
