#!/bin/sh
# Installs the build into a fresh prefix and builds the library's C test from
# the installed files alone: once with only what pkg-config gives, once as a
# CMake project by find_package. Both must give the command line's bytes;
# the installed Python module must load the installed library.
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

cc -std=c11 -D_POSIX_C_SOURCE=200809L -o "$work/pkg_config_test" "$tests/library_bytes_test.c" \
  $(pkg-config --cflags --libs kestrova-barcode)
"$work/pkg_config_test" "$program" "$work/bytes"

cmake -S "$tests/find_package" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$work/prefix" -DKBC_TESTS="$tests" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/library_bytes_test" "$program" "$work/bytes"

# The installed Python module finds the installed library by its soname.
PYTHONPATH="$work/prefix/lib/python3/dist-packages" /usr/bin/python3 -c '
import kestrova_barcode
assert kestrova_barcode.render("EAN-13", "590123412345").startswith(b"<?xml")
assert kestrova_barcode.__file__.startswith("'"$work"'/prefix/")'
