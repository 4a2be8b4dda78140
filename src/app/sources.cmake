# Sources of src/app.
target_sources(tavernrush_lib PRIVATE
  app/Camera.cpp
  app/DebugOutput.cpp
  app/FrameLoop.cpp
  app/Game.cpp
  app/GameState.cpp
  app/GameWindow.cpp
  app/GlSceneRenderer.cpp
  app/GlfwInput.cpp
  app/KeyWait.cpp
  app/LevelResources.cpp
  app/Pictures.cpp
  app/Player.cpp
  app/Settings.cpp
)
