quorvane_add_test(settings_store_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/profile_text_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_paths_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_store_test.cpp
  LIBS quorvane_core)
