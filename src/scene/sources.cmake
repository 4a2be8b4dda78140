# Sources of src/scene: the level's GL objects and the renderer that draws a
# frame's value with them.
target_sources(tavernrush_lib PRIVATE
  scene/AutomaticRenderScale.cpp
  scene/CounterSpheres.cpp
  scene/FieldDrawers.cpp
  scene/GlSceneRenderer.cpp
  scene/GpuFrameTimes.cpp
  scene/Hud.cpp
  scene/HudLayout.cpp
  scene/Level.cpp
  scene/LevelPreload.cpp
  scene/LevelResources.cpp
  scene/MenuLayout.cpp
  scene/PictureBoards.cpp
)
