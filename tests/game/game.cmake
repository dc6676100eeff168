quorvane_add_test(game_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/model_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/step_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/placement_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/invariants_test.cpp
  LIBS quorvane_core)
