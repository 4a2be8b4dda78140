# Settings and controls, the player's records and screenshots, the key wait,
# the debug-message format and the start-up choices (command line, data and
# settings folders, driver floor); no window needed.
tavernrush_add_test(NAME app_foundation_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DebugOutputTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeyWaitTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayerFilesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsSaveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupOptionsTest.cpp)
target_compile_definitions(app_foundation_test PRIVATE TAVERNRUSH_VERSION="${PROJECT_VERSION}")

# The debug callback attached to a real debug context.
tavernrush_add_test(NAME app_debug_output_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DebugOutputGLTest.cpp)
target_compile_definitions(app_foundation_test PRIVATE
  TAVERNRUSH_SHIPPED_SETTINGS="${PROJECT_SOURCE_DIR}/assets/settings.ini")
