# Sources of src/render.
target_sources(tavernrush_lib PRIVATE
  render/AssetPath.cpp
  render/CubeMap.cpp
  render/DdsHeader.cpp
  render/DecodedPicture.cpp
  render/Geometry.cpp
  render/GlName.cpp
  render/ImageFile.cpp
  render/ImageFileBytes.cpp
  render/ImageFileJpeg.cpp
  render/Lights.cpp
  render/Material.cpp
  render/MipChain.cpp
  render/SceneNode.cpp
  render/Shader.cpp
  render/Shapes.cpp
  render/Skybox.cpp
  render/StartupSteps.cpp
  render/Texture.cpp
)
# ImageFileJpeg asks libjpeg (the one FreeImage decodes with) about warnings.
target_link_libraries(tavernrush_lib PRIVATE JPEG::JPEG)
