#!/usr/bin/env python3
"""Draws the explorer's busy pictures: data/Gear.bmp (the gear at rest) and
data/Gear.gif (the gear turning, an endless animated GIF).

Plain Python 3, no imaging library: the gear is rasterised with 4x4
supersampling, the GIF frames are LZW-coded here.

    python3 bench/make_gear_pictures.py [output-folder]
"""
import math
import struct
import sys
from pathlib import Path

SIZE = 48
TEETH = 10
FRAMES = 12                    # one tooth pitch per loop: the loop is seamless
STEP = 360.0 / TEETH / FRAMES  # degrees turned per frame
DELAY = 8                      # hundredths of a second per frame
BACKGROUND = (236, 236, 236)
SHADES = 16
COVERAGES = 16


def gear_radius(angle):
    """Outline radius at a polar angle (radians) of the unturned gear."""
    outer, root = 21.0, 16.0
    phase = (angle / (2 * math.pi) * TEETH) % 1.0
    if phase < 0.35:
        return outer
    if phase < 0.5:
        return outer - (outer - root) * (phase - 0.35) / 0.15
    if phase < 0.85:
        return root
    return root + (outer - root) * (phase - 0.85) / 0.15


def inside(x, y, turn):
    dx, dy = x - SIZE / 2, y - SIZE / 2
    r = math.hypot(dx, dy)
    if r < 5.5 or r > 21.0:
        return False
    return r <= gear_radius(math.atan2(dy, dx) - turn)


def shade_of(x, y):
    """Light from the upper left, a darker hub ring."""
    dx, dy = x - SIZE / 2, y - SIZE / 2
    r = math.hypot(dx, dy)
    light = 0.55 + 0.45 * (-(dx + dy) / (r * math.sqrt(2)) if r else 0)
    if r < 9.0:
        light *= 0.7
    return max(0, min(SHADES - 1, int(light * (SHADES - 1) + 0.5)))


def palette():
    """Index = coverage * SHADES + shade; steel blue gear over the background."""
    dark, bright = (40, 60, 90), (150, 180, 215)
    colours = []
    for coverage in range(COVERAGES):
        share = coverage / (COVERAGES - 1)
        for shade in range(SHADES):
            t = shade / (SHADES - 1)
            steel = [d + (b - d) * t for d, b in zip(dark, bright)]
            colours.append(tuple(int(bg + (s - bg) * share + 0.5)
                                 for bg, s in zip(BACKGROUND, steel)))
    return colours


def frame(turn_degrees):
    """Palette indices, row by row from the top."""
    turn = math.radians(turn_degrees)
    pixels = []
    for y in range(SIZE):
        for x in range(SIZE):
            hits = sum(inside(x + (i + 0.5) / 4, y + (j + 0.5) / 4, turn)
                       for i in range(4) for j in range(4))
            coverage = round(hits * (COVERAGES - 1) / 16)
            pixels.append(coverage * SHADES + shade_of(x + 0.5, y + 0.5))
    return pixels


def write_bmp(path, pixels, colours):
    row_size = (SIZE * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(SIZE)):  # bottom row first
        row = bytearray()
        for x in range(SIZE):
            r, g, b = colours[pixels[y * SIZE + x]]
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * (row_size - len(row)))
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    path.write_bytes(header + info + image)


def lzw(indices, min_code_size=8):
    """GIF's variable-length LZW, packed least significant bit first."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    code_size = min_code_size + 1

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += code_size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    current = (indices[0],)
    for index in indices[1:]:
        extended = current + (index,)
        if extended in table:
            current = extended
            continue
        emit(table[current])
        if next_code < 4096:
            table[extended] = next_code
            next_code += 1
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            code_size = min_code_size + 1
        current = (index,)
    emit(table[current])
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def sub_blocks(data):
    return b"".join(bytes((len(data[i:i + 255]),)) + data[i:i + 255]
                    for i in range(0, len(data), 255)) + b"\0"


def write_gif(path, frames, colours):
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", SIZE, SIZE, 0xF7, 0, 0)  # global table of 256 colours
    for colour in colours:
        data += bytes(colour)
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop for ever
    for pixels in frames:
        data += b"\x21\xF9\x04\x00" + struct.pack("<H", DELAY) + b"\x00\x00"
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
        data += b"\x08" + sub_blocks(lzw(pixels))
    data += b"\x3B"
    path.write_bytes(bytes(data))


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "data"
    colours = palette()
    frames = [frame(i * STEP) for i in range(FRAMES)]
    write_bmp(folder / "Gear.bmp", frames[0], colours)
    write_gif(folder / "Gear.gif", frames, colours)
    print("wrote", folder / "Gear.bmp", "and", folder / "Gear.gif")


if __name__ == "__main__":
    main()
