#!/usr/bin/env python3
"""Regenerates Kelvaro's pictures, sounds and help page, or a contact sheet of them.

    python3 tools/make_artwork.py assets
    python3 tools/make_artwork.py --sheet OUT.png assets
"""
import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art.pillow import ensure_pillow  # noqa: E402

ensure_pillow()

from art.board import make_board  # noqa: E402
from art.common import save_png  # noqa: E402
from art.frame import write_frame  # noqa: E402
from art.helppage import write_help  # noqa: E402
from art.pictures import write_pictures  # noqa: E402
from art.sheet import make_sheet  # noqa: E402
from art.sounds import write_sounds  # noqa: E402
from art.tiles import write_tiles  # noqa: E402


def generate(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    write_tiles(out_dir)
    save_png(make_board(), os.path.join(out_dir, "board.png"))
    write_pictures(out_dir)
    write_frame(out_dir)
    write_sounds(out_dir)
    write_help(out_dir)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sheet", metavar="OUT.png",
                        help="write a contact sheet of the pictures in ASSETS instead")
    parser.add_argument("assets", help="the assets folder")
    args = parser.parse_args(argv)
    if args.sheet:
        make_sheet(args.assets).save(args.sheet, format="PNG")
    else:
        generate(args.assets)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
