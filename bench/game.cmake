quorvane_add_bench(game_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/game_bench.cpp
  LIBS quorvane_core benchmark::benchmark)
