quorvane_add_bench(render_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/render_bench.cpp
  LIBS quorvane_ui benchmark::benchmark)
