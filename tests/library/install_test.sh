#!/bin/sh
# Installs the build into a fresh prefix and builds the library's C test from
# the installed files alone: once with only what pkg-config gives, once as a
# CMake project by find_package. Both must give the command line's bytes.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR WORK_DIR PROGRAM
set -eu
build=$1 source=$2 work=$3 program=$4
tests=$source/tests/library
rm -rf "$work"
mkdir -p "$work/bytes"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
pc=$(find "$work/prefix" -name kestrova-barcode.pc)
libdir=$(dirname "$(dirname "$pc")")
export PKG_CONFIG_PATH="$(dirname "$pc")" LD_LIBRARY_PATH="$libdir" SOURCE_DATE_EPOCH=1796584560

cc -std=c11 -D_POSIX_C_SOURCE=200809L -o "$work/pkg_config_test" "$tests/library_bytes_test.c" "$tests/c_support.c" \
  $(pkg-config --cflags --libs kestrova-barcode)
"$work/pkg_config_test" "$program" "$work/bytes"

cmake -S "$tests/find_package" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$work/prefix" -DKBC_TESTS="$tests" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/library_bytes_test" "$program" "$work/bytes"
