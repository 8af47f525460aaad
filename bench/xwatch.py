#!/usr/bin/env python3
"""Watches an X display from outside the program: when its main window is mapped after exec, and
how long each configuration page takes from the key that chooses it in the tree to its window
being mapped. Polls the X server every 0.5 ms through libX11; keys go through XTest.

Usage: xwatch.py PROGRAM     (DISPLAY must name a display without a window manager)
Prints "start <ms>", "memory <peak MB> <resident MB>" half a second later, then one line
"page <ms> <window title>" per page, each page once."""

import ctypes
import ctypes.util
import subprocess
import sys
import time

MAIN_TITLE = "Orvan 2a/2b Programmiersoftware"
POLL = 0.0005
IS_VIEWABLE = 2

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                           ctypes.POINTER(ctypes.c_ulong),
                           ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                           ctypes.POINTER(ctypes.c_uint)]
x11.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                   ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.c_void_p)]
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                     ctypes.POINTER(WindowAttributes)]

# A window may vanish between listing and asking about it: ignore such errors.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
ignore_errors = ERROR_HANDLER(lambda display, event: 0)
x11.XSetErrorHandler(ignore_errors)

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("xwatch.py: cannot open the display")
root = x11.XDefaultRootWindow(display)
net_wm_name = x11.XInternAtom(display, b"_NET_WM_NAME", 0)
net_wm_pid = x11.XInternAtom(display, b"_NET_WM_PID", 0)
watched_pid = None


def property_bytes(window, atom):
    kind, fmt = ctypes.c_ulong(), ctypes.c_int()
    count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
    if x11.XGetWindowProperty(display, window, atom, 0, 1024, 0, 0, ctypes.byref(kind),
                              ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                              ctypes.byref(data)) != 0 or not data.value:
        return None
    size = count.value * (ctypes.sizeof(ctypes.c_long) if fmt.value == 32 else fmt.value // 8)
    value = ctypes.string_at(data.value, size)
    x11.XFree(data)
    return value


def title(window):
    """The window's title if it belongs to the watched program."""
    pid = property_bytes(window, net_wm_pid)
    if not pid or int.from_bytes(pid[:ctypes.sizeof(ctypes.c_long)], "little") != watched_pid:
        return None
    text = property_bytes(window, net_wm_name)
    return text.decode("utf-8", "replace") if text else None


def mapped_windows():
    """Viewable top-level windows with a title: {window: title}."""
    root_return, parent = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    x11.XQueryTree(display, root, ctypes.byref(root_return), ctypes.byref(parent),
                   ctypes.byref(children), ctypes.byref(count))
    found = {}
    for k in range(count.value):
        window = children[k]
        attributes = WindowAttributes()
        if not x11.XGetWindowAttributes(display, window, ctypes.byref(attributes)):
            continue
        if attributes.map_state != IS_VIEWABLE:
            continue
        name = title(window)
        if name:
            found[window] = name
    if children:
        x11.XFree(children)
    return found


def wait_for(condition, limit):
    end = time.perf_counter() + limit
    while time.perf_counter() < end:
        result = condition(mapped_windows())
        if result:
            return result
        time.sleep(POLL)
    return None


def key(name):
    keysym = {"Tab": 0xFF09, "Down": 0xFF54, "Right": 0xFF53, "Escape": 0xFF1B, "space": 0x20}[name]
    code = x11.XKeysymToKeycode(display, keysym)
    xtst.XTestFakeKeyEvent(display, code, 1, 0)
    xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)


def main():
    global watched_pid
    start = time.perf_counter()
    program = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    watched_pid = program.pid
    main_window = wait_for(lambda w: next((k for k, v in w.items() if v == MAIN_TITLE), None), 20)
    mapped = time.perf_counter()
    if main_window is None:
        program.kill()
        sys.exit("xwatch.py: the main window never appeared")
    print(f"start {(mapped - start) * 1000:.1f}", flush=True)
    time.sleep(0.5)
    with open(f"/proc/{program.pid}/status") as status:
        kb = {line.split(":")[0]: int(line.split()[1]) for line in status if line.startswith("Vm")}
    print(f"memory {kb['VmHWM'] / 1024:.1f} {kb['VmRSS'] / 1024:.1f}", flush=True)

    others = lambda w: next(((k, v) for k, v in w.items() if k != main_window), None)
    alone = lambda w: others(w) is None
    x11.XSetInputFocus(display, main_window, 1, 0)
    time.sleep(0.3)
    # "Info..." cancelled with Esc enables the tree; from there five tabs reach it.
    for name in ("Tab", "Tab", "space"):
        key(name)
    if wait_for(others, 5) is None:
        sys.exit("xwatch.py: the info dialog never appeared")
    time.sleep(0.3)  # until it has the keyboard
    key("Escape")
    wait_for(alone, 5)
    for _ in range(5):
        key("Tab")
    time.sleep(0.2)
    seen = set()
    for _ in range(30):
        chosen = time.perf_counter()
        key("Down")
        page = wait_for(others, 0.6)
        if page is None:
            key("Right")  # a group opens, a leaf without a page stays as it is
            continue
        shown = time.perf_counter()
        if page[1] not in seen:
            seen.add(page[1])
            print(f"page {(shown - chosen) * 1000:.1f} {page[1].split(' — ')[0]}", flush=True)
        key("Escape")
        wait_for(alone, 5)
        time.sleep(0.05)
    program.kill()
    program.wait()


try:
    main()
finally:
    if watched_pid is not None:
        subprocess.run(["kill", str(watched_pid)], stderr=subprocess.DEVNULL)
