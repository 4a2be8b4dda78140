# Sound through OpenAL Soft's loopback device, so no sound card is needed;
# the cues are the generated ones in the build's assets/sounds.
tavernrush_add_test(NAME audio_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AudioFaultsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AudioPlaybackTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Recording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WavWriterTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/TemporaryFolder.cpp
  LIBS tavernrush_audio)
add_dependencies(audio_test tavernrush_assets)
