# The game's rules: plain C++ over glm. They build as their own library that
# links no GL, GLEW or GLFW, so every rule runs and is tested without a window.
set(tavernrush_rules_sources
  ${CMAKE_CURRENT_LIST_DIR}/Action.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AssetPaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AssetTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BeerField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Camera.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CarriedBag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CoinField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Countdown.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CounterOrbits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameEvent.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GhostRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Gamepad.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LevelFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PickupField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Random.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RulesChecksum.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TwoGroupDrift.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnicornHerd.cpp
)
add_library(tavernrush_rules STATIC ${tavernrush_rules_sources})
target_include_directories(tavernrush_rules PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(tavernrush_rules PUBLIC tavernrush_glm PRIVATE PkgConfig::INIH tavernrush_warnings)

# Where an item stands follows from its seed bit for bit. A fused multiply-add
# (the default on FMA targets) skips a rounding step and would move the
# layouts and the drift by a last bit from one machine to the next.
set_source_files_properties(${tavernrush_rules_sources}
  PROPERTIES COMPILE_OPTIONS -ffp-contract=off)

# The rules stay out of reach of GL: no rule source may include a GL, window
# or renderer header. Checked at every configure, so CI fails on a slip.
file(GLOB_RECURSE _rules_files ${CMAKE_CURRENT_LIST_DIR}/*.h ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
foreach(_file ${_rules_files})
  file(STRINGS ${_file} _gl_includes REGEX "#include *[<\"](GL/|GLFW/|glad|render/|passes/|scene/|app/|physics/|model/)")
  if(_gl_includes)
    message(FATAL_ERROR "${_file} is a rule source but includes ${_gl_includes}; rules must stay GL-free")
  endif()
endforeach()
