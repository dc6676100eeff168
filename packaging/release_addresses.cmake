# The web and support addresses of a release go as they are into a C string
# of the About box, the package's fields and the metainfo. Configuring stops
# on one that would not, naming the setting, as it does for a banner
# password of the wrong length. The top CMakeLists.txt includes this file;
# `cmake -DQUORVANE_WEB_ADDRESS=... -DQUORVANE_SUPPORT_EMAIL=... -P` runs the
# same checks alone.
string(ASCII 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 127
  _quorvane_controls)

function(quorvane_check_address name form what)
  set(value "${${name}}")
  # A semicolon would split the value into two in CMake's own lists.
  if(value MATCHES "[\"\\\\ ;${_quorvane_controls}]")
    message(FATAL_ERROR "${name} must not hold a quote, a backslash, a semicolon, a control character or a "
      "blank (it is \"${value}\"). Set it with -D${name}=<${what}>.")
  endif()
  if(NOT value MATCHES "${form}")
    message(FATAL_ERROR "${name} must be ${what} (it is \"${value}\"). Set it with -D${name}=<${what}>.")
  endif()
endfunction()

quorvane_check_address(QUORVANE_WEB_ADDRESS "^https://[^/?#@]+" "a web address starting with https://")
quorvane_check_address(QUORVANE_SUPPORT_EMAIL "^[A-Za-z0-9.!#$%&'*+/=?^_`{|}~-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"
  "a plain mail address, such as support@example.org")
