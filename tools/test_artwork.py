#!/usr/bin/env python3
"""Tests of the artwork generator and of the asset checker.

    python3 tools/test_artwork.py
"""
import filecmp
import os
import shutil
import sys
import tempfile
import unittest
import wave

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art.pillow import ensure_pillow  # noqa: E402

ensure_pillow()

from PIL import Image, ImageChops, ImageStat  # noqa: E402

import check_assets  # noqa: E402
import make_artwork  # noqa: E402
from art import sounds  # noqa: E402
from art.sheet import list_pictures, make_sheet  # noqa: E402


def _all_files(root):
    return sorted(os.path.relpath(os.path.join(d, f), root)
                  for d, _, files in os.walk(root) for f in files)


class GeneratedAssets(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="art-test-")
        cls.assets = os.path.join(cls.tmp, "a")
        make_artwork.generate(cls.assets)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def picture(self, rel):
        with Image.open(os.path.join(self.assets, rel)) as img:
            img.load()
            return img.copy()

    def test_checker_accepts_fresh_output(self):
        self.assertEqual(check_assets.check_assets(self.assets), [])

    def test_regeneration_is_byte_identical(self):
        again = os.path.join(self.tmp, "b")
        make_artwork.generate(again)
        names = _all_files(self.assets)
        self.assertEqual(names, _all_files(again))
        _, mismatch, errors = filecmp.cmpfiles(self.assets, again, names, shallow=False)
        self.assertEqual((mismatch, errors), ([], []))

    def test_board_field_edges_white_and_ring_not(self):
        board = self.picture("board.png").convert("RGB")
        for xy in ((40, 40), (599, 40), (40, 439), (599, 439), (320, 240)):
            self.assertEqual(board.getpixel(xy), (255, 255, 255), xy)
        for xy in ((39, 240), (600, 240), (320, 39), (320, 440), (1, 1)):
            self.assertNotEqual(board.getpixel(xy), (255, 255, 255), xy)

    def test_link_segments_are_the_link_colour(self):
        for i, size in enumerate([(10, 25), (25, 10), (10, 40), (40, 10)]):
            img = self.picture("link%d.png" % i).convert("RGB")
            self.assertEqual(img.size, size)
            self.assertEqual(img.getcolors(), [(size[0] * size[1], (116, 58, 249))])

    def test_skin_buttons_and_corners(self):
        skin = self.picture("skin.png")
        self.assertEqual(skin.mode, "RGBA")
        self.assertLess(skin.getpixel((0, 0))[3], 32)        # rounded top-left corner
        self.assertLess(skin.getpixel((270, 0))[3], 32)      # rounded top-right corner
        bar = skin.getpixel((200, 12))
        for x0 in (229, 250):                                # both buttons stand out of the bar
            self.assertNotEqual(skin.getpixel((x0 + 1, 12)), bar)
        self.assertEqual(skin.getpixel((246, 12)), bar)      # gap between the buttons

    def test_hover_and_pressed_looks_differ(self):
        names = ["min_hover", "min_pressed", "close_hover", "close_pressed"]
        looks = [self.picture(n + ".png").convert("RGB").tobytes() for n in names]
        self.assertEqual(len(set(looks)), 4)
        hover = self.picture("close_hover.png").convert("RGB").getpixel((3, 8))
        self.assertGreater(hover[0], hover[2])               # close hover is orange-red
        hover = self.picture("min_hover.png").convert("RGB").getpixel((3, 8))
        self.assertGreater(hover[2], hover[0])               # minimise hover is blue

    def test_icons_have_transparent_background(self):
        theme = [("icons/hicolor/%dx%d/apps/com.example.Kelvaro.png" % (n, n), n)
                 for n in (16, 24, 32, 48, 64, 128, 256)]
        for name, size in [("icon16.png", 16), ("icon32.png", 32)] + theme:
            icon = self.picture(name).convert("RGBA")
            self.assertEqual(icon.size, (size, size))
            self.assertEqual(icon.getpixel((0, 0))[3], 0)
            self.assertGreater(len(icon.getcolors(1 << 20)), 8)  # multicoloured
            if size > 32:
                # Drawn at its size: a round trip through 32 pixels loses detail that
                # a picture blown up from 32 pixels (about 50 here) never had.
                back = icon.resize((32, 32), Image.LANCZOS).resize((size, size), Image.LANCZOS)
                loss = sum(ImageStat.Stat(ImageChops.difference(icon, back)).mean)
                self.assertGreater(loss, 70, name)

    def test_sounds_peak_near_minus_3_dbfs_and_fade(self):
        for name in check_assets.SOUNDS:
            with wave.open(os.path.join(self.assets, name), "rb") as w:
                raw = w.readframes(w.getnframes())
            samples = [int.from_bytes(raw[i:i + 2], "little", signed=True)
                       for i in range(0, len(raw), 2)]
            peak = max(abs(s) for s in samples) / 32767
            self.assertAlmostEqual(peak, 0.708, delta=0.01, msg=name)
            self.assertLess(abs(samples[0]), 200, name)
            self.assertLess(abs(samples[-1]), 200, name)

    def test_sheet_shows_every_picture(self):
        rels = list_pictures(self.assets)
        self.assertEqual(len(rels), len(check_assets.SIZES))
        sheet = make_sheet(self.assets)
        self.assertEqual(sheet.width, 1600)
        # the largest picture, the board, appears at 2x
        self.assertGreater(sheet.height, 480 * 2)


class CheckerFindsFaults(unittest.TestCase):
    """Each fault planted in a good copy must be reported, naming the file."""

    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="art-check-")
        cls.good = os.path.join(cls.tmp, "good")
        make_artwork.generate(cls.good)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def setUp(self):
        self.assets = os.path.join(self.tmp, "copy")
        shutil.rmtree(self.assets, ignore_errors=True)
        shutil.copytree(self.good, self.assets)

    def edit(self, rel, change):
        path = os.path.join(self.assets, rel)
        with Image.open(path) as img:
            img.load()
            img = img.copy()
        img = change(img) or img
        img.save(path, format="PNG")

    def assertFault(self, word):
        faults = check_assets.check_assets(self.assets)
        self.assertTrue(any(word in f for f in faults), faults)

    def test_grey_pixel_in_the_field(self):
        self.edit("board.png", lambda im: im.putpixel((599, 439), (254, 255, 255)))
        self.assertFault("board.png")

    def test_one_timebar_column_off(self):
        self.edit("timebar.png", lambda im: im.putpixel((449, 5), (0, 0, 0)))
        self.assertFault("timebar.png")

    def test_opaque_pixel_in_skin_interior(self):
        self.edit("skin.png", lambda im: im.putpixel((4, 193), (255, 255, 255, 1)))
        self.assertFault("skin.png")

    def test_title_column_not_uniform(self):
        self.edit("skin.png", lambda im: im.putpixel((35, 10), (0, 0, 0, 255)))
        self.assertFault("title column")

    def test_link_colour_off_by_one(self):
        self.edit("link2.png", lambda im: im.putpixel((5, 20), (116, 58, 248)))
        self.assertFault("link2.png")

    def test_wrong_size_and_wrong_format(self):
        self.edit("tiles/face07.png", lambda im: im.resize((40, 40)))
        Image.new("RGB", (32, 32)).save(os.path.join(self.assets, "hand.png"), format="BMP")
        self.assertFault("face07.png: 40x40")
        self.assertFault("hand.png: BMP")

    def test_untinted_or_repeated_tiles(self):
        shutil.copy(os.path.join(self.assets, "tiles/face03.png"),
                    os.path.join(self.assets, "tiles/face03_hi.png"))
        shutil.copy(os.path.join(self.assets, "tiles/face01.png"),
                    os.path.join(self.assets, "tiles/face09.png"))
        self.assertFault("face03_hi is not tinted")
        self.assertFault("face09 repeats face01")

    def test_bad_sounds(self):
        long = [0.5 * ((i // 20) % 2 * 2 - 1) for i in range(int(1.6 * sounds.RATE))]
        sounds.write_wav(os.path.join(self.assets, "and.wav"), long)
        with wave.open(os.path.join(self.assets, "hit.wav"), "wb") as w:
            w.setnchannels(2)
            w.setsampwidth(2)
            w.setframerate(22050)
            w.writeframes(b"\x00\x40" * 2000)
        with open(os.path.join(self.assets, "gamewin.wav"), "wb") as f:
            f.write(b"RIFF not a wave")
        self.assertFault("and.wav: 1.600 s")
        self.assertFault("hit.wav: 2 ch")
        self.assertFault("gamewin.wav: not a readable")

    def test_hot_spot_off_the_hand(self):
        with open(os.path.join(self.assets, "hand.txt"), "w") as f:
            f.write("hotspot 0 31\n")
        self.assertFault("transparent pixel")

    def test_command_line_exit_status(self):
        self.assertEqual(check_assets.main([self.good]), 0)
        os.remove(os.path.join(self.assets, "pause.png"))
        self.assertEqual(check_assets.main([self.assets]), 1)


class NoteNames(unittest.TestCase):
    def test_equal_temperament(self):
        self.assertAlmostEqual(sounds._note("A4"), 440.0)
        self.assertAlmostEqual(sounds._note("C5"), 523.2511, places=3)
        self.assertAlmostEqual(sounds._note("Eb4"), 311.1270, places=3)


if __name__ == "__main__":
    unittest.main()
