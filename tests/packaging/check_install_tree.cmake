# Checks an installed tree beyond what the desktop-entry and AppStream
# validators see: the exact file set, icon sizes, and that the entries point
# at what was really installed. Needs ROOT, APP_ID and PAGE (maybe empty).
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)
set(prefix ${ROOT}/usr)

segcalc_expect_installed_files(${ROOT})
segcalc_expect_cli_runs(${prefix}/bin/segcalc-cli)
segcalc_expect_workbench_page(${ROOT} ${prefix})

# Installed programs find libraries only where the system looks.
foreach(program segcalc segcalc-cli)
  execute_process(COMMAND readelf -d ${prefix}/bin/${program} OUTPUT_VARIABLE dynamic
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR dynamic MATCHES "R(UN)?PATH")
    message(FATAL_ERROR "${program}: readelf ${status}, or a runpath:\n${dynamic}")
  endif()
endforeach()

# A PNG's width and height are the big-endian words at bytes 16 and 20; a
# theme that finds a 32 px image in 48x48 scales it blurry.
foreach(size 16 32 48 128 256)
  set(png ${prefix}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size
     OR NOT height EQUAL size)
    message(FATAL_ERROR "${png}: expected a ${size}x${size} PNG, "
                        "found signature ${signature}, ${width}x${height}")
  endif()
endforeach()

# A key's value, with the semicolons of list values written as commas: CMake
# would take them for list separators.
function(desktop_key file key out)
  file(READ ${file} text)
  string(REPLACE ";" "," text "${text}")
  string(REGEX MATCHALL "\n${key}=[^\n]*" lines "\n${text}")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${file}: expected one ${key}= line, found ${count}")
  endif()
  string(REGEX REPLACE "^\n${key}=" "" value "${lines}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

set(desktop ${prefix}/share/applications/${APP_ID}.desktop)
desktop_key(${desktop} Exec exec)
if(NOT EXISTS ${prefix}/bin/${exec})
  message(FATAL_ERROR "${desktop}: Exec=${exec} is not an installed program")
endif()
desktop_key(${desktop} Icon icon)
if(NOT EXISTS ${prefix}/share/icons/hicolor/scalable/apps/${icon}.svg)
  message(FATAL_ERROR "${desktop}: Icon=${icon} is not an installed icon")
endif()
desktop_key(${desktop} Categories categories)
if(NOT categories STREQUAL "Qt,Utility,Calculator,")
  message(FATAL_ERROR "${desktop}: Categories=${categories}")
endif()
desktop_key(${desktop} "Name\\[zh_CN\\]" chinese_name)
if(NOT chinese_name STREQUAL "求半径")
  message(FATAL_ERROR "${desktop}: Name[zh_CN]=${chinese_name}")
endif()

# The metainfo's release must be the version the programs report.
set(metainfo ${prefix}/share/metainfo/${APP_ID}.metainfo.xml)
file(READ ${metainfo} xml)
if(NOT xml MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
  message(FATAL_ERROR "${metainfo}: no launchable for ${APP_ID}.desktop")
endif()
if(NOT xml MATCHES "<release version=\"([^\"]*)\"")
  message(FATAL_ERROR "${metainfo}: no release")
endif()
set(release ${CMAKE_MATCH_1})
execute_process(COMMAND ${prefix}/bin/segcalc-cli --version OUTPUT_VARIABLE reported)
if(NOT reported STREQUAL "segcalc-cli ${release}\n")
  message(FATAL_ERROR "metainfo release ${release}, segcalc-cli reports: ${reported}")
endif()
