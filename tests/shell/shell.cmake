quorvane_add_test_with_main(window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qt_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/board_view_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/application_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about_test.cpp
  LIBS quorvane_ui Qt6::Test)
