#!/usr/bin/env bash
# Writes the picture fuzz targets' seeds into fuzz/corpus/ (committed; run again only to change
# them): small JPEGs of our own with an EXIF block of every orientation in both byte orders, an
# XMP block, EXIF blocks that lie (offsets past their end, a wrong type, endless entries), cut
# off, progressive and CMYK JPEGs, a tiny HEIC and AVIF, PNG, BMP, GIF and WebP; BMP and PNG in
# the forms their readers take (palettes, colour masks, RLE, the OS/2 header; 16 bits, alpha,
# interlaced), and cut short.
# Needs: imagemagick, libheif-examples (heif-enc), python3.
set -euo pipefail
corpus=$(cd "$(dirname "$0")" && pwd)/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$corpus"/{jpeg_picture,bmp_png_picture,heif_picture,picture_loader,win32_exif}

convert -size 24x16 gradient:red-blue "$work/base.png"
convert "$work/base.png" -quality 80 "$work/base.jpg"
convert "$work/base.png" -quality 80 -interlace Plane "$corpus/jpeg_picture/progressive.jpg"
convert "$work/base.png" -quality 80 -colorspace CMYK "$corpus/jpeg_picture/cmyk.jpg"
heif-enc -o "$corpus/heif_picture/tiny.heic" "$work/base.png" >/dev/null
heif-enc -A -o "$corpus/heif_picture/tiny.avif" "$work/base.png" >/dev/null

python3 - "$work/base.jpg" "$corpus" <<'PY'
import struct, sys
base = open(sys.argv[1], 'rb').read()
corpus = sys.argv[2]

def tiff(order, entries, directory=8):
    """A TIFF header and one directory of (tag, type, count, value) entries."""
    e = '<' if order == b'II' else '>'
    body = order + struct.pack(e + 'HI', 42, directory)
    body += b'\0' * (directory - len(body))
    body += struct.pack(e + 'H', len(entries))
    for tag, kind, count, value in entries:
        body += struct.pack(e + 'HHI', tag, kind, count) + struct.pack(e + 'H', value) + b'\0\0'
    return body + b'\0\0\0\0'

def jpeg_with(app1):
    segment = b'\xff\xe1' + struct.pack('>H', len(app1) + 2) + app1
    return base[:2] + segment + base[2:]

def write(folder, name, data):
    open(f'{corpus}/{folder}/{name}', 'wb').write(data)

blocks = {}
for order in (b'II', b'MM'):
    for o in range(1, 9):
        blocks[f'orientation-{o}-{order.decode()}'] = tiff(order, [(0x0112, 3, 1, o)])
blocks['orientation-9'] = tiff(b'II', [(0x0112, 3, 1, 9)])
blocks['wrong-type'] = tiff(b'MM', [(0x0112, 4, 1, 6)])
blocks['directory-past-end'] = tiff(b'II', [(0x0112, 3, 1, 6)], directory=8)[:8].replace(
    b'\x08\0\0\0', b'\xf0\xff\xff\x7f')
many = tiff(b'II', [(0x0100, 3, 1, 1)])
blocks['endless-entries'] = many[:8] + b'\xff\xff' + many[10:]
blocks['cut-off'] = tiff(b'MM', [(0x0110, 2, 4, 0), (0x0112, 3, 1, 8)])[:20]

for name, block in blocks.items():
    write('win32_exif', name, block)
    write('jpeg_picture', name + '.jpg', jpeg_with(b'Exif\0\0' + block))
write('jpeg_picture', 'xmp.jpg', jpeg_with(b'http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>'))
write('jpeg_picture', 'plain.jpg', base)
write('jpeg_picture', 'cut-in-scan.jpg', base[: len(base) * 2 // 3])
write('jpeg_picture', 'only-header.jpg', base[:200])
PY

cp "$corpus/jpeg_picture/"{orientation-6-II.jpg,progressive.jpg,cmyk.jpg,cut-in-scan.jpg} \
  "$corpus/heif_picture/"tiny.{heic,avif} "$corpus/picture_loader/"
convert "$work/base.png" "$corpus/picture_loader/base.png"
convert "$work/base.png" -type TrueColor "BMP3:$corpus/picture_loader/base.bmp"
convert "$work/base.png" -colors 16 "$corpus/picture_loader/base.gif"
convert "$work/base.png" -quality 80 "$corpus/picture_loader/base.webp" 2>/dev/null || true
small=$work/small.png bmp=$corpus/bmp_png_picture
convert -size 5x3 gradient:red-blue "$small"
convert "$small" -type TrueColor "BMP3:$bmp/rgb24.bmp"
convert "$small" -colors 2 "BMP3:$bmp/palette1.bmp"
convert "$small" -colors 16 -compress RLE "BMP3:$bmp/rle8.bmp"
convert "$small" -colors 16 "BMP2:$bmp/os2.bmp"
convert "$small" -define bmp:subtype=RGB555 "BMP3:$bmp/rgb555-no-masks.bmp"
convert "$small" -define bmp:subtype=RGB565 "BMP:$bmp/rgb565-v5.bmp"
convert "$small" -alpha on "BMP:$bmp/alpha-v5.bmp"
head -c 80 "$bmp/rgb24.bmp" >"$bmp/cut-short.bmp"
convert "$small" -strip -alpha on -channel A -evaluate set 50% "PNG32:$bmp/rgba.png"
convert "$small" -strip -colors 8 "PNG8:$bmp/palette.png"
convert "$small" -strip -depth 16 "PNG48:$bmp/rgb16.png"
convert "$small" -strip -colorspace Gray -alpha on "PNG:$bmp/grey-alpha.png"
convert "$small" -strip -interlace PNG "PNG24:$bmp/interlaced.png"
head -c 60 "$bmp/interlaced.png" >"$bmp/cut-short.png"
ls "$corpus"/{jpeg_picture,bmp_png_picture,heif_picture,picture_loader,win32_exif} | wc -l
