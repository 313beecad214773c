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

# With SHEET: the same list's --sheet, as a spreadsheet, byte for byte.
if(DEFINED SHEET)
  set(sheet_file ${CMAKE_CURRENT_BINARY_DIR}/batch_fixture_sheet.csv)
  file(REMOVE ${sheet_file})
  execute_process(
    COMMAND ${CLI} --batch ${INPUT} --sheet ${sheet_file}
    OUTPUT_QUIET ERROR_QUIET)
  file(READ ${SHEET} expected HEX)
  file(READ ${sheet_file} actual HEX)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "--sheet differs from ${SHEET}: see ${sheet_file}")
  endif()
endif()
