# The About box logo. logogen draws it during the build from two fonts of
# the URW base set (fonts-urw-base35) into a source file of RGB bytes, so
# the program itself never needs the fonts.
find_file(QUORVANE_LOGO_ORNAMENTAL_FONT Z003-MediumItalic.otf
  PATHS /usr/share/fonts/opentype/urw-base35 REQUIRED)
find_file(QUORVANE_LOGO_PLAIN_FONT NimbusSans-Regular.otf
  PATHS /usr/share/fonts/opentype/urw-base35 REQUIRED)

add_executable(quorvane_logogen ${CMAKE_SOURCE_DIR}/tools/logogen/logogen.cpp)
target_link_libraries(quorvane_logogen PRIVATE Qt6::Gui)
set_target_properties(quorvane_logogen PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(_logo_source ${CMAKE_CURRENT_BINARY_DIR}/about_logo_pixels.cpp)
add_custom_command(
  OUTPUT ${_logo_source}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    $<TARGET_FILE:quorvane_logogen>
    ${QUORVANE_LOGO_ORNAMENTAL_FONT} ${QUORVANE_LOGO_PLAIN_FONT} ${_logo_source}
  DEPENDS quorvane_logogen ${QUORVANE_LOGO_ORNAMENTAL_FONT} ${QUORVANE_LOGO_PLAIN_FONT}
  COMMENT "Drawing the About box logo"
  VERBATIM
)
add_library(quorvane_about_logo STATIC ${_logo_source})
target_include_directories(quorvane_about_logo PUBLIC ${CMAKE_SOURCE_DIR}/src)
