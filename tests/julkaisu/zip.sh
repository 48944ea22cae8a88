#!/usr/bin/env bash
# The Windows zip as a player gets it: exactly the game, its four pictures and the two texts; a static GUI
# program; unpacked into an empty folder and started there under Wine, it shows its pictures, goes to the menu
# and out with exit code 0, and leaves the folder as it found it.
# Usage: zip.sh BUILD_FOLDER (makes the zip there with CPack) or zip.sh rimputin-VERSION-win64.zip.
set -euo pipefail
. "$(dirname "$0")/../wine/yhteiset.sh"
. "$(dirname "$0")/yhteiset.sh"
: "${WINEPREFIX:?set WINEPREFIX (CTest does)}"

# peli_siivoa (the shared clean-up) removes TYO: everything of this test lives there.
TYO=$(mktemp -d "${TMPDIR:-/tmp}/rimputin-zip.XXXXXX")
trap peli_siivoa EXIT

if [[ -d $1 ]]; then
    zip=$(cpack_yksi ZIP "$1" "$TYO/paketti" zip)
    versio=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$1/CPackConfig.cmake")
    [[ $(basename "$zip") == "rimputin-$versio-win64.zip" ]] ||
        virhe "the zip $(basename "$zip") is not named rimputin-$versio-win64.zip"
else
    zip=$1
fi
[[ $(basename "$zip") =~ ^rimputin-([0-9]+(\.[0-9]+)+)-win64\.zip$ ]] || virhe "the zip is named $(basename "$zip")"
versio=${BASH_REMATCH[1]}

# --- Contents: nothing more, nothing less, and no folder inside.
odotetut=$(printf '%s\n' LUEMINUT.txt README.txt rimputin.exe tausta1.bmp tausta2.bmp tausta3.bmp tausta4.bmp)
sisalto=$(unzip -Z1 "$zip" | sort)
[[ $sisalto == "$odotetut" ]] || virhe "the zip holds:"$'\n'"$sisalto"$'\n'"instead of:"$'\n'"$odotetut"
kansio=$TYO/peli
mkdir "$kansio"
unzip -q "$zip" -d "$kansio"
echo "zip $(basename "$zip"): $(tr '\n' ' ' <<<"$sisalto")"

# --- The program: the GUI subsystem, and no DLL a player's Windows lacks.
objdump=$(command -v x86_64-w64-mingw32-objdump) || virhe "x86_64-w64-mingw32-objdump is missing"
otsake=$("$objdump" -p "$kansio/rimputin.exe")
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$otsake" || virhe "rimputin.exe is not a GUI program"
dllt=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$otsake" | tr 'A-Z' 'a-z' | sort -u)
while read -r dll; do
    [[ $dll =~ ^(kernel32|user32|gdi32|msvcrt|advapi32|shell32|ntdll)\.dll$ ]] ||
        virhe "rimputin.exe needs $dll, which Windows does not bring"
done <<<"$dllt"
# The version resource: each text's key in UTF-16, padding zeros, then its value ending in a zero character.
versioteksti() {
    python3 - "$@" <<'PY'
import re, sys
data, avain, arvo = open(sys.argv[1], 'rb').read(), sys.argv[2], sys.argv[3]
u = lambda t: re.escape(t.encode('utf-16-le'))
sys.exit(re.search(u(avain) + b'(?:\x00\x00)+' + u(arvo) + b'\x00\x00', data) is None)
PY
}
for pari in ProductName=Rimputin "ProductVersion=$versio" "FileVersion=$versio"; do
    versioteksti "$kansio/rimputin.exe" "${pari%%=*}" "${pari#*=}" || virhe "rimputin.exe has no version text $pari"
done
echo "rimputin.exe: GUI, imports $(tr '\n' ' ' <<<"$dllt"), version resource"

# --- The texts: Windows line ends, and no UTF-8 that Notepad of an older Windows would show garbled.
for t in LUEMINUT.txt README.txt; do
    [[ $(tr -cd '\n' <"$kansio/$t" | wc -c) -gt 0 ]] || virhe "$t is empty"
    ! grep -qv $'\r$' "$kansio/$t" || virhe "$t has lines that do not end in CR LF"
    if LC_ALL=C grep -q $'[\x80-\xff]' "$kansio/$t"; then
        ! iconv -f UTF-8 -t UTF-8 "$kansio/$t" >/dev/null 2>&1 || virhe "$t is UTF-8, not Windows-1252"
    fi
done
iconv -f WINDOWS-1252 -t UTF-8 "$kansio/LUEMINUT.txt" | grep -q 'käynnistä' || virhe "LUEMINUT.txt does not read as Finnish"

# --- A player's first start: double-clicked, the game runs in its own folder.
ennen=$(cd "$kansio" && find . -printf '%p %y %s\n' | sort && md5sum ./* | sort)
xvfb_kaynnista
# Wine's helper processes inherit the output and outlive the game: give them a file, not this test's output,
# which the test runner would otherwise wait on until they end.
(cd "$kansio" && exec setsid -w "$(wine64_polku)" rimputin.exe) >"$TYO/wine.log" 2>&1 &
PELI_PID=$!
odota 60 'no window titled "Rimputin" appeared' ikkuna_loytyy || {
    cat "$TYO/wine.log" >&2
    exit 1
}
IKKUNA=$(xdotool search --onlyvisible --name '^Rimputin$' | head -n1)
xdotool windowfocus --sync "$IKKUNA" 2>/dev/null
kuva=$TYO/ikkuna.png
odota 20 "the title picture never showed" nakyy "$kansio/tausta1.bmp" "$kuva" 20,20 140,70 700,300
nappain Escape
odota 10 "Escape on the title did not open the menu" nakyy "$kansio/tausta3.bmp" "$kuva" 20,560 300,80
nappain Escape
peli_loppuu 20
((PELI_TULOS == 0)) || virhe "the game ended with exit code $PELI_TULOS"
jalkeen=$(cd "$kansio" && find . -printf '%p %y %s\n' | sort && md5sum ./* | sort)
[[ $jalkeen == "$ennen" ]] || virhe "the game's folder changed:"$'\n'"$(diff <(echo "$ennen") <(echo "$jalkeen"))"
echo "started in the unpacked folder: title, menu, exit code 0, the folder as it was"
