"""Builds the module's wheel for pip by hand: the module is one pure-Python
file, so a wheel is a zip of it and its metadata. Needing neither setuptools
nor wheel, `pip install ./python` works offline in any Python 3 environment."""
import base64
import hashlib
import os
import zipfile

NAME = "kestrova_barcode"
VERSION = "3.7.0"  # the library's, which the module loads by its soname
_SOURCE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), NAME + ".py")
_DIST_INFO = f"{NAME}-{VERSION}.dist-info"
_METADATA = (
    "Metadata-Version: 2.1\n"
    "Name: kestrova-barcode\n"
    f"Version: {VERSION}\n"
    "Summary: Barcodes drawn in memory through the Kestrova BarCode library\n"
    "Requires-Python: >=3.8\n"
)
_WHEEL = "Wheel-Version: 1.0\nGenerator: kestrova_wheel\nRoot-Is-Purelib: true\nTag: py3-none-any\n"


def _record_line(path, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode("ascii")
    return f"{path},sha256={digest},{len(data)}\n"


def get_requires_for_build_wheel(config_settings=None):
    return []


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    with open(_SOURCE, "rb") as source:
        files = {NAME + ".py": source.read()}
    files[_DIST_INFO + "/METADATA"] = _METADATA.encode("utf-8")
    files[_DIST_INFO + "/WHEEL"] = _WHEEL.encode("utf-8")
    record = "".join(_record_line(path, data) for path, data in files.items()) + _DIST_INFO + "/RECORD,,\n"
    files[_DIST_INFO + "/RECORD"] = record.encode("utf-8")
    wheel_name = f"{NAME}-{VERSION}-py3-none-any.whl"
    with zipfile.ZipFile(os.path.join(wheel_directory, wheel_name), "w", zipfile.ZIP_DEFLATED) as wheel:
        for path, data in files.items():
            wheel.writestr(path, data)
    return wheel_name
