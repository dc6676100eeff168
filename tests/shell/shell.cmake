quorvane_add_test_with_main(window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qt_test_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/board_view_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/application_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_commands_test.cpp
  LIBS quorvane_ui Qt6::Test)
# The help tests open the help file the build puts beside the program.
target_compile_definitions(window_tests PRIVATE QUORVANE_BIN_DIR="${QUORVANE_BIN_DIR}")
