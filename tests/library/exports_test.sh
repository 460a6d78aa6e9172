#!/bin/sh
# The shared library defines no dynamic symbol but the kbc_ functions, and
# every one of the header's functions: nothing of the C++ inside leaks out.
# Usage: exports_test.sh LIBRARY HEADER
set -eu
defined=$(readelf --dyn-syms -W "$1" | awk '$7 != "UND" && ($5 == "GLOBAL" || $5 == "WEAK") { print $8 }' | sort)
others=$(printf '%s\n' "$defined" | grep -v '^kbc_' || true)
if [ -n "$others" ]; then
  echo "exported besides kbc_: $others"
  exit 1
fi
declared=$(grep -o 'kbc_[a-z_]*(' "$2" | tr -d '(' | sort -u)
if [ "$declared" != "$(printf '%s\n' "$defined" | sort -u)" ]; then
  printf 'declared:\n%s\nexported:\n%s\n' "$declared" "$defined"
  exit 1
fi
