#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the colour of one pixel of the screen as RRGGBB: the X server is
asked for that pixel alone, as a 1 x 1 image of the root window, which holds
what the screen shows.
Usage: screenpixel.py X Y   (the display is $DISPLAY)"""
import ctypes
import sys

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]

ALL_PLANES = 0xFFFFFFFF
Z_PIXMAP = 2


class Image(ctypes.Structure):
    # The start of an XImage: enough to reach the colour masks of its visual.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


def channel(pixel, mask):
    """The channel of `mask` in the pixel, scaled to 0..255."""
    shift = (mask & -mask).bit_length() - 1
    top = mask >> shift
    return ((pixel & mask) >> shift) * 255 // top


def main():
    x, y = int(sys.argv[1]), int(sys.argv[2])
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("screenpixel: cannot open the display")
    image = x11.XGetImage(display, x11.XDefaultRootWindow(display), x, y, 1, 1, ALL_PLANES,
                          Z_PIXMAP)
    if not image:
        sys.exit(f"screenpixel: no pixel at {x},{y}")
    masks = Image.from_address(image)
    pixel = x11.XGetPixel(image, 0, 0)
    print("%02X%02X%02X" % tuple(channel(pixel, mask) for mask in
                                 (masks.red_mask, masks.green_mask, masks.blue_mask)))


main()
