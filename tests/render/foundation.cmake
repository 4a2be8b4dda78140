# Shape generators, normal matrices, cube-face paths and the start-up
# read-ahead shelf; no window needed.
tavernrush_add_test(NAME render_foundation_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CubeMapPathsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DecodedAheadTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryMatrixTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShapesTest.cpp)

# GPU resource classes read back from a hidden GL context. The tests paint
# their own pictures and write their own shader sources.
tavernrush_add_test(NAME render_resources_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CubeMapGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlReadback.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LightsGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MaterialGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShaderGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TestFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TestPrograms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextureGLTest.cpp
  LIBS PkgConfig::STB)
target_include_directories(render_resources_GLTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
