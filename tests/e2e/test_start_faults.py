"""A main window that cannot be created, drawn into or given its outline ends the
program at start with one line on stderr naming what failed, and exit status 1."""
import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kelvaro_window as kw  # noqa: E402
from xharness import XSession, expect  # noqa: E402

EXPECTED = {
    "window": 'Kelvaro: cannot create the window "Kelvaro 1.0.5": SDL_CreateWindow failed: no window for this test',
    "surface": 'Kelvaro: cannot draw into the window "Kelvaro 1.0.5": no surface for this test',
    "outline": 'Kelvaro: cannot give the window "Kelvaro 1.0.5" its outline: the X server has no SHAPE extension',
}


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--program", required=True)
    p.add_argument("--faults", required=True)
    args = p.parse_args()
    with XSession() as s:
        for fault, message in EXPECTED.items():
            env = dict(kw.user_env(s), LD_PRELOAD=args.faults, KELVARO_FAULT=fault, SDL_AUDIODRIVER="dummy")
            proc = s.spawn([args.program], env=env)
            try:
                _, err = proc.communicate(timeout=20)
            except subprocess.TimeoutExpired:
                proc.kill()
                raise AssertionError(f"{fault}: the program ran on")
            expect((proc.returncode, err) == (1, message + "\n"), f"{fault}: exit {proc.returncode}, {err!r}")


if __name__ == "__main__":
    main()
