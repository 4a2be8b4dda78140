# The benchmark's command line; the benchmark itself runs in make bench.
tavernrush_add_test(NAME tools_bench_options_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BenchOptionsTest.cpp
    ${PROJECT_SOURCE_DIR}/tools/bench/BenchOptions.cpp
  LIBS tavernrush_replay_lib)
target_include_directories(tools_bench_options_test PRIVATE ${PROJECT_SOURCE_DIR}/tools)
