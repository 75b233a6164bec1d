"""The real backend's own tests (platform_tests SdlSmoke.*), which need an X server."""
import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xharness import XSession, expect  # noqa: E402


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--tests", required=True)
    args = p.parse_args()
    # No window manager: the shape test reads the top-level windows of the root.
    with XSession(window_manager=False) as s:
        env = dict(s.env, XDG_RUNTIME_DIR=s.tmp, XDG_CONFIG_HOME=os.path.join(s.tmp, "config"))
        r = subprocess.run([args.tests, "--gtest_filter=SdlSmoke.*:SdlBackend.*"], env=env, capture_output=True,
                           text=True, timeout=120)
        print(r.stdout[-4000:], r.stderr[-2000:])
        expect(r.returncode == 0, "the real backend's tests pass in an X server")
        expect("[  SKIPPED ]" not in r.stdout, "none of them was skipped")


if __name__ == "__main__":
    main()
