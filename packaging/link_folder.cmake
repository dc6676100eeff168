# Where the link to the program goes under an install prefix: games/ under
# /usr and /usr/local, as Debian lays out games and as its PATH has them;
# bin/ under any other prefix, so that PREFIX=~/.local puts it in
# ~/.local/bin, on the user's PATH.
function(quorvane_link_folder prefix out)
  if(prefix MATCHES "^/usr(/local)?/*$")
    set(${out} games PARENT_SCOPE)
  else()
    set(${out} bin PARENT_SCOPE)
  endif()
endfunction()
