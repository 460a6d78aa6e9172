#!/usr/bin/python3
"""An independent reader of the ZPL labels we write: each ^XA..^XZ label's
graphic field decoded with Python's own base64, zlib and a CRC written here,
its byte counts checked, and the label rebuilt as a PGM of ^PW x ^LL dots
(black where a dot prints) in OUTDIR/label-N.pgm. Prints one line per label:
"N WIDTH HEIGHT COPIES ENCODING"; exits 1 naming the first fault."""
import base64
import re
import sys
import zlib

LABEL = re.compile(r"\^XA\^PW(\d+)\^LL(\d+)\^FO(\d+),(\d+)\^GFA,(\d+),(\d+),(\d+),([^\^]*)\^FS(?:\^PQ(\d+))?\^XZ")


def crc16_ccitt(data):
    crc = 0
    for byte in data:
        crc ^= byte << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x1021 if crc & 0x8000 else crc << 1) & 0xFFFF
    return crc


def graphic_bytes(data):
    if data.startswith(":Z64:"):
        encoded, crc = data[5:].rsplit(":", 1)
        if int(crc, 16) != crc16_ccitt(encoded.encode("ascii")):
            raise ValueError("CRC %s does not match" % crc)
        return zlib.decompress(base64.b64decode(encoded, validate=True)), "z64"
    return bytes.fromhex(data), "hex"


def main(stream_path, outdir):
    text = open(stream_path, encoding="ascii").read()
    lines = text.split("\n")
    if lines[-1] != "":
        raise ValueError("the stream does not end with a line end")
    for number, line in enumerate(lines[:-1], 1):
        match = LABEL.fullmatch(line)
        if not match:
            raise ValueError("label %d is not one ^XA..^XZ line: %r" % (number, line[:80]))
        width, height, x, y, total, count, per_row = (int(v) for v in match.groups()[:7])
        graphic, encoding = graphic_bytes(match.group(8))
        if total != count or count != len(graphic) or count % per_row:
            raise ValueError("label %d: ^GF counts %d,%d,%d for %d bytes" % (number, total, count, per_row, len(graphic)))
        rows = count // per_row
        if y + rows > height or x + per_row * 8 - 7 > width:
            raise ValueError("label %d: the graphic leaves the label" % number)
        pixels = bytearray(b"\xff" * (width * height))
        for row in range(rows):
            for column in range(per_row * 8):
                if graphic[row * per_row + column // 8] & (0x80 >> (column % 8)):
                    if x + column >= width:
                        raise ValueError("label %d: a dot beyond ^PW" % number)
                    pixels[(y + row) * width + x + column] = 0
        with open("%s/label-%d.pgm" % (outdir, number), "wb") as out:
            out.write(b"P5\n%d %d\n255\n" % (width, height) + bytes(pixels))
        print(number, width, height, match.group(9) or "-", encoding)


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2])
    except (ValueError, zlib.error) as fault:
        print(fault, file=sys.stderr)
        sys.exit(1)
