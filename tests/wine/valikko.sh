#!/usr/bin/env bash
# The Windows game under Wine, as a player goes: title, Enter, a name with "ä", Enter, the menu, Down and Up
# moving the selection frame, Escape ending the game with exit code 0.
set -euo pipefail
. "$(dirname "$0")/yhteiset.sh"
exe=$1 kuvat=$2
kuva=$PWD/wine_valikko.png

# The name field's picture, to see whether a typed character reached it.
nimikentta() { kuvaa "$kuva" && convert "$kuva" -crop 260x24+70+112 +repage rgb:- | md5sum; }
nimi_muuttui() { [[ $(nimikentta) != "$1" ]]; }

# The selection frame's top band is black at (160, y0 + 1), y0 = 130 for "Sokkelo, pieni" and 155 for
# "Sokkelo, iso"; the bottom band of the second at (160, 180) lies outside the first frame.
kehys_valinnassa() {
    kuvaa "$kuva"
    local yla ala
    yla=$(vari "$kuva" 160 131)
    ala=$(vari "$kuva" 160 180)
    case $1 in
    1) [[ $yla == 000000 && $ala != 000000 ]] ;;
    2) [[ $yla != 000000 && $ala == 000000 ]] ;;
    esac
}

peli_kaynnista "$exe" "$kuvat"
odota 20 "the title picture never showed" nakyy "$kuvat/tausta1.bmp" "$kuva" 20,20 140,70 700,300

nappain Return
odota 10 "Enter on the title did not open the name entry" nakyy "$kuvat/tausta4.bmp" "$kuva" 20,20 700,500 60,75
tyhja=$(nimikentta)
xdotool type --delay 50 M
odota 10 "typing M changed nothing in the name field" nimi_muuttui "$tyhja"
ennen=$(nimikentta)
xdotool type --delay 50 ä
odota 10 "typing ä changed nothing in the name field" nimi_muuttui "$ennen"
cp "$kuva" "$PWD/wine_valikko_nimi.png"
echo "name entry took M and ä"

nappain Return
odota 10 "Enter with a name did not open the menu on its first choice" kehys_valinnassa 1
nakyy "$kuvat/tausta3.bmp" "$kuva" 20,560 300,80 || {
    echo "the menu's picture is not shown" >&2
    exit 1
}
vihreat=$(vihreita "$kuva" 500 10 290 18)
((vihreat > 0)) || {
    echo "no green player line at (500, 10)" >&2
    exit 1
}
echo "menu: frame at y 130..156, player line $vihreat green pixels"

nappain Down
odota 10 "Down did not move the frame to y 155..181" kehys_valinnassa 2
nappain Up
odota 10 "Up did not bring the frame back to y 130..156" kehys_valinnassa 1
echo "Down and Up moved the frame and back"

nappain Escape
peli_loppuu 20
echo "exit code $PELI_TULOS"
((PELI_TULOS == 0))
