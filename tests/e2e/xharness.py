"""A real X session for end-to-end tests: Xvfb, openbox, xdotool and screenshots."""
import os
import select
import shutil
import subprocess
import tempfile
import time

from PIL import Image

# The programs the session runs; scripts/install-deps installs them.
PROGRAMS = ("Xvfb", "xsetroot", "xdotool", "xprop", "xwininfo", "import")
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


class XSession:
    ROOT = (0x33, 0x66, 0x99)
    ROOT_HEX = "#336699"

    def __init__(self, width=1024, height=768, window_manager=True):
        self.width, self.height = width, height
        self.window_manager = window_manager
        self.procs = []
        self.display = None
        self.tmp = tempfile.mkdtemp(prefix="kelvaro-e2e-")

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        needed = PROGRAMS + ((WINDOW_MANAGER,) if self.window_manager else ())
        missing = [p for p in needed if shutil.which(p) is None]
        if missing:
            raise AssertionError("missing program(s) for the end-to-end tests: " + ", ".join(missing) +
                                 " (scripts/install-deps installs them)")
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
            return "window id #" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                                   capture_output=True, text=True).stdout
        self.wait_for(managing, 10, f"{WINDOW_MANAGER} to manage the screen (_NET_SUPPORTING_WM_CHECK on the root)")

    def stop(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)

    @staticmethod
    def wait_for(pred, timeout, what):
        end = time.time() + timeout
        while time.time() < end:
            if pred():
                return
            time.sleep(0.1)
        raise AssertionError(f"timed out waiting for {what}")

    def spawn(self, argv, env=None):
        e = dict(self.env)
        e.update(env or {})
        p = subprocess.Popen(argv, env=e, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.procs.append(p)
        return p

    def xdotool(self, *args):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True)
        return r.stdout.strip()

    def find_window(self, name, timeout=10):
        ids = []

        def found():
            nonlocal ids
            out = self.xdotool("search", "--onlyvisible", "--name", f"^{name}$")
            ids = [i for i in out.split() if i]
            return bool(ids)
        self.wait_for(found, timeout, f"window {name!r}")
        return ids[-1]

    def window_count(self, name):
        out = self.xdotool("search", "--onlyvisible", "--name", f"^{name}$")
        return len([i for i in out.split() if i])

    def geometry(self, wid):
        out = self.xdotool("getwindowgeometry", "--shell", wid)
        vals = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(vals["X"]), int(vals["Y"]), int(vals["WIDTH"]), int(vals["HEIGHT"])

    def screenshot(self, path=None):
        out = subprocess.run(["import", "-window", "root", "png:-"], env=self.env, capture_output=True,
                             check=True).stdout
        path = path or os.path.join(self.tmp, "shot.png")
        with open(path, "wb") as f:
            f.write(out)
        return Image.open(path).convert("RGB")

    def move(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)

    def click(self, x, y, button=1):
        self.move(x, y)
        time.sleep(0.05)
        self.xdotool("click", button)

    def drag(self, x0, y0, x1, y1, button=1):
        self.move(x0, y0)
        time.sleep(0.1)
        self.xdotool("mousedown", button)
        time.sleep(0.2)
        for i in range(1, 11):
            self.xdotool("mousemove", x0 + (x1 - x0) * i // 10, y0 + (y1 - y0) * i // 10)
            time.sleep(0.05)
        time.sleep(0.2)
        self.xdotool("mouseup", button)
        time.sleep(0.4)

    def activate(self, wid):
        self.xdotool("windowactivate", "--sync", wid)
        time.sleep(0.2)

    def key(self, *keys):
        self.xdotool("key", *keys)
