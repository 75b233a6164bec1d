"""The painted frame in a real X server: rounded corners show the root window,
the title bar drags with the left button only, the minimise image minimises and
the window comes back in place, the level line drags, and the close image asks
before it ends the program with the position saved."""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2eargs  # noqa: E402
import kelvaro_window as kw  # noqa: E402
from xharness import XSession, expect  # noqa: E402


def near(a, b, tol=3):
    return abs(a[0] - b[0]) <= tol and abs(a[1] - b[1]) <= tol


def main():
    args = e2eargs.parse()
    with XSession(out=args.out) as s:
        proc, wid, settings = kw.start(s, args.program)
        x, y, w, h = s.geometry(wid)
        shot = s.screenshot("frame.png")
        for cx, cy in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)):
            expect(shot.getpixel((cx, cy)) == XSession.ROOT, f"the corner pixel {cx - x},{cy - y} shows the root")
        expect(shot.getpixel((x + 300, y + 3)) != XSession.ROOT, "the title bar is painted")
        expect(shot.getpixel((x + 1, y + 300)) != XSession.ROOT, "the left edge is painted")

        s.drag(x + 400, y + 12, x + 450, y + 62, button=3)
        expect(s.geometry(wid)[:2] == (x, y), "a right drag on the title bar does not move the window")
        s.drag(x + 400, y + 12, x + 450, y + 62, button=1, follows=wid)
        nx, ny = s.read_until(lambda: s.geometry(wid)[:2], lambda p: near(p, (x + 50, y + 50)), 5)
        expect(near((nx, ny), (x + 50, y + 50)), f"a left drag on the title bar moves the window ({nx},{ny})")
        x, y = nx, ny

        s.click(x + 4 + 60, y + 32 + 8)
        time.sleep(0.3)  # a move that must not happen: only time shows it did not
        expect(s.geometry(wid)[:2] == (x, y), "a click on the level line moves nothing")
        s.drag(x + 4 + 60, y + 32 + 8, x + 4 + 20, y + 32 + 28, button=1, follows=wid)
        nx, ny = s.read_until(lambda: s.geometry(wid)[:2], lambda p: near(p, (x - 40, y + 20)), 5)
        expect(near((nx, ny), (x - 40, y + 20)), f"a drag on the level line moves the window ({nx},{ny})")
        x, y = nx, ny

        s.click(x + 717 + 8, y + 5 + 8)
        shown = s.read_until(lambda: s.viewable(wid), lambda v: not v, 5)
        expect(not shown, "the minimise image minimises the window")
        # The drag above did not change the stored place: it is where the window
        # was when it was minimised.
        s.xdotool("windowactivate", wid)
        shown, place = s.read_until(lambda: (s.viewable(wid), s.geometry(wid)[:2]),
                                    lambda v: v[0] and near(v[1], (x, y), 1), 5)
        expect(shown, "the window is restored")
        expect(near(place, (x, y), 1), f"it comes back at the same place {place}")

        s.click(x + 738 + 8, y + 5 + 8)
        kw.answer_exit_yes(s, proc, wid, settings, x, y)


if __name__ == "__main__":
    main()
