quorvane_add_test(timer_loop_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/timer_loop_test.cpp
  LIBS quorvane_core)

quorvane_add_test(timer_thread_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/timer_thread_test.cpp
  LIBS quorvane_core)

# Brings its own main: the QApplication must exist before any test runs.
# Its allocation test replaces operator new for the whole program.
quorvane_add_test_with_main(timer_qt_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/timer_qt_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/timer_qt_allocation_test.cpp
  LIBS quorvane_timer_qt Qt6::Widgets)
