"""Faults a player could hit in the real window: two quick presses on
neighbouring tiles, a message box that must keep the keyboard, a hang-up and
a lost X server, which must both save the window's place."""
import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2eargs  # noqa: E402
import kelvaro_window as kw  # noqa: E402
from xharness import XSession, expect  # noqa: E402


def saved_at(settings, x, y):
    with open(settings) as f:
        flat = f.read().replace(" ", "")
    return f"frmMainX={x * 15}" in flat and f"frmMainY={y * 15}" in flat


def quick_presses_on_neighbours(s, wid):
    x, y = s.geometry(wid)[:2]
    shot = s.screenshot()
    key = {(r, c): kw.face_key(shot, x, y, r, c) for r in range(2, 12) for c in range(2, 16)}
    pair = next(((r, c) for r in range(3, 12) for c in range(2, 15)
                 if len({key[(r, c)], key[(r, c + 1)], key[(2, 2)]}) == 3), None)
    expect(pair is not None, f"two neighbouring tiles of other faces: {pair}")
    r, c = pair
    # Either side of the line between the two tiles, 20 pixels apart.
    ax, ay = kw.cell_origin(x, y, r, c)
    ax, ay, bx = ax + 30, ay + 20, ax + 50
    s.xdotool("mousemove", ax, ay, "click", 1, "sleep", 0.12, "mousemove", bx, ay, "click", 1)
    shot = s.shot_until(lambda shot: kw.face_key(shot, x, y, r, c + 1) != key[(r, c + 1)] and
                        kw.face_key(shot, x, y, r, c) == key[(r, c)])
    expect(kw.face_key(shot, x, y, r, c + 1) != key[(r, c + 1)],
           "the second of two presses 120 ms and 20 px apart selects its tile")
    expect(kw.face_key(shot, x, y, r, c) == key[(r, c)], "the first tile is no longer selected")


def box_keeps_the_keyboard(s, wid):
    x, y = s.geometry(wid)[:2]
    s.click(x + 664 + 40, y + 320 + 16)  # About
    box = s.find_window(".* Kelvaro")  # xdotool matches no CJK text
    props = s.xprop("-id", box, "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "WM_TRANSIENT_FOR")
    expect("_NET_WM_WINDOW_TYPE_DIALOG" in props and "_NET_WM_STATE_MODAL" in props,
           "the box is a modal dialog: " + props.replace("\n", " | "))
    expect(hex(int(wid)) in props, "the box is transient for the main window")
    s.click(*kw.cell_centre(x, y, 1, 1))  # a press on the owner
    time.sleep(0.5)  # nothing shows the press was handled: a wrong focus change needs time to happen
    s.key("Return")
    left = s.read_until(lambda: s.window_count(".* Kelvaro"), lambda n: n == 0, 5)
    expect(left == 0, "Enter after a press on the owner still answers the box")


def main():
    args = e2eargs.parse()
    with XSession() as s:
        proc, wid, settings = kw.start(s, args.program)
        quick_presses_on_neighbours(s, wid)
        box_keeps_the_keyboard(s, wid)

        x, y = kw.move_window(s, wid, 170, 100)
        proc.send_signal(signal.SIGHUP)
        proc.wait(timeout=10)
        expect(proc.returncode == 0, f"SIGHUP ends the program normally ({proc.returncode})")
        expect(saved_at(settings, x, y), "SIGHUP saved the position")

        # The X server goes away under a running game: position saved, status 1, a clear word.
        proc, wid, settings = kw.start(s, args.program)
        x, y = kw.move_window(s, wid, 140, 80)
        xvfb = s.procs[0]
        xvfb.kill()
        xvfb.wait()
        try:
            _, err = proc.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
            raise AssertionError("the program did not end within 10 s of losing the X server")
        expect(proc.returncode == 1, f"a lost X server ends the program with status 1 ({proc.returncode})")
        said = [line for line in err.splitlines() if line.startswith("Kelvaro:")]
        expect(any("connection to the X server was lost" in line for line in said), f"it says why: {said}")
        expect(saved_at(settings, x, y), "a lost X server still saves the position")


if __name__ == "__main__":
    main()
