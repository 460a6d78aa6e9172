# Installation of the library for other programs: the shared library with its
# soname links, the header, a pkg-config file and a CMake package. The
# program's own files are the component "Unspecified"; the library's are
# "library" (the shared object) and "development" (the rest).
include(CMakePackageConfigHelpers)

set_target_properties(kestrovabarcode PROPERTIES EXPORT_NAME barcode)
install(TARGETS kestrovabarcode EXPORT KestrovaBarCodeTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_COMPONENT development)
install(FILES library/include/kestrova/barcode.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kestrova
  COMPONENT development)

set(KBC_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH KBC_PC_TO_PREFIX /${KBC_PC_DIR} /)
string(REGEX REPLACE "/$" "" KBC_PC_TO_PREFIX "${KBC_PC_TO_PREFIX}")
configure_file(library/kestrova-barcode.pc.in kestrova-barcode.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kestrova-barcode.pc DESTINATION ${KBC_PC_DIR} COMPONENT development)

set(KBC_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/KestrovaBarCode)
install(EXPORT KestrovaBarCodeTargets NAMESPACE KestrovaBarCode:: DESTINATION ${KBC_CMAKE_DIR}
  COMPONENT development)
write_basic_package_version_file(KestrovaBarCodeConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES library/KestrovaBarCodeConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/KestrovaBarCodeConfigVersion.cmake
  DESTINATION ${KBC_CMAKE_DIR} COMPONENT development)

# The Python module, where Debian's python3 looks for packaged modules under
# the prefix /usr; nothing in it is compiled.
set(KBC_PYTHON_DIR lib/python3/dist-packages CACHE STRING "Where the Python module is installed, under the prefix")
install(FILES python/kestrova_barcode.py DESTINATION ${KBC_PYTHON_DIR} COMPONENT python)
