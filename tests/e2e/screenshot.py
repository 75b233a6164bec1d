"""Takes the screenshot the AppStream metadata shows: the program's window at the
start of level 1 in a real X server.

    /usr/bin/python3 tests/e2e/screenshot.py --program build/kelvaro --out packaging/screenshots/kelvaro-level-1.png
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kelvaro_window as kw  # noqa: E402
from xharness import XSession  # noqa: E402


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--program", required=True)
    p.add_argument("--out", required=True)
    args = p.parse_args()
    with XSession() as s:
        proc, wid, _ = kw.start(s, args.program, {"SDL_AUDIODRIVER": "dummy"})
        x, y, w, h = s.geometry(wid)
        s.move(0, 0)  # no hover look on a button
        shot = s.screenshot()
        os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
        shot.crop((x, y, x + w, y + h)).save(args.out, format="PNG", optimize=True)
        proc.terminate()
        proc.wait(timeout=10)
    print("wrote", args.out)


if __name__ == "__main__":
    main()
