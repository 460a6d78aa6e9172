#!/bin/sh
# pip install ./python in a fresh virtual environment, offline, then the
# module from that environment draws an EAN-13 through the built library.
# Usage: venv_install_test.sh PYTHON MODULE_FOLDER LIBRARY_FOLDER WORK_FOLDER
set -eu
python=$1 module=$2 library=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
# pip builds in a copy: the source tree stays clean.
cp -R "$module" "$work/source"
"$python" -m venv "$work/venv"
"$work/venv/bin/pip" install --quiet --no-index --disable-pip-version-check "$work/source"
cd "$work"
KESTROVA_BARCODE_LIBRARY=$library "$work/venv/bin/python" - "$work/venv" <<'PYTHON'
import importlib.metadata
import sys

import kestrova_barcode

assert kestrova_barcode.__file__.startswith(sys.argv[1]), kestrova_barcode.__file__
assert importlib.metadata.version("kestrova-barcode") == kestrova_barcode.version()
assert len(kestrova_barcode.SYMBOLOGIES) == 93 and "EAN-13" in kestrova_barcode.SYMBOLOGIES
svg = kestrova_barcode.render("EAN-13", "590123412345")
assert svg.startswith(b"<?xml") and b"</svg>" in svg, svg[:100]
PYTHON
