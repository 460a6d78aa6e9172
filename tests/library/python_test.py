"""The Python module against the command line: the same bytes, the same
reasons and warnings. KBC_EXECUTABLE names the program, KESTROVA_BARCODE_LIBRARY
the library the module loads."""
import json
import os
import subprocess
import warnings

import pytest

import kestrova_barcode

PROGRAM = os.environ["KBC_EXECUTABLE"]
os.environ["SOURCE_DATE_EPOCH"] = "1796584560"  # one date in the module's documents and the program's
ACTIONS = ["epsf", "svgf", "pdff", "pngf", "jpeg", "tiff"]

DRAWN = [
    ("EAN-13", "590123412345", {"addon": "12"}),
    ("QRCode", "Grüße, Kestrova", {"scale": 150, "colmode": 1, "fcolcomponent2": 0.5, "eci": 26}),
    ("DataMatrix", b"\x8a bytes as typed", {}),
    ("Databar-Expanded", "[01]90012345678908[3103]001750", {"gs1": True}),
    ("Code-39", "KBC", {"antialiasoff": 1, "dpi": 144}),
    ("QRCode", "Lot 7", {"eclevel": "H", "qrversion": 3}),
    ("DataMatrix", "PART-42", {"dmsize": "16x48"}),
    ("Code-128", "LOT12345678", {"code128": "shortest"}),
]


def program(type, data, action, path, options):
    arguments = [PROGRAM, "-type", type, "-data", data, "-action", action, "-output", path]
    for name, value in options.items():
        arguments += ["-" + name, str(int(value) if isinstance(value, bool) else value)]
    return subprocess.run([os.fsencode(a) if isinstance(a, str) else a for a in arguments], capture_output=True)


@pytest.mark.parametrize("action", ACTIONS)
@pytest.mark.parametrize("type,data,options", DRAWN)
def test_bytes_equal_the_programs_file(tmp_path, type, data, options, action):
    path = str(tmp_path / ("out." + action))
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        rendered = kestrova_barcode.render(type, data, action=action, output=path, **options)
    run = program(type, data, action, path, options)
    assert run.returncode == 0 and run.stderr == b""
    with open(path, "rb") as file:
        assert rendered == file.read()


# info() is the dict of the program's -action info line, refused or not.
@pytest.mark.parametrize("type,data,options", DRAWN + [("EAN-13", "5901234123458", {"strict": True, "dpi": 300})])
def test_info_is_the_programs(type, data, options):
    described = kestrova_barcode.info(type, data, **options)
    run = program(type, data, "info", "", options)
    assert described == json.loads(run.stdout) and run.returncode == (1 if described["refusal"] else 0)


def test_warnings_are_the_programs(tmp_path):
    path = str(tmp_path / "warned.svg")
    with pytest.warns(kestrova_barcode.BarcodeWarning) as caught:
        kestrova_barcode.render("EAN-13", "5901234123458", scale=200, output=path)
    run = program("EAN-13", "5901234123458", "svgf", path, {"scale": 200})
    expected = [line.removeprefix("KestrovaBarCode: warning: ")
                for line in run.stderr.decode().splitlines()]
    assert [str(warning.message) for warning in caught] == expected and len(expected) == 2


# strict refuses what the program would warn about, with the program's reason.
@pytest.mark.parametrize("data,options", [("5901234123458", {}), ("590123412345", {"scale": 200})])
def test_strict_refuses_what_would_warn(tmp_path, data, options):
    path = str(tmp_path / "strict.svg")
    with pytest.raises(kestrova_barcode.BarcodeError) as refused:
        kestrova_barcode.render("EAN-13", data, output=path, strict=True, **options)
    run = program("EAN-13", data, "svgf", path, {"strict": 1, **options})
    assert run.returncode == refused.value.status == 1 and not os.path.exists(path)
    assert run.stderr.decode() == f"KestrovaBarCode: {refused.value.reason}\n"


# The library's own test holds every reason; these show one refused option and
# one refused action reach Python, with the library's status.
@pytest.mark.parametrize("type,data,action,options,reason", [
    ("QRcod", "x", "svgf", {}, 'unknown -type "QRcod"; did you mean "QRCode"?'),
    ("EAN-13", "590123412345", "gif", {}, 'unknown action "gif"'),
])
def test_refusals_carry_the_reason(type, data, action, options, reason):
    with pytest.raises(kestrova_barcode.BarcodeError) as refused:
        kestrova_barcode.render(type, data, action=action, **options)
    assert refused.value.reason.startswith(reason) and refused.value.status == 2


# A C string ends at NUL, and str() would make "None" data: each is refused
# before the library sees it.
@pytest.mark.parametrize("type,data,action,options,error", [
    ("QRCode", "PAY 100\x00.00", "svgf", {}, ValueError),
    ("QRCode", b"PAY 100\x00.00", "svgf", {}, ValueError),
    ("QRCode\x00", "x", "svgf", {}, ValueError),
    ("QRCode", "x", "svgf\x00", {}, ValueError),
    ("QRCode", "x", "svgf", {"scale\x00": 150}, ValueError),
    ("QRCode", None, "svgf", {}, TypeError),
    (None, "x", "svgf", {}, TypeError),
    ("QRCode", "x", "svgf", {"scale": [150]}, TypeError),
    ("QRCode", bytearray(b"x"), "svgf", {}, TypeError),
])
def test_values_no_argument_could_hold_are_refused(type, data, action, options, error):
    with pytest.raises(error):
        kestrova_barcode.render(type, data, action=action, **options)


def test_refused_reason_is_the_programs_error_line(tmp_path):
    path = str(tmp_path / "refused.svg")
    with pytest.raises(kestrova_barcode.BarcodeError) as refused:
        kestrova_barcode.render("EAN-13", "abc", output=path)
    run = program("EAN-13", "abc", "svgf", path, {})
    assert run.returncode == 1
    assert run.stderr.decode() == f'KestrovaBarCode: {refused.value.reason}; "{path}" was not written\n'


@pytest.mark.parametrize("rotate", ["0", "90"])
def test_check_gives_the_size_a_png_is_drawn_at(rotate):
    width, height = kestrova_barcode.check("EAN-13", "590123412345", rotate=rotate)
    png = kestrova_barcode.render("EAN-13", "590123412345", action="pngf", rotate=rotate)
    assert (int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big")) == (int(width), int(height))


@pytest.mark.parametrize("dpi", ["203", "300"])
def test_measure_gives_a_pngs_pixels_at_a_resolution(dpi):
    options = {"xdim": "0.33mm", "dpi": dpi, "rotate": "90"}
    width, height = kestrova_barcode.measure("EAN-13", "590123412345", "pngf", **options)
    png = kestrova_barcode.render("EAN-13", "590123412345", action="pngf", **options)
    assert (int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big")) == (int(width), int(height))
    points = kestrova_barcode.measure("EAN-13", "590123412345", "pdff", xdim="0.33mm")
    assert points[0] == pytest.approx(113 * 0.33 / 25.4 * 72)


def test_version_is_the_programs():
    usage = subprocess.run([PROGRAM], capture_output=True).stdout.decode()
    assert f"KestrovaBarCode v{kestrova_barcode.version()} CLI" in usage
