target_sources(quorvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/error_report.cpp
)
