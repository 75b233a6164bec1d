"""The installed program: `cmake --install` into a DESTDIR lays out the whole tree, the
desktop files pass their validators, the command line answers without a display, and the
installed program runs in Xvfb, plays its sounds and opens its help page from the installed
place without writing there."""
import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import kelvaro_window as kw  # noqa: E402
from xharness import XSession, expect  # noqa: E402

APP_ID = "com.example.Kelvaro"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
EXPECTED = sorted([
    "usr/bin/kelvaro",
    "usr/bin/kelvaro-buttons",
    *[f"usr/share/kelvaro/{f}" for f in ("and.wav", "gameover.wav", "gamewin.wav", "help.html", "hit.wav")],
    f"usr/share/applications/{APP_ID}.desktop",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml",
    *[f"usr/share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in ICON_SIZES],
    "usr/share/man/man1/kelvaro-buttons.1.gz",
    "usr/share/man/man6/kelvaro.6.gz",
    "usr/share/doc/kelvaro/changelog.gz",
    "usr/share/doc/kelvaro/copyright",
    "usr/share/lintian/overrides/kelvaro",
])


def tree(root):
    """Every file below root/usr with its size and modification time; for an installed
    package (root "/"), the files of the package."""
    if root == "/":
        listed = subprocess.run(["dpkg-query", "-L", "kelvaro"], capture_output=True, text=True, check=True).stdout
        paths = [p for p in listed.split() if os.path.isfile(p)]
    else:
        paths = [os.path.join(d, f) for d, _, files in os.walk(os.path.join(root, "usr")) for f in files]
    found = {}
    for path in paths:
        st = os.stat(path)
        found[os.path.relpath(path, root)] = (st.st_size, st.st_mtime_ns)
    return found


def run(argv, env=None):
    return subprocess.run(argv, capture_output=True, text=True, env=env, timeout=60)


def check_tree_and_validators(stage):
    expect(sorted(tree(stage)) == EXPECTED, "the install tree is exactly: " + ", ".join(sorted(tree(stage))))
    r = run(["desktop-file-validate", f"{stage}/usr/share/applications/{APP_ID}.desktop"])
    expect(r.returncode == 0 and r.stdout + r.stderr == "", "desktop-file-validate is silent: " + r.stdout + r.stderr)
    r = run(["appstreamcli", "validate", "--no-net", "--explain", f"{stage}/usr/share/metainfo/{APP_ID}.metainfo.xml"])
    faults = [line for line in r.stdout.splitlines() if line.startswith(("E:", "W:"))]
    expect(r.returncode == 0 and not faults, "appstreamcli validate passes with no warning: " + r.stdout)
    with open(f"{stage}/usr/share/applications/{APP_ID}.desktop", encoding="utf-8") as f:
        entry = f.read()
    expect("Categories=Game;BoardGame;" in entry and f"Icon={APP_ID}" in entry, "the entry names its icon and category")


def check_command_line(program):
    bare = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    r = run([program, "--help"], env=bare)
    expect(r.returncode == 0 and r.stdout.startswith("Usage: kelvaro [--help | --version]\n") and r.stderr == "",
           "--help prints the usage to stdout without a display")
    r = run([program, "--version"], env=bare)
    expect((r.returncode, r.stdout, r.stderr) == (0, "Kelvaro 1.0.5\n", ""), "--version: " + r.stdout)
    r = run([program, "--fullscreen"], env=bare)
    expect(r.returncode == 2 and r.stdout == "" and r.stderr.startswith(
        "kelvaro: unknown option '--fullscreen'\nUsage: kelvaro"), "an unknown option: exit 2 and usage on stderr")


def check_installed_run(stage, program):
    with XSession() as s:
        bin_dir = os.path.join(s.tmp, "bin")
        os.makedirs(bin_dir)
        opened = os.path.join(s.tmp, "opened.txt")
        with open(os.path.join(bin_dir, "xdg-open"), "w") as f:
            f.write(f'#!/bin/sh\necho "$1" >> "{opened}"\n')
        os.chmod(os.path.join(bin_dir, "xdg-open"), 0o755)
        audio = os.path.join(s.tmp, "audio.raw")
        before = tree(stage)
        env = {"PATH": bin_dir + os.pathsep + os.environ["PATH"],
               "SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": audio}
        proc, wid, _ = kw.start(s, program, env)
        x, y, w, h = s.geometry(wid)
        expect((w, h) == (759, 569), "the installed program shows its window")
        wm_class = subprocess.run(["xprop", "-id", wid, "WM_CLASS"], env=s.env, capture_output=True,
                                  text=True).stdout
        expect('"kelvaro"' in wm_class, "WM_CLASS matches the entry's StartupWMClass: " + wm_class.strip())

        def sound_bytes():
            with open(audio, "rb") as f:
                return sum(1 for b in f.read() if b)
        silent = sound_bytes() if os.path.exists(audio) else 0
        s.click(*kw.cell_centre(x, y, 5, 7))  # not (2, 2): the first press pairs with it
        heard = s.read_until(lambda: os.path.exists(audio) and sound_bytes(), lambda n: n > silent + 1000, 10)
        expect(heard > silent + 1000, "a press plays hit.wav found in the installed share folder")

        s.key("F1")
        s.poll(lambda: os.path.exists(opened), 10, "the help page to be opened")
        with open(opened) as f:
            url = f.read().strip()
        expect(url == "file://" + os.path.join(stage, "usr/share/kelvaro/help.html"), "F1 opens " + url)

        proc.terminate()
        proc.wait(timeout=10)
        expect(proc.returncode == 0, "SIGTERM ends the installed program normally")
        expect(tree(stage) == before, "nothing was written to the install tree")


def main():
    p = argparse.ArgumentParser()
    where = p.add_mutually_exclusive_group(required=True)
    where.add_argument("--build", help="install this build tree into a DESTDIR and check it there")
    where.add_argument("--installed", action="store_true", help="check the installed package in /usr")
    args = p.parse_args()
    stage = "/"
    if args.build:
        stage = os.path.join(os.path.abspath(args.build), "install-test-stage")
        subprocess.run(["rm", "-rf", stage], check=True)
        r = subprocess.run(["cmake", "--install", args.build, "--prefix", "/usr"], capture_output=True, text=True,
                           env=dict(os.environ, DESTDIR=stage))
        expect(r.returncode == 0, "cmake --install into a DESTDIR: " + r.stderr)
    program = os.path.join(stage, "usr/bin/kelvaro")
    check_tree_and_validators(stage)
    check_command_line(program)
    check_installed_run(stage, program)


if __name__ == "__main__":
    main()
