add_executable(tolvenix ${CMAKE_CURRENT_LIST_DIR}/headless_demo.cpp)
target_link_libraries(tolvenix PRIVATE quorvane_core)
