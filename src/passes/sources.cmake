# Sources of src/passes.
target_sources(tavernrush_lib PRIVATE
  passes/Picture.cpp
)
