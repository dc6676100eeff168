target_sources(quorvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/snake_segment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/snake_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_step.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_flow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_drawing.cpp
)
