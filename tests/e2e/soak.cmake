# The soak: a long replay of seeded random input under the sanitizers.
# Its checks are tested in every build; the run itself belongs to the
# sanitizer build only (label "soak"), 2,000 frames in ctest and
# TAVERNRUSH_SOAK_FRAMES=20000 for make soak.
tavernrush_add_test(NAME e2e_soak_checks_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SoakChecks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoakChecksTest.cpp
  LIBS tavernrush_e2e_support)
target_include_directories(e2e_soak_checks_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})

if(TAVERNRUSH_SANITIZE)
  add_executable(e2e_soak_GLTest
    ${CMAKE_CURRENT_LIST_DIR}/SoakChecks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoakGLTest.cpp)
  set_target_properties(e2e_soak_GLTest PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(e2e_soak_GLTest PRIVATE
    tavernrush_test_support tavernrush_e2e_support tavernrush_soak_lib tavernrush_display_check GTest::gtest_main
    tavernrush_warnings)
  target_compile_definitions(e2e_soak_GLTest PRIVATE TAVERNRUSH_REPLAY_BINARY="$<TARGET_FILE:tavernrush-replay>")
  target_include_directories(e2e_soak_GLTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  add_dependencies(e2e_soak_GLTest tavernrush-replay tavernrush_assets)
  # One case, registered directly so it can carry its own label and time-out.
  add_test(NAME e2e_soak_GLTest COMMAND e2e_soak_GLTest WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e_soak_GLTest PROPERTIES LABELS "gl;soak" TIMEOUT 14400
    ENVIRONMENT "${TAVERNRUSH_TEST_ENVIRONMENT}")
endif()
