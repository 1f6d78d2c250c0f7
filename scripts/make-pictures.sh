#!/usr/bin/env bash
# Regenerates the program's own pictures under resources/pictures/:
# the splash screen (JPEG 128, ImageMagick) and the 236-colour table (SCOL 128).
set -euo pipefail
cd "$(dirname "$0")/../resources/pictures"
F=/usr/share/fonts/truetype/dejavu

convert -size 420x240 gradient:'#1d2b4f'-'#3f6fa8' \
  -fill '#ffffff22' -draw "rectangle 0,150 420,152" \
  -fill '#f2c14e' -stroke none -draw "rectangle 40,170 46,200 rectangle 58,160 64,200 rectangle 76,176 82,200 rectangle 94,150 100,200 rectangle 112,168 118,200 rectangle 130,180 136,200 rectangle 148,156 154,200 rectangle 166,172 172,200" \
  -font $F/DejaVuSerif-Bold.ttf -pointsize 58 -fill white -annotate +40+110 'Quillet!' \
  -font $F/DejaVuSans.ttf -pointsize 15 -fill '#d8e4f5' -annotate +42+140 'Slices drum loops at their attacks' \
  -font $F/DejaVuSans.ttf -pointsize 11 -fill '#b8c8e0' -annotate +318+222 'Version 1.0' \
  -strip -quality 90 -sampling-factor 2x2 JPEG_128.jpg

# A 6 x 6 x 6 colour cube (216 colours), then 20 greys: 236 red, green, blue triples.
python3 - <<'PY'
levels = [0, 51, 102, 153, 204, 255]
table = bytearray()
for r in levels:
    for g in levels:
        for b in levels:
            table += bytes([r, g, b])
for i in range(20):
    v = round((i + 1) * 255 / 21)
    table += bytes([v, v, v])
assert len(table) == 708
open('SCOL_128.col', 'wb').write(table)
PY
