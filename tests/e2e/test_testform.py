"""The forms runtime in a real X server: a shaped window at a given position,
dragging by the drag strip (left button only), a click reaching a control, a
Yes/No box as a second window answered with a key, and the processor use while
a 100 ms timer runs idle."""
import os
import select
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2eargs  # noqa: E402
from xharness import XSession, expect, idle_share  # noqa: E402

TITLE = "Kelvaro Test Form"


def read_line(proc, timeout=5):
    end = time.time() + timeout
    while time.time() < end:
        r, _, _ = select.select([proc.stdout], [], [], 0.2)
        if r:
            return proc.stdout.readline().strip()
    raise AssertionError("no output from the test form")


def main():
    args = e2eargs.parse()
    with XSession(out=args.out) as s:
        proc = s.spawn([args.testform, "200", "150"])
        expect(read_line(proc) == "shown", "the form says it is shown")
        wid = s.find_window(TITLE)
        s.shown(wid)
        expect(s.geometry(wid) == (200, 150, 300, 200), "the window opens at 200,150 with 300x200")

        shot = s.screenshot()
        expect(shot.getpixel((205, 155)) == XSession.ROOT, "the cut corner shows the root window")
        expect(shot.getpixel((250, 160)) != XSession.ROOT, "inside the outline the form shows")
        expect(shot.getpixel((290, 240)) == (0xFF, 0, 0), "the red target is painted")

        s.click(290, 250)
        expect(read_line(proc) == "click", "a click reaches the control")
        shot = s.shot_until(lambda shot: shot.getpixel((290, 250)) == (0, 0xC0, 0))
        expect(shot.getpixel((290, 250)) == (0, 0xC0, 0), "the control repainted itself green")

        s.drag(350, 160, 450, 260, button=3)
        expect(s.geometry(wid)[:2] == (200, 150), "a right drag on the strip does not move the window")
        s.drag(350, 160, 450, 260, button=1, follows=wid)
        x, y = s.read_until(lambda: s.geometry(wid)[:2],
                            lambda p: abs(p[0] - 300) <= 3 and abs(p[1] - 250) <= 3, 5)
        expect(abs(x - 300) <= 3 and abs(y - 250) <= 3, f"a left drag moves the window (now {x},{y})")

        s.click(x + 210, y + 100)
        expect(read_line(proc) == "asking", "the question is asked")
        box = s.find_window("Kelvaro Question")
        expect(box != wid, "the Yes/No box is a second window")
        bx, by, bw, bh = s.geometry(box)
        cx, cy = bx + bw // 2, by + bh // 2
        expect(abs(cx - (x + 150)) <= 2 and abs(cy - (y + 100)) <= 2, "the box is centred on its owner")
        s.click(x + 90, y + 100)  # the owner takes no input while the box is open
        s.key("y")
        expect(read_line(proc) == "answer yes", "Y answers the box")
        left = s.read_until(lambda: s.window_count("Kelvaro Question"), lambda n: n == 0, 5)
        expect(left == 0, "the box is gone")

        used = idle_share(proc.pid)
        print(f"figure: processor while idle with a 100 ms timer: {used * 100:.2f}% of one core")
        expect(used < 0.05, "idle processor use stays low")

        proc.terminate()
        out = proc.communicate(timeout=5)[0]
        ticks = [line for line in out.splitlines() if line.startswith("ticks")]
        expect(ticks and int(ticks[0].split()[1]) >= 90, "the timer kept ticking: " + str(ticks))


if __name__ == "__main__":
    main()
