# Sources of src/app.
target_sources(tavernrush_lib PRIVATE
  app/CommandLine.cpp
  app/ControlNames.cpp
  app/DataPaths.cpp
  app/AtomicFile.cpp
  app/Controls.cpp
  app/DebugOutput.cpp
  app/DriverCheck.cpp
  app/FrameLoop.cpp
  app/Game.cpp
  app/GameRun.cpp
  app/GraphicsChoices.cpp
  app/GraphicsSettingsReader.cpp
  app/GameSound.cpp
  app/GameWindow.cpp
  app/GlfwInput.cpp
  app/HiddenGlWindow.cpp
  app/KeyNames.cpp
  app/KeyWait.cpp
  app/LevelChoice.cpp
  app/LevelSettingsFrom.cpp
  app/PictureMemoryReuse.cpp
  app/PlayerRun.cpp
  app/NumberText.cpp
  app/RecordedClock.cpp
  app/Menus.cpp
  app/Records.cpp
  app/RegularFile.cpp
  app/ReplayScript.cpp
  app/RunDirectives.cpp
  app/RunFileWriter.cpp
  app/RunFolder.cpp
  app/RunRecord.cpp
  app/RunRecorder.cpp
  app/SampledInput.cpp
  app/Screenshots.cpp
  app/ScriptedInput.cpp
  app/ScriptLine.cpp
  app/WatchRun.cpp
  app/Settings.cpp
  app/SettingsLines.cpp
  app/SettingsSaver.cpp
  app/WindowImage.cpp
)
# The version --version prints comes from the project() line.
set_source_files_properties(app/CommandLine.cpp PROPERTIES
  COMPILE_DEFINITIONS TAVERNRUSH_VERSION="${PROJECT_VERSION}")
