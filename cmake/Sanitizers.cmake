# Two instrumented builds, each in a folder of its own:
#   SEGCALC_SANITIZE  every target (tests included) with AddressSanitizer and
#                     UndefinedBehaviorSanitizer; any report ends the process.
#   SEGCALC_FUZZ      clang with libFuzzer coverage on every target, so the fuzz
#                     targets in fuzz/ see into the code they drive.
# Both are set here, before any subfolder, so that targets added later get the
# same flags without being listed.

option(SEGCALC_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(SEGCALC_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(SEGCALC_SANITIZE OR SEGCALC_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(SEGCALC_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "SEGCALC_FUZZ needs clang; configure with -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
