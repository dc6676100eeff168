target_sources(quorvane_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/registered_owner.cpp)
target_sources(quorvane_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/new_hi_score_dialog.cpp)
