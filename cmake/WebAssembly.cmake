# The web edition, built with emscripten (`make web`): the same libraries as
# the native programs, compiled to WebAssembly for the page in web/ and, for
# the tests, for node.

# libc++ 13 lacks std::bit_cast and the floating-point to_chars and
# from_chars the calculation reads and writes its numbers with; this header
# gives them to every source.
add_compile_options("SHELL:-include ${PROJECT_SOURCE_DIR}/web/libcxx_fallbacks.h")

# Tests run under node; emcmake names it with a flag that node 20 refuses.
find_program(SEGCALC_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${SEGCALC_NODE})

# A program run by node (tests, segcalc-cli): the real file system, memory
# that grows, the WebAssembly inside the script (node 20's fetch would trip
# over a separate file), and the exit status of main.
function(segcalc_node_program target)
  target_link_options(${target} PRIVATE
    -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sSINGLE_FILE=1 -sEXIT_RUNTIME=1)
endfunction()

# Linking runs emscripten's JavaScript tools with node; a node not from
# Debian finds their modules (acorn and others) only where Debian keeps them.
if(IS_DIRECTORY /usr/share/nodejs)
  set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs")
endif()
