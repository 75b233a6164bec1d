#!/usr/bin/env python3
"""Checks the generated assets: sizes, the board's white field, the time bar, the skin's
transparent interior, the link colour, the hand's hot spot and the sounds.

    python3 tools/check_assets.py assets      (exit status 1 and a list on any fault)
"""
import os
import sys
import wave

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art.pillow import ensure_pillow  # noqa: E402

ensure_pillow()

from PIL import Image  # noqa: E402

LINK_RGB = (116, 58, 249)
SIZES = {
    "board.png": (640, 480), "timebar.png": (450, 10), "pause.png": (195, 146),
    "gameover.png": (362, 42), "win.png": (362, 42),
    "link0.png": (10, 25), "link1.png": (25, 10), "link2.png": (10, 40), "link3.png": (40, 10),
    "skin.png": (271, 218),
    "min_hover.png": (16, 16), "min_pressed.png": (16, 16),
    "close_hover.png": (16, 16), "close_pressed.png": (16, 16),
    "icon16.png": (16, 16), "icon32.png": (32, 32), "hand.png": (32, 32), "keyed.png": (32, 32),
}
for _n in (16, 24, 32, 48, 64, 128, 256):
    SIZES["icons/hicolor/%dx%d/apps/com.example.Kelvaro.png" % (_n, _n)] = (_n, _n)
for _f in range(1, 26):
    SIZES["tiles/face%02d.png" % _f] = (39, 39)
    SIZES["tiles/face%02d_hi.png" % _f] = (39, 39)
SOUNDS = ["hit.wav", "and.wav", "gameover.wav", "gamewin.wav"]
MAX_SECONDS = 1.5


def _open(assets, rel, faults):
    path = os.path.join(assets, rel)
    try:
        with Image.open(path) as img:
            if img.format != "PNG":
                faults.append("%s: %s, not PNG" % (rel, img.format))
            img.load()
            return img.copy()
    except (OSError, ValueError) as err:
        faults.append("%s: cannot read (%s)" % (rel, err))
        return None


def check_sizes(assets, faults):
    pictures = {}
    for rel, size in SIZES.items():
        img = _open(assets, rel, faults)
        if img is None:
            continue
        if img.size != size:
            faults.append("%s: %dx%d, expected %dx%d" % ((rel,) + img.size + size))
        pictures[rel] = img
    return pictures


def check_board(img, faults):
    rgb = img.convert("RGB")
    px = rgb.load()
    bad = sum(1 for y in range(40, 440) for x in range(40, 600) if px[x, y] != (255, 255, 255))
    if bad:
        faults.append("board.png: %d pixels of the field x 40..599, y 40..439 are not white" % bad)
    ring_white = sum(1 for x in range(640) for y in (0, 20, 459, 479) if px[x, y] == (255, 255, 255))
    if ring_white > 640:
        faults.append("board.png: the ring is mostly white, no border drawn")


def check_timebar(img, faults):
    rgb = img.convert("RGB")
    first = [rgb.getpixel((0, y)) for y in range(rgb.height)]
    for x in range(1, rgb.width):
        if [rgb.getpixel((x, y)) for y in range(rgb.height)] != first:
            faults.append("timebar.png: column %d differs from column 0" % x)
            break
    if any(not (r > 100 and r > 2 * g and r > 2 * b) for r, g, b in first[2:]):
        faults.append("timebar.png: not red")
    if len(set(first)) < 3:
        faults.append("timebar.png: not shaded top to bottom")


def check_skin(img, faults):
    if img.mode != "RGBA":
        faults.append("skin.png: mode %s, expected RGBA" % img.mode)
        return
    px = img.load()
    opaque_inside = sum(1 for y in range(27, 194) for x in range(4, 267) if px[x, y][3] != 0)
    if opaque_inside:
        faults.append("skin.png: %d interior pixels are not fully transparent" % opaque_inside)
    for y in range(40):  # the bars are stretched from columns 28..35
        if len({px[x, y] for x in range(28, 36)}) != 1:
            faults.append("skin.png: row %d of the title column 28..35 is not uniform" % y)
            break
    for y in range(178, 218):
        if len({px[x, y] for x in range(28, 36)}) != 1:
            faults.append("skin.png: row %d of the bottom column 28..35 is not uniform" % y)
            break
    for x in list(range(0, 14)) + list(range(257, 271)):  # side edges come from rows 58..61
        if len({px[x, y] for y in range(56, 64)}) != 1:
            faults.append("skin.png: column %d is not uniform around rows 58..61" % x)
            break
    for x in list(range(4)) + list(range(267, 271)):
        if px[x, 60][3] != 255:
            faults.append("skin.png: side edge column %d is not opaque" % x)
    for y in list(range(5, 27)) + list(range(194, 213)):
        if px[135, y][3] != 255:
            faults.append("skin.png: bar row %d is not opaque" % y)
            break


def check_links(pictures, faults):
    for i in range(4):
        img = pictures.get("link%d.png" % i)
        if img is None:
            continue
        colours = {c for _, c in img.convert("RGB").getcolors(1 << 16)}
        if colours != {LINK_RGB}:
            faults.append("link%d.png: colours %s, expected only %s" % (i, sorted(colours), LINK_RGB))


def check_tiles(pictures, faults):
    seen = {}
    for f in range(1, 26):
        normal = pictures.get("tiles/face%02d.png" % f)
        hi = pictures.get("tiles/face%02d_hi.png" % f)
        if normal is None or hi is None:
            continue
        data = normal.convert("RGB").tobytes()
        if data in seen:
            faults.append("tiles: face%02d repeats face%02d" % (f, seen[data]))
        seen[data] = f
        if _mean_blue_excess(hi) <= _mean_blue_excess(normal) + 20:
            faults.append("tiles: face%02d_hi is not tinted blue-violet" % f)


def _mean_blue_excess(img):
    rgb = img.convert("RGB")
    total = sum(b - (r + g) / 2 for r, g, b in rgb.getdata())
    return total / (rgb.width * rgb.height)


def check_hand(assets, pictures, faults):
    try:
        with open(os.path.join(assets, "hand.txt"), encoding="ascii") as f:
            word, x, y = f.read().split()
        x, y = int(x), int(y)
    except (OSError, ValueError) as err:
        faults.append("hand.txt: cannot read 'hotspot X Y' (%s)" % err)
        return
    hand = pictures.get("hand.png")
    if word != "hotspot" or not (0 <= x < 32 and 0 <= y < 32):
        faults.append("hand.txt: bad hot spot %s %d %d" % (word, x, y))
    elif hand is not None and hand.convert("RGBA").getpixel((x, y))[3] == 0:
        faults.append("hand.txt: hot spot %d,%d lies on a transparent pixel" % (x, y))


def check_sound(assets, rel, faults):
    try:
        with wave.open(os.path.join(assets, rel), "rb") as w:
            params = w.getparams()
            frames = w.readframes(params.nframes)
    except (OSError, EOFError, wave.Error) as err:
        faults.append("%s: not a readable PCM WAV (%s)" % (rel, err))
        return
    if (params.nchannels, params.sampwidth, params.framerate) != (1, 2, 22050):
        faults.append("%s: %d ch, %d bytes, %d Hz; expected mono 16-bit 22050 Hz"
                      % (rel, params.nchannels, params.sampwidth, params.framerate))
    seconds = params.nframes / params.framerate if params.framerate else 0
    if not 0 < seconds < MAX_SECONDS:
        faults.append("%s: %.3f s long, expected under %.1f s" % (rel, seconds, MAX_SECONDS))
    peak = max((abs(int.from_bytes(frames[i:i + 2], "little", signed=True))
                for i in range(0, len(frames) - 1, 2)), default=0)
    if peak >= 32767 or peak < 8000:
        faults.append("%s: peak %d is clipped or nearly silent" % (rel, peak))


def check_help(assets, faults):
    try:
        with open(os.path.join(assets, "help.html"), encoding="utf-8") as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as err:
        faults.append("help.html: %s" % err)
        return
    for needle in ("charset=\"utf-8\"", "游戏说明", "How to play"):
        if needle not in text:
            faults.append("help.html: missing %r" % needle)
    if "http://" in text or "https://" in text or "src=" in text:
        faults.append("help.html: refers to an external resource")


def check_assets(assets):
    """Returns the list of faults found in the assets folder; empty when all is well."""
    faults = []
    pictures = check_sizes(assets, faults)
    checks = [("board.png", check_board), ("timebar.png", check_timebar),
              ("skin.png", check_skin)]
    for rel, check in checks:
        if rel in pictures:
            check(pictures[rel], faults)
    check_links(pictures, faults)
    check_tiles(pictures, faults)
    check_hand(assets, pictures, faults)
    for rel in SOUNDS:
        check_sound(assets, rel, faults)
    check_help(assets, faults)
    return faults


def main(argv):
    if len(argv) != 1:
        print("usage: check_assets.py ASSETS_DIR", file=sys.stderr)
        return 2
    faults = check_assets(argv[0])
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        return 1
    print("assets OK: %d pictures, %d sounds" % (len(SIZES), len(SOUNDS)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
