# Sources of src/model.
target_sources(tavernrush_lib PRIVATE
  model/ImportedMesh.cpp
  model/ImportedModel.cpp
  model/MaterialImage.cpp
  model/MaterialLibraryGuard.cpp
  model/MeshGeometry.cpp
  model/MeshTextureLoader.cpp
  model/ModelImport.cpp
  model/ModelTextureCache.cpp
  model/NodeWalk.cpp
  model/TangentFrame.cpp
)
