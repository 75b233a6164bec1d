"""The 25 animal tile faces (39 x 39) and their blue-violet selected look."""
import os

from PIL import Image, ImageChops, ImageDraw

from art.common import fit_into, render_emoji, save_png

TILE = 39
SCALE = 4  # the tile body is drawn at 4x and reduced for smooth corners

# Face f uses ANIMALS[f - 1]. Chosen for clearly different colours and outlines at 39 px.
ANIMALS = [
    ("cat", "\U0001F431"),
    ("dog", "\U0001F436"),
    ("mouse", "\U0001F42D"),
    ("rabbit", "\U0001F430"),
    ("fox", "\U0001F98A"),
    ("bear", "\U0001F43B"),
    ("panda", "\U0001F43C"),
    ("koala", "\U0001F428"),
    ("tiger", "\U0001F42F"),
    ("lion", "\U0001F981"),
    ("cow", "\U0001F42E"),
    ("pig", "\U0001F437"),
    ("frog", "\U0001F438"),
    ("monkey", "\U0001F435"),
    ("chicken", "\U0001F414"),
    ("penguin", "\U0001F427"),
    ("owl", "\U0001F989"),
    ("horse", "\U0001F434"),
    ("unicorn", "\U0001F984"),
    ("butterfly", "\U0001F98B"),
    ("turtle", "\U0001F422"),
    ("fish", "\U0001F420"),
    ("octopus", "\U0001F419"),
    ("ladybird", "\U0001F41E"),
    ("whale", "\U0001F433"),
]

# Body of a tile: warm ivory, a little darker toward the bottom-right like a raised piece.
BODY_TOP = (255, 253, 244)
BODY_BOTTOM = (238, 232, 212)
EDGE = (176, 160, 128)
SHADE = (214, 204, 176)

VIOLET = (112, 88, 236)


def _tile_body():
    n = TILE * SCALE
    body = Image.new("RGB", (n, n), EDGE)
    draw = ImageDraw.Draw(body)
    radius = 6 * SCALE
    # edge ring, then a darker lower-right lip, then the face of the tile
    draw.rounded_rectangle((0, 0, n - 1, n - 1), radius=radius, fill=EDGE)
    draw.rounded_rectangle((SCALE, SCALE, n - 1 - SCALE, n - 1 - SCALE),
                           radius=radius - SCALE, fill=SHADE)
    face = _diagonal_gradient(n - 5 * SCALE, n - 5 * SCALE)
    mask = Image.new("L", face.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        (0, 0, face.width - 1, face.height - 1), radius=radius - 2 * SCALE, fill=255)
    body.paste(face, (SCALE + SCALE // 2, SCALE + SCALE // 2), mask)
    body = body.resize((TILE, TILE), Image.LANCZOS)
    # outside the rounded corners the tile sits on the board's white field
    corner = Image.new("L", (n, n), 0)
    ImageDraw.Draw(corner).rounded_rectangle((0, 0, n - 1, n - 1), radius=radius, fill=255)
    corner = corner.resize((TILE, TILE), Image.LANCZOS)
    white = Image.new("RGB", (TILE, TILE), (255, 255, 255))
    return Image.composite(body, white, corner)


def _diagonal_gradient(w, h):
    small = Image.new("RGB", (w, h))
    px = small.load()
    for y in range(h):
        for x in range(w):
            t = (x + y) / (w + h - 2)
            px[x, y] = tuple(int(round(a + (b - a) * t)) for a, b in zip(BODY_TOP, BODY_BOTTOM))
    return small


def make_face(char, body):
    tile = body.copy()
    art = fit_into(render_emoji(char), 31, 31)
    # a soft shadow under the animal lifts it off the tile
    shadow = Image.new("RGBA", art.size, (120, 100, 60, 0))
    shadow.putalpha(art.getchannel("A").point(lambda a: a * 40 // 255))
    x = (TILE - art.width) // 2
    y = (TILE - art.height) // 2
    tile.paste(shadow, (x + 1, y + 1), shadow)
    tile.paste(art, (x, y), art)
    return tile


def highlight(tile):
    """Blue-violet selected look: tinted strongly enough to spot, light enough to read."""
    violet = Image.new("RGB", tile.size, VIOLET)
    multiplied = ImageChops.multiply(tile, Image.new("RGB", tile.size, (190, 178, 255)))
    return Image.blend(multiplied, violet, 0.22)


def write_tiles(out_dir):
    body = _tile_body()
    for number, (_, char) in enumerate(ANIMALS, start=1):
        face = make_face(char, body)
        save_png(face, os.path.join(out_dir, "tiles", "face%02d.png" % number))
        save_png(highlight(face), os.path.join(out_dir, "tiles", "face%02d_hi.png" % number))
