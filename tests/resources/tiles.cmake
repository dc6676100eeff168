quorvane_add_test(tile_sheet_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tile_sheet_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app_icon_test.cpp
  LIBS quorvane_core)

quorvane_add_test(qt_images_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt_images_test.cpp
  LIBS quorvane_ui)
