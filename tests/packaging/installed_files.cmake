# What a segcalc install holds under its prefix, shared by the install-tree
# and .deb checks: a file that goes missing or lands elsewhere fails both.
# Needs APP_ID, and PAGE (the web page the build ships; empty when none);
# the prefix is usr/ in both places.
set(SEGCALC_INSTALLED_FILES
  usr/bin/segcalc
  usr/bin/segcalc-cli
  usr/share/applications/${APP_ID}.desktop
  usr/share/doc/segcalc/copyright
  usr/share/icons/hicolor/128x128/apps/${APP_ID}.png
  usr/share/icons/hicolor/16x16/apps/${APP_ID}.png
  usr/share/icons/hicolor/256x256/apps/${APP_ID}.png
  usr/share/icons/hicolor/32x32/apps/${APP_ID}.png
  usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
  usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
  usr/share/metainfo/${APP_ID}.metainfo.xml
)
if(PAGE)
  list(APPEND SEGCALC_INSTALLED_FILES
    usr/share/applications/${APP_ID}.workbench.desktop
    usr/share/segcalc/segcalc.html)
endif()

# Fails unless ROOT holds exactly the files above.
function(segcalc_expect_installed_files root)
  file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
  list(SORT found)
  set(expected ${SEGCALC_INSTALLED_FILES})
  list(SORT expected)
  if(NOT found STREQUAL expected)
    list(JOIN found "\n  " found_text)
    list(JOIN expected "\n  " expected_text)
    message(FATAL_ERROR "installed files differ\nexpected:\n  ${expected_text}\n"
                        "found:\n  ${found_text}")
  endif()
endfunction()

# The start-up example, through the installed segcalc-cli: proves the program
# runs from where it was put, not just that a file of that name exists.
function(segcalc_expect_cli_runs cli)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
                          ${cli} --arc 2491.78 --chord 2067.63
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  set(expected "弧长\t2491.78\n弦长\t2067.63\n弦高\t591.83\n半径\t1200\n夹角\t119.03\n")
  if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "${cli} on the start-up example: status ${status}\n"
                        "expected:\n${expected}got:\n${out}${err}")
  endif()
endfunction()

# The page is the web build's, byte for byte, and its desktop entry opens
# that installed page (prefix: where the install put usr/, as seen from the
# entry) with xdg-open.
function(segcalc_expect_workbench_page root prefix)
  if(NOT PAGE)
    return()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${PAGE}
                          ${root}/usr/share/segcalc/segcalc.html RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "the installed segcalc.html is not ${PAGE}")
  endif()
  set(desktop ${root}/usr/share/applications/${APP_ID}.workbench.desktop)
  file(STRINGS ${desktop} exec REGEX "^Exec=")
  set(expected "Exec=xdg-open \"${prefix}/share/segcalc/segcalc.html\"")
  if(NOT exec STREQUAL expected)
    message(FATAL_ERROR "${desktop}: ${exec}, expected ${expected}")
  endif()
endfunction()
