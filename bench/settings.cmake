quorvane_add_bench(settings_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_bench.cpp
  LIBS quorvane_core benchmark::benchmark)
