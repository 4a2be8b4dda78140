# The installed game: the real install started under the test display, and
# the icon maker.
include(GNUInstallDirs)
find_package(X11 REQUIRED)

# The layout the install must produce, stated here independently of the
# install rules so that a change there shows up as a failing test.
set(_tavernrush_install_layout
  TAVERNRUSH_INSTALL_GAMESDIR="games"
  TAVERNRUSH_INSTALL_BINDIR="${CMAKE_INSTALL_BINDIR}"
  TAVERNRUSH_INSTALL_DATADIR="${CMAKE_INSTALL_DATADIR}"
  TAVERNRUSH_INSTALL_LIBEXECDIR="${CMAKE_INSTALL_LIBEXECDIR}")

tavernrush_add_test(NAME e2e_install_GLTest GL
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/InstallGLTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GameWindows.cpp
  LIBS X11::X11 PkgConfig::STB tavernrush_e2e_support)
target_include_directories(e2e_install_GLTest PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(e2e_install_GLTest PRIVATE ${_tavernrush_install_layout}
  TAVERNRUSH_CMAKE_COMMAND="${CMAKE_COMMAND}"
  TAVERNRUSH_BUILD_DIR="${CMAKE_BINARY_DIR}")
# cmake --install copies what these made; it builds nothing itself.
add_dependencies(e2e_install_GLTest tavernrush tavernrush_assets tavernrush_manual)
if(TARGET tavernrush_icon)
  add_dependencies(e2e_install_GLTest tavernrush_icon)
endif()

if(TARGET tavernrush_icon_lib)
  tavernrush_add_test(NAME e2e_icon_Test
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/IconComposerTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/IconFilesTest.cpp
    LIBS tavernrush_icon_lib tavernrush_e2e_support)
  target_include_directories(e2e_icon_Test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endif()
