# What the end-to-end tests share: starting a program and waiting for it,
# its environment, scratch folders and files, running the replay tool and
# reading its trace. Included before the other lists of this folder.
include_guard(GLOBAL)
add_library(tavernrush_e2e_support STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ChildProcess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProcessEnvironment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReplayProcess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemporaryFolder.cpp)
target_include_directories(tavernrush_e2e_support PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tavernrush_e2e_support
  PUBLIC GTest::gtest nlohmann_json::nlohmann_json
  PRIVATE tavernrush_warnings)
target_compile_definitions(tavernrush_e2e_support PRIVATE
  TAVERNRUSH_REPLAY_BINARY="$<TARGET_FILE:tavernrush-replay>")
