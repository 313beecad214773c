# Builds the .deb as `make package` does, unpacks it into a scratch folder,
# runs the unpacked segcalc-cli and reads the package's declared fields.
# Needs CPACK, CONFIG (CPackConfig.cmake), WORK, APP_ID, VERSION and PAGE
# (the web page the build ships; empty when none).
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)
file(REMOVE_RECURSE ${WORK})

execute_process(COMMAND ${CPACK} -G DEB --config ${CONFIG} -B ${WORK}/out
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (${status}):\n${out}${err}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb ${WORK}/out/segcalc_${VERSION}_${arch}.deb)
file(GLOB debs ${WORK}/out/*.deb)
if(NOT debs STREQUAL deb)
  message(FATAL_ERROR "expected exactly ${deb}, cpack made: ${debs}")
endif()

function(deb_field name out)
  execute_process(COMMAND dpkg-deb -f ${deb} ${name} OUTPUT_VARIABLE value
                  RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -f ${deb} ${name} failed")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

deb_field(Package package)
deb_field(Version version)
deb_field(Architecture architecture)
if(NOT package STREQUAL "segcalc" OR NOT version STREQUAL "${VERSION}"
   OR NOT architecture STREQUAL "${arch}")
  message(FATAL_ERROR "control fields: ${package} ${version} ${architecture}")
endif()

# Depends: the libraries the programs link (from dpkg-shlibdeps), Qt's
# platform plugins and translations, a CJK font and xdg-open, which are only
# loaded or run at run time; no build-time package, and no package named twice.
deb_field(Depends depends)
string(REPLACE ", " ";" groups "${depends}")
set(names "")
foreach(group IN LISTS groups)
  string(REGEX REPLACE " *\\([^)]*\\)" "" group "${group}")
  list(APPEND names "${group}")
endforeach()
set(needed libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins
    qt6-translations-l10n xdg-utils)
foreach(name IN LISTS needed)
  list(FIND names ${name} at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Depends lacks ${name}: ${depends}")
  endif()
endforeach()
if(NOT depends MATCHES "(^|, )fonts-noto-cjk( |,|$)")
  message(FATAL_ERROR "Depends names no CJK font: ${depends}")
endif()
if(depends MATCHES "-dev( |,|$)")
  message(FATAL_ERROR "Depends names a development package: ${depends}")
endif()
set(unique ${names})
list(REMOVE_DUPLICATES unique)
if(NOT unique STREQUAL names)
  message(FATAL_ERROR "Depends names a package twice: ${depends}")
endif()

execute_process(COMMAND dpkg-deb -x ${deb} ${WORK}/root RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x ${deb} failed")
endif()
segcalc_expect_installed_files(${WORK}/root)
segcalc_expect_cli_runs(${WORK}/root/usr/bin/segcalc-cli)
segcalc_expect_workbench_page(${WORK}/root /usr)
