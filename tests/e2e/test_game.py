"""The real program in a real X server: the window opens centred, two linkable
tiles found on a screenshot vanish when clicked, and the exit button with Yes
ends the program and saves its position. The program runs from a folder of its
own that holds none of its sound files: the game must not mind."""
import os
import shutil
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2eargs  # noqa: E402
import kelvaro_window as kw  # noqa: E402
from xharness import XSession, expect, idle_share, resident  # noqa: E402


def main():
    args = e2eargs.parse()
    with XSession(out=args.out) as s:
        t0 = time.time()
        folder = os.path.join(s.tmp, "bare")
        os.makedirs(folder)
        program = shutil.copy(args.program, folder)
        proc, wid, settings = kw.start(s, program)
        print(f"figure: window found {time.time() - t0:.2f} s after start (includes the X round trips of the test)")
        x, y, w, h = s.geometry(wid)
        expect((w, h) == (759, 569), f"the window is 759 x 569 ({w} x {h})")
        expect(abs(x - (1024 - 759) // 2) <= 1 and abs(y - (768 - 569) // 2) <= 1, f"the window is centred ({x},{y})")
        print("figure: resident memory at start:", resident(proc.pid))

        used = idle_share(proc.pid)
        print(f"figure: processor while the clock runs idle for 10 s: {used * 100:.2f}% of one core")
        expect(used < 0.05, "waiting costs almost no processor")

        shot = s.screenshot("start.png")
        pair = kw.find_linkable_pair(shot, x, y)
        expect(pair is not None, f"a linkable pair is on the board: {pair}")
        a, b = pair
        # The presses reach the program in order, and 40 px apart they are never a double click.
        s.click(*kw.cell_centre(x, y, *a))
        s.click(*kw.cell_centre(x, y, *b))
        shot = s.shot_until(lambda shot: kw.mostly_white(shot, x, y, *a) and kw.mostly_white(shot, x, y, *b),
                            name="after.png")
        expect(kw.mostly_white(shot, x, y, *a) and kw.mostly_white(shot, x, y, *b), "both cells are empty now")

        # Moved by the window manager, then closed with the exit button and Yes.
        x, y = kw.move_window(s, wid, 200, 120)
        s.click(x + 664 + 40, y + 464 + 16)
        kw.answer_exit_yes(s, proc, wid, settings, x, y)

        # The next run opens where the last one was left; a kill by the session
        # (SIGTERM) unloads the window and saves the place too.
        proc, wid, _ = kw.start(s, program)
        expect(s.geometry(wid)[:2] == (x, y), f"the next run opens at {x},{y}")
        x, y = kw.move_window(s, wid, 150, 90)
        proc.terminate()
        proc.wait(timeout=10)
        expect(proc.returncode == 0, "SIGTERM ends the program normally")
        with open(settings) as f:
            flat = f.read().replace(" ", "")
        expect(f"frmMainX={x * 15}" in flat and f"frmMainY={y * 15}" in flat, "SIGTERM saved the position")


if __name__ == "__main__":
    main()
