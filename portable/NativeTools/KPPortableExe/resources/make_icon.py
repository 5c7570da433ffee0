#!/usr/bin/env python3
"""Draws the launcher's emblem and writes it as a Windows icon file.

The emblem is a rounded square in a blue-teal gradient carrying a white
chevron, a bird in a stoop, over an amber point. It is drawn from geometry
alone, with a fixed supersampling grid and no randomness, so every run writes
the same bytes. The images are the uncompressed 32-bit form with alpha plus
the 1-bit mask that older shells still read; the sizes run from largest to
smallest, which is the order the icon group lists them in.

Usage: make_icon.py OUTPUT.ico
"""

import struct
import sys

ICON_SIZES = (64, 48, 32, 16)

# Samples per pixel along each axis: enough for smooth edges at 16 pixels.
SUPERSAMPLING = 6

# Geometry in unit coordinates: (0, 0) is the top left corner of the image,
# (1, 1) the bottom right.
BADGE_MARGIN = 1.0 / 16
BADGE_CORNER_RADIUS = 0.2
CHEVRON_APEX = (0.50, 0.22)
CHEVRON_LEFT_END = (0.18, 0.56)
CHEVRON_RIGHT_END = (0.82, 0.56)
CHEVRON_HALF_WIDTH = 0.085
POINT_CENTRE = (0.50, 0.71875)
POINT_RADIUS = 0.115

# Colours as (red, green, blue).
BADGE_TOP_COLOUR = (0x2A, 0x8C, 0xA8)
BADGE_BOTTOM_COLOUR = (0x13, 0x3F, 0x5C)
CHEVRON_COLOUR = (0xFF, 0xFF, 0xFF)
POINT_COLOUR = (0xF5, 0xA6, 0x23)

OPAQUE = 255
BITMAP_INFO_HEADER_SIZE = 40
ICON_DIRECTORY_SIZE = 6
ICON_ENTRY_SIZE = 16
ICON_RESOURCE_TYPE = 1
BITS_PER_PIXEL = 32
PLANES = 1
NO_COMPRESSION = 0


def inside_badge(x, y):
    """Whether a point lies in the rounded square."""
    low = BADGE_MARGIN + BADGE_CORNER_RADIUS
    high = 1.0 - BADGE_MARGIN - BADGE_CORNER_RADIUS
    nearest_x = min(max(x, low), high)
    nearest_y = min(max(y, low), high)
    if not (BADGE_MARGIN <= x <= 1.0 - BADGE_MARGIN
            and BADGE_MARGIN <= y <= 1.0 - BADGE_MARGIN):
        return False
    dx = x - nearest_x
    dy = y - nearest_y
    return dx * dx + dy * dy <= BADGE_CORNER_RADIUS * BADGE_CORNER_RADIUS


def distance_to_segment(x, y, start, end):
    """Distance from a point to the line segment from start to end."""
    sx, sy = start
    ex, ey = end
    vx = ex - sx
    vy = ey - sy
    t = ((x - sx) * vx + (y - sy) * vy) / (vx * vx + vy * vy)
    t = min(max(t, 0.0), 1.0)
    dx = x - (sx + t * vx)
    dy = y - (sy + t * vy)
    return (dx * dx + dy * dy) ** 0.5


def inside_chevron(x, y):
    """Whether a point lies on one of the chevron's two strokes."""
    return (distance_to_segment(x, y, CHEVRON_APEX, CHEVRON_LEFT_END)
            <= CHEVRON_HALF_WIDTH
            or distance_to_segment(x, y, CHEVRON_APEX, CHEVRON_RIGHT_END)
            <= CHEVRON_HALF_WIDTH)


def inside_point(x, y):
    """Whether a point lies in the amber disc."""
    dx = x - POINT_CENTRE[0]
    dy = y - POINT_CENTRE[1]
    return dx * dx + dy * dy <= POINT_RADIUS * POINT_RADIUS


def badge_colour(y):
    """The gradient's colour at height y."""
    return tuple(top + (bottom - top) * y
                 for top, bottom in zip(BADGE_TOP_COLOUR, BADGE_BOTTOM_COLOUR))


def sample_colour(x, y):
    """Colour and opacity (0 or 1) of one sample of the emblem."""
    if not inside_badge(x, y):
        return (0.0, 0.0, 0.0), 0.0
    if inside_chevron(x, y):
        return CHEVRON_COLOUR, 1.0
    if inside_point(x, y):
        return POINT_COLOUR, 1.0
    return badge_colour(y), 1.0


def render_pixel(column, row, size):
    """Averages the pixel's samples: (red, green, blue, alpha) in 0..255.

    Colours are averaged over the covered samples only, so the badge's edge
    keeps its colour and fades out through alpha alone.
    """
    totals = [0.0, 0.0, 0.0]
    covered = 0.0
    step = 1.0 / (size * SUPERSAMPLING)
    for sub_row in range(SUPERSAMPLING):
        y = (row * SUPERSAMPLING + sub_row + 0.5) * step
        for sub_column in range(SUPERSAMPLING):
            x = (column * SUPERSAMPLING + sub_column + 0.5) * step
            colour, coverage = sample_colour(x, y)
            covered += coverage
            for channel in range(3):
                totals[channel] += colour[channel] * coverage
    alpha = round(OPAQUE * covered / (SUPERSAMPLING * SUPERSAMPLING))
    if alpha == 0:
        return (0, 0, 0, 0)
    return tuple(round(total / covered) for total in totals) + (alpha,)


def mask_row_bytes(size):
    """Bytes in one row of the 1-bit mask: rows are padded to 32 bits."""
    return (size + 31) // 32 * 4


def icon_image(size):
    """One icon image: header, bottom-up BGRA pixels, bottom-up mask."""
    pixels = [[render_pixel(column, row, size) for column in range(size)]
              for row in range(size)]
    colour_bytes = bytearray()
    mask_bytes = bytearray()
    for row in reversed(pixels):
        mask_row = bytearray(mask_row_bytes(size))
        for column, (red, green, blue, alpha) in enumerate(row):
            colour_bytes += bytes((blue, green, red, alpha))
            if alpha == 0:
                # A set mask bit lets the background show through.
                mask_row[column // 8] |= 0x80 >> (column % 8)
        mask_bytes += mask_row
    # The height counts the colour image and the mask together.
    header = struct.pack('<IiiHHIIiiII', BITMAP_INFO_HEADER_SIZE, size,
                         2 * size, PLANES, BITS_PER_PIXEL, NO_COMPRESSION,
                         len(colour_bytes) + len(mask_bytes), 0, 0, 0, 0)
    return header + bytes(colour_bytes) + bytes(mask_bytes)


def icon_file(sizes):
    """The icon file: directory, one entry per image, the images."""
    images = [icon_image(size) for size in sizes]
    directory = struct.pack('<HHH', 0, ICON_RESOURCE_TYPE, len(images))
    offset = ICON_DIRECTORY_SIZE + ICON_ENTRY_SIZE * len(images)
    entries = b''
    for size, image in zip(sizes, images):
        entries += struct.pack('<BBBBHHII', size, size, 0, 0, PLANES,
                               BITS_PER_PIXEL, len(image), offset)
        offset += len(image)
    return directory + entries + b''.join(images)


def main(arguments):
    if len(arguments) != 2:
        sys.stderr.write(__doc__)
        return 2
    with open(arguments[1], 'wb') as output:
        output.write(icon_file(ICON_SIZES))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
