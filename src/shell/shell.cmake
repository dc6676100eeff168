target_sources(quorvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/error_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/intro_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_sources.cpp
)

add_executable(tolvenix ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(tolvenix PRIVATE quorvane_ui)
# The banner control is loaded at run time, so nothing links it: a build of
# the program builds it too, into the program folder's plugins/.
add_dependencies(tolvenix quorvane_flexactive)
install(TARGETS tolvenix RUNTIME DESTINATION bin)
