# Sources of src/passes.
target_sources(tavernrush_lib PRIVATE
  passes/Bloom.cpp
  passes/BlurTargets.cpp
  passes/DynamicResolution.cpp
  passes/FramebufferCheck.cpp
  passes/GlowCopy.cpp
  passes/Letterbox.cpp
  passes/LightSpace.cpp
  passes/SceneTarget.cpp
  passes/ShadowMap.cpp
  passes/TargetTexture.cpp
)
