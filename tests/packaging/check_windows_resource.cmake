# Compiles a program's Windows resource script with the mingw cross windres,
# as a Windows build would, and reads the result back. Needs WINDRES, OBJDUMP,
# CXX (the preprocessor: windres's default cross gcc is not installed),
# SCRIPT, NAME (the program), CLI (to learn the version) and WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${SCRIPT}: ${text}")
endfunction()

function(windres)
  execute_process(
    COMMAND ${WINDRES} --preprocessor=${CXX} --preprocessor-arg=-E
            --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    fail("windres ${ARGN} failed (${status}):\n${out}${err}")
  endif()
endfunction()

# What gets linked: a COFF object with a resource section.
windres(-i ${SCRIPT} -O coff -o ${WORK}/${NAME}.o)
execute_process(COMMAND ${OBJDUMP} -h ${WORK}/${NAME}.o OUTPUT_VARIABLE sections)
if(NOT sections MATCHES "\\.rsrc")
  fail("the object has no .rsrc section:\n${sections}")
endif()

# What it holds: the binary resources, decompiled back to a script.
windres(-i ${SCRIPT} -O res -o ${WORK}/${NAME}.res)
windres(-i ${WORK}/${NAME}.res -O rc -o ${WORK}/${NAME}.decompiled.rc)
file(READ ${WORK}/${NAME}.decompiled.rc rc)

# Every resource in Simplified Chinese (0804): windres writes LANGUAGE only
# where it changes, so one such line that says 4, 2 covers them all.
string(REGEX MATCHALL "LANGUAGE [0-9]+, [0-9]+" languages "${rc}")
if(NOT languages STREQUAL "LANGUAGE 4, 2")
  fail("resource languages: ${languages}")
endif()

# The version is the one segcalc-cli reports, written as text and as the
# four numbers of the fixed block.
execute_process(COMMAND ${CLI} --version OUTPUT_VARIABLE reported)
if(NOT reported MATCHES "^segcalc-cli ([0-9]+)\\.([0-9]+)\n$")
  fail("unexpected --version output: ${reported}")
endif()
math(EXPR major "${CMAKE_MATCH_1}")
math(EXPR minor "${CMAKE_MATCH_2}")
set(version "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")

set(expected_lines
  " FILEVERSION ${major}, ${minor}, 0, 0\n"
  " PRODUCTVERSION ${major}, ${minor}, 0, 0\n"
  " FILEOS 0x40004\n"
  " FILETYPE 0x1\n"
  "    BLOCK \"080404B0\"\n"
  "      VALUE \"FileVersion\", \"${version}\"\n"
  "      VALUE \"ProductVersion\", \"${version}\"\n"
  "      VALUE \"OriginalFilename\", \"${NAME}.exe\"\n"
  # 求半径 in UTF-16: the script's UTF-8 was read as UTF-8.
  "      VALUE \"ProductName\", L\"\\x6c42\\x534a\\x5f84\"\n"
  "    VALUE \"Translation\", 0x804, 1200\n"
  # The icon group: 16 and 32 px, each in 16 colours (4 bits) and 256 (8).
  "   0, 1, 4,\t /* Has 4 elements.  */\n"
  "    \"\\020\\020\\020\\000\", 1, 4, "
  "    \"\\020\\020\\000\\000\", 1, 8, "
  "    \"\\040\\040\\020\\000\", 1, 4, "
  "    \"\\040\\040\\000\\000\", 1, 8, "
)
foreach(line IN LISTS expected_lines)
  string(FIND "${rc}" "${line}" at)
  if(at EQUAL -1)
    fail("the compiled resources lack:\n${line}\nthey are:\n${rc}")
  endif()
endforeach()

# Each image's own bitmap header agrees with the group: size 40, width,
# height doubled for the mask, one plane and the bit count in one word.
set(image_headers
  "1:0x28L      , 0x10L      , 0x20L      , 0x40001L"
  "2:0x28L      , 0x10L      , 0x20L      , 0x80001L"
  "3:0x28L      , 0x20L      , 0x40L      , 0x40001L"
  "4:0x28L      , 0x20L      , 0x40L      , 0x80001L")
foreach(entry IN LISTS image_headers)
  string(REGEX REPLACE ":.*" "" id "${entry}")
  string(REGEX REPLACE "^[0-9]+:" "" header "${entry}")
  string(FIND "${rc}" "\n${id} 3 /* RT_ICON */ MOVEABLE DISCARDABLE\nBEGIN\n  ${header}" at)
  if(at EQUAL -1)
    fail("icon image ${id} does not start with ${header}")
  endif()
endforeach()
