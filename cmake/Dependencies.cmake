# Every dependency comes from a Debian -dev package; the ones without a CMake
# package get a small imported target here so the rest of the build can link
# to them by name.
find_package(PkgConfig REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
find_package(glfw3 3.2 REQUIRED)
find_package(GLEW REQUIRED)
find_package(glm REQUIRED)
find_package(assimp REQUIRED)
find_package(Threads REQUIRED)
# Every command line, the game's and the tools', is read with CLI11 (header only).
find_package(CLI11 CONFIG REQUIRED)
# libjpeg is also asked directly, for the warnings FreeImage does not pass on.
find_package(JPEG REQUIRED)
# The end-to-end tests read the replay tool's JSON traces.
if(TAVERNRUSH_BUILD_TESTS)
  find_package(nlohmann_json 3 REQUIRED)
endif()

pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
pkg_check_modules(INIREADER REQUIRED IMPORTED_TARGET INIReader)
# The C parser under INIReader, for reading INI text that is not a file.
pkg_check_modules(INIH REQUIRED IMPORTED_TARGET inih)
pkg_check_modules(BULLET REQUIRED IMPORTED_TARGET bullet)
# Sound: OpenAL Soft plays and places it, libsndfile reads the files and writes
# WAV recordings. The asset generator encodes Ogg Vorbis with the reference
# encoder directly, because libsndfile picks the Ogg stream serial number from
# the clock and two generations would never write the same bytes.
pkg_check_modules(OPENAL REQUIRED IMPORTED_TARGET openal)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET sndfile)
# The ALSA library OpenAL Soft plays through, only to keep its error lines
# off the player's console (src/audio/QuietSoundLibraries.cpp).
pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET alsa)
pkg_check_modules(VORBISENC REQUIRED IMPORTED_TARGET vorbisenc vorbis ogg)

find_path(FREEIMAGE_INCLUDE_DIR FreeImage.h REQUIRED)
find_library(FREEIMAGE_LIBRARY NAMES freeimage REQUIRED)
add_library(tavernrush_freeimage INTERFACE)
target_include_directories(tavernrush_freeimage SYSTEM INTERFACE ${FREEIMAGE_INCLUDE_DIR})
target_link_libraries(tavernrush_freeimage INTERFACE ${FREEIMAGE_LIBRARY})

# glm's own target is not marked SYSTEM; wrap it so its headers stay quiet.
add_library(tavernrush_glm INTERFACE)
get_target_property(_glm_includes glm::glm INTERFACE_INCLUDE_DIRECTORIES)
if(_glm_includes)
  target_include_directories(tavernrush_glm SYSTEM INTERFACE ${_glm_includes})
endif()
target_compile_definitions(tavernrush_glm INTERFACE GLM_FORCE_CTOR_INIT)
