"""Kestrova BarCode from Python: barcodes drawn in memory through the C
library (libkestrovabarcode.so.1), byte for byte the files the command line
writes for the same options.

    import kestrova_barcode
    svg = kestrova_barcode.render("EAN-13", "590123412345")
    png = kestrova_barcode.render("QRCode", "Hello", action="pngf", scale=150)
    kestrova_barcode.info("EAN-13", "590123412345")["data"]   # "5901234123457"

Keyword options are the command line's option names without the dash, their
values read as the command line reads them. The type, the data and every
value are str (encoded as UTF-8), bytes (passed as given), int or float (bool
as 1 or 0); any other value raises TypeError, and one holding a NUL character
raises ValueError, as no command-line argument can hold one. With
strict=True a render that would warn raises BarcodeError instead. Separate
calls may run on separate threads at once. SYMBOLOGIES names every type.

The library is the installed one (found by the system's loader), unless the
environment variable KESTROVA_BARCODE_LIBRARY names another: the library
file itself, or a folder holding it, such as a build folder.
"""
import ctypes
import json
import os
import warnings

__all__ = ["BarcodeError", "BarcodeWarning", "SYMBOLOGIES", "render", "check", "info", "version"]

_SONAME = "libkestrovabarcode.so.1"


def _library_path():
    named = os.environ.get("KESTROVA_BARCODE_LIBRARY", "")
    if not named:
        return _SONAME
    return os.path.join(named, _SONAME) if os.path.isdir(named) else named


class BarcodeError(Exception):
    """Nothing was produced; `reason` is the command line's error text and
    `status` the exit status the command line gives for it: 1 for a complete
    request that produced nothing, 2 for an invalid one."""

    def __init__(self, reason, status):
        super().__init__(reason)
        self.reason = reason
        self.status = status


class BarcodeWarning(UserWarning):
    """Drawn, but not quite as asked: the command line's warning text."""


def _load():
    lib = ctypes.CDLL(_library_path())
    request = ctypes.c_void_p
    signatures = {
        "kbc_request_new": (request, []),
        "kbc_request_free": (None, [request]),
        "kbc_request_set": (ctypes.c_int, [request, ctypes.c_char_p, ctypes.c_char_p]),
        "kbc_request_error": (ctypes.c_char_p, [request]),
        "kbc_request_warnings": (ctypes.c_char_p, [request]),
        "kbc_render": (ctypes.c_int, [request, ctypes.c_char_p, ctypes.POINTER(ctypes.c_void_p),
                                      ctypes.POINTER(ctypes.c_size_t)]),
        "kbc_check": (ctypes.c_int, [request, ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_double)]),
        "kbc_request_info": (ctypes.c_int, [request, ctypes.POINTER(ctypes.c_void_p)]),
        "kbc_symbology_name": (ctypes.c_char_p, [ctypes.c_int]),
        "kbc_measure": (
            ctypes.c_int,
            [request, ctypes.c_char_p, ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_double)],
        ),
        "kbc_free": (None, [ctypes.c_void_p]),
        "kbc_version": (ctypes.c_char_p, []),
    }
    for name, (result, arguments) in signatures.items():
        function = getattr(lib, name)
        function.restype = result
        function.argtypes = arguments
    return lib


_lib = _load()


def _symbology_names():
    names = []
    while (name := _lib.kbc_symbology_name(len(names) + 1)) is not None:
        names.append(name.decode("ascii"))
    return tuple(names)


SYMBOLOGIES = _symbology_names()


def _text(what, value):
    """A value as the command line would get it: text as UTF-8, bytes as
    given, a number as its digits. The library reads C strings, so a NUL would
    silently end the value where no command-line argument could hold one."""
    if isinstance(value, bool):
        value = int(value)
    if isinstance(value, str):
        value = value.encode("utf-8")
    elif isinstance(value, (int, float)):
        value = str(value).encode("ascii")
    elif not isinstance(value, bytes):
        raise TypeError(f"{what} takes str, bytes, int or float, not {type(value).__name__}")
    if b"\0" in value:
        raise ValueError(f"{what} holds a NUL character, which no command-line argument can")
    return value


class _Request:
    """One request of the C library, freed when the block ends."""

    def __init__(self, type, data, options):
        self._handle = _lib.kbc_request_new()
        if not self._handle:
            raise MemoryError("no request could be made")
        try:
            for name, value in [("type", type), ("data", data)] + list(options.items()):
                self._call(_lib.kbc_request_set, _text("an option name", name), _text(name, value))
        except BaseException:
            self.close()
            raise

    def _call(self, function, *arguments):
        status = function(self._handle, *arguments)
        if status != 0:
            raise BarcodeError(_lib.kbc_request_error(self._handle).decode("utf-8", "replace"), status)

    def render(self, action):
        bytes_out = ctypes.c_void_p()
        size = ctypes.c_size_t()
        self._call(_lib.kbc_render, _text("action", action), ctypes.byref(bytes_out), ctypes.byref(size))
        try:
            return ctypes.string_at(bytes_out, size.value)
        finally:
            _lib.kbc_free(bytes_out)

    def warnings(self):
        return _lib.kbc_request_warnings(self._handle).decode("utf-8", "replace").splitlines()

    def check(self):
        width = ctypes.c_double()
        height = ctypes.c_double()
        self._call(_lib.kbc_check, ctypes.byref(width), ctypes.byref(height))
        return width.value, height.value

    def info(self):
        text = ctypes.c_void_p()
        status = _lib.kbc_request_info(self._handle, ctypes.byref(text))
        if not text.value:
            self._call(lambda handle: status)
        try:
            return json.loads(ctypes.string_at(text).decode("utf-8"))
        finally:
            _lib.kbc_free(text)

    def measure(self, action):
        width = ctypes.c_double()
        height = ctypes.c_double()
        self._call(_lib.kbc_measure, _text("action", action), ctypes.byref(width), ctypes.byref(height))
        return width.value, height.value

    def close(self):
        _lib.kbc_request_free(self._handle)
        self._handle = None

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()


def render(type, data, action="svgf", **options):
    """The whole file of `action` ("epsf", "svgf", "pdff", "pngf", "jpeg",
    "tiff" or "zplf", a ZPL II label) as bytes. Raises BarcodeError when nothing was produced; each
    warning of the render is issued as a BarcodeWarning."""
    with _Request(type, data, options) as request:
        file = request.render(action)
        for line in request.warnings():
            warnings.warn(line, BarcodeWarning, stacklevel=2)
        return file


def check(type, data, **options):
    """The image size in points, (width, height); BarcodeError when the data cannot be drawn."""
    with _Request(type, data, options) as request:
        return request.check()


def info(type, data, **options):
    """What "-action info" prints, as a dict: "type", "data" (as encoded),
    "checkDigits", "text", "addOn", "widthPt", "heightPt", "widthDots" and
    "heightDots" (with dpi), "xDimensionPt", "warnings" and "refusal" (None
    when it would be drawn). Nothing is drawn; a refused request gives its
    dict too. BarcodeError for a request that is not complete."""
    with _Request(type, data, options) as request:
        return request.info()


def measure(type, data, action, **options):
    """The size of the file the action writes in its own units, (width, height): pixels for
    pngf, jpeg and tiff, dots for zplf, points for epsf, svgf and pdff; BarcodeError when it cannot be made."""
    with _Request(type, data, options) as request:
        return request.measure(action)


def version():
    """The C library's version, "MAJOR.MINOR.PATCH"."""
    return _lib.kbc_version().decode("ascii")
