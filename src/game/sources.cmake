# Sources of src/game.
set(tavernrush_game_sources
  ${CMAKE_CURRENT_LIST_DIR}/BeerField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CarriedBag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CoinField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameEvent.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Random.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TwoGroupDrift.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnicornHerd.cpp
)
target_sources(tavernrush_lib PRIVATE ${tavernrush_game_sources})
# The GL side of the fields draws what the rules above decide.
target_sources(tavernrush_lib PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FieldDrawers.cpp)

# Where an item stands follows from its seed bit for bit. A fused multiply-add
# (the default on FMA targets) skips a rounding step and would move the
# layouts and the drift by a last bit from one machine to the next.
set_source_files_properties(${tavernrush_game_sources}
  PROPERTIES COMPILE_OPTIONS -ffp-contract=off)
