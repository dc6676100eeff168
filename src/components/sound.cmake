# Sound: loading sound files (quorvane_core), playing them through SDL2
# (quorvane_media, no Qt), and the game's own synthesised sounds.
target_sources(quorvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sound_image.cpp
)

add_library(quorvane_media STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sound_player.cpp
)
target_include_directories(quorvane_media PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(quorvane_media PUBLIC quorvane_core PRIVATE SDL2::SDL2)

# The generator runs at build time; it is a build tool, so it stays out of
# the program folder.
add_executable(quorvane_wavgen ${CMAKE_SOURCE_DIR}/tools/wavgen/wavgen.cpp)
set_target_properties(quorvane_wavgen PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(QUORVANE_SOUND_FILES
  ${QUORVANE_BIN_DIR}/zap.wav
  ${QUORVANE_BIN_DIR}/boing.wav
  ${QUORVANE_BIN_DIR}/yehaw.wav
)
add_custom_command(
  OUTPUT ${QUORVANE_SOUND_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVANE_BIN_DIR}
  COMMAND quorvane_wavgen ${QUORVANE_BIN_DIR}
  DEPENDS quorvane_wavgen
  COMMENT "Synthesising zap.wav, boing.wav and yehaw.wav"
  VERBATIM
)
add_custom_target(quorvane_sounds DEPENDS ${QUORVANE_SOUND_FILES})
# Any build of the game has its default sounds beside it.
add_dependencies(quorvane_media quorvane_sounds)
install(FILES ${QUORVANE_SOUND_FILES} DESTINATION bin)
