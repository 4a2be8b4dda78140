# The level as a whole, built from the game's own files in a real GL context.
tavernrush_add_test(NAME scene_level_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LevelPreloadGLTest.cpp)
