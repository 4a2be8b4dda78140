# The replay tool's parts that need no window: script, input, clock, trace,
# options, frame times, and the observer on the real loop with a renderer
# that draws nothing.
tavernrush_add_test(NAME tools_replay_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReplayClockTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplayFrameTimeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplayObserverTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplayOptionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplayScriptTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplayScriptedInputTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplayTraceTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplayWindowImageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunFileTest.cpp
  LIBS tavernrush_replay_lib)
