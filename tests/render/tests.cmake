# --- GLSL programs under assets/shader: build contract and pixel checks ------
tavernrush_add_test(NAME ShaderProgramsGLTest
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ShaderProgramsGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShaderLitProgramsGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShaderPassProgramsGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShaderDrawHelpers.cpp
  GL)
target_include_directories(ShaderProgramsGLTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
# The programs are read from the staged assets/ of the build tree.
add_dependencies(ShaderProgramsGLTest tavernrush_staged_assets)
# --- end of GLSL program tests -----------------------------------------------
