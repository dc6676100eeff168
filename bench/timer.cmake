quorvane_add_bench(timer_precision
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/timer_precision.cpp
  LIBS quorvane_timer_qt Qt6::Core)
