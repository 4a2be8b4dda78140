# The game's rules and the frame's value; they link the rules library alone.
tavernrush_add_test(NAME game_rules_test RULES
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AssetTableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BeerFieldTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CarriedBagTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CoinFieldTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameRulesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LevelFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RandomTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UnicornHerdTest.cpp)
target_include_directories(game_rules_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
