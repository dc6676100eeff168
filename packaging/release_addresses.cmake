# The web and support addresses of a release go as they are into a C string
# of the About box, the package's fields, the manual page and the metainfo.
# Configuring stops on one that would not, naming the setting, as it does
# for a banner password of the wrong length. The top CMakeLists.txt includes
# this file; `cmake -DQUORVANE_WEB_ADDRESS=... -DQUORVANE_SUPPORT_EMAIL=...
# -DQUORVANE_BUG_TRACKER=... -DQUORVANE_HELP_ADDRESS=... -P` runs the same
# checks alone.
string(ASCII 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 127
  _quorvane_controls)

function(quorvane_check_address name form what)
  set(value "${${name}}")
  # A semicolon would split the value into two in CMake's own lists.
  if(value MATCHES "[\"\\\\ ;${_quorvane_controls}]")
    message(FATAL_ERROR "${name} must not hold a quote, a backslash, a semicolon, a control character or a "
      "blank (it is \"${value}\"). Set it with -D${name}=<${what}>.")
  endif()
  # Beyond ASCII lie more controls, blanks, line separators, direction
  # overrides and bytes that are no UTF-8 at all; an address needs none of
  # them. The value is not echoed: it could reorder the terminal's line.
  if(value MATCHES "[^!-~]")
    message(FATAL_ERROR "${name} must be plain ASCII: write other characters percent-encoded (%C3%A9) and a "
      "host in its xn-- form. Set it with -D${name}=<${what}>.")
  endif()
  if(NOT value MATCHES "${form}")
    message(FATAL_ERROR "${name} must be ${what} (it is \"${value}\"). Set it with -D${name}=<${what}>.")
  endif()
endfunction()

foreach(_quorvane_web_setting QUORVANE_WEB_ADDRESS QUORVANE_BUG_TRACKER QUORVANE_HELP_ADDRESS)
  quorvane_check_address(${_quorvane_web_setting} "^https://[^/?#@]+" "a web address starting with https://")
endforeach()
quorvane_check_address(QUORVANE_SUPPORT_EMAIL "^[A-Za-z0-9.!#$%&'*+/=?^_`{|}~-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"
  "a plain mail address, such as support@example.org")

# `text` made fit for XML character data and attribute values, in `out`.
function(quorvane_xml_escape out text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  string(REPLACE "'" "&apos;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The AppStream metainfo from its template, every address escaped: a legal
# address such as https://a.example/?a=1&b=2 holds an ampersand. Needs
# QUORVANE_APP_ID, PROJECT_VERSION and QUORVANE_RELEASE_DATE.
function(quorvane_write_metainfo template output)
  # The web site holds the screenshots of docs/ under screenshots/.
  string(REGEX REPLACE "/+$" "" screenshots "${QUORVANE_WEB_ADDRESS}")
  quorvane_xml_escape(QUORVANE_SCREENSHOTS "${screenshots}/screenshots/")
  foreach(name QUORVANE_WEB_ADDRESS QUORVANE_BUG_TRACKER QUORVANE_HELP_ADDRESS)
    quorvane_xml_escape(${name} "${${name}}")
  endforeach()
  configure_file("${template}" "${output}" @ONLY)
endfunction()
