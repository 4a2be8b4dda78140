# Installed layout, Debian's games layout under the prefix:
#   games/tavernrush                        the game itself
#   share/games/tavernrush/                 everything it reads (shader/, meshes/,
#                                           textures/, frames/, sounds/, settings.ini)
#   share/applications/tavernrush.desktop
#   share/metainfo/io.github.tavernrush.Tavernrush.metainfo.xml
#   share/icons/hicolor/256x256/apps/tavernrush.png
#   share/man/man6/tavernrush.6.gz
#   share/doc/tavernrush/copyright, changelog.gz
# The game finds its data as ../share/games/tavernrush from its own folder,
# so an install into any prefix, or one moved later, runs as it is.
include(GNUInstallDirs)

set(TAVERNRUSH_INSTALL_GAMESDIR games CACHE STRING "Folder of the game under the prefix")
set(TAVERNRUSH_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/games/tavernrush)

install(TARGETS tavernrush RUNTIME DESTINATION ${TAVERNRUSH_INSTALL_GAMESDIR})

# The build's assets/ is complete once tavernrush_assets has run: staged
# shaders and settings plus the generated models, pictures and sounds.
# Hidden files are the generator's bookkeeping, not game data.
install(DIRECTORY ${CMAKE_BINARY_DIR}/assets/
  DESTINATION ${TAVERNRUSH_INSTALL_DATADIR}
  PATTERN ".*" EXCLUDE)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/tavernrush.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/io.github.tavernrush.Tavernrush.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavernrush)
if(TARGET tavernrush_icon)
  get_target_property(_tavernrush_icon_file tavernrush_icon TAVERNRUSH_ICON_FILE)
  install(FILES ${_tavernrush_icon_file}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()

# Manual pages are installed compressed, as Debian's policy asks; -n keeps
# the name and time out of the file so that builds are reproducible.
find_program(TAVERNRUSH_GZIP gzip REQUIRED)
set(_tavernrush_manual ${CMAKE_BINARY_DIR}/packaging/tavernrush.6.gz)
add_custom_command(OUTPUT ${_tavernrush_manual}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND ${TAVERNRUSH_GZIP} -9n -c ${CMAKE_SOURCE_DIR}/packaging/tavernrush.6 > ${_tavernrush_manual}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/tavernrush.6
  VERBATIM)
add_custom_target(tavernrush_manual ALL DEPENDS ${_tavernrush_manual})
install(FILES ${_tavernrush_manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
