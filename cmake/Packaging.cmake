# A Debian package of the installed layout: cpack in the build folder (the
# top-level Makefile's "make package") leaves tavernrush_<version>_<arch>.deb
# there. It installs under /usr.
# lintian refuses an address without a real domain; example.org stands in
# until the project names its own (-DTAVERNRUSH_PACKAGE_MAINTAINER=...).
set(TAVERNRUSH_PACKAGE_MAINTAINER "Tavernrush developers <tavernrush@example.org>"
  CACHE STRING "Maintainer field of the Debian package and its changelog")
# Build folders configured before kept the old localhost address in their
# cache, which lintian refuses; move them on to the new default.
if(TAVERNRUSH_PACKAGE_MAINTAINER STREQUAL "Tavernrush developers <tavernrush@localhost>")
  set(TAVERNRUSH_PACKAGE_MAINTAINER "Tavernrush developers <tavernrush@example.org>"
    CACHE STRING "Maintainer field of the Debian package and its changelog" FORCE)
endif()

# The package's changelog, compressed like the manual page, signed by the
# maintainer above.
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
set(_tavernrush_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${_tavernrush_changelog}
  COMMAND ${TAVERNRUSH_GZIP} -9n -c ${CMAKE_BINARY_DIR}/packaging/changelog > ${_tavernrush_changelog}
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(tavernrush_changelog ALL DEPENDS ${_tavernrush_changelog})
install(FILES ${_tavernrush_changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavernrush)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavernrush)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavernrush developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small real-time 3D game: ten coins in seventy seconds")
set(CPACK_PACKAGE_DESCRIPTION
  "Steer a figure over a tavern meadow with the arrow keys, jump with Space and\n"
  "collect ten falling coins within seventy seconds. Four beers, a unicorn or\n"
  "the toilet hut interrupt play. Needs an OpenGL 4 core-profile driver.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVERNRUSH_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Without a GL driver the game cannot open its window; Mesa's is the one a
# plain Debian system has.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")

# dpkg-shlibdeps (package dpkg-dev) works the library packages out from the
# binary itself; without it, the Debian 12 names of what the game links.
find_program(TAVERNRUSH_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TAVERNRUSH_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libgcc-s1, libglfw3, libglew2.2, libopengl0, libglx0, libfreeimage3, libassimp5, libdraco7, libinireader0, libbullet3.24, libopenal1, libasound2, libsndfile1")
endif()

# Only the binary package is wanted; a source package would sweep up every
# build folder in the tree.
set(CPACK_SOURCE_GENERATOR "")

include(CPack)
