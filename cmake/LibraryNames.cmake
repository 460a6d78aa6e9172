# The file names of the libraries the program opens with dlopen, read at
# configure time from the shared objects their development files install (in
# the local build libtiff, libjpeg and libdmtx are linked in instead), so
# that the program opens the interface it was compiled against and no version
# is written into the source. Written to library_names.h in the build tree.
#
# Each name is the library's SONAME. The Debian package that ships that file
# goes into the package's dependencies (the shared-library scan cannot see
# dlopen): KBC_OPENED_PACKAGES.

# kbc_soname(<var> <library name> [<folder hint>...]): the SONAME of lib<name>.so.
function(kbc_soname var name)
  find_library(KBC_${var}_FILE NAMES ${name} HINTS ${ARGN} NO_CACHE REQUIRED)
  execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${KBC_${var}_FILE}
    OUTPUT_VARIABLE dynamic RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0 OR NOT dynamic MATCHES "SONAME +([^ \n]+)")
    message(FATAL_ERROR "No SONAME in ${KBC_${var}_FILE} (objdump: ${CMAKE_OBJDUMP})")
  endif()
  set(soname ${CMAKE_MATCH_1})
  set(${var} ${soname} PARENT_SCOPE)
  get_filename_component(folder ${KBC_${var}_FILE} DIRECTORY)
  execute_process(COMMAND dpkg-query -S ${folder}/${soname}
    OUTPUT_VARIABLE owner RESULT_VARIABLE status ERROR_QUIET)
  if(status EQUAL 0 AND owner MATCHES "^([^:, ]+)")
    set(KBC_OPENED_PACKAGES ${KBC_OPENED_PACKAGES} ${CMAKE_MATCH_1} PARENT_SCOPE)
  endif()
  message(STATUS "Opened on demand: ${soname}")
endfunction()

set(KBC_OPENED_PACKAGES)
kbc_soname(KBC_ZINT_SONAME zint)
kbc_soname(KBC_QRENCODE_SONAME qrencode ${KBC_OPENED_DEPS_LIBRARY_DIRS})
kbc_soname(KBC_HARFBUZZ_SONAME harfbuzz ${KBC_OPENED_DEPS_LIBRARY_DIRS})
kbc_soname(KBC_CAIRO_SONAME cairo ${KBC_OPENED_DEPS_LIBRARY_DIRS})
kbc_soname(KBC_FONTCONFIG_SONAME fontconfig ${KBC_OPENED_DEPS_LIBRARY_DIRS})
kbc_soname(KBC_TIFF_SONAME tiff ${KBC_SOME_RUNS_DEPS_LIBRARY_DIRS})
kbc_soname(KBC_JPEG_SONAME jpeg ${KBC_SOME_RUNS_DEPS_LIBRARY_DIRS})
kbc_soname(KBC_DMTX_SONAME dmtx ${KBC_SOME_RUNS_DEPS_LIBRARY_DIRS})
list(REMOVE_DUPLICATES KBC_OPENED_PACKAGES)
configure_file(${CMAKE_CURRENT_LIST_DIR}/library_names.h.in ${CMAKE_BINARY_DIR}/generated/platform/library_names.h @ONLY)
