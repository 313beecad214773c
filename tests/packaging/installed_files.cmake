# What a segcalc install holds under its prefix, shared by the install-tree
# and .deb checks: a file that goes missing or lands elsewhere fails both.
# Needs APP_ID; the prefix is usr/ in both places.
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
