# Runs FIRST and SECOND (each a command list) with ARGUMENTS and fails unless
# both succeed with the same standard output, byte for byte. On a difference
# both outputs are kept beside the test for a diff. The outputs go to files,
# not pipes: node, when it exits, drops whatever a pipe's reader (slow on a
# busy machine) has not taken yet.
set(first_file ${CMAKE_CURRENT_BINARY_DIR}/first_output.txt)
set(second_file ${CMAKE_CURRENT_BINARY_DIR}/second_output.txt)
execute_process(COMMAND ${FIRST} ${ARGUMENTS} OUTPUT_FILE ${first_file} RESULT_VARIABLE first_status)
execute_process(COMMAND ${SECOND} ${ARGUMENTS} OUTPUT_FILE ${second_file}
                RESULT_VARIABLE second_status)
if(NOT first_status EQUAL 0 OR NOT second_status EQUAL 0)
  message(FATAL_ERROR "exit status ${first_status} and ${second_status}")
endif()
file(READ ${first_file} first)
file(READ ${second_file} second)
string(LENGTH "${first}" length)
if(length EQUAL 0)
  message(FATAL_ERROR "no output from ${FIRST}")
endif()
if(NOT first STREQUAL second)
  message(FATAL_ERROR "the outputs differ: see first_output.txt and second_output.txt")
endif()
file(REMOVE ${first_file} ${second_file})
message(STATUS "${length} bytes, the same from both")
