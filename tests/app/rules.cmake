# The frame loop around the rules, run over fakes without a window.
tavernrush_add_test(NAME FrameLoopTest SOURCES app/FrameLoopTest.cpp)
# The menus over the loop: title, pause menu, options, saving.
tavernrush_add_test(NAME MenusTest SOURCES app/MenusTest.cpp)
