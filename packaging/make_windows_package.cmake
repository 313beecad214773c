# Stages the Windows edition and packs the portable zip: the programs, the
# read-me and the licence in one folder named after the package, as the zip
# unpacks. Text files get Windows line ends, so Notepad on Windows 7 shows
# them right. Needs STAGE (the folder), CLI, WINDOW (empty when the build has
# no window), PAGE (the web page, segcalc.html; empty when none), README
# (configured, UTF-8 with mark), LICENSE and ZIP.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})

foreach(program IN ITEMS ${WINDOW} ${CLI} ${PAGE})
  file(COPY ${program} DESTINATION ${STAGE})
endforeach()

function(windows_text source target)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${STAGE}/${target} "${text}")
endfunction()
windows_text(${README} README.txt)
windows_text(${LICENSE} LICENSE.txt)

get_filename_component(parent ${STAGE} DIRECTORY)
get_filename_component(folder ${STAGE} NAME)
file(REMOVE ${ZIP})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${folder}
  WORKING_DIRECTORY ${parent}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "packing ${ZIP} failed (${status})")
endif()
