# The game opens everything under ./assets, so the build tree gets a complete
# assets/ folder: the hand-written shader sources and settings are copied from
# the repository, the models and pictures come from the asset generator
# (tools/assetgen), which writes straight into the same folder.
set(TAVERNRUSH_ASSET_DIR ${CMAKE_BINARY_DIR}/assets)

file(GLOB TAVERNRUSH_SHADER_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/assets/shader/*.vert
  ${CMAKE_SOURCE_DIR}/assets/shader/*.frag
  ${CMAKE_SOURCE_DIR}/assets/shader/*.geom)

set(_staged)
foreach(src ${TAVERNRUSH_SHADER_SOURCES} ${TAVERNRUSH_LEVEL_FILES} ${CMAKE_SOURCE_DIR}/assets/settings.ini)
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/assets ${src})
  set(dst ${TAVERNRUSH_ASSET_DIR}/${rel})
  add_custom_command(OUTPUT ${dst}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${src} ${dst}
    DEPENDS ${src}
    COMMENT "Staging assets/${rel}")
  list(APPEND _staged ${dst})
endforeach()

add_custom_target(tavernrush_staged_assets ALL DEPENDS ${_staged})

# One target the game, tools and tests can depend on for a complete tree.
add_custom_target(tavernrush_assets ALL)
add_dependencies(tavernrush_assets tavernrush_staged_assets)
if(TARGET tavernrush_generated_assets)
  add_dependencies(tavernrush_assets tavernrush_generated_assets)
endif()
