# The Windows edition as shop users pass it around: the portable zip and the
# NSIS installer, both built with the programs, in the Windows build folder:
#   segcalc-<version>-win64.zip, segcalc-<version>-win64-setup.exe
# Each holds the window program when the build has one.
set(SEGCALC_PACKAGE_NAME segcalc-${PROJECT_VERSION}-win64)
set(SEGCALC_ZIP ${PROJECT_BINARY_DIR}/${SEGCALC_PACKAGE_NAME}.zip)
set(SEGCALC_SETUP ${PROJECT_BINARY_DIR}/${SEGCALC_PACKAGE_NAME}-setup.exe)
set(stage ${CMAKE_CURRENT_BINARY_DIR}/${SEGCALC_PACKAGE_NAME})

if(TARGET segcalc)
  set(window_program $<TARGET_FILE:segcalc>)
  set(SEGCALC_README_FILES
"  segcalc.exe      求半径,双击即可运行
  segcalc-cli.exe  命令行版,可成批计算")
else()
  set(window_program "")
  set(SEGCALC_README_FILES "  segcalc-cli.exe  命令行版,可成批计算")
endif()
set(readme ${CMAKE_CURRENT_BINARY_DIR}/README.txt)
configure_file(windows/README.txt.in ${readme} @ONLY)

add_custom_command(OUTPUT ${SEGCALC_ZIP}
  COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DCLI=$<TARGET_FILE:segcalc-cli>
          -DWINDOW=${window_program} -DREADME=${readme} -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
          -DZIP=${SEGCALC_ZIP} -P ${CMAKE_CURRENT_SOURCE_DIR}/make_windows_package.cmake
  DEPENDS segcalc-cli $<TARGET_NAME_IF_EXISTS:segcalc> ${readme} ${PROJECT_SOURCE_DIR}/LICENSE
          ${CMAKE_CURRENT_SOURCE_DIR}/make_windows_package.cmake
  COMMENT "Packing ${SEGCALC_PACKAGE_NAME}.zip"
  VERBATIM)
set(packages ${SEGCALC_ZIP})

find_program(SEGCALC_MAKENSIS makensis)
if(SEGCALC_MAKENSIS)
  set(nsis_defines -DVERSION=${PROJECT_VERSION} -DRC_VERSION=${version_major}.${version_minor}.0.0
      -DSTAGE=${stage} -DICON=${SEGCALC_WINDOWS_ICON} -DOUTFILE=${SEGCALC_SETUP})
  if(TARGET segcalc)
    list(APPEND nsis_defines -DWITH_WINDOW)
  endif()
  # The zip's staging folder is the installer's input too.
  add_custom_command(OUTPUT ${SEGCALC_SETUP}
    COMMAND ${SEGCALC_MAKENSIS} -V2 -INPUTCHARSET UTF8 ${nsis_defines}
            ${CMAKE_CURRENT_SOURCE_DIR}/windows/segcalc.nsi
    DEPENDS ${SEGCALC_ZIP} ${CMAKE_CURRENT_SOURCE_DIR}/windows/segcalc.nsi ${SEGCALC_WINDOWS_ICON}
    COMMENT "Building ${SEGCALC_PACKAGE_NAME}-setup.exe"
    VERBATIM)
  list(APPEND packages ${SEGCALC_SETUP})
else()
  message(WARNING "makensis not found: no installer (install-deps.sh windows installs nsis)")
endif()

add_custom_target(windows_packages ALL DEPENDS ${packages})
