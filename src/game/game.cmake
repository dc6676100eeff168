target_sources(quorvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/snake_segment.cpp
)
