target_sources(quorvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/super_timer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timer_priority.cpp
)

# The Qt tick dispatcher is a library of its own so that the timer's tests
# and benchmark need only Qt Core; quorvane_ui passes it on.
add_library(quorvane_timer_qt STATIC ${CMAKE_CURRENT_LIST_DIR}/qt_tick_dispatcher.cpp)
target_link_libraries(quorvane_timer_qt PUBLIC quorvane_core Qt6::Core)
target_link_libraries(quorvane_ui PUBLIC quorvane_timer_qt)
