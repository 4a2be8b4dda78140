# The level as a whole, built from the game's own files in a real GL context.
tavernrush_add_test(NAME scene_level_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LevelPreloadGLTest.cpp)

# Where the lettering goes, without a window.
tavernrush_add_test(NAME scene_hud_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/HudLayoutTest.cpp)
