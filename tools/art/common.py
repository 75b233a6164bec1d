"""Shared helpers: font locations, supersampled drawing and deterministic saving."""
import os

from PIL import Image, ImageDraw, ImageFont

FONT_DIR = "/usr/share/fonts/truetype"
EMOJI_FONT = os.path.join(FONT_DIR, "noto", "NotoColorEmoji.ttf")
CJK_FONT = os.path.join(FONT_DIR, "arphic", "uming.ttc")
CJK_INDEX_CN = 0  # the collection's simplified-Chinese face
SANS_BOLD = os.path.join(FONT_DIR, "dejavu", "DejaVuSans-Bold.ttf")
SANS = os.path.join(FONT_DIR, "dejavu", "DejaVuSans.ttf")

EMOJI_STRIKE = 109  # the only bitmap size the colour emoji font carries

LINK_RGB = (116, 58, 249)


def cjk_font(size):
    return ImageFont.truetype(CJK_FONT, size, index=CJK_INDEX_CN)


def sans_bold(size):
    return ImageFont.truetype(SANS_BOLD, size)


def sans(size):
    return ImageFont.truetype(SANS, size)


def save_png(img, path):
    """Writes a PNG with no time or software chunks, so reruns give identical bytes."""
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    img.save(path, format="PNG", optimize=True)


def lerp(a, b, t):
    return a + (b - a) * t


def lerp_rgb(c1, c2, t):
    return tuple(int(round(lerp(x, y, t))) for x, y in zip(c1, c2))


def vertical_gradient(width, height, stops):
    """RGB image whose rows run through (position 0..1, colour) stops; every column equal."""
    column = Image.new("RGB", (1, height))
    px = column.load()
    for y in range(height):
        t = (y + 0.5) / height
        px[0, y] = _colour_at(stops, t)
    return column.resize((width, height), Image.NEAREST)


def _colour_at(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return lerp_rgb(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


def render_emoji(char):
    """The emoji at its native strike on a transparent canvas, cropped to its ink."""
    font = ImageFont.truetype(EMOJI_FONT, EMOJI_STRIKE)
    canvas = Image.new("RGBA", (160, 160), (0, 0, 0, 0))
    ImageDraw.Draw(canvas).text((6, 6), char, font=font, embedded_color=True)
    return canvas.crop(canvas.getbbox())


def fit_into(img, box_w, box_h):
    """Downscales keeping the aspect ratio so the picture fits box_w x box_h."""
    scale = min(box_w / img.width, box_h / img.height)
    size = (max(1, round(img.width * scale)), max(1, round(img.height * scale)))
    return img.resize(size, Image.LANCZOS)


def round_mask(width, height, radius, scale=4):
    """Antialiased rounded-rectangle mask of the given size."""
    big = Image.new("L", (width * scale, height * scale), 0)
    ImageDraw.Draw(big).rounded_rectangle(
        (0, 0, width * scale - 1, height * scale - 1), radius=radius * scale, fill=255)
    return big.resize((width, height), Image.LANCZOS)


def text_size(draw, text, font, stroke=0):
    box = draw.textbbox((0, 0), text, font=font, stroke_width=stroke)
    return box[2] - box[0], box[3] - box[1], box[0], box[1]


def draw_centered_text(draw, centre, text, font, fill, stroke=0, stroke_fill=None):
    w, h, ox, oy = text_size(draw, text, font, stroke)
    x = centre[0] - w / 2 - ox
    y = centre[1] - h / 2 - oy
    draw.text((x, y), text, font=font, fill=fill, stroke_width=stroke,
              stroke_fill=stroke_fill if stroke_fill is not None else fill)
