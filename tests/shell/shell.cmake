# Window tests bring their own main: the game's application object must
# exist before any test runs.
add_executable(window_tests
  ${CMAKE_CURRENT_LIST_DIR}/qt_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_view_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/application_test.cpp)
target_link_libraries(window_tests PRIVATE quorvane_ui Qt6::Test GTest::gtest)
target_include_directories(window_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
set_target_properties(window_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
gtest_discover_tests(window_tests
  DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
