# Runs FIRST and SECOND (each a command list) with ARGUMENTS and fails unless
# both succeed with the same standard output, byte for byte. On a difference
# both outputs are kept beside the test for a diff.
execute_process(COMMAND ${FIRST} ${ARGUMENTS} OUTPUT_VARIABLE first RESULT_VARIABLE first_status)
execute_process(COMMAND ${SECOND} ${ARGUMENTS} OUTPUT_VARIABLE second RESULT_VARIABLE second_status)
if(NOT first_status EQUAL 0 OR NOT second_status EQUAL 0)
  message(FATAL_ERROR "exit status ${first_status} and ${second_status}")
endif()
string(LENGTH "${first}" length)
if(length EQUAL 0)
  message(FATAL_ERROR "no output from ${FIRST}")
endif()
if(NOT first STREQUAL second)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/first_output.txt "${first}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/second_output.txt "${second}")
  message(FATAL_ERROR "the outputs differ: see first_output.txt and second_output.txt")
endif()
message(STATUS "${length} bytes, the same from both")
