target_sources(quorvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/profile_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp
)
