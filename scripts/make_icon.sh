#!/usr/bin/env bash
# Draws the application icon: 32x32 pixels in the 16-colour VGA palette, a
# pocket calculator under a night sky with a star and a ringed planet.
# Writes app/skycalc.png (the window and about-box icon) and app/skycalc.ico.
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
echo "wrote app/skycalc.png and app/skycalc.ico"
