# The frame loop around the rules, run over fakes without a window.
tavernrush_add_test(NAME FrameLoopTest SOURCES app/FrameLoopTest.cpp)
