# Installs the build into a fresh scratch prefix: ROOT/usr.
# Needs BUILD_DIR and ROOT.
file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${ROOT}/usr
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${ROOT} failed: ${status}")
endif()
