"""-action info against the files the program draws: every symbology's JSON
validates against the schema kept beside this test, and its sizes, text and
(where an independent decoder reads the symbol) data agree with the drawn
file. Also: JSON Lines in input order under -batch and -csv, and -encoding
reading a Windows-1252 CSV file. KBC_EXECUTABLE names the program; the module
(on PYTHONPATH) supplies the symbology names."""
import html
import json
import os
import re
import struct
import subprocess

import jsonschema
import pytest

import kestrova_barcode

PROGRAM = os.environ["KBC_EXECUTABLE"]
with open(os.path.join(os.path.dirname(__file__), "info_schema.json")) as schema_file:
    VALIDATOR = jsonschema.Draft202012Validator(json.load(schema_file))

# Data each symbology draws; the add-on only where one is drawn.
SAMPLES = {
    "EAN-13": ("590123412345", "12"), "EAN-8": ("9638507", ""), "EAN-128": ("10AB", ""),
    "EAN-14": ("1234567890123", ""), "EAN-18": ("12345678901234567", ""), "EAN-99": ("1234567890", ""),
    "EAN-Coupon": ("1234567890", ""), "EAN-Velocity": ("123456", ""), "UPC-A": ("03600029145", ""),
    "UPC-E": ("0425261", ""), "Code-128": ("Abc123", ""), "Code-93": ("ABC", ""), "Code-39": ("AB12", ""),
    "Code-32": ("1234567", ""), "Code-25": ("12", ""), "UPC-Coupon": ("51234567890", "8110"),
    "Codabar": ("123", ""), "ISSN": ("0317847X", ""), "ISBN": ("9780306406157", ""), "ISMN": ("M230671187", ""),
    "PostNet": ("12345", ""), "RM4SCC": ("SN34RD1A", ""), "Pharmacode": ("12", ""), "CIP": ("123456", ""),
    "PZN": ("12", ""), "MSI": ("1234", ""), "ITF-SCC": ("1", ""), "ITF-14": ("1234567890123", ""),
    "Interleaved-25": ("123456", ""), "QRCode": ("Lot 7", ""), "MicroQR": ("12345", ""), "PDF417": ("A", ""),
    "Identcode": ("12345678901", ""), "DataMatrix": ("123456", ""), "USPS4CB": ("0123456709498765432101234", ""),
    "FIM": ("A", ""), "Databar-Omnidirectional": ("123", ""), "Databar-Truncated": ("123", ""),
    "Databar-Stacked": ("123", ""), "Databar-StackedOmnidirectional": ("123", ""), "Databar-Limited": ("123", ""),
    "Databar-Expanded": ("123", ""), "Telepen": ("1234", ""),
    "Aztec": ("Ticket", ""), "Aztec-Runes": ("25", ""), "HIBC-Aztec": ("A123", ""), "rMQR": ("12345", ""),
    "MicroPDF417": ("ABC123", ""), "HIBC-MicroPDF417": ("A123", ""), "HIBC-PDF417": ("A123", ""),
    "HIBC-DataMatrix": ("A123", ""), "HIBC-QR": ("A123", ""), "Code-11": ("0123-45", ""),
    "LOGMARS": ("ABC-123", ""), "Plessey": ("01234ABCD", ""), "HIBC-128": ("A123", ""), "HIBC-39": ("A123", ""),
    "HIBC-Codablock-F": ("A123", ""),
    "VIN": ("1M8GDM9AXKP042788", ""), "DPD": ("%000393206219912345678101040", ""), "Channel-Code": ("1234", ""),
    "Leitcode": ("2131260313112", ""), "AusPost": ("96184209", ""), "KIX": ("2500GG30250", ""),
    "Japan-Post": ("15400233-16-4-205", ""), "PLANET": ("4012345235636", ""),
    "MaxiCode": ("Parcel 42", ""), "DotCode": ("LOT 42", ""),
    "PDF417-Compact": ("Lot 7", ""), "Code-16K": ("Hello 123", ""), "Codablock-F": ("Hello 123", ""),
    "Code-49": ("Hello 123", ""), "Han-Xin": ("Hello 123", ""), "Grid-Matrix": ("Hello 123", ""),
    "Code-One": ("Hello 123", ""), "UPNQR": ("UPNQR 42", ""),
    "Korea-Post": ("123456", ""),
    "Mailmark": ("1100000000000XY11", ""), "CEPNet": ("12345678", ""), "DAFT": ("FADT", ""),
    "Pharmacode-2-Track": ("1234", ""), "Flattermarken": ("123", ""),
    "GS1-128-Composite": ("0103812345678908", "10ABC123"), "EAN-13-Composite": ("331234567890", "991234-abcd"),
    "EAN-8-Composite": ("1234567", "991234-abcd"), "UPC-A-Composite": ("03600029145", "991234-abcd"),
    "UPC-E-Composite": ("0425261", "991234-abcd"),
    "Databar-Omnidirectional-Composite": ("0361234567890", "11991231"),
    "Databar-Truncated-Composite": ("0361234567890", "11991231"),
    "Databar-Stacked-Composite": ("0361234567890", "11991231"),
    "Databar-StackedOmnidirectional-Composite": ("0361234567890", "11991231"),
    "Databar-Limited-Composite": ("0361234567890", "11991231"),
    "Databar-Expanded-Stacked": ("010361234567890410LOT42ABCDEFGHIJ", ""),
}

# What ZXingReader reads back of our drawing, as it formats the data (decoder-notes).
DECODED = {
    "EAN-13": lambda info: info["data"] + " " + info["addOn"], "UPC-A": lambda info: info["data"], "Code-128": lambda info: info["data"],
    "ITF-14": lambda info: info["data"], "QRCode": lambda info: info["data"], "DataMatrix": lambda info: info["data"],
    "PDF417": lambda info: info["data"], "EAN-14": lambda info: "01" + info["data"],
    "EAN-18": lambda info: "00" + info["data"],
}


def run(*arguments, stdin=None):
    return subprocess.run([PROGRAM, *arguments], capture_output=True, input=stdin)


def described(lines):
    objects = [json.loads(line) for line in lines.decode("utf-8").splitlines()]
    for described_object in objects:
        VALIDATOR.validate(described_object)
    return objects


def svg_size_and_text(svg):
    width = float(re.search(r'\twidth="([0-9.]+)"', svg).group(1))
    height = float(re.search(r'\theight="([0-9.]+)"', svg).group(1))
    text = "".join(html.unescape(part) for part in re.findall(r"<text[^>]*>([^<]*)</text>", svg))
    return width, height, text


def png_size(png):
    assert png[:8] == b"\x89PNG\r\n\x1a\n"
    return struct.unpack(">II", png[16:24])


def test_samples_cover_every_symbology():
    assert sorted(SAMPLES) == sorted(kestrova_barcode.SYMBOLOGIES)


@pytest.mark.parametrize("type", sorted(SAMPLES))
def test_info_agrees_with_the_drawn_files(tmp_path, type):
    data, addon = SAMPLES[type]
    request = ["-type", type, "-data", data, "-addon", addon, "-scale", "150", "-rotate", "90"]
    info_run = run(*request, "-dpi", "300", "-action", "info")
    assert info_run.returncode == 0, info_run.stderr
    [info] = described(info_run.stdout)
    assert info["type"] == type and info["refusal"] is None and info["data"]

    assert run(*request, "-action", "svgf", "-output", str(tmp_path / "a.svg")).returncode == 0
    width, height, text = svg_size_and_text((tmp_path / "a.svg").read_text("utf-8"))
    assert (round(info["widthPt"], 2), round(info["heightPt"], 2)) == (width, height)
    assert info["text"].replace(" ", "") == text.replace(" ", "")

    assert run(*request, "-dpi", "300", "-action", "pngf", "-output", str(tmp_path / "a.png")).returncode == 0
    assert (info["widthDots"], info["heightDots"]) == png_size((tmp_path / "a.png").read_bytes())

    if type in DECODED:
        subprocess.run(["convert", str(tmp_path / "a.png"), "-bordercolor", "white", "-border", "60",
                        str(tmp_path / "b.png")], check=True)
        read = subprocess.run(["ZXingReader", "-noscale", str(tmp_path / "b.png")], capture_output=True, text=True)
        decoded = re.search(r"^Text:\s+\"(.*)\"$", read.stdout, re.MULTILINE)
        assert decoded, read.stdout + read.stderr
        assert decoded.group(1) == DECODED[type](info)


@pytest.mark.parametrize("arguments,status,refusal", [
    (["-type", "EAN-13", "-data", "5901234123458"], 0, None),
    (["-strict", "1", "-type", "EAN-13", "-data", "5901234123458"], 1, "replaced the check digit 8 by the computed 7"),
    (["-type", "EAN-13", "-data", "x"], 1, "cannot be drawn as EAN-13"),
])
def test_status_and_refusal_as_drawing_would_give(arguments, status, refusal):
    result = run(*arguments, "-action", "info")
    assert result.returncode == status
    [info] = described(result.stdout)
    assert (info["refusal"] is None) if refusal is None else (refusal in info["refusal"])


def test_batch_prints_one_line_per_request_in_input_order():
    lines = "".join(f"{n:012d}\n" for n in range(1, 200)) + "x\n"
    result = run("-type", "EAN-13", "-batch", "-", "-threads", "4", "-action", "info", stdin=lines.encode())
    assert result.returncode == 1  # the last line cannot be drawn
    objects = described(result.stdout)
    assert [o["line"] for o in objects] == list(range(1, 201))
    assert [o["data"][:12] for o in objects[:-1]] == [f"{n:012d}" for n in range(1, 200)]
    assert objects[-1]["refusal"] and objects[-1]["data"] is None


def test_csv_rows_print_their_lines_and_only_info_rows_print(tmp_path):
    csv = "type,data,action,output\nQRCode,A,info,\nEAN-8,123,svgf,e.svg\nDataMatrix,B,,\n"
    (tmp_path / "r.csv").write_text(csv)
    result = subprocess.run([PROGRAM, "-csv", "r.csv", "-action", "info"], capture_output=True, cwd=tmp_path)
    assert result.returncode == 0, result.stderr
    assert [(o["row"], o["data"]) for o in described(result.stdout)] == [(2, "A"), (4, "B")]
    assert (tmp_path / "e.svg").exists()


# Read in the encoding given; a UTF-8 file's byte-order mark is skipped.
@pytest.mark.parametrize("encoding,data", [
    ("windows-1252", b"Caf\xe8 \x80 Stra\xdfe"),
    ("utf-8", "\ufeffCaf\u00e8 \u20ac Stra\u00dfe".encode("utf-8")),
])
def test_csv_file_read_in_its_encoding(tmp_path, encoding, data):
    bom, data = (b"\xef\xbb\xbf", data[3:]) if data.startswith(b"\xef\xbb\xbf") else (b"", data)
    (tmp_path / "w.csv").write_bytes(bom + b"type,data,output,action\nQRCode," + data + b",w.png,pngf\nCode-128," + data +
                                     b",w.svg,svgf\n")
    result = subprocess.run([PROGRAM, "-encoding", encoding, "-csv", "w.csv", "-action", "pngf"],
                            capture_output=True, cwd=tmp_path)
    assert result.returncode == 0 and b"row 3" in result.stderr, result.stderr  # Code 128 drops è, € and ß
    expected = "Caf\u00e8 \u20ac Stra\u00dfe"
    assert svg_size_and_text((tmp_path / "w.svg").read_text("utf-8"))[2] == expected
    subprocess.run(["convert", "w.png", "-scale", "400%", "-bordercolor", "white", "-border", "40", "big.png"],
                   check=True, cwd=tmp_path)
    read = subprocess.run(["ZXingReader", "-noscale", "big.png"], capture_output=True, text=True, cwd=tmp_path)
    assert re.search(r"^Text:\s+\"(.*)\"$", read.stdout, re.MULTILINE).group(1) == expected, read.stdout


def test_batch_file_byte_order_mark_is_skipped():
    result = run("-type", "QRCode", "-batch", "-", "-action", "info", stdin=b"\xef\xbb\xbfAb\n\xef\xbb\xbfAb\n")
    assert [o["data"] for o in described(result.stdout)] == ["Ab", "\ufeffAb"]
