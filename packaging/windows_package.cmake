# The Windows edition as shop users pass it around: the portable zip and the
# NSIS installer, both built with the programs, in the Windows build folder:
#   segcalc-<version>-win64.zip, segcalc-<version>-win64-setup.exe
# Each holds the window program when the build has one, and the web page
# beside it when the build was given one (SEGCALC_WORKBENCH_PAGE).
set(SEGCALC_PACKAGE_NAME segcalc-${PROJECT_VERSION}-win64)
set(SEGCALC_ZIP ${PROJECT_BINARY_DIR}/${SEGCALC_PACKAGE_NAME}.zip)
set(SEGCALC_SETUP ${PROJECT_BINARY_DIR}/${SEGCALC_PACKAGE_NAME}-setup.exe)
set(stage ${CMAKE_CURRENT_BINARY_DIR}/${SEGCALC_PACKAGE_NAME})

if(TARGET segcalc)
  set(window_program $<TARGET_FILE:segcalc>)
  set(SEGCALC_README_FILES
"  segcalc.exe      求半径,双击即可运行
  segcalc-cli.exe  命令行版,可成批计算")
  set(SEGCALC_README_MENU
"计算之后,在窗口任意处点右键打开菜单(各项也可用快捷键):
  复制结果  Ctrl+Shift+C  五项连同标题行,可直接粘贴到 Excel
  精确结果  Ctrl+R        用真 π 求得的精确值,与计算器的结果并列,附差值
  放样图    Ctrl+P        在浏览器中打开报告:精确值,纵距表,1:1 的 A4 拼接放样图,
                          打印时选 A4、缩放 100 %,先量蓝色校验条应为 100 mm
  导出 DXF  Ctrl+S        以毫米为单位的圆弧图形,供 CAD 和数控下料
  工作台    Ctrl+B        在浏览器中打开网页版,带上窗口中的弧长、弦长、弦高和\"小于半圆\";
                          不必先计算
计算器按行业沿用的规则(π 取 3.14)求解;按此规则无解但精确圆弧存在时
(例如弦长 8000、弦高 1000),菜单仍可用,各项取自精确圆弧。
数值与精确值相差较多的结果框以红字显示,鼠标停在框上可见精确值。

")
else()
  set(window_program "")
  set(SEGCALC_README_FILES "  segcalc-cli.exe  命令行版,可成批计算")
  set(SEGCALC_README_MENU "")
endif()
if(SEGCALC_WORKBENCH_PAGE)
  set(SEGCALC_README_FILES "${SEGCALC_README_FILES}
  segcalc.html     网页版(工作台),用浏览器打开")
  set(SEGCALC_README_WORKBENCH
"工作台:segcalc.html 是求半径的网页版,一个文件,双击即在浏览器中打开,不需要网络。
它有三页:与窗口相同的计算器(旁注真 π 下的精确值),精确圆弧与放样图、DXF,
以及从 Excel 粘贴的整张下料单。窗口右键菜单中的\"工作台\"(Ctrl+B)把窗口中的
三个数和\"小于半圆\"带进网页并立即算出;安装版的\"开始\"菜单中另有\"求半径 工作台\"。
手机上也能用:把 segcalc.html 用微信、QQ 或数据线传到手机,用手机浏览器打开即可,
离线也能计算。

")
else()
  set(SEGCALC_README_WORKBENCH "")
endif()
set(readme ${CMAKE_CURRENT_BINARY_DIR}/README.txt)
configure_file(windows/README.txt.in ${readme} @ONLY)

add_custom_command(OUTPUT ${SEGCALC_ZIP}
  COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DCLI=$<TARGET_FILE:segcalc-cli>
          -DWINDOW=${window_program} -DPAGE=${SEGCALC_WORKBENCH_PAGE} -DREADME=${readme}
          -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
          -DZIP=${SEGCALC_ZIP} -P ${CMAKE_CURRENT_SOURCE_DIR}/make_windows_package.cmake
  DEPENDS segcalc-cli $<TARGET_NAME_IF_EXISTS:segcalc> ${readme} ${PROJECT_SOURCE_DIR}/LICENSE
          ${SEGCALC_WORKBENCH_PAGE} ${CMAKE_CURRENT_SOURCE_DIR}/make_windows_package.cmake
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
  if(SEGCALC_WORKBENCH_PAGE)
    list(APPEND nsis_defines -DWITH_PAGE)
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
