# segcalc-cli in a German locale, compiled into a scratch folder so that the
# machine needs no generated locales: numbers are read and written with the
# decimal comma, and the full stop groups thousands in the strict reading.
set(locales ${WORK_DIR}/locales)
file(MAKE_DIRECTORY ${locales})
execute_process(
  COMMAND localedef -i de_DE -f UTF-8 ${locales}/de_DE.UTF-8
  RESULT_VARIABLE status ERROR_VARIABLE messages OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "localedef failed (${status}): ${messages}")
endif()

function(expect_output expected)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LOCPATH=${locales} LC_ALL=de_DE.UTF-8 ${CLI} ${ARGN}
    OUTPUT_VARIABLE actual RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT actual STREQUAL expected)
    message(FATAL_ERROR "segcalc-cli ${ARGN}: status ${status}, output:\n${actual}")
  endif()
endfunction()

expect_output("弧长\t2491,78\n弦长\t2067,63\n弦高\t591,83\n半径\t1200\n夹角\t119,03\n"
  --arc 2491,78 --chord 2067,63)
expect_output("弧长\t2491.78\n弦长\t2067,63\n弦高\t591,83\n半径\t1200\n夹角\t119,03\n"
  --arc 2491.78 --chord 2067,63)
expect_output("弧长\t2765,74\n弦长\t1.000\n弦高\t1000\n半径\t624,7\n夹角\t253,8\n"
  --major --chord 1.000 --height 1000)
