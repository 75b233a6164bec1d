"""Contact sheet: every PNG under the assets folder at 2x with its name and size."""
import os

from PIL import Image, ImageDraw

from art.common import sans

SHEET_W = 1600
PAD = 16
LABEL_H = 18
CHECKER = 8


def _checker(size):
    """Checkerboard behind transparent pictures so their alpha is visible."""
    img = Image.new("RGBA", size, (255, 255, 255, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, size[1], CHECKER):
        for x in range(0, size[0], CHECKER):
            if (x // CHECKER + y // CHECKER) % 2:
                d.rectangle((x, y, x + CHECKER - 1, y + CHECKER - 1), fill=(214, 214, 214, 255))
    return img


def list_pictures(assets_dir):
    found = []
    for root, _, files in os.walk(assets_dir):
        for name in files:
            if name.lower().endswith(".png"):
                found.append(os.path.relpath(os.path.join(root, name), assets_dir))
    return sorted(found)


def make_sheet(assets_dir):
    font = sans(11)
    cells = []
    for rel in list_pictures(assets_dir):
        with Image.open(os.path.join(assets_dir, rel)) as img:
            pic = img.convert("RGBA")
        big = pic.resize((pic.width * 2, pic.height * 2), Image.NEAREST)
        tile = _checker(big.size)
        tile.alpha_composite(big)
        label = "%s  %dx%d" % (rel, pic.width, pic.height)
        width = max(tile.width, int(font.getlength(label)) + 4)
        cells.append((tile, label, width))
    # simple shelf packing, left to right
    rows, row, x = [], [], PAD
    for cell in cells:
        if row and x + cell[2] > SHEET_W - PAD:
            rows.append(row)
            row, x = [], PAD
        row.append(cell)
        x += cell[2] + PAD
    if row:
        rows.append(row)
    height = PAD + sum(max(c[0].height for c in r) + LABEL_H + PAD for r in rows)
    sheet = Image.new("RGB", (SHEET_W, height), (236, 238, 242))
    draw = ImageDraw.Draw(sheet)
    y = PAD
    for r in rows:
        x = PAD
        for tile, label, width in r:
            sheet.paste(tile.convert("RGB"), (x, y))
            draw.text((x, y + tile.height + 3), label, font=font, fill=(30, 30, 30))
            x += width + PAD
        y += max(c[0].height for c in r) + LABEL_H + PAD
    return sheet
