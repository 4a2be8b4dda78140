# The asset generator: its building blocks and the picture conventions of the
# game's shapes (no assets needed), and a full double generation.
tavernrush_add_test(NAME tools_assetgen_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenDeterminismTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenFileFormatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenHeartDoorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenModellingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenPaintingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenPictureWrappingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenSkyFaceTest.cpp
  LIBS tavernrush_assetread_lib)

# The tree the build generated into the build directory, read back with the
# decoders the game uses.
tavernrush_add_test(NAME tools_asset_tree_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenModelShapeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenPictureContentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenSoundTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AssetgenTreeTest.cpp
  LIBS tavernrush_assetread_lib tavernrush_audio)
