# Board tiles and the program icon: pixels drawn by code in the core, turned
# into Qt images by a small library of their own, which the windows and
# dialogs share.
target_sources(quorvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tile_sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/app_icon.cpp
)
add_library(quorvane_qt_images STATIC
  ${CMAKE_CURRENT_LIST_DIR}/qt_images.cpp
)
target_link_libraries(quorvane_qt_images PUBLIC quorvane_core quorvane_about_logo Qt6::Gui)
target_link_libraries(quorvane_ui PUBLIC quorvane_qt_images)
