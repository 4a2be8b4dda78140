# Rules of the game world; no window needed.
tavernrush_add_test(NAME game_rules_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BeerFieldTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CarriedBagTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CoinFieldTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RandomTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UnicornHerdTest.cpp)
target_include_directories(game_rules_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
