# Board tiles and the program icon: pixels drawn by code in the core, turned
# into Qt images in the ui library.
target_sources(quorvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tile_sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app_icon.cpp
)
target_sources(quorvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt_images.cpp
)
