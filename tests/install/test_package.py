"""The Debian package: `cpack` builds kelvaro_1.0.5_amd64.deb holding the whole installed
tree, its dependencies come from dpkg-shlibdeps plus the fonts the program draws with, and
lintian finds no error in it."""
import argparse
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_install import EXPECTED  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from xharness import expect  # noqa: E402


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--build", required=True)
    build = os.path.abspath(p.parse_args().build)
    out = os.path.join(build, "package-test")
    shutil.rmtree(out, ignore_errors=True)
    r = subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", out],
                       capture_output=True, text=True, cwd=build)
    expect(r.returncode == 0, "cpack builds the package: " + r.stdout[-2000:] + r.stderr[-2000:])
    deb = os.path.join(out, "kelvaro_1.0.5_amd64.deb")
    expect(os.path.exists(deb), "the package is " + ", ".join(f for f in os.listdir(out) if f.endswith(".deb")))

    listing = subprocess.run(["dpkg-deb", "-c", deb], capture_output=True, text=True, check=True).stdout
    files = sorted(re.sub(r"^\./", "", line.split()[-1]) for line in listing.splitlines() if not line.startswith("d"))
    expect(files == EXPECTED, "the package holds the install tree: " + ", ".join(files))
    owners = {line.split()[1] for line in listing.splitlines()}
    expect(owners == {"root/root"}, f"every file belongs to root: {owners}")

    depends = subprocess.run(["dpkg-deb", "-f", deb, "Depends"], capture_output=True, text=True, check=True).stdout
    names = {d.strip().split(" ")[0] for d in depends.split(",")}
    expect({"libc6", "libsdl2-2.0-0", "libsdl2-mixer-2.0-0", "libfreetype6", "libfontconfig1", "libpng16-16",
            "libx11-6", "libxext6", "fontconfig", "fonts-arphic-uming", "fonts-dejavu-core", "fonts-dejavu-extra"} <= names,
           "the dependencies: " + depends.strip())

    r = subprocess.run(["lintian", "--no-tag-display-limit", deb], capture_output=True, text=True)
    print(r.stdout + r.stderr)
    errors = [line for line in r.stdout.splitlines() if line.startswith("E:")]
    expect(not errors, "lintian reports no error: " + "; ".join(errors))


if __name__ == "__main__":
    main()
