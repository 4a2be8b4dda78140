# What the frames show and what the demonstration replays do: the built
# replay tool under the test display, its screenshots probed region by
# region, its traces checked; and a busy run that must raise no GL message.
set(_tavernrush_image_support
  ${CMAKE_CURRENT_LIST_DIR}/ImageProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageViewProjection.cpp)

tavernrush_add_test(NAME e2e_image_GLTest GL
  SOURCES ${_tavernrush_image_support} ${CMAKE_CURRENT_LIST_DIR}/ImageGLTest.cpp
  LIBS PkgConfig::STB tavernrush_e2e_support)

tavernrush_add_test(NAME e2e_docs_replay_GLTest GL
  SOURCES
    ${_tavernrush_image_support}
    ${CMAKE_CURRENT_LIST_DIR}/DocsReplay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocsReplayGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BusyReplayGLTest.cpp
  LIBS PkgConfig::STB tavernrush_e2e_support)
target_compile_definitions(e2e_docs_replay_GLTest PRIVATE
  TAVERNRUSH_DOCS_REPLAY_DIR="${PROJECT_SOURCE_DIR}/docs/replays")

foreach(_tavernrush_image_test e2e_image_GLTest e2e_docs_replay_GLTest)
  target_compile_definitions(${_tavernrush_image_test} PRIVATE
    TAVERNRUSH_REPLAY_BINARY="$<TARGET_FILE:tavernrush-replay>")
  target_include_directories(${_tavernrush_image_test} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  add_dependencies(${_tavernrush_image_test} tavernrush-replay tavernrush_assets)
endforeach()
