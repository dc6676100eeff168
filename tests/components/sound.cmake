quorvane_add_test(sound_image_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/sound_image_test.cpp
  LIBS quorvane_core)

# The playback tests pick SDL's audio driver themselves ("disk", writing to a
# temporary file, or none at all). They also check the generated sounds.
quorvane_add_test(sound_player_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/sound_player_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/sound_wavgen_test.cpp
  LIBS quorvane_media SDL2::SDL2)
target_compile_definitions(sound_player_test PRIVATE QUORVANE_BIN_DIR="${QUORVANE_BIN_DIR}")
