#!/usr/bin/env bash
# The Debian package as a player gets it: its control fields and files, lintian, and the launcher started from
# the unpacked package under Xvfb twice - the first start makes the player's folder with links to the pictures,
# the second reuses it, mends missing links and leaves the result files alone.
# Usage: deb.sh BUILD_FOLDER (makes the package there with CPack) or deb.sh PACKAGE.deb.
set -euo pipefail
. "$(dirname "$0")/../wine/yhteiset.sh"
. "$(dirname "$0")/yhteiset.sh"
# The native game, like the Wine one, is closed by the keys; the X and SDL libraries keep memory to the end.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/rimputin-deb.XXXXXX")
lopeta() {
    if [[ -n ${PELI_PID:-} ]] && kill -0 "$PELI_PID" 2>/dev/null; then kill "$PELI_PID" 2>/dev/null || true; fi
    xvfb_lopeta
    rm -rf "$tmp"
}
trap lopeta EXIT

if [[ -d $1 ]]; then
    deb=$(cpack_yksi DEB "$1" "$tmp/paketti" deb)
else
    deb=$1
fi

# --- Control fields: the name carries the version, and the program needs nothing beyond SDL2 and the runtimes.
kentta() { dpkg-deb -f "$deb" "$1"; }
versio=$(kentta Version)
arkkitehtuuri=$(dpkg --print-architecture)
[[ $(basename "$deb") == "rimputin_${versio}_${arkkitehtuuri}.deb" ]] ||
    virhe "the package $(basename "$deb") is not named rimputin_${versio}_${arkkitehtuuri}.deb"
[[ $(kentta Package) == rimputin && $(kentta Architecture) == "$arkkitehtuuri" && $(kentta Section) == games ]] ||
    virhe "unexpected control fields: $(dpkg-deb -f "$deb")"
sallitut='^(libsdl2-2\.0-0|libc6|libstdc\+\+6|libgcc-s1)$'
# A sanitized test build links the sanitizer runtimes as well; a release does not.
[[ ${RIMPUTIN_SANITIZE:-OFF} == ON ]] && sallitut='^(libsdl2-2\.0-0|libc6|libstdc\+\+6|libgcc-s1|libasan[0-9]+|libubsan[0-9]+)$'
riippuvuudet=$(kentta Depends)
sdl=0
while read -r nimi; do
    [[ $nimi =~ $sallitut ]] || virhe "the package depends on $nimi (Depends: $riippuvuudet)"
    [[ $nimi == libsdl2-2.0-0 ]] && sdl=1
done < <(tr ',|' '\n\n' <<<"$riippuvuudet" | sed 's/(.*//; s/ //g' | grep .)
((sdl == 1)) || virhe "the package does not depend on libsdl2-2.0-0 (Depends: $riippuvuudet)"
echo "package $(basename "$deb"): Depends: $riippuvuudet"

# --- Files: what the player starts is executable, and the program is out of PATH.
juuri=$tmp/juuri
dpkg-deb -x "$deb" "$juuri"
tarvitaan=(usr/games/rimputin usr/lib/games/rimputin/rimputin usr/share/games/rimputin/tausta1.bmp
    usr/share/games/rimputin/tausta2.bmp usr/share/games/rimputin/tausta3.bmp usr/share/games/rimputin/tausta4.bmp
    usr/share/applications/rimputin.desktop usr/share/doc/rimputin/copyright)
for f in "${tarvitaan[@]}"; do [[ -f $juuri/$f ]] || virhe "the package holds no /$f"; done
[[ -x $juuri/usr/games/rimputin && -x $juuri/usr/lib/games/rimputin/rimputin ]] ||
    virhe "the launcher or the program is not executable"
[[ ! -e $juuri/usr/bin/rimputin && ! -e $juuri/usr/games/rimputin.bin ]] || virhe "a second program in PATH"
ikonit=("$juuri"/usr/share/icons/hicolor/*/apps/rimputin.png)
[[ -f ${ikonit[0]} && ${#ikonit[@]} -eq 1 ]] || virhe "the package holds no single hicolor icon rimputin.png"
koko=$(identify -format '%wx%h' "${ikonit[0]}")
[[ ${ikonit[0]} == */hicolor/$koko/apps/rimputin.png ]] || virhe "the icon of $koko pixels lies in ${ikonit[0]#$juuri}"
tyopoyta=$juuri/usr/share/applications/rimputin.desktop
for rivi in Type=Application Name=Rimputin Exec=rimputin Icon=rimputin Terminal=false; do
    grep -qx "$rivi" "$tyopoyta" || virhe "the .desktop entry has no line $rivi"
done
grep -Eqx 'Categories=([^;]+;)*Game;.*' "$tyopoyta" || virhe "the .desktop entry is not in the category Game"
echo "files: launcher, program, four pictures, .desktop entry, icon ${koko}, copyright"

# --- lintian: warnings are shown, errors fail.
command -v lintian >/dev/null || virhe "lintian is not installed (make paketit installs it)"
lintian --fail-on error "$deb" || virhe "lintian reports errors on the package"
echo "lintian: no errors"

# --- The launcher, with its paths moved into the unpacked root (a copy; the package's own stays as built).
# juurella ROOT COPY: the launcher with every /usr/ path under ROOT.
juurella() {
    sed "s#/usr/#$1/usr/#g" "$juuri/usr/games/rimputin" >"$2"
    chmod +x "$2"
    ! sed "s#$1/usr/##g" "$2" | grep -q '/usr/' || virhe "the launcher names a /usr path that the test cannot move"
    ! cmp -s "$2" "$juuri/usr/games/rimputin" || virhe "the launcher names no /usr path"
}
kaynnistin=$tmp/rimputin
juurella "$juuri" "$kaynnistin"

# The player's folder for each XDG_DATA_HOME, with a stand-in program that prints where it runs. Unset, empty
# and relative values all mean ~/.local/share; a home with a space in its name works.
vale=$tmp/vale
mkdir -p "$vale/usr/lib/games/rimputin" "$vale/usr/share/games/rimputin"
printf '#!/bin/sh\npwd -P\n' >"$vale/usr/lib/games/rimputin/rimputin"
chmod +x "$vale/usr/lib/games/rimputin/rimputin"
cp "$juuri"/usr/share/games/rimputin/tausta?.bmp "$vale/usr/share/games/rimputin/"
juurella "$vale" "$tmp/vale-rimputin"
mkdir -p "$tmp/muu kansio" "$tmp/koti 2"
tapaukset=(
    "unset|"
    "empty|"
    "absolute|$tmp/data"
    "relative|data"
)
for tapaus in "${tapaukset[@]}"; do
    kuvaus=${tapaus%%|*} arvo=${tapaus#*|}
    koti="$tmp/koti 2/$kuvaus"
    odotettu="$koti/.local/share/rimputin"
    [[ $kuvaus == absolute ]] && odotettu="$arvo/rimputin"
    if [[ $kuvaus == unset ]]; then
        missa=$(cd "$tmp/muu kansio" && env -u XDG_DATA_HOME HOME="$koti" "$tmp/vale-rimputin")
    else
        missa=$(cd "$tmp/muu kansio" && env XDG_DATA_HOME="$arvo" HOME="$koti" "$tmp/vale-rimputin")
    fi
    [[ $missa == "$odotettu" ]] || virhe "XDG_DATA_HOME $kuvaus: the game ran in $missa, not in $odotettu"
    for k in tausta1.bmp tausta2.bmp tausta3.bmp tausta4.bmp; do
        [[ $(readlink "$odotettu/$k") == "$vale/usr/share/games/rimputin/$k" ]] ||
            virhe "XDG_DATA_HOME $kuvaus: $odotettu/$k is not a link to the installed picture"
    done
done
[[ -z $(ls -A "$tmp/muu kansio") ]] || virhe "a relative XDG_DATA_HOME made folders in the working directory"
echo "player's folder: right for XDG_DATA_HOME ${tapaukset[*]%%|*}"

# --- The real game through the launcher, on a display of its own.
export HOME=$tmp/koti
unset XDG_DATA_HOME
kansio=$HOME/.local/share/rimputin
kuvat=$juuri/usr/share/games/rimputin
kuva=$tmp/ikkuna.png
xvfb_kaynnista

# kaynnista: starts the launcher, waits for the window and checks where the game runs and what it shows.
kaynnista() {
    (cd / && exec setsid -w "$kaynnistin") &
    PELI_PID=$!
    odota 30 'no window titled "Rimputin" appeared' ikkuna_loytyy
    IKKUNA=$(xdotool search --sync --onlyvisible --name '^Rimputin$' | head -n1)
    [[ $(readlink "/proc/$PELI_PID/exe") == "$juuri/usr/lib/games/rimputin/rimputin" ]] ||
        virhe "the window belongs to $(readlink "/proc/$PELI_PID/exe"), not the installed program"
    [[ $(readlink "/proc/$PELI_PID/cwd") == "$kansio" ]] ||
        virhe "the game runs in $(readlink "/proc/$PELI_PID/cwd"), not in $kansio"
    odota 20 "the title picture never showed (last look: $kuva)" nakyy "$kuvat/tausta1.bmp" "$kuva" 20,20 140,70 700,300
}

# sulje: Escape from the title to the menu, Escape from the menu out; the exit code must be 0.
sulje() {
    nappain Escape
    odota 10 "Escape on the title did not open the menu" nakyy "$kuvat/tausta3.bmp" "$kuva" 20,560 300,80
    nappain Escape
    peli_loppuu 20
    ((PELI_TULOS == 0)) || virhe "the game ended with exit code $PELI_TULOS"
}

linkki_oikein() { [[ -L $kansio/$1 && $(readlink "$kansio/$1") == "$kuvat/$1" ]]; }

kaynnista
for k in tausta1.bmp tausta2.bmp tausta3.bmp tausta4.bmp; do
    linkki_oikein "$k" || virhe "$kansio/$k is not a link to $kuvat/$k"
done
sulje
echo "first start: the player's folder made with four links, title and menu shown, exit code 0"

# The second start finds a result file, a missing link, a broken link and a picture of the player's own.
printf 'Pelaaja\r\n65432\r\nABCDEFGHI\r\n' >"$kansio/Sokkelo1.top"
cp "$kansio/Sokkelo1.top" "$tmp/Sokkelo1.top.ennen"
rm "$kansio/tausta2.bmp"
ln -sfn /nonexistent/tausta3.bmp "$kansio/tausta3.bmp"
rm "$kansio/tausta4.bmp"
cp "$kuvat/tausta4.bmp" "$kansio/tausta4.bmp"
kaynnista
sulje
cmp -s "$kansio/Sokkelo1.top" "$tmp/Sokkelo1.top.ennen" || virhe "the result file changed or vanished"
linkki_oikein tausta1.bmp || virhe "the first link changed"
linkki_oikein tausta2.bmp || virhe "the missing link was not made again"
linkki_oikein tausta3.bmp || virhe "the broken link was not mended"
[[ -f $kansio/tausta4.bmp && ! -L $kansio/tausta4.bmp ]] || virhe "the player's own picture was replaced"
echo "second start: result file kept, links mended, the player's picture kept, exit code 0"
