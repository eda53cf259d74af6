#!/usr/bin/env python3
"""Writes the small picture files of the picture-reader tests, byte by byte, without the
program's own writers. Run from tests/data/."""
import struct
import zlib


def bmp(width, height, bits, rows, palette=b"", compression=0, header_size=40,
        colours_used=0, masks=b"", pixel_offset=None):
    """rows are the stored rows in file order, already padded."""
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", header_size, width, height, 1, bits, compression,
                       len(pixels), 0, 0, colours_used, 0)
    info += b"\0" * (header_size - 40)
    offset = 14 + len(info) + len(masks) + len(palette) if pixel_offset is None else pixel_offset
    head = b"BM" + struct.pack("<IHHI", (offset + len(pixels)) % 2**32, 0, 0, offset)
    return head + info + masks + palette + pixels


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(width, height, colour_type, raw_rows, extra=b""):
    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    data = zlib.compress(b"".join(b"\0" + r for r in raw_rows))
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) + extra + png_chunk(b"IDAT", data)
            + png_chunk(b"IEND", b""))


def write(name, data):
    with open(name, "wb") as f:
        f.write(data)


# 3 x 2, 24 bits, bottom-up: top row red, green, blue; bottom row white, black, grey (128).
# Rows are padded from 9 to 12 bytes.
bottom = bytes([255, 255, 255, 0, 0, 0, 128, 128, 128]) + b"\0\0\0"
top = bytes([0, 0, 255, 0, 255, 0, 255, 0, 0]) + b"\0\0\0"
write("pictures/rgb24.bmp", bmp(3, 2, 24, [bottom, top]))

# The same picture, 32 bits, top-down (negative height).
top32 = bytes([0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0])
bottom32 = bytes([255, 255, 255, 0, 0, 0, 0, 0, 128, 128, 128, 0])
write("pictures/rgb32_topdown.bmp", bmp(3, -2, 32, [top32, bottom32]))

# The same picture, 8 bits with a 6-entry palette (B, G, R, 0 each), rows padded to 4 bytes.
palette = bytes([0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0,
                 255, 255, 255, 0, 0, 0, 0, 0, 128, 128, 128, 0])
write("pictures/indexed8.bmp",
      bmp(3, 2, 8, [bytes([3, 4, 5, 0]), bytes([0, 1, 2, 0])], palette, colours_used=6))

# 16 bits with 5-6-5 bit fields, 2 x 1: pure red (0xF800) and a green of 32 (32 << 5).
masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
write("pictures/rgb565.bmp", bmp(2, 1, 16, [struct.pack("<HH", 0xF800, 32 << 5)],
                                 compression=3, masks=masks))

# 1 bit, 10 x 1: a black/white palette and the bits 1010000011.
write("pictures/mono.bmp", bmp(10, 1, 1, [bytes([0b10100000, 0b11000000, 0, 0])],
                               bytes([0, 0, 0, 0, 255, 255, 255, 0]), colours_used=2))

# PNG, 2 x 2 RGBA: the alpha channel is dropped, the colours kept.
write("pictures/rgba.png", png(2, 2, 6, [bytes([255, 0, 0, 255, 0, 255, 0, 128]),
                                         bytes([0, 0, 255, 0, 10, 20, 30, 255])]))

# The oldest header: 12 bytes, sizes in 16-bit fields. 2 x 3, 24 bits, rows padded to 8 bytes;
# blue rising from the bottom row up, red in the middle column.
rows12 = [bytes([0x10 * (r + 1), 0, 0, 0, 0, 0xFF, 0, 0]) for r in range(3)]
core12 = struct.pack("<IHHHH", 12, 2, 3, 1, 24)
write("pictures/core12.bmp", b"BM" + struct.pack("<IHHI", 26 + 24, 0, 0, 26) + core12
      + b"".join(rows12))

# 8 bits, one pixel, naming the most palette entries there can be: all grey 0x40.
write("pictures/palette256.bmp", bmp(1, 1, 8, [b"\0\0\0\0"], b"\x40" * 1024, colours_used=256))

# Malformed files.
good24 = bmp(3, 2, 24, [bottom, top])
write("bad/empty.bmp", b"")
write("bad/truncated.bmp", good24[:-5])
write("bad/header_only.bmp", good24[:20])
write("bad/huge.bmp", bmp(100000, 100000, 24, [bottom]))
write("bad/zero_width.bmp", bmp(0, 2, 24, [bottom, top]))
write("bad/rle.bmp", bmp(3, 2, 8, [bytes([3, 4, 5, 0]), bytes([0, 1, 2, 0])], palette,
                         compression=1, colours_used=6))
write("bad/header_size.bmp", good24[:14] + struct.pack("<I", 7) + good24[18:])
write("bad/palette.bmp", bmp(3, 2, 8, [bytes([3, 4, 5, 0]), bytes([0, 1, 2, 0])], palette,
                             colours_used=100000))
write("bad/palette257.bmp", bmp(1, 1, 8, [b"\0\0\0\0"], b"\x40" * 1028, colours_used=257))
write("bad/bits.bmp", bmp(3, 2, 7, [bottom, top]))
write("bad/offset.bmp", bmp(3, 2, 24, [bottom, top], pixel_offset=0xFFFFFFF0))
write("bad/rle16.bmp", bmp(2, 1, 16, [struct.pack("<HH", 0, 0)], compression=1))
write("bad/masks.bmp", bmp(2, 1, 16, [struct.pack("<HH", 0, 0)], compression=3,
                           masks=struct.pack("<III", 0xF00F, 0x07E0, 0x001F)))
good_png = png(2, 2, 2, [bytes([1, 2, 3, 4, 5, 6]), bytes([7, 8, 9, 10, 11, 12])])
write("bad/truncated.png", good_png[:len(good_png) // 2])
crc = bytearray(good_png)
crc[29] ^= 0xFF
write("bad/crc.png", bytes(crc))
write("bad/signature_only.png", b"\x89PNG\r\n\x1a\n")
write("bad/huge.png", png(1000000, 1000000, 2, [b""]))
write("bad/truncated.jpg", b"\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01")
write("bad/text.bmp", b"this is not a picture at all")
