# find_package(KestrovaBarCode) gives the target KestrovaBarCode::barcode.
include("${CMAKE_CURRENT_LIST_DIR}/KestrovaBarCodeTargets.cmake")
