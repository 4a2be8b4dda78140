# make test replays every committed fuzz corpus once through its harness,
# built with the normal compiler and linked to the game's own libraries: no
# new inputs, just every input that was ever kept, so a fixed crash stays
# fixed. Label "fuzz"; the sanitizer build runs them under ASan and UBSan.
include(${PROJECT_SOURCE_DIR}/cmake/FuzzTargets.cmake)

foreach(target ${TAVERNRUSH_FUZZ_TARGETS})
  set(exe fuzz_corpus_${target})
  add_executable(${exe}
    ${CMAKE_CURRENT_LIST_DIR}/${TAVERNRUSH_FUZZ_${target}_HARNESS}
    ${CMAKE_CURRENT_LIST_DIR}/CorpusReplay.cpp)
  set_target_properties(${exe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${exe} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(${exe} PRIVATE
    tavernrush_lib tavernrush_replay_lib tavernrush_physics_monitor_core
    tavernrush_warnings tavernrush_freeimage assimp::assimp)
  add_test(NAME ${exe} COMMAND ${exe} ${CMAKE_CURRENT_LIST_DIR}/corpus/${target})
  set_tests_properties(${exe} PROPERTIES LABELS fuzz TIMEOUT 120)
endforeach()
