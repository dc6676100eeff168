quorvane_add_test(skill_level_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skill_levels_test.cpp
  LIBS quorvane_core)
