#!/usr/bin/env bash
# The Windows game under Wine: opens a window titled "Rimputin" on the title picture with the green version
# text, and ends with exit code 0 when the window is closed.
set -euo pipefail
. "$(dirname "$0")/yhteiset.sh"
exe=$1 kuvat=$2
kuva=$PWD/wine_otsikko.png

peli_kaynnista "$exe" "$kuvat"
echo "window $IKKUNA: $(xdotool getwindowname "$IKKUNA"), $(xwininfo -id "$IKKUNA" | awk '/Width|Height/ {printf "%s ", $2}')"

# Points of the title picture away from the version text: letters, the maze, the marker, the plain background.
pisteet=(20,20 140,70 240,160 300,345 100,400 400,450 700,300 45,540 600,220)
odota 20 "the window never showed the title picture (last look: $kuva)" nakyy "$kuvat/tausta1.bmp" "$kuva" "${pisteet[@]}"
echo "title picture shown at ${#pisteet[@]} points"

vihreat=$(vihreita "$kuva" 650 238 80 24)
if ((vihreat < 20)); then
    echo "no green version text around (655, 242): $vihreat green pixels (look: $kuva)" >&2
    exit 1
fi
echo "green version text: $vihreat pixels"

# Alt+F4 is the window system's own close: it reaches the game as WM_CLOSE, as the close box does.
nappain alt+F4
peli_loppuu 20
echo "exit code $PELI_TULOS"
((PELI_TULOS == 0))
