"""The real program on a dense 2560 x 1600 screen with KELVARO_SCALE=2: the window
is its 759 x 569 picture doubled, the cut corners show the desktop, two linkable
tiles found on a screenshot vanish when clicked, and the exit question is
doubled too and centred on the window; the title bar drags it."""
import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2eargs  # noqa: E402
import kelvaro_window as kw  # noqa: E402
from xharness import XSession, expect, idle_share, resident  # noqa: E402

S = 2


def at_1x(shot, x, y, w, h):
    """The window's picture brought back to 1x, and whether every 2 x 2 block was one colour."""
    crop = shot.crop((x, y, x + w, y + h))
    small = crop.resize((w // S, h // S), Image.NEAREST)
    return small, small.resize((w, h), Image.NEAREST).tobytes() == crop.tobytes()


def main():
    args = e2eargs.parse()
    with XSession(2560, 1600, out=args.out) as s:
        proc, wid, settings = kw.start(s, args.program, {"KELVARO_SCALE": str(S), "GDK_SCALE": "1"})
        x, y, w, h = s.geometry(wid)
        expect((w, h) == (1518, 1138), f"the window is 1518 x 1138 ({w} x {h})")
        expect(abs(x - (2560 - w) // 2) <= 1 and abs(y - (1600 - h) // 2) <= 1, f"the window is centred ({x},{y})")

        shot = s.screenshot("scaled.png")
        for cx, cy in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)):
            expect(shot.getpixel((cx, cy)) == XSession.ROOT, f"the corner pixel {cx - x},{cy - y} shows the desktop")
        expect(shot.getpixel((x + 4, y + 4)) != XSession.ROOT, "just inside the rounding the frame is painted")
        small, _ = at_1x(shot, x, y, w, h)
        # The cut corners show the desktop, which is not doubled; judge the inside.
        _, inner_doubled = at_1x(shot, x + 40, y + 40, w - 80, h - 80)
        expect(inner_doubled, "every pixel inside the window is a 2 x 2 block")

        print("figure: resident memory at scale 2:", resident(proc.pid))
        used = idle_share(proc.pid)
        print(f"figure: processor while the clock runs idle for 10 s at scale 2: {used * 100:.2f}% of one core")
        expect(used < 0.05, "waiting costs almost no processor at scale 2")

        pair = kw.find_linkable_pair(small, 0, 0)
        expect(pair is not None, f"a linkable pair is on the board: {pair}")
        a, b = pair
        # The presses reach the program in order, and 80 px apart they are never a double click.
        for cell in (a, b):
            cx, cy = kw.cell_centre(0, 0, *cell)
            s.click(x + cx * S, y + cy * S)

        def both_empty(shot):
            small, _ = at_1x(shot, x, y, w, h)
            return kw.mostly_white(small, 0, 0, *a) and kw.mostly_white(small, 0, 0, *b)
        shot = s.shot_until(both_empty, name="scaled-after.png")
        expect(both_empty(shot), "both cells are empty now")

        expect(s.geometry(wid)[:2] == (x, y), "pressing tiles did not move the window")
        # The title bar (1x: 400, 12) still drags with the left button.
        s.drag(x + 400 * S, y + 12 * S, x + 400 * S - 100, y + 12 * S - 60, follows=wid)
        nx, ny = s.read_until(lambda: s.geometry(wid)[:2],
                              lambda p: abs(p[0] - (x - 100)) <= 3 and abs(p[1] - (y - 60)) <= 3, 5)
        expect(abs(nx - (x - 100)) <= 3 and abs(ny - (y - 60)) <= 3, f"the title bar drags the window ({nx},{ny})")
        x, y = nx, ny

        s.click(x + (664 + 40) * S, y + (464 + 16) * S)
        box = s.find_window("Kelvaro")
        s.shown(box)
        bx, by, bw, bh = s.geometry(box)
        expect(bw % 2 == 0 and bh % 2 == 0 and bw >= 2 * 180, f"the exit question is doubled ({bw} x {bh})")
        expect(abs(bx - (x + (w - bw) // 2)) <= 1 and abs(by - (y + (h - bh) // 2)) <= 1,
               f"the exit question is centred on the window ({bx},{by})")
        shot = s.screenshot("scaled-question.png")
        expect(at_1x(shot, bx, by, bw, bh)[1], "every pixel of the exit question is a 2 x 2 block")
        kw.answer_exit_yes(s, proc, wid, settings, x, y)


if __name__ == "__main__":
    main()
