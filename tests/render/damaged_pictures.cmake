# Picture files: JPEG texels as FreeImage gives them; damaged files: the DDS
# header check and the decoder's complaints.
# FreeImage decodes without a GL context, so these need no window.
tavernrush_add_test(NAME render_damaged_pictures_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DdsHeaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageFileDamageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageFileJpegTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TestFiles.cpp
  LIBS PkgConfig::STB)
target_include_directories(render_damaged_pictures_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
