#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A task bar for the X display DISPLAY names: a dock window along the bottom of the screen that
# reserves its height (_NET_WM_STRUT), so that the window manager leaves it out of the work
# area it publishes (_NET_WORKAREA). Says "ready" once the work area leaves it out, and stays
# until it is ended.
# Usage: TaskBar.py HEIGHT
import ctypes
import sys
import time

height = int(sys.argv[1])
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XCreateSimpleWindow.restype = ctypes.c_ulong
x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                              ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
x.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
                                 ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_long))]
x.XFree.argtypes = [ctypes.c_void_p]

display = x.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
width, screen_height = x.XDisplayWidth(display, 0), x.XDisplayHeight(display, 0)
bar = x.XCreateSimpleWindow(display, x.XDefaultRootWindow(display), 0, screen_height - height, width, height, 0, 0,
                            0x404040)
atom = lambda name: x.XInternAtom(display, name, 0)
XA_ATOM, XA_CARDINAL, REPLACE = 4, 6, 0
dock = (ctypes.c_ulong * 1)(atom(b"_NET_WM_WINDOW_TYPE_DOCK"))
x.XChangeProperty(display, bar, atom(b"_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, REPLACE, dock, 1)
strut = (ctypes.c_long * 4)(0, 0, 0, height)
x.XChangeProperty(display, bar, atom(b"_NET_WM_STRUT"), XA_CARDINAL, 32, REPLACE, strut, 4)
partial = (ctypes.c_long * 12)(0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1)
x.XChangeProperty(display, bar, atom(b"_NET_WM_STRUT_PARTIAL"), XA_CARDINAL, 32, REPLACE, partial, 12)
x.XMapWindow(display, bar)
x.XFlush(display)


def work_area_height():
    kind, size, count, left = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
    data = ctypes.POINTER(ctypes.c_long)()
    x.XGetWindowProperty(display, x.XDefaultRootWindow(display), atom(b"_NET_WORKAREA"), 0, 4, 0, XA_CARDINAL,
                         ctypes.byref(kind), ctypes.byref(size), ctypes.byref(count), ctypes.byref(left),
                         ctypes.byref(data))
    height = data[3] if count.value == 4 else screen_height
    if data:
        x.XFree(data)
    return height


for _ in range(100):
    if work_area_height() <= screen_height - height:
        print("ready", flush=True)
        break
    time.sleep(0.05)
else:
    sys.exit("the window manager publishes no work area without the task bar")
while True:
    time.sleep(60)
