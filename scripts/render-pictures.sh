#!/usr/bin/env bash
# Renders every picture source in resources/pictures to PNG and lays them out
# on one contact sheet, so all the artwork can be reviewed at a glance.
#
#   scripts/render-pictures.sh [output-dir]     (default: build-pictures-sheet)
#
# Writes <output-dir>/<Name>.png for each SVG and <output-dir>/ContactSheet.png.
# Each picture is shown at its pixel size on a neutral mid grey, with its name
# and size underneath; the two tiles are also shown repeated, so a seam would
# show (the header tile as the 60-pixel header draws it: 64 x 64 cells).
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sources="$repo/resources/pictures"
out="${1:-$repo/build-pictures-sheet}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert not found (install librsvg2-bin)" >&2; exit 1; }

for svg in "$sources"/*.svg; do
    name="$(basename "$svg" .svg)"
    rsvg-convert --format png -o "$out/$name.png" "$svg"
done

python3 - "$sources" "$out" <<'PYTHON'
import os, re, sys
from xml.sax.saxutils import escape

sources, out = sys.argv[1], sys.argv[2]
sheetWidth, margin, captionHeight, minCellWidth = 1600, 16, 22, 200

def tiledSize(name, w):
    return (w * 4, 60) if name.startswith("Header") else (w * 4, 64 * 3)

def sizeOf(svgPath):
    text = open(svgPath, encoding="utf-8").read(4000)
    root = re.search(r"<svg\b[^>]*>", text).group(0)
    w = re.search(r'\bwidth="(\d+)"', root).group(1)
    h = re.search(r'\bheight="(\d+)"', root).group(1)
    return int(w), int(h)

# Tallest first, so the shelves of the sheet pack tightly.
pictures = sorted(f[:-4] for f in os.listdir(sources) if f.endswith(".svg"))
cells = []
for name in pictures:
    w, h = sizeOf(os.path.join(sources, name + ".svg"))
    cells.append((name, w, h, "single"))
    if name.endswith("Tile"):
        cells.append((name, w, h, "tiled"))
cells.sort(key=lambda cell: (-(tiledSize(cell[0], cell[1])[1] if cell[3] == "tiled" else cell[2]), cell[0]))

x, y, rowHeight, items = margin, margin, 0, []
for name, w, h, kind in cells:
    shownW, shownH = tiledSize(name, w) if kind == "tiled" else (w, h)
    if x + max(shownW, minCellWidth) + margin > sheetWidth and x > margin:
        x, y, rowHeight = margin, y + rowHeight + captionHeight + margin, 0
    items.append((name, w, h, kind, x, y, shownW, shownH))
    x += max(shownW, minCellWidth) + margin
    rowHeight = max(rowHeight, shownH)
sheetHeight = y + rowHeight + captionHeight + margin

svg = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{sheetWidth}" height="{sheetHeight}">',
       f'<rect width="{sheetWidth}" height="{sheetHeight}" fill="#7a7a7a"/>']
for name, w, h, kind, x, y, shownW, shownH in items:
    href = escape(name + ".png")
    if kind == "tiled":
        tileH = 64
        svg.append(f'<defs><pattern id="p{name}" width="{w}" height="{tileH}" patternUnits="userSpaceOnUse" '
                   f'x="{x}" y="{y}"><image href="{href}" width="{w}" height="{h}"/></pattern></defs>')
        svg.append(f'<rect x="{x}" y="{y}" width="{shownW}" height="{shownH}" fill="url(#p{name})"/>')
        label = f"{name} tiled"
    else:
        svg.append(f'<image href="{href}" x="{x}" y="{y}" width="{w}" height="{h}"/>')
        label = f"{name} {w}x{h}"
    svg.append(f'<text x="{x}" y="{y + shownH + 16}" font-family="Liberation Sans" font-size="13" '
               f'fill="#fff">{escape(label)}</text>')
svg.append("</svg>")

with open(os.path.join(out, "ContactSheet.svg"), "w", encoding="utf-8") as f:
    f.write("\n".join(svg))
PYTHON

rsvg-convert --format png -o "$out/ContactSheet.png" "$out/ContactSheet.svg"
echo "Pictures and contact sheet written to $out"
