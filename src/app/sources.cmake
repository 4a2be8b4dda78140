# Sources of src/app.
target_sources(tavernrush_lib PRIVATE
  app/AtomicFile.cpp
  app/Controls.cpp
  app/DebugOutput.cpp
  app/FrameLoop.cpp
  app/Game.cpp
  app/GameWindow.cpp
  app/GlfwInput.cpp
  app/KeyNames.cpp
  app/KeyWait.cpp
  app/Records.cpp
  app/Screenshots.cpp
  app/Settings.cpp
  app/WindowImage.cpp
)
