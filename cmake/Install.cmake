# Installed layout (GNU directories under the prefix):
#   bin/tavernrush                    the launcher the player starts
#   libexec/tavernrush/tavernrush     the game itself
#   share/tavernrush/assets/          everything the game reads
#   share/applications/tavernrush.desktop
#   share/icons/hicolor/256x256/apps/tavernrush.png
# The game opens ./assets and nothing else, so bin/ holds a launcher that
# gives it a working folder (see packaging/tavernrush.sh.in) and the binary
# lives out of PATH.
include(GNUInstallDirs)

set(TAVERNRUSH_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tavernrush)
set(TAVERNRUSH_INSTALL_GAMEDIR ${CMAKE_INSTALL_LIBEXECDIR}/tavernrush)

# The launcher finds the data and the game relative to its own folder, so the
# same script works for any --prefix given to cmake --install and in a
# package. (With absolute CMAKE_INSTALL_<dir> values the paths still work for
# the configured prefix, but the install can no longer be moved.)
file(RELATIVE_PATH TAVERNRUSH_DATA_FROM_BINDIR
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tavernrush)
file(RELATIVE_PATH TAVERNRUSH_GAME_FROM_BINDIR
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tavernrush/tavernrush)
configure_file(${CMAKE_SOURCE_DIR}/packaging/tavernrush.sh.in
  ${CMAKE_BINARY_DIR}/packaging/tavernrush @ONLY)

install(TARGETS tavernrush RUNTIME DESTINATION ${TAVERNRUSH_INSTALL_GAMEDIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/tavernrush DESTINATION ${CMAKE_INSTALL_BINDIR})

# The build's assets/ is complete once tavernrush_assets has run: staged
# shaders and settings plus the generated models and pictures. Hidden files
# are the generator's bookkeeping, not game data.
install(DIRECTORY ${CMAKE_BINARY_DIR}/assets/
  DESTINATION ${TAVERNRUSH_INSTALL_DATADIR}/assets
  PATTERN ".*" EXCLUDE)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/tavernrush.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(TARGET tavernrush_icon)
  get_target_property(_tavernrush_icon_file tavernrush_icon TAVERNRUSH_ICON_FILE)
  install(FILES ${_tavernrush_icon_file}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
