#!/usr/bin/env python3
"""Turn the text pixel art in this folder into Velbrix's picture files.

    python3 ui/resources/art/make_pictures.py

icon.txt     -> ../icons/velb-<N>.png (indexed PNG) at each of ICON_SIZES pixels, and
                ../velb.ico (8-bit BMP icon) holding every size
duckling.txt -> ../duckling.gif (GIF89a, 64-colour table, one transparent index)
                and ../duckling.ico (the same, for the Windows windows)

Only the Python standard library is used, so the pictures can be rebuilt on
any machine with Python 3 and no image libraries.

Art file format: '#' starts a comment line; a legend line is
"<char> <#rrggbb> [description]" or ". transparent"; the picture is 32 lines
of 32 characters.
"""

import struct
import sys
import zlib
from pathlib import Path

ART_DIR = Path(__file__).resolve().parent
OUT_DIR = ART_DIR.parent
SIZE = 32
# The sizes of the hicolor theme and of the Windows icon, scaled without smoothing, so that the
# pixel art stays crisp: each pixel is the art pixel it falls on.
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
TRANSPARENT = 0  # palette index of '.'; its colour is black, see write_ico()


def read_art(path):
    """Return (palette, pixels): palette is a list of (r, g, b) with the
    transparent entry first, pixels is SIZE rows of palette indices."""
    palette = [(0, 0, 0)]
    index = {".": TRANSPARENT}
    rows = []
    for number, line in enumerate(path.read_text().splitlines(), 1):
        line = line.rstrip()
        where = f"{path.name}:{number}"
        if not line or line.startswith("#"):
            continue
        if " " in line:  # pixel rows never contain spaces, legend lines do
            char, value = line.split()[:2]
            if char == ".":
                if value != "transparent":
                    sys.exit(f"{where}: '.' is reserved for transparent")
                continue
            if char in index:
                sys.exit(f"{where}: '{char}' defined twice")
            index[char] = len(palette)
            palette.append(tuple(bytes.fromhex(value.lstrip("#"))))
            continue
        if len(line) != SIZE:
            sys.exit(f"{where}: row is {len(line)} pixels, expected {SIZE}")
        unknown = set(line) - index.keys()
        if unknown:
            sys.exit(f"{where}: no legend entry for {''.join(sorted(unknown))}")
        rows.append([index[c] for c in line])
    if len(rows) != SIZE:
        sys.exit(f"{path.name}: {len(rows)} rows, expected {SIZE}")
    return palette, rows


def padded(palette, size):
    """Fill the palette up to exactly `size` entries with unused black."""
    if len(palette) > size:
        sys.exit(f"{len(palette)} colours do not fit a {size}-colour palette")
    return palette + [(0, 0, 0)] * (size - len(palette))


def scaled(pixels, size):
    """Nearest-neighbour scaling of the art to size x size pixels."""
    return [[pixels[y * SIZE // size][x * SIZE // size] for x in range(size)]
            for y in range(size)]


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def write_png(path, palette, pixels):
    """Indexed 8-bit PNG: a full 256-entry PLTE and a tRNS entry that makes
    index 0 fully transparent (the other indices stay opaque)."""
    raw = b"".join(b"\0" + bytes(row) for row in pixels)  # filter 0 per row
    size = len(pixels)
    path.write_bytes(
        b"\x89PNG\r\n\x1a\n"
        + png_chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
        + png_chunk(b"PLTE", b"".join(bytes(c) for c in padded(palette, 256)))
        + png_chunk(b"tRNS", b"\0")
        + png_chunk(b"IDAT", zlib.compress(raw, 9))
        + png_chunk(b"IEND", b"")
    )


def ico_image(palette, pixels):
    """One classic 256-colour icon image: an 8-bit BMP plus a 1-bit AND mask.

    Windows draws an icon as (screen AND mask) XOR colour, so transparent
    pixels need mask bit 1 and colour black, which is why index 0 is black.
    Both bitmaps are stored bottom row first, each row padded to 4 bytes."""
    size = len(pixels)
    colour_pad = bytes(-size % 4)
    mask_row = (size + 31) // 32 * 4
    colour = b"".join(bytes(row) + colour_pad for row in reversed(pixels))
    mask = b"".join(
        sum(1 << (mask_row * 8 - 1 - x) for x, i in enumerate(row) if i == TRANSPARENT)
        .to_bytes(mask_row, "big")
        for row in reversed(pixels)
    )
    # The DIB height counts colour and mask together, hence 2 * size.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0,
                         len(colour) + len(mask), 0, 0, 256, 0)
    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in padded(palette, 256))
    return header + quads + colour + mask


def write_ico(path, palette, images):
    """An icon file holding one image per picture in images, smallest first."""
    icon_dir = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    bodies = b""
    offset = len(icon_dir) + 16 * len(images)
    for pixels in images:
        body = ico_image(palette, pixels)
        size = len(pixels) % 256  # a directory entry writes 256 as 0
        # Width, height, colour count 0 (= 256), reserved, planes, bits, size, offset.
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(body),
                               offset + len(bodies))
        bodies += body
    path.write_bytes(icon_dir + entries + bodies)


def lzw_encode(indices, min_code_size):
    """GIF-flavoured LZW: variable-width codes packed LSB first."""
    clear = 1 << min_code_size
    codes = bytearray()
    bit_buffer = bit_count = 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            codes.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def fresh_table():
        return {bytes([i]): i for i in range(clear)}, clear + 2, min_code_size + 1

    table, next_code, width = fresh_table()
    emit(clear, width)
    prefix = bytes(indices[:1])
    for i in indices[1:]:
        grown = prefix + bytes([i])
        if grown in table:
            prefix = grown
            continue
        emit(table[prefix], width)
        if next_code == 4096:  # table full: GIF allows 12-bit codes at most
            emit(clear, width)
            table, next_code, width = fresh_table()
        else:
            table[grown] = next_code
            next_code += 1
            # The decoder learns each code one step later than we do, so
            # widen only once the code just added no longer fits.
            if next_code - 1 == 1 << width:
                width += 1
        prefix = bytes([i])
    emit(table[prefix], width)
    emit(clear + 1, width)  # end of information
    if bit_count:
        codes.append(bit_buffer)
    return bytes(codes)


def write_gif(path, palette, pixels):
    """GIF89a with a 64-entry global colour table; a graphic control
    extension marks index 0 as the single transparent colour."""
    table_bits = 6  # 2 ** 6 = 64 colours
    data = lzw_encode([i for row in pixels for i in row], table_bits)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    path.write_bytes(
        b"GIF89a"
        # Screen size; flags: global table present, 8-bit colour resolution,
        # table size 2 ** (5 + 1); background index; square pixels.
        + struct.pack("<HHBBB", SIZE, SIZE, 0xF0 | (table_bits - 1), TRANSPARENT, 0)
        + b"".join(bytes(c) for c in padded(palette, 1 << table_bits))
        # Graphic control: transparency flag set, no delay, index 0.
        + struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, TRANSPARENT, 0)
        + struct.pack("<BHHHHB", 0x2C, 0, 0, SIZE, SIZE, 0)
        + bytes([table_bits]) + blocks + b"\0"
        + b";"
    )


def main():
    palette, pixels = read_art(ART_DIR / "icon.txt")
    icons = [scaled(pixels, size) for size in ICON_SIZES]
    (OUT_DIR / "icons").mkdir(exist_ok=True)
    for icon in icons:
        write_png(OUT_DIR / "icons" / f"velb-{len(icon)}.png", palette, icon)
    write_ico(OUT_DIR / "velb.ico", palette, icons)
    palette, pixels = read_art(ART_DIR / "duckling.txt")
    write_gif(OUT_DIR / "duckling.gif", palette, pixels)
    write_ico(OUT_DIR / "duckling.ico", palette, [pixels])


if __name__ == "__main__":
    main()
