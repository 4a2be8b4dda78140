# Tests of src/model. Import needs a GL context for its uploads, so the import
# tests are GL tests; the geometry conversion and node walk run without one.
tavernrush_add_test(NAME model_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MeshGeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModelDirectoryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NodeWalkTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PixelFormatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TangentFrameTest.cpp
  LIBS assimp::assimp)

tavernrush_add_test(NAME model_import_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DrawProbe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImportedMeshGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImportedModelGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeshTextureLoaderGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModelTestFiles.cpp
  LIBS PkgConfig::STB)
