# Sources of src/model.
target_sources(tavernrush_lib PRIVATE
)
