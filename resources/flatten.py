#!/usr/bin/env python3
"""Turns an RGBA PNG from rsvg-convert into the opaque RGB bitmap the program loads.

Pure white (0xFFFFFF) is the background colour that the program replaces or masks, so it
must appear exactly where the picture is empty and nowhere else:
  - pixels with alpha below the threshold become pure white;
  - other pixels are composited over the matte, the colour the picture is finally seen on,
    so that anti-aliased edges blend into it instead of leaving a light fringe;
  - content that would come out pure white is nudged to 0xFEFEFE.

usage: flatten.py IN.png OUT.png MATTE_HEX [ALPHA_THRESHOLD]
"""
import struct
import sys
import zlib

PNG_MAGIC = b"\x89PNG\r\n\x1a\n"


def read_rgba(path):
    """Returns width, height and rows of straight RGBA bytes."""
    data = open(path, "rb").read()
    if not data.startswith(PNG_MAGIC):
        sys.exit(f"{path}: not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        sys.exit(f"{path}: expected 8-bit RGB or RGBA without interlace")
    bpp = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * bpp
    rows, prev = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = prev[i]
            upleft = prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upleft
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upleft)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else upleft)
                line[i] = (line[i] + pred) & 0xFF
        prev = line
        if bpp == 3:
            line = bytearray(b"".join(bytes(line[x:x + 3]) + b"\xff" for x in range(0, stride, 3)))
        rows.append(line)
    return width, height, rows


def write_rgb(path, width, height, rows):
    raw = b"".join(b"\x00" + bytes(row) for row in rows)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as out:
        out.write(PNG_MAGIC)
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    source, target, matte_hex = sys.argv[1:4]
    threshold = int(sys.argv[4]) if len(sys.argv) == 5 else 8
    matte = bytes.fromhex(matte_hex.lstrip("#"))
    width, height, rows = read_rgba(source)
    result = []
    for line in rows:
        row = bytearray()
        for x in range(width):
            r, g, b, a = line[x * 4:x * 4 + 4]
            if a < threshold:
                row += b"\xff\xff\xff"
                continue
            # rsvg-convert writes straight (non-premultiplied) alpha
            pixel = bytes((c * a + m * (255 - a) + 127) // 255 for c, m in zip((r, g, b), matte))
            row += b"\xfe\xfe\xfe" if pixel == b"\xff\xff\xff" else pixel
        result.append(row)
    write_rgb(target, width, height, result)


if __name__ == "__main__":
    main()
