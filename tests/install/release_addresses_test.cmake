# Each row is one value of one setting that configuring must refuse, with
# the words that say why, or one it must take (no words): then the metainfo
# written with it must be valid XML and AppStream. The placeholders and two
# real-looking addresses pass. Run with -DCHECKS=<packaging/release_addresses.cmake>
# -DMETAINFO=<its template> -DAPPSTREAMCLI=<appstreamcli> -DSCRATCH=<a folder>.
set(good_WEB_ADDRESS "https://quorvane-sinuvar.example/")
set(good_BUG_TRACKER "https://quorvane-sinuvar.example/bugs/")
set(good_HELP_ADDRESS "https://quorvane-sinuvar.example/help/")
set(good_SUPPORT_EMAIL "support@tolvenix.example")

function(expect setting value words)
  foreach(name WEB_ADDRESS BUG_TRACKER HELP_ADDRESS SUPPORT_EMAIL)
    set(QUORVANE_${name} "${good_${name}}")
  endforeach()
  set(QUORVANE_${setting} "${value}")
  # Quoted one by one: a list would split a value at its semicolon.
  execute_process(COMMAND ${CMAKE_COMMAND} "-DQUORVANE_WEB_ADDRESS=${QUORVANE_WEB_ADDRESS}"
    "-DQUORVANE_BUG_TRACKER=${QUORVANE_BUG_TRACKER}" "-DQUORVANE_HELP_ADDRESS=${QUORVANE_HELP_ADDRESS}"
    "-DQUORVANE_SUPPORT_EMAIL=${QUORVANE_SUPPORT_EMAIL}" -P ${CHECKS} RESULT_VARIABLE failed ERROR_VARIABLE said)
  string(REGEX REPLACE "[ \n]+" " " said "${said}")  # the message comes wrapped
  if(words STREQUAL "" AND failed)
    message(SEND_ERROR "QUORVANE_${setting}=\"${value}\" is refused: ${said}")
  elseif(NOT words STREQUAL "" AND NOT said MATCHES "QUORVANE_${setting} must ${words}")
    message(SEND_ERROR "QUORVANE_${setting}=\"${value}\": expected \"${words}\", got: ${said}")
  endif()
  if(NOT words STREQUAL "" OR failed)
    return()
  endif()
  # Taken: the metainfo written with it still reads as it should.
  include(${CHECKS})
  set(QUORVANE_APP_ID com.tolvenix.QuorvaneSinuvar)
  set(PROJECT_VERSION 1.0.0)
  set(QUORVANE_RELEASE_DATE 2026-12-08)
  set(metainfo "${SCRATCH}/${QUORVANE_APP_ID}.metainfo.xml")
  quorvane_write_metainfo("${METAINFO}" "${metainfo}")
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo}
    RESULT_VARIABLE invalid OUTPUT_VARIABLE told ERROR_VARIABLE told)
  if(invalid)
    message(SEND_ERROR "QUORVANE_${setting}=\"${value}\" gives a metainfo that appstreamcli refuses: ${told}")
  endif()
endfunction()

string(ASCII 9 tab)
string(ASCII 27 escape)
string(ASCII 194 133 next_line)  # U+0085, a C1 control
string(ASCII 194 155 csi)  # U+009B, the C1 control sequence introducer
string(ASCII 194 160 no_break_space)  # U+00A0
string(ASCII 226 128 168 line_separator)  # U+2028
string(ASCII 226 128 174 right_to_left)  # U+202E, the bidi override
string(ASCII 255 not_utf8)
set(hold "not hold a quote, a backslash, a semicolon, a control character or a blank")
set(ascii "be plain ASCII")
set(https "be a web address starting with https://")
expect(WEB_ADDRESS "https://quorvane.example/\"x" "${hold}")
expect(WEB_ADDRESS "https://quorvane.example/\\x" "${hold}")
expect(WEB_ADDRESS "https://quorvane.example/ x" "${hold}")
expect(WEB_ADDRESS "https://quorvane.example/${tab}x" "${hold}")
expect(WEB_ADDRESS "https://quorvane.example/${escape}" "${hold}")
expect(WEB_ADDRESS "https://quorvane.example/a;b" "${hold}")
expect(WEB_ADDRESS "https://quorvane.example/${next_line}x" "${ascii}")
expect(WEB_ADDRESS "https://quorvane.example/${csi}x" "${ascii}")
expect(WEB_ADDRESS "https://quorvane.example/${no_break_space}x" "${ascii}")
expect(WEB_ADDRESS "https://quorvane.example/${line_separator}x" "${ascii}")
expect(WEB_ADDRESS "https://quorvane.example/${right_to_left}x" "${ascii}")
expect(WEB_ADDRESS "https://quorvane.example/${not_utf8}" "${ascii}")
expect(WEB_ADDRESS "http://quorvane.example/" "${https}")
expect(WEB_ADDRESS "quorvane.example" "${https}")
expect(WEB_ADDRESS "https://a.example/?a=1&b=2" "")
expect(WEB_ADDRESS "https://a.example/<x>'" "")
expect(BUG_TRACKER "https://a.example/\"</url><x>" "${hold}")
expect(BUG_TRACKER "https://a.example/${right_to_left}" "${ascii}")
expect(BUG_TRACKER "ftp://a.example/" "${https}")
expect(BUG_TRACKER "https://a.example/bugs?new&x=<y>" "")
expect(HELP_ADDRESS "https://a.example/${line_separator}" "${ascii}")
expect(HELP_ADDRESS "https://a.example/ help" "${hold}")
expect(HELP_ADDRESS "a.example/help" "${https}")
expect(HELP_ADDRESS "https://a.example/help?a=1&b=2" "")
expect(SUPPORT_EMAIL "\"s\"@tolvenix.example" "${hold}")
expect(SUPPORT_EMAIL "s\\@tolvenix.example" "${hold}")
expect(SUPPORT_EMAIL "Tolvenix <s@tolvenix.example>" "${hold}")
expect(SUPPORT_EMAIL "s${tab}@tolvenix.example" "${hold}")
expect(SUPPORT_EMAIL "s${next_line}@tolvenix.example" "${ascii}")
expect(SUPPORT_EMAIL "mailto:s@tolvenix.example" "be a plain mail address")
expect(SUPPORT_EMAIL "support" "be a plain mail address")
expect(SUPPORT_EMAIL "first.last+game@mail.tolvenix.example" "")
