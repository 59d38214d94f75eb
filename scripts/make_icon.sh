#!/usr/bin/env bash
# Draws the application icon: 32x32 pixels in the 16-colour VGA palette, a
# pocket calculator under a night sky with a star and a ringed planet.
# Writes app/skycalc.png (the window and about-box icon), app/skycalc.ico,
# and for menus and high-DPI screens app/icons/: the same pixels as a
# scalable SVG (one square per pixel, so it stays sharp at any size) and PNGs
# of 64, 128 and 256 pixels (each pixel an exact block).
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."

xpm=$(mktemp --suffix=.xpm)
trap 'rm -f "$xpm"' EXIT
cat > "$xpm" <<'XPM'
/* XPM */
static char *skycalc[] = {
"32 32 12 1",
". c #000080",
"k c #000000",
"w c #FFFFFF",
"s c #C0C0C0",
"g c #808080",
"y c #FFFF00",
"o c #808000",
"t c #00FFFF",
"l c #00FF00",
"G c #008000",
"r c #FF0000",
"m c #800000",
"................................",
"................w.........w.....",
"......y.........................",
"......y.................w.......",
".....yyy.....................w..",
"..yyyyyyyyy.....................",
"...yyyyyyy......................",
"....yyyyy.....kkkkkkkkkkkkkkkkk.",
"....yy.yy.....ksssssssssssssssk.",
"...yy...yy....kskkkkkkkkkkkkksk.",
"...y.....y....ksklllllllllllksk.",
"..............kskGGlGGlGGlGlksk.",
"...w..........kskGGlGGlGGlGlksk.",
"..............ksklllllllllllksk.",
"..............kskkkkkkkkkkkkksk.",
"..........w...ksssssssssssssssk.",
"..............ksssssssssssssssk.",
"....yyy.......ksswwswwswwsrrssk.",
"...yyyyy......kssggsggsggsmmssk.",
"ttttttttttt...ksssssssssssssssk.",
"...ooooo......ksswwswwswwsrrssk.",
"....ooo.......kssggsggsggsmmssk.",
"..............ksssssssssssssssk.",
"..w...........ksswwswwswwsrrssk.",
"..............kssggsggsggsmmssk.",
"..............ksssssssssssssssk.",
"........w.....ksswwswwswwsrrssk.",
"..............kssggsggsggsmmssk.",
"..............ksssssssssssssssk.",
"..............ksssssssssssssssk.",
"....w.........kkkkkkkkkkkkkkkkk.",
"................................"
};
XPM

convert "$xpm" -type Palette -colors 16 PNG8:app/skycalc.png
convert "$xpm" -type Palette -colors 16 app/skycalc.ico
mkdir -p app/icons
for size in 64 128 256; do
  convert "$xpm" -filter point -resize "${size}x${size}" PNG32:"app/icons/skycalc-$size.png"
done
mkdir -p web/icons
png_opts=(-define png:exclude-chunks=date,time)
for size in 192 512; do
  convert "$xpm" -filter point -resize "${size}x${size}" "${png_opts[@]}" PNG32:"web/icons/skycalc-$size.png"
done
convert "$xpm" -filter point -resize 320x320 -background '#000080' -gravity center -extent 512x512 \
  "${png_opts[@]}" PNG32:web/icons/skycalc-maskable-512.png
# The SVG: each run of same-coloured pixels in a row is one rectangle.
awk '
  BEGIN { FS = "" }
  /^"[0-9]+ [0-9]+ [0-9]+ 1",$/ { header = 1; next }
  header && /^"[^ ] c #[0-9A-Fa-f]+",$/ { colour[substr($0, 2, 1)] = substr($0, 7, 7); next }
  header && /^"[^" ]+",?$/ && length($0) >= 34 { row[rows++] = substr($0, 2, 32) }
  END {
    print "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\" shape-rendering=\"crispEdges\">"
    for (y = 0; y < rows; y++) {
      line = row[y]
      for (x = 1; x <= 32; x = end) {
        c = substr(line, x, 1)
        for (end = x + 1; end <= 32 && substr(line, end, 1) == c; end++) {}
        printf "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"1\" fill=\"%s\"/>\n", x - 1, y, end - x, colour[c]
      }
    }
    print "</svg>"
  }' "$xpm" > app/icons/skycalc.svg
echo "wrote app/skycalc.png, app/skycalc.ico, app/icons/ and web/icons/"
