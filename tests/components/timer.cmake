quorvane_add_test(timer_loop_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/timer_loop_test.cpp
  LIBS quorvane_core)

quorvane_add_test(timer_thread_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/timer_thread_test.cpp
  LIBS quorvane_core)

# Brings its own main: the QApplication must exist before any test runs.
add_executable(timer_qt_test ${CMAKE_CURRENT_LIST_DIR}/timer_qt_test.cpp)
target_link_libraries(timer_qt_test PRIVATE quorvane_timer_qt Qt6::Widgets GTest::gtest)
target_include_directories(timer_qt_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
set_target_properties(timer_qt_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
gtest_discover_tests(timer_qt_test
  DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
