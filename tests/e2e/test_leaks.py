"""The three ways out of the game under AddressSanitizer's leak check: SIGTERM,
Alt+F4 and Yes to the exit question. Run on a sanitizer build (make leak-check);
the only suppression is libdbus's, brought in by SDL."""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kelvaro_window as kw  # noqa: E402
from xharness import XSession, expect  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def finish(proc, how):
    try:
        _, err = proc.communicate(timeout=60)
    except Exception:
        proc.kill()
        raise AssertionError(f"{how}: the program did not end")
    leaks = "LeakSanitizer" in err or "ERROR: AddressSanitizer" in err
    if leaks or proc.returncode != 0:
        print(err[-6000:])
    expect(proc.returncode == 0 and not leaks, f"{how}: ends with status 0 and no leak ({proc.returncode})")


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--program", required=True)
    args = p.parse_args()
    os.environ["ASAN_OPTIONS"] = "detect_leaks=1:abort_on_error=0"
    os.environ["LSAN_OPTIONS"] = "suppressions=" + os.path.join(HERE, "lsan.supp")
    with XSession() as s:
        proc, wid, _ = kw.start(s, args.program)
        proc.terminate()
        finish(proc, "SIGTERM")

        proc, wid, _ = kw.start(s, args.program)
        s.activate(wid)
        s.key("alt+F4")
        finish(proc, "Alt+F4")

        proc, wid, _ = kw.start(s, args.program)
        x, y = s.geometry(wid)[:2]
        s.click(x + 664 + 40, y + 464 + 16)  # exit
        box = s.find_window("Kelvaro")
        s.poll(lambda: s.focused() == box, 5, "the exit question to take the keyboard")
        s.key("y")
        finish(proc, "the exit question")


if __name__ == "__main__":
    main()
