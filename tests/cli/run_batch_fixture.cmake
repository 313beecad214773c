# Runs segcalc-cli --batch on INPUT and compares its standard output with
# EXPECTED byte for byte, and its exit status with EXPECTED_STATUS.
execute_process(
  COMMAND ${CLI} --batch ${INPUT}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE messages
  RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/batch_fixture_actual.tsv "${actual}")
  message(FATAL_ERROR "output differs from ${EXPECTED}; got:\n${actual}")
endif()
if(NOT status EQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\n${messages}")
endif()
