# src/audio: the game's sound through OpenAL Soft, its files through
# libsndfile. Its own library, free of GL, so the tools and tests can use it
# without a window.
add_library(tavernrush_audio STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AlDevice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Audio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuietSoundLibraries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundBuffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundCue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundOutput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundSource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WavWriter.cpp
)
target_include_directories(tavernrush_audio PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(tavernrush_audio
  PUBLIC tavernrush_rules tavernrush_glm PkgConfig::OPENAL
  PRIVATE tavernrush_warnings PkgConfig::SNDFILE PkgConfig::ALSA Threads::Threads)
