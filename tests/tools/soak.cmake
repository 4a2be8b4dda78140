# The soak's tools: the random input generator and the replay tool's memory
# log.
tavernrush_add_test(NAME tools_soak_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReplayMemoryLogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoakScriptTest.cpp
  LIBS tavernrush_soak_lib)
