#!/usr/bin/env python3
"""Draws the toolbar strip (toolbar128.png, 7 images of 18 x 18 in one
126 x 18 strip, and toolbar128@2x.png, the same at twice the size for
screens scaled 150 % and more, each pixel of the art made a square of four)
and the program icon (icon128.png, 32 x 32) as pixel art in
the 16 classic colours, and writes them beside this script; and the same
icon for the desktop's icon theme into icons/: as SVG (one square per pixel,
so it stays sharp at any size) and as PNG files of 32, 48, 64, 128 and 256
pixels (each pixel of the art widened to whole pixels), and as the Windows
icon (.ico of 16, 32, 48 and 256 pixels). Run it again after
changing a picture; the files are kept in the repository."""
import os
import struct
import zlib

PALETTE = {
    '.': None,
    'k': (0x00, 0x00, 0x00), 'm': (0x80, 0x00, 0x00), 'G': (0x00, 0x80, 0x00),
    'o': (0x80, 0x80, 0x00), 'n': (0x00, 0x00, 0x80), 'p': (0x80, 0x00, 0x80),
    't': (0x00, 0x80, 0x80), 'g': (0x80, 0x80, 0x80), 's': (0xC0, 0xC0, 0xC0),
    'r': (0xFF, 0x00, 0x00), 'l': (0x00, 0xFF, 0x00), 'y': (0xFF, 0xFF, 0x00),
    'b': (0x00, 0x00, 0xFF), 'f': (0xFF, 0x00, 0xFF), 'c': (0x00, 0xFF, 0xFF),
    'w': (0xFF, 0xFF, 0xFF),
}

NEW = [
    "..................",
    "...kkkkkkkk.......",
    "...kwwwwwwkk......",
    "...kwwwwwwkwk.....",
    "...kwwwwwwkwwk....",
    "...kwwwwwwkkkkk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kwwwwwwwwwwk...",
    "...kkkkkkkkkkkk...",
    "..................",
]
OPEN = [
    "..................",
    "..................",
    "..................",
    "..kkkk............",
    ".kyyyyk...........",
    ".kyyyyykkkkkkk....",
    ".kyyyyyyyyyyyk....",
    ".kyyyyyyyyyyyk....",
    ".kyyykkkkkkkkkkkk.",
    ".kyykoooooooooook.",
    ".kyykoooooooooook.",
    ".kykoooooooooook..",
    ".kykoooooooooook..",
    ".kkoooooooooook...",
    ".kkkkkkkkkkkkkk...",
    "..................",
    "..................",
    "..................",
]
SAVE = [
    "..................",
    ".kkkkkkkkkkkkkkk..",
    ".knnwwwwwwwwwnnk..",
    ".knnwwwwwwwwwnnk..",
    ".knnwwwwwwwwwnnk..",
    ".knnwwwwwwwwwnnk..",
    ".knnwwwwwwwwwnnk..",
    ".knnnnnnnnnnnnnk..",
    ".knnnnnnnnnnnnnk..",
    ".knnnsssssssnnnk..",
    ".knnnssknsssnnnk..",
    ".knnnssknsssnnnk..",
    ".knnnssknsssnnnk..",
    ".knnnsssssssnnnk..",
    ".kkkkkkkkkkkkkkk..",
    "..................",
    "..................",
    "..................",
]
RADIO = [
    "..k...", "..k...", "..k...", "kkkkk.", "kgggk.", "kccck.", "kccck.", "kgggk.",
    "kswsk.", "kgggk.", "kswsk.", "kgggk.", "kswsk.", "kgggk.", "kkkkk.", "......",
    "......", "......",
]
ARROW_TO_PC = {
    5: "....G.......", 6: "...GG.......", 7: "..GGGGGGGGG.", 8: ".GGGGGGGGGG.",
    9: "..GGGGGGGGG.", 10: "...GG.......", 11: "....G.......",
}
ARROW_TO_RADIO = {
    5: ".......r....", 6: ".......rr...", 7: ".rrrrrrrrr..", 8: ".rrrrrrrrrr.",
    9: ".rrrrrrrrr..", 10: ".......rr...", 11: ".......r....",
}
READ = [ARROW_TO_PC.get(i, "." * 12) + RADIO[i] for i in range(18)]
WRITE = [ARROW_TO_RADIO.get(i, "." * 12) + RADIO[i] for i in range(18)]
PRINT = [
    "..................",
    "....kkkkkkkkk.....",
    "....kwwwwwwwk.....",
    "....kwkkkkkwk.....",
    "....kwwwwwwwk.....",
    "....kwkkkkwwk.....",
    "..kkkkkkkkkkkkk...",
    ".ksssssssssssssk..",
    ".ksssssssssssGsk..",
    ".ksssssssssssssk..",
    ".kgggggggggggggk..",
    ".kgkkkkkkkkkkkgk..",
    ".kkwwwwwwwwwwwkk..",
    "...kwwwwwwwwwk....",
    "...kkkkkkkkkkk....",
    "..................",
    "..................",
    "..................",
]
ABOUT = [
    "..................",
    "......kkkkk.......",
    ".....knnnnnk......",
    "....knnkkknnk.....",
    "....knnk.knnk.....",
    ".....kk..knnk.....",
    ".........knnk.....",
    "........knnk......",
    ".......knnk.......",
    "......knnk........",
    "......knnk........",
    ".......kk.........",
    "..................",
    "......kkkk........",
    "......knnk........",
    "......knnk........",
    "......kkkk........",
    "..................",
]

# The toolbar's order: New, Open, Save, Read, Write, Print, About.
STRIP = [NEW, OPEN, SAVE, READ, WRITE, PRINT, ABOUT]


def icon_rows():
    """The program icon: a handheld radio with its display lit."""
    rows = [['.'] * 32 for _ in range(32)]

    def fill(x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                rows[y][x] = c

    fill(20, 1, 22, 8, 'k')      # antenna
    fill(21, 2, 21, 7, 'g')
    fill(8, 8, 24, 30, 'k')      # body outline
    fill(9, 9, 23, 29, 'g')
    fill(10, 10, 22, 12, 'k')    # speaker grille
    for x in range(11, 22, 2):
        rows[11][x] = 's'
    fill(10, 14, 22, 19, 'k')    # display
    fill(11, 15, 21, 18, 'c')
    fill(12, 16, 14, 17, 'n')    # "CH" digits on the display
    fill(17, 16, 20, 17, 'n')
    for row in (21, 24, 27):     # keypad
        for col in (11, 15, 19):
            fill(col, row, col + 2, row + 1, 's')
    fill(5, 12, 7, 18, 'k')      # side key
    fill(6, 13, 6, 17, 'r')
    return [''.join(r) for r in rows]


def png(width, height, pixels):
    raw = b''
    for y in range(height):
        raw += b'\x00' + b''.join(pixels[y * width:(y + 1) * width])

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def rgba(ch):
    colour = PALETTE[ch]
    return bytes((0, 0, 0, 0)) if colour is None else bytes(colour + (255,))


def icon_png(rows, size):
    """The icon at `size` pixels: each output pixel takes the art pixel its
    top left corner falls on, so edges stay sharp at any size."""
    art = len(rows)
    return png(size, size, [rgba(rows[y * art // size][x * art // size])
                            for y in range(size) for x in range(size)])


def icon_svg(rows):
    """The icon as SVG: one rectangle per run of equal pixels in a row."""
    art = len(rows)
    shapes = []
    for y, row in enumerate(rows):
        x = 0
        while x < art:
            end = x
            while end < art and row[end] == row[x]:
                end += 1
            colour = PALETTE[row[x]]
            if colour is not None:
                shapes.append('  <rect x="%d" y="%d" width="%d" height="1" fill="#%02x%02x%02x"/>'
                              % ((x, y, end - x) + colour))
            x = end
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d" shape-rendering="crispEdges">\n' % (art, art, art, art) +
            '\n'.join(shapes) + '\n</svg>\n')


ICON_SIZES = (32, 48, 64, 128, 256)
WINDOWS_ICON_SIZES = (16, 32, 48, 256)


def icon_ico(rows):
    """The icon as a Windows .ico: the PNG images one after another, each
    named in the directory at the front (a width of 0 stands for 256)."""
    images = [icon_png(rows, size) for size in WINDOWS_ICON_SIZES]
    head = struct.pack('<HHH', 0, 1, len(images))
    offset = len(head) + 16 * len(images)
    entries = b''
    for size, image in zip(WINDOWS_ICON_SIZES, images):
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return head + entries + b''.join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for image in STRIP:
        assert len(image) == 18 and all(len(r) == 18 for r in image), image
    pixels = [rgba(image[y][x]) for y in range(18) for image in STRIP for x in range(18)]
    with open(os.path.join(here, 'toolbar128.png'), 'wb') as out:
        out.write(png(18 * len(STRIP), 18, pixels))
    doubled = [rgba(image[y // 2][x // 2]) for y in range(36) for image in STRIP
               for x in range(36)]
    with open(os.path.join(here, 'toolbar128@2x.png'), 'wb') as out:
        out.write(png(36 * len(STRIP), 36, doubled))
    rows = icon_rows()
    with open(os.path.join(here, 'icon128.png'), 'wb') as out:
        out.write(png(32, 32, [rgba(rows[y][x]) for y in range(32) for x in range(32)]))
    icons = os.path.join(here, 'icons')
    os.makedirs(icons, exist_ok=True)
    for size in ICON_SIZES:
        with open(os.path.join(icons, 'zrx-pc-encoder-%d.png' % size), 'wb') as out:
            out.write(icon_png(rows, size))
    with open(os.path.join(icons, 'zrx-pc-encoder.svg'), 'w', encoding='ascii') as out:
        out.write(icon_svg(rows))
    with open(os.path.join(icons, 'zrx-pc-encoder.ico'), 'wb') as out:
        out.write(icon_ico(rows))


if __name__ == '__main__':
    main()
