# Tests of the Windows build run the real .exe files under Wine (the toolchain
# file makes Wine the emulator, so add_test runs an .exe target through it).
# They share one Wine prefix inside the build folder, made once by the
# wine_prefix fixture (tests/windows): quietly, without a terminal, with no
# Mono or Gecko install prompts, and set to report Windows 7.
find_program(SEGCALC_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(SEGCALC_WINESERVER NAMES wineserver)

# Test programs run through a launcher that starts a program again when Wine
# turned it away before it ran (a start that meets another program's end).
set(CMAKE_CROSSCOMPILING_EMULATOR sh ${PROJECT_SOURCE_DIR}/tests/windows/wine_run.sh ${SEGCALC_WINE})

set(SEGCALC_WINE_PREFIX ${PROJECT_BINARY_DIR}/wineprefix)
set(SEGCALC_WINE_ENVIRONMENT
  WINE=${SEGCALC_WINE}
  WINESERVER=${SEGCALC_WINESERVER}
  WINEPREFIX=${SEGCALC_WINE_PREFIX}
  WINEDEBUG=-all
  WINEDLLOVERRIDES=mscoree,mshtml=
  WINEARCH=win64
  LC_ALL=C.UTF-8)

# Runs the named tests (of the calling folder) in the shared prefix.
function(segcalc_use_wine)
  set_tests_properties(${ARGN} PROPERTIES
    ENVIRONMENT "${SEGCALC_WINE_ENVIRONMENT}"
    FIXTURES_REQUIRED wine_prefix)
endfunction()

# A test that runs Windows programs: add_test's NAME and COMMAND in one. Shell
# scripts find Wine in $WINE and wineserver in $WINESERVER. These tests take
# turns: Wine keeps the user's number settings in the prefix's registry and
# rewrites them whenever a program starts in another locale (LC_ALL), so a
# test in a German locale would change the separators of one running beside
# it.
function(segcalc_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  segcalc_use_wine(${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_user_locale)
endfunction()
