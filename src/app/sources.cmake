# Sources of src/app.
target_sources(tavernrush_lib PRIVATE
  app/DebugOutput.cpp
  app/Game.cpp
  app/GameWindow.cpp
  app/KeyWait.cpp
  app/Settings.cpp
)
