"""Picture-store artwork: time bar, pause picture, banners and link segments."""
import os

from PIL import Image, ImageDraw, ImageFilter

from art.common import (LINK_RGB, cjk_font, draw_centered_text, sans_bold, save_png,
                        vertical_gradient)

TIMEBAR_SIZE = (450, 10)
PAUSE_SIZE = (195, 146)
BANNER_SIZE = (362, 42)
LINK_SIZES = [(10, 25), (25, 10), (10, 40), (40, 10)]
S = 4


def make_timebar():
    # glossy red: a bright band near the top, deep red below; identical in every column
    stops = [(0.0, (255, 150, 140)), (0.25, (240, 60, 50)), (0.55, (205, 20, 20)),
             (1.0, (140, 0, 0))]
    return vertical_gradient(TIMEBAR_SIZE[0], TIMEBAR_SIZE[1], stops)


def make_pause():
    w, h = PAUSE_SIZE
    big = Image.new("RGB", (w * S, h * S), (255, 255, 255))
    panel = vertical_gradient(w * S - 8 * S, h * S - 8 * S,
                              [(0.0, (234, 244, 255)), (1.0, (196, 220, 250))])
    shadow = Image.new("L", big.size, 0)
    ImageDraw.Draw(shadow).rounded_rectangle((6 * S, 6 * S, w * S - 1, h * S - 1),
                                             radius=16 * S, fill=90)
    shadow = shadow.filter(ImageFilter.GaussianBlur(2 * S))
    big.paste((150, 160, 180), (0, 0), shadow)
    mask = Image.new("L", panel.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, panel.width - 1, panel.height - 1),
                                           radius=14 * S, fill=255)
    big.paste(panel, (2 * S, 2 * S), mask)
    draw = ImageDraw.Draw(big)
    draw.rounded_rectangle((2 * S, 2 * S, 2 * S + panel.width - 1, 2 * S + panel.height - 1),
                           radius=14 * S, outline=(70, 110, 190), width=2 * S)
    # pause symbol, the two lines of text, then a small play arrow before the second line
    cx = w * S // 2 - 2 * S
    for dx in (-9, 3):
        draw.rounded_rectangle((cx + dx * S, 14 * S, cx + (dx + 6) * S, 34 * S),
                               radius=2 * S, fill=(60, 100, 180))
    draw_centered_text(draw, (cx, 64 * S), "游戏暂停", cjk_font(32 * S), (200, 30, 30),
                       stroke=S, stroke_fill=(200, 30, 30))
    draw.line((24 * S, 88 * S, w * S - 30 * S, 88 * S), fill=(140, 170, 220), width=S)
    draw_centered_text(draw, (cx + 9 * S, 112 * S), "点击开始", cjk_font(21 * S), (30, 60, 140),
                       stroke=S // 2, stroke_fill=(30, 60, 140))
    tx, ty = cx - 56 * S, 112 * S
    draw.polygon([(tx, ty - 7 * S), (tx + 11 * S, ty), (tx, ty + 7 * S)], fill=(40, 150, 70))
    return big.resize(PAUSE_SIZE, Image.LANCZOS)


def _banner(text, font, stroke, spacing=0):
    w, h = BANNER_SIZE
    big = Image.new("RGB", (w * S, h * S), (255, 255, 255))
    centre = (w * S // 2, h * S // 2)
    layer = Image.new("L", big.size, 0)
    ldraw = ImageDraw.Draw(layer)
    if spacing:
        _spaced_text(ldraw, centre, text, font, spacing, stroke)
    else:
        draw_centered_text(ldraw, centre, text, font, 255, stroke=stroke, stroke_fill=255)
    layer = _centre_ink(layer)
    shadow = layer.filter(ImageFilter.GaussianBlur(3 * S)).point(lambda a: a * 70 // 255)
    big.paste((120, 0, 0), (2 * S, 2 * S), shadow)
    red = vertical_gradient(w * S, h * S, [(0.2, (240, 40, 30)), (0.8, (170, 0, 0))])
    big.paste(red, (0, 0), layer)
    return big.resize(BANNER_SIZE, Image.LANCZOS)


def _centre_ink(layer):
    """Moves the lettering so its ink, not its advance widths, sits in the middle."""
    left, top, right, bottom = layer.getbbox()
    moved = Image.new("L", layer.size, 0)
    moved.paste(layer.crop((left, top, right, bottom)),
                ((layer.width - (right - left)) // 2, (layer.height - (bottom - top)) // 2))
    return moved


def _spaced_text(draw, centre, text, font, spacing, stroke):
    widths = [draw.textlength(ch, font=font) for ch in text]
    total = sum(widths) + spacing * (len(text) - 1)
    box = draw.textbbox((0, 0), text, font=font, stroke_width=stroke)
    y = centre[1] - (box[3] + box[1]) / 2
    x = centre[0] - total / 2
    for ch, cw in zip(text, widths):
        draw.text((x, y), ch, font=font, fill=255, stroke_width=stroke, stroke_fill=255)
        x += cw + spacing


def make_gameover():
    return _banner("GAME OVER", sans_bold(32 * S), 0, spacing=6 * S)


def make_win():
    return _banner("恭喜过关！", cjk_font(34 * S), S + S // 2, spacing=8 * S)


def make_keyed():
    """A 32x32 bitmap on a magenta key colour (its top-left pixel): a green leaf with a dark vein."""
    img = Image.new("RGB", (32, 32), (255, 0, 255))
    d = ImageDraw.Draw(img)
    d.polygon([(4, 27), (6, 12), (14, 5), (27, 4), (26, 17), (19, 25), (8, 28)], fill=(60, 170, 60),
              outline=(20, 90, 30))
    d.line([(5, 27), (22, 9)], fill=(20, 90, 30), width=2)
    d.ellipse([(20, 19), (28, 27)], fill=(250, 200, 40), outline=(150, 100, 0))
    return img


def write_pictures(out_dir):
    save_png(make_keyed(), os.path.join(out_dir, "keyed.png"))
    save_png(make_timebar(), os.path.join(out_dir, "timebar.png"))
    save_png(make_pause(), os.path.join(out_dir, "pause.png"))
    save_png(make_gameover(), os.path.join(out_dir, "gameover.png"))
    save_png(make_win(), os.path.join(out_dir, "win.png"))
    for i, size in enumerate(LINK_SIZES):
        save_png(Image.new("RGB", size, LINK_RGB), os.path.join(out_dir, "link%d.png" % i))
