target_sources(quorvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/skill_levels.cpp
)
