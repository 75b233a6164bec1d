"""The button gallery in a real X server: it opens, hovering and pressing a
button change its pixels, and a click on an option button moves the selection
of its group only."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2eargs  # noqa: E402
from xharness import XSession, expect  # noqa: E402

TITLE = "Kelvaro Buttons"
LAYOUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "buttons.frm")


def read_layout():
    """Rectangles of the gallery's controls in window pixels, from its form data."""
    sections, current = {}, None
    with open(LAYOUT, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1], {})
            elif current is not None and "=" in line:
                k, v = line.split("=", 1)
                current[k.strip()] = v.strip()

    def rect(name):
        s = sections[name]
        x, y = int(s["Left"]), int(s["Top"])
        if "Container" in s:
            cx, cy, _, _ = rect(s["Container"])
            x, y = x + cx, y + cy
        return x, y, int(s["Width"]), int(s["Height"])
    return rect


def main():
    args = e2eargs.parse()
    rect = read_layout()
    with XSession(out=args.out) as s:
        home = os.path.join(s.tmp, "home")
        os.makedirs(home)
        s.move(5, 5)  # outside the window it opens
        s.spawn([args.program], env={"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                                     "XDG_RUNTIME_DIR": s.tmp})
        wid = s.find_window(TITLE)
        s.shown(wid)
        wx, wy, ww, wh = s.geometry(wid)
        expect((ww, wh) == (1000, 684), f"the gallery opens at 1000x684 (got {ww}x{wh})")

        def crop(shot, name):
            x, y, w, h = rect(name)
            return shot.crop((wx + x, wy + y, wx + x + w, wy + y + h)).tobytes()

        def centre(name):
            x, y, w, h = rect(name)
            return wx + x + w // 2, wy + y + h // 2

        def rest():
            s.move(wx + 5, wy + 5)

        def look_while(name, ok, nudge=False):
            """The control's look once ok holds (or the time is up). With nudge the pointer
            moves a pixel each time: one move might arrive before the window is ready."""
            x, y = centre(name)
            moves = iter(range(10 ** 6))

            def look():
                if nudge:
                    s.move(x + next(moves) % 2, y)
                return crop(s.screenshot(), name)
            return s.read_until(look, ok, 5)

        rest()
        normal = crop(s.screenshot(), "G20")
        hot = look_while("G20", lambda c: c != normal, nudge=True)
        expect(hot != normal, "hovering a button changes its pixels")
        s.xdotool("mousedown", 1)
        pressed = look_while("G20", lambda c: c not in (normal, hot))
        s.xdotool("mouseup", 1)
        expect(pressed not in (normal, hot), "pressing it changes them again")

        rest()
        before = s.screenshot()
        s.click(*centre("optA2"))
        rest()
        after = s.shot_until(lambda shot: crop(shot, "optA2") != crop(before, "optA2") and
                             crop(shot, "optA1") != crop(before, "optA1"))
        expect(crop(after, "optA2") != crop(before, "optA2"), "the clicked option button turns on")
        expect(crop(after, "optA1") != crop(before, "optA1"), "the one that was on turns off")
        expect(crop(after, "optB1") == crop(before, "optB1"), "the group in the other container stays")
    print("e2e gallery: ok")


if __name__ == "__main__":
    main()
