# Sources of src/app.
target_sources(tavernrush_lib PRIVATE
  app/DebugOutput.cpp
  app/FrameLoop.cpp
  app/Game.cpp
  app/GameWindow.cpp
  app/GlfwInput.cpp
  app/KeyWait.cpp
  app/Settings.cpp
)
