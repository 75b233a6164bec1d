"""A real X session for end-to-end tests: Xvfb, openbox, xdotool and screenshots."""
import ctypes
import os
import select
import shutil
import subprocess
import tempfile
import time

from PIL import Image

# The programs the session runs; scripts/install-deps installs them.
PROGRAMS = ("Xvfb", "xsetroot", "xdotool", "xprop", "xwininfo")
WINDOW_MANAGER = "openbox"


def expect(cond, what):
    if not cond:
        raise AssertionError(what)
    print("ok:", what)


def cpu_seconds(pid):
    """Processor time a process has used, user and system."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def idle_share(pid, seconds=10):
    """The share of one core a process uses over the next `seconds`."""
    before = cpu_seconds(pid)
    time.sleep(seconds)  # the measured interval
    return (cpu_seconds(pid) - before) / seconds


def resident(pid):
    """The process's VmRSS line, or "?"."""
    with open(f"/proc/{pid}/status") as f:
        rss = [line.strip() for line in f if line.startswith("VmRSS")]
    return rss[0] if rss else "?"


def poll(fn, timeout, what, every=0.05):
    """Calls fn until it returns something true and returns that; after timeout
    seconds, fails naming what it waited for."""
    end = time.monotonic() + timeout
    while True:
        got = fn()
        if got:
            return got
        if time.monotonic() >= end:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(every)


def read_until(read, ok, timeout, every=0.05):
    """Reads until ok(value) holds or timeout seconds have passed, and returns the
    last value read: the caller's check then reports what it saw."""
    end = time.monotonic() + timeout
    while True:
        value = read()
        if ok(value) or time.monotonic() >= end:
            return value
        time.sleep(every)


class _XImage(ctypes.Structure):
    # The head of Xlib's XImage, as far as a screenshot reads it.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


_xlib = None


def xlib():
    """libX11 through ctypes: a screenshot in-process costs milliseconds, so waits can
    take one as often as they like."""
    global _xlib
    if _xlib is None:
        x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XGetImage.restype = ctypes.POINTER(_XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        _xlib = x
    return _xlib


def grab_root(display, width, height):
    """The root window's pixels as an RGB picture. Each call has its own connection,
    so a test that kills the server leaves nothing behind to fail later."""
    x = xlib()
    dpy = x.XOpenDisplay(display.encode())
    if not dpy:
        raise AssertionError(f"cannot open display {display} for a screenshot")
    try:
        image = x.XGetImage(dpy, x.XDefaultRootWindow(dpy), 0, 0, width, height, ~0 & 0xFFFFFFFFFFFFFFFF, 2)
        if not image:
            raise AssertionError("XGetImage returned nothing")
        im = image.contents
        try:
            if (im.bits_per_pixel, im.byte_order, im.red_mask, im.blue_mask) != (32, 0, 0xFF0000, 0xFF):
                raise AssertionError(f"unexpected screen format: {im.bits_per_pixel} bits, byte order "
                                     f"{im.byte_order}, red {im.red_mask:#x}, blue {im.blue_mask:#x}")
            data = ctypes.string_at(im.data, im.bytes_per_line * im.height)
            stride = im.bytes_per_line
        finally:
            x.XDestroyImage(image)
    finally:
        x.XCloseDisplay(dpy)
    return Image.frombytes("RGB", (width, height), data, "raw", "BGRX", stride)


class XSession:
    ROOT = (0x33, 0x66, 0x99)
    ROOT_HEX = "#336699"

    def __init__(self, width=1024, height=768, window_manager=True, out=None):
        """out: a folder for the screenshots a test keeps (and the last one, should it fail)."""
        self.width, self.height = width, height
        self.window_manager = window_manager
        self.out = out
        self.procs = []
        self.display = None
        self.last_shot = None
        self.tmp = tempfile.mkdtemp(prefix="kelvaro-e2e-")

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, exc_type, *exc):
        if exc_type is not None and self.last_shot is not None and self.out:
            self.keep(self.last_shot, "failed-last-shot.png")
            print("the last screenshot:", os.path.join(self.out, "failed-last-shot.png"))
        self.stop()

    def start(self):
        needed = PROGRAMS + ((WINDOW_MANAGER,) if self.window_manager else ())
        missing = [p for p in needed if shutil.which(p) is None]
        if missing:
            raise AssertionError("missing program(s) for the end-to-end tests: " + ", ".join(missing) +
                                 " (scripts/install-deps installs them)")
        if self.out:
            os.makedirs(self.out, exist_ok=True)
            failed = os.path.join(self.out, "failed-last-shot.png")
            if os.path.exists(failed):
                os.remove(failed)  # from an earlier run
        self.display = self._start_xvfb()
        self.env = dict(os.environ, DISPLAY=self.display)
        if self.window_manager:
            self._start_window_manager()
        # A known root colour makes "outside the window" easy to recognise.
        subprocess.run(["xsetroot", "-solid", self.ROOT_HEX], env=self.env, check=True)

    def _start_xvfb(self):
        """Starts Xvfb on a display number of its choosing, which it writes to a pipe
        once it takes connections."""
        log_path = os.path.join(self.tmp, "Xvfb.log")
        r, w = os.pipe()
        try:
            with open(log_path, "wb") as log:
                self.procs.append(subprocess.Popen(
                    ["Xvfb", "-displayfd", str(w), "-screen", "0", f"{self.width}x{self.height}x24",
                     "-nolisten", "tcp"], pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=log))
        finally:
            os.close(w)
        said = b""
        end = time.monotonic() + 10
        try:
            while not said.endswith(b"\n"):
                left = end - time.monotonic()
                if left <= 0 or not select.select([r], [], [], left)[0]:
                    raise AssertionError("timed out after 10 s waiting for Xvfb to give its display number")
                chunk = os.read(r, 64)
                if not chunk:
                    with open(log_path, errors="replace") as f:
                        raise AssertionError("Xvfb ended before it gave a display number: " + f.read()[-2000:])
                said += chunk
        finally:
            os.close(r)
        return ":" + said.decode().strip()

    def _start_window_manager(self):
        wm = subprocess.Popen([WINDOW_MANAGER, "--sm-disable"], env=self.env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(wm)

        def managing():
            if wm.poll() is not None:
                raise AssertionError(f"{WINDOW_MANAGER} ended at start with status {wm.returncode}")
            return "window id #" in self.xprop("-root", "_NET_SUPPORTING_WM_CHECK")
        poll(managing, 10, f"{WINDOW_MANAGER} to manage the screen (_NET_SUPPORTING_WM_CHECK on the root)")

    def stop(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)

    poll = staticmethod(poll)
    read_until = staticmethod(read_until)

    def spawn(self, argv, env=None):
        e = dict(self.env)
        e.update(env or {})
        p = subprocess.Popen(argv, env=e, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.procs.append(p)
        return p

    def xdotool(self, *args):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True)
        return r.stdout.strip()

    def xprop(self, *args):
        return subprocess.run(["xprop", *map(str, args)], env=self.env, capture_output=True, text=True).stdout

    def viewable(self, wid):
        out = subprocess.run(["xwininfo", "-id", wid], env=self.env, capture_output=True, text=True).stdout
        return "IsViewable" in out

    def focused(self):
        return self.xdotool("getwindowfocus")

    def find_window(self, name, timeout=10):
        ids = []

        def found():
            nonlocal ids
            out = self.xdotool("search", "--onlyvisible", "--name", f"^{name}$")
            ids = [i for i in out.split() if i]
            return bool(ids)
        poll(found, timeout, f"window {name!r}")
        return ids[-1]

    def window_count(self, name):
        out = self.xdotool("search", "--onlyvisible", "--name", f"^{name}$")
        return len([i for i in out.split() if i])

    def geometry(self, wid):
        out = self.xdotool("getwindowgeometry", "--shell", wid)
        vals = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(vals["X"]), int(vals["Y"]), int(vals["WIDTH"]), int(vals["HEIGHT"])

    def screenshot(self, name=None):
        """The whole screen; with a name, also kept as a PNG in the output folder, if any."""
        shot = grab_root(self.display, self.width, self.height)
        self.last_shot = shot
        if name:
            self.keep(shot, name)
        return shot

    def keep(self, shot, name):
        if self.out:
            shot.save(os.path.join(self.out, name))

    def shot_until(self, ok, timeout=5, name=None):
        """Screenshots until ok(shot) holds or the time is up; returns the last, kept under name."""
        shot = read_until(self.screenshot, ok, timeout)
        if name:
            self.keep(shot, name)
        return shot

    def shown(self, wid, timeout=10):
        """Waits until a new window is on screen and painted: two screenshots in a row
        agree on its place and its pixels, and it shows more than one colour."""
        last = None

        def still():
            nonlocal last
            if not self.viewable(wid):
                return False
            x, y, w, h = place = self.geometry(wid)
            picture = self.screenshot().crop((x, y, x + w, y + h))
            now = (place, picture.tobytes())
            before, last = last, now
            return now == before and picture.getcolors(1) is None
        poll(still, timeout, f"window {wid} to be shown and painted")

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell")
        vals = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(vals["X"]), int(vals["Y"])

    def move(self, x, y):
        # Over a window, --sync waits some 15 s for a move to where the pointer already is.
        if self.pointer() != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xdotool("click", button)

    def drag(self, x0, y0, x1, y1, button=1, follows=None):
        """Presses at (x0, y0), moves to (x1, y1) in ten steps and lets go. follows is the
        window the drag should move: the steps wait until the window manager has taken
        the drag over, which it does only once the program has handled the press."""
        self.move(x0, y0)
        self.xdotool("mousedown", button)
        if follows is None:
            # A drag that must move nothing: only time shows that nothing moved, so it
            # goes at a person's pace to give a wrong move every chance.
            time.sleep(0.2)
            for i in range(1, 11):
                self.xdotool("mousemove", x0 + (x1 - x0) * i // 10, y0 + (y1 - y0) * i // 10)
                time.sleep(0.05)
            time.sleep(0.2)
            self.xdotool("mouseup", button)
            time.sleep(0.4)
            return
        start = self.geometry(follows)[:2]
        nudges = iter(range(10 ** 6))

        def taken():
            # A pointer that stays put sends no motion: nudge it by a pixel each time.
            self.xdotool("mousemove", x0 + 1 - next(nudges) % 2, y0)
            return self.geometry(follows)[:2] != start
        poll(taken, 10, f"the window manager to move window {follows} with the pointer")
        for i in range(1, 11):
            self.xdotool("mousemove", x0 + (x1 - x0) * i // 10, y0 + (y1 - y0) * i // 10)
        self.xdotool("mouseup", button)

    def activate(self, wid):
        self.xdotool("windowactivate", "--sync", wid)
        poll(lambda: self.focused() == wid, 5, f"window {wid} to take the keyboard")

    def key(self, *keys):
        self.xdotool("key", *keys)
