"""Window frame artwork: the skin, title-bar button looks, program icons and the hand pointer."""
import os

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from art.common import fit_into, render_emoji, save_png, vertical_gradient

SKIN_W, SKIN_H = 271, 218
TITLE_H = 27          # rows 0..26
BOTTOM_TOP = 194      # bottom bar rows 194..217
EDGE = 4              # side edges: columns 0..3 and 267..270
MIN_POS = (229, 5)
CLOSE_POS = (250, 5)
BUTTON = 16
S = 4

TITLE_STOPS = [(0.0, (150, 196, 255)), (0.12, (64, 136, 240)), (0.5, (28, 96, 220)),
               (0.55, (16, 80, 206)), (1.0, (40, 110, 230))]
BOTTOM_STOPS = [(0.0, (92, 150, 240)), (0.15, (40, 110, 228)), (1.0, (16, 74, 190))]
SIDE = [(20, 76, 190), (52, 120, 236), (44, 108, 226), (20, 76, 190)]  # outer -> inner

# looks of the title-bar buttons: (top, bottom, border, glyph)
LOOKS = {
    "normal": ((110, 170, 255), (34, 98, 222), (255, 255, 255), (255, 255, 255)),
    "min_hover": ((176, 216, 255), (88, 156, 246), (255, 255, 255), (255, 255, 255)),
    "min_pressed": ((30, 80, 190), (14, 52, 150), (210, 225, 255), (220, 232, 255)),
    "close_hover": ((255, 150, 110), (232, 72, 30), (255, 255, 255), (255, 255, 255)),
    "close_pressed": ((170, 30, 20), (120, 12, 8), (240, 200, 200), (255, 225, 225)),
}


# Outline of the window's corners (ellipse boxes, right/bottom excluded), so the skin's
# transparent corners match the shape the frame cuts.
def _corner_ellipses(w, h):
    return [(-2, 0, 15, 35), (w - 15, 0, w + 2, 20), (-1, h - 20, 10, h),
            (w - 20, h - 40, w + 3, h + 4)]


def _outline_mask(w, h):
    big = Image.new("L", (w * S, h * S), 0)
    d = ImageDraw.Draw(big)
    d.rectangle((0, 5 * S, w * S - 1, (h - 5) * S - 1), fill=255)
    d.rectangle((5 * S, 0, (w - 5) * S - 1, h * S - 1), fill=255)
    for l, t, r, b in _corner_ellipses(w, h):
        d.ellipse((l * S, t * S, r * S - 1, b * S - 1), fill=255)
    return big.resize((w, h), Image.LANCZOS)


def button_face(look, glyph):
    """A 16 x 16 RGBA button in one of LOOKS, with the minimise bar or the close cross."""
    top, bottom, border, ink = LOOKS[look]
    n = BUTTON * S
    face = vertical_gradient(n, n, [(0.0, top), (1.0, bottom)]).convert("RGBA")
    mask = Image.new("L", (n, n), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, n - 1, n - 1), radius=3 * S, fill=255)
    out = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    out.paste(face, (0, 0), mask)
    d = ImageDraw.Draw(out)
    d.rounded_rectangle((0, 0, n - 1, n - 1), radius=3 * S, outline=border + (255,), width=S)
    if glyph == "min":
        d.rectangle((4 * S, 10 * S, 10 * S, 12 * S), fill=ink + (255,))
    else:
        w = 2 * S
        d.line((4.5 * S, 4.5 * S, 11.5 * S, 11.5 * S), fill=ink + (255,), width=w)
        d.line((4.5 * S, 11.5 * S, 11.5 * S, 4.5 * S), fill=ink + (255,), width=w)
    return out.resize((BUTTON, BUTTON), Image.LANCZOS)


def make_skin():
    skin = Image.new("RGBA", (SKIN_W, SKIN_H), (0, 0, 0, 0))
    title = vertical_gradient(SKIN_W, TITLE_H, TITLE_STOPS)
    skin.paste(title, (0, 0))
    # dark lines under the title bar and over the bottom bar frame the client area
    ImageDraw.Draw(skin).line((0, TITLE_H - 1, SKIN_W - 1, TITLE_H - 1), fill=(18, 66, 170, 255))
    skin.paste(vertical_gradient(SKIN_W, SKIN_H - BOTTOM_TOP, BOTTOM_STOPS), (0, BOTTOM_TOP))
    ImageDraw.Draw(skin).line((0, BOTTOM_TOP, SKIN_W - 1, BOTTOM_TOP), fill=(18, 66, 170, 255))
    d = ImageDraw.Draw(skin)
    for i, colour in enumerate(SIDE):
        d.line((i, TITLE_H, i, BOTTOM_TOP - 1), fill=colour + (255,))
        d.line((SKIN_W - 1 - i, TITLE_H, SKIN_W - 1 - i, BOTTOM_TOP - 1), fill=colour + (255,))
    for pos, glyph in ((MIN_POS, "min"), (CLOSE_POS, "close")):
        btn = button_face("normal", glyph)
        skin.alpha_composite(btn, pos)
    # cut the corners to the same rounded outline the window itself gets
    skin.putalpha(ImageChops.darker(skin.getchannel("A"), _outline_mask(SKIN_W, SKIN_H)))
    return skin


def title_button_picture(look, glyph, pos):
    """Hover/pressed picture made opaque over the title bar it covers."""
    under = vertical_gradient(SKIN_W, TITLE_H, TITLE_STOPS).crop(
        (pos[0], pos[1], pos[0] + BUTTON, pos[1] + BUTTON)).convert("RGBA")
    under.alpha_composite(button_face(look, glyph))
    return under.convert("RGB")


APP_ID = "com.example.Kelvaro"
THEME_ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def theme_icon_path(size):
    """Where the desktop's icon theme expects the program icon of one size."""
    return "icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID)


def make_icon(size):
    fitted = fit_into(render_emoji("\U0001F98B"), size, size)
    out = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    out.paste(fitted, ((size - fitted.width) // 2, (size - fitted.height) // 2))
    return out


HAND_HOTSPOT = (11, 1)


def make_hand():
    """White pointing hand with a dark outline; the index fingertip is the hot spot."""
    n = 32 * S
    shape = Image.new("L", (n, n), 0)
    d = ImageDraw.Draw(shape)
    u = S
    d.rounded_rectangle((9 * u, 2 * u, 14 * u, 20 * u), radius=2.5 * u, fill=255)      # index
    d.rounded_rectangle((14 * u, 10 * u, 18.5 * u, 20 * u), radius=2.2 * u, fill=255)  # middle
    d.rounded_rectangle((18.5 * u, 11 * u, 23 * u, 21 * u), radius=2.2 * u, fill=255)  # ring
    d.rounded_rectangle((23 * u, 12.5 * u, 27 * u, 22 * u), radius=2 * u, fill=255)    # little
    d.rounded_rectangle((9 * u, 16 * u, 27 * u, 29 * u), radius=4 * u, fill=255)       # palm
    d.polygon([(9.5 * u, 19 * u), (4 * u, 14.5 * u), (2.2 * u, 16.5 * u),
               (8 * u, 25 * u), (10 * u, 26 * u)], fill=255)                          # thumb
    d.ellipse((2 * u, 13.8 * u, 5.6 * u, 17.6 * u), fill=255)
    border = shape.filter(ImageFilter.MaxFilter(2 * S + 1))
    hand = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    hand.paste((20, 20, 20, 255), (0, 0), border)
    hand.paste((255, 255, 255, 255), (0, 0), shape)
    for x in (14, 18.5, 23):
        d2 = ImageDraw.Draw(hand)
        d2.line((x * u, 13 * u, x * u, 19.5 * u), fill=(20, 20, 20, 255), width=S)
    return hand.resize((32, 32), Image.LANCZOS)


def write_frame(out_dir):
    save_png(make_skin(), os.path.join(out_dir, "skin.png"))
    pictures = {"min_hover": ("min", MIN_POS), "min_pressed": ("min", MIN_POS),
                "close_hover": ("close", CLOSE_POS), "close_pressed": ("close", CLOSE_POS)}
    for name, (glyph, pos) in pictures.items():
        save_png(title_button_picture(name, glyph, pos), os.path.join(out_dir, name + ".png"))
    save_png(make_icon(16), os.path.join(out_dir, "icon16.png"))
    save_png(make_icon(32), os.path.join(out_dir, "icon32.png"))
    for size in THEME_ICON_SIZES:
        save_png(make_icon(size), os.path.join(out_dir, theme_icon_path(size)))
    save_png(make_hand(), os.path.join(out_dir, "hand.png"))
    with open(os.path.join(out_dir, "hand.txt"), "w", encoding="ascii") as f:
        f.write("hotspot %d %d\n" % HAND_HOTSPOT)
