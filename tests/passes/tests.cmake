# Render passes. The maths of the letterbox and the light's view and the
# automatic render scale need no window; the targets and passes are read back from a real GL context.
tavernrush_add_test(NAME passes_math_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DynamicResolutionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LetterboxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LightSpaceTest.cpp)

tavernrush_add_test(NAME passes_bloom_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BloomGLTest.cpp)

tavernrush_add_test(NAME passes_shadow_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ShadowMapGLTest.cpp)

tavernrush_add_test(NAME passes_boards_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BoardsAndSpheresGLTest.cpp)
