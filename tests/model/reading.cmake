# Reading models and material images without a window: the Assimp import with
# its guard for damaged material libraries, and the material image rules.
tavernrush_add_test(NAME model_reading_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MaterialImageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModelImportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModelTestFiles.cpp
  LIBS PkgConfig::STB assimp::assimp)
