"""The 640 x 480 board background: pure white field inside a green ornamental ring."""
import math

from PIL import Image, ImageDraw

WIDTH, HEIGHT = 640, 480
RING = 40
FIELD = (RING, RING, WIDTH - RING - 1, HEIGHT - RING - 1)  # inclusive: x 40..599, y 40..439
S = 3  # supersampling factor

BASE_OUT = (206, 228, 190)
BASE_IN = (236, 245, 226)
DARK = (38, 100, 46)
MID = (74, 146, 66)
LEAF = (92, 168, 72)
LEAF_VEIN = (200, 230, 170)
GOLD = (212, 170, 60)
GOLD_LIGHT = (250, 226, 140)


def _ring_base(draw):
    # concentric bands give the ring some depth: darker outside, lighter inside
    for i in range(RING * S):
        t = i / (RING * S - 1)
        c = tuple(int(round(a + (b - a) * t)) for a, b in zip(BASE_OUT, BASE_IN))
        draw.rectangle((i, i, WIDTH * S - 1 - i, HEIGHT * S - 1 - i), outline=c)


def _frame_lines(draw):
    def box(inset, width, colour):
        draw.rectangle((inset * S, inset * S, (WIDTH - inset) * S - 1, (HEIGHT - inset) * S - 1),
                       outline=colour, width=width)
    box(1, 2 * S, DARK)
    box(5, S, MID)
    box(35, S, MID)
    box(38, 2 * S, DARK)


def _diamond(draw, cx, cy, r):
    pts = [(cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)]
    draw.polygon([(x * S, y * S) for x, y in pts], fill=GOLD, outline=DARK, width=S)
    r2 = r * 0.45
    inner = [(cx, cy - r2), (cx + r2, cy), (cx, cy + r2), (cx - r2, cy)]
    draw.polygon([(x * S, y * S) for x, y in inner], fill=GOLD_LIGHT)


def _leaf(draw, cx, cy, angle, length=11.0, width=4.6):
    """A pointed leaf from (cx, cy) along angle (radians)."""
    ca, sa = math.cos(angle), math.sin(angle)
    pts = []
    steps = 14
    for side in (1, -1):
        rng = range(steps + 1) if side == 1 else range(steps, -1, -1)
        for k in rng:
            u = k / steps
            half = width * math.sin(math.pi * u) ** 0.8 * side
            pts.append((cx + ca * length * u - sa * half, cy + sa * length * u + ca * half))
    draw.polygon([(x * S, y * S) for x, y in pts], fill=LEAF, outline=DARK, width=S)
    tip = (cx + ca * length * 0.85, cy + sa * length * 0.85)
    draw.line([(cx * S, cy * S), (tip[0] * S, tip[1] * S)], fill=LEAF_VEIN, width=S)


def _vine_run(draw, start, end, horizontal):
    """Stem along the middle of one side with leaf pairs between diamonds every 40 px."""
    a, b = (start[0], end[0]) if horizontal else (start[1], end[1])
    line = [(a, start[1]), (b, start[1])] if horizontal else [(start[0], a), (start[0], b)]
    draw.line([(x * S, y * S) for x, y in line], fill=MID, width=2 * S)
    pos = a + 40
    while pos < b - 1:
        centre = (pos, start[1]) if horizontal else (start[0], pos)
        for offset, flip in ((-10, 1), (10, -1)):
            base = (centre[0] + offset, centre[1]) if horizontal else (centre[0], centre[1] + offset)
            if horizontal:
                angles = (-math.pi / 2 + 0.55 * flip, math.pi / 2 - 0.55 * flip)
            else:
                angles = (math.pi - 0.55 * flip, 0.55 * flip)
            for ang in angles:
                _leaf(draw, base[0], base[1], ang)
        _diamond(draw, centre[0], centre[1], 6.5)
        pos += 40


def _corner(draw, cx, cy):
    for k in range(4):
        _leaf(draw, cx, cy, math.pi / 4 + k * math.pi / 2, length=14, width=5.5)
    _diamond(draw, cx, cy, 9)


def make_board():
    img = Image.new("RGB", (WIDTH * S, HEIGHT * S), (255, 255, 255))
    draw = ImageDraw.Draw(img)
    _ring_base(draw)
    _frame_lines(draw)
    m = RING / 2
    _vine_run(draw, (m, m), (WIDTH - m, m), True)
    _vine_run(draw, (m, HEIGHT - m), (WIDTH - m, HEIGHT - m), True)
    _vine_run(draw, (m, m), (m, HEIGHT - m), False)
    _vine_run(draw, (WIDTH - m, m), (WIDTH - m, HEIGHT - m), False)
    for cx, cy in ((m, m), (WIDTH - m, m), (m, HEIGHT - m), (WIDTH - m, HEIGHT - m)):
        _corner(draw, cx, cy)
    board = img.resize((WIDTH, HEIGHT), Image.LANCZOS)
    # the field must be exactly white whatever the filter spilt into it
    ImageDraw.Draw(board).rectangle(FIELD, fill=(255, 255, 255))
    return board
