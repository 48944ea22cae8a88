#!/usr/bin/env bash
# A whole game of "Sokkelo, pieni" on the Windows build under Wine: the maze read from screenshots, the way
# found, the arrow keys held along it to the goal; then the new record in "Sokkelo1.top", shown red in the
# menu, and read back as valid by the native build.
set -euo pipefail
. "$(dirname "$0")/yhteiset.sh"
exe=$1 kuvat=$2
kuva=$PWD/wine_peli.png
natiivi=$(dirname "$kuvat")/tools/headless/rimputin-headless
[[ -x $natiivi ]] || {
    echo "the native scenario runner is missing: $natiivi (build the native tree first)" >&2
    exit 1
}

# The system's own Python starts in a fraction of the time a version manager's shim takes.
python=/usr/bin/python3
[[ -x $python ]] || python=$(command -v python3)

# The player: a Python program that reads the window's pixels straight from the X server (libX11 through
# ctypes; a screenshot tool costs far more per look), reads the 25 x 17 maze of 32-pixel cells starting at
# y 30, finds a shortest way to the goal and holds the arrow keys along it with xdotool.
#   pelaaja.py WINDOW RESULT_FILE SECONDS [look]
# With "look" it prints the player's cell and the goal once ("none" when it sees no maze) and ends;
# otherwise it plays until RESULT_FILE appears, and after SECONDS gives up with a message, leaving its last
# look in wine_peli_jumissa.ppm.
pelaaja=$(mktemp "${TMPDIR:-/tmp}/rimputin-pelaaja.XXXXXX.py")
cat >"$pelaaja" <<'PY'
import ctypes, os, subprocess, sys, time
from collections import deque

ikkuna, tulos, raja = int(sys.argv[1]), sys.argv[2], float(sys.argv[3])
W, H, RUUTU, YLA = 25, 17, 32, 30
VARIT = {'seina': (0, 0, 20), 'tyhja': (255, 255, 255), 'jalki': (255, 255, 100),
         'ukkeli': (255, 0, 0), 'maali': (0, 255, 0), 'maali2': (0, 0, 255)}
NUOLET = {(-1, 0): 'Left', (1, 0): 'Right', (0, -1): 'Up', (0, 1): 'Down'}

class XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int),
                ('format', ctypes.c_int), ('data', ctypes.POINTER(ctypes.c_ubyte)), ('byte_order', ctypes.c_int),
                ('bitmap_unit', ctypes.c_int), ('bitmap_bit_order', ctypes.c_int), ('bitmap_pad', ctypes.c_int),
                ('depth', ctypes.c_int), ('bytes_per_line', ctypes.c_int), ('bits_per_pixel', ctypes.c_int),
                ('red_mask', ctypes.c_ulong), ('green_mask', ctypes.c_ulong), ('blue_mask', ctypes.c_ulong)]

x11 = ctypes.CDLL('libX11.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XGetImage.restype = ctypes.POINTER(XImage)
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                          ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
naytto = x11.XOpenDisplay(None)
if not naytto:
    sys.exit('player: cannot open the X display')
# The client area as the window system made it (under Wine a little under 800 x 600, the last column and
# row of cells cut); every cell's centre lies inside it.
juuri, gx, gy, = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
LEVEYS, KORKEUS, reuna, syvyys = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
if not x11.XGetGeometry(naytto, ikkuna, ctypes.byref(juuri), ctypes.byref(gx), ctypes.byref(gy),
                        ctypes.byref(LEVEYS), ctypes.byref(KORKEUS), ctypes.byref(reuna), ctypes.byref(syvyys)):
    sys.exit('player: no such window')
LEVEYS, KORKEUS = min(LEVEYS.value, 800), min(KORKEUS.value, YLA + H * RUUTU)

def katso():
    """The kind of every cell, or None when the window cannot be read."""
    kuva = x11.XGetImage(naytto, ikkuna, 0, 0, LEVEYS, KORKEUS, 0xFFFFFFFF, 2)  # ZPixmap
    if not kuva:
        return None
    k = kuva.contents
    assert k.bits_per_pixel == 32 and k.red_mask == 0xFF0000, 'expected 32-bit pixels, red in bits 16-23'
    kentta = {}
    for x in range(W):
        for y in range(H):
            i = (YLA + y * RUUTU + RUUTU // 2) * k.bytes_per_line + 4 * (x * RUUTU + RUUTU // 2)
            rgb = (k.data[i + 2], k.data[i + 1], k.data[i])
            kentta[(x, y)] = min(VARIT, key=lambda v: sum((a - b) ** 2 for a, b in zip(rgb, VARIT[v])))
    katso.viimeisin = bytes(k.data[r * k.bytes_per_line + 4 * x + c] for r in range(KORKEUS)
                            for x in range(LEVEYS) for c in (2, 1, 0)) if katso.tallenna else None
    x11.XDestroyImage(kuva)
    return kentta
katso.tallenna = False

def paikat(kentta):
    pelaaja = [p for p, v in kentta.items() if v == 'ukkeli']
    maali = [p for p, v in kentta.items() if v in ('maali', 'maali2')]
    return (pelaaja[0] if len(pelaaja) == 1 else None), (maali[0] if len(maali) == 1 else None)

def suunnitelma(kentta, alku, loppu):
    """The first straight run of a shortest way: (direction, its end cell, a wall right after the end)."""
    mista, jono = {alku: None}, deque([alku])
    while jono:
        p = jono.popleft()
        for d in NUOLET:
            q = (p[0] + d[0], p[1] + d[1])
            if q in kentta and kentta[q] != 'seina' and q not in mista:
                mista[q] = p
                jono.append(q)
    if loppu not in mista:
        return None
    polku = [loppu]
    while polku[-1] != alku:
        polku.append(mista[polku[-1]])
    polku.reverse()
    d = (polku[1][0] - polku[0][0], polku[1][1] - polku[0][1])
    n = 1
    while n + 1 < len(polku) and (polku[n + 1][0] - polku[n][0], polku[n + 1][1] - polku[n][1]) == d:
        n += 1
    jalkeen = (polku[n][0] + d[0], polku[n][1] + d[1])
    return d, polku[n], kentta.get(jalkeen, 'seina') == 'seina'

def nappain(tapa, nimi):
    subprocess.run(['xdotool', tapa, nimi], check=True)

if len(sys.argv) > 4:
    kentta = katso()
    pelaaja, maali = paikat(kentta) if kentta else (None, None)
    print(f'{pelaaja[0]} {pelaaja[1]} {maali[0]} {maali[1]}' if pelaaja and maali else 'none')
    sys.exit(0)

loppu, katseita, pidot = time.monotonic() + raja, 0, 0
while not os.path.exists(tulos):
    if time.monotonic() > loppu:
        katso.tallenna = True
        katso()
        if katso.viimeisin:
            with open('wine_peli_jumissa.ppm', 'wb') as f:
                f.write(f'P6\n{LEVEYS} {KORKEUS}\n255\n'.encode() + katso.viimeisin)
        sys.exit(f'player: gave up after {raja:.0f} s, {katseita} looks; last look in wine_peli_jumissa.ppm')
    kentta = katso()
    katseita += 1
    pelaaja, maali = paikat(kentta) if kentta else (None, None)
    reitti = suunnitelma(kentta, pelaaja, maali) if pelaaja and maali else None
    if not reitti:
        time.sleep(0.05)  # the end's flash or a half-drawn picture: look again
        continue
    d, paate, seina = reitti
    matka = abs(paate[0] - pelaaja[0]) + abs(paate[1] - pelaaja[1])
    pidot += 1
    nappain('keydown', NUOLET[d])
    if seina or matka >= 3:
        # Held to the run's end; a run that ends at a wall stops there by itself.
        pito_loppuu = time.monotonic() + 10
        while time.monotonic() < pito_loppuu and not os.path.exists(tulos):
            kentta = katso()
            katseita += 1
            if kentta and paikat(kentta)[0] == paate:
                break
    else:
        time.sleep(0.05)  # about one playing pass: usually one step; the next look corrects the rest
    nappain('keyup', NUOLET[d])
print(f'player: at the goal after {pidot} holds and {katseita} looks')
PY

maze_nakyy() { [[ $("$python" "$pelaaja" "$IKKUNA" - 0 look) =~ ^[0-9]+\ [0-9]+\ [0-9]+\ [0-9]+$ ]]; }

peli_kaynnista "$exe" "$kuvat"
trap 'rm -f "$pelaaja"; peli_siivoa' EXIT
odota 20 "the title picture never showed" nakyy "$kuvat/tausta1.bmp" "$kuva" 20,20 140,70 700,300
nappain Return
odota 10 "Enter on the title did not open the name entry" nakyy "$kuvat/tausta4.bmp" "$kuva" 20,20 700,500
xdotool type --delay 50 Wine
nappain Return
odota 10 "the name was not accepted" nakyy "$kuvat/tausta3.bmp" "$kuva" 20,560 300,80
nappain Return
odota 20 "Enter on \"Sokkelo, pieni\" showed no maze with a player and a goal" maze_nakyy
echo "maze up: player and goal at $("$python" "$pelaaja" "$IKKUNA" - 0 look)"
tiedosto=$TYO/Sokkelo1.top
"$python" "$pelaaja" "$IKKUNA" "$tiedosto" 240

# The record: three CR LF lines, the name, the time in digits, a 9-character checksum text.
odota 5 "Sokkelo1.top was not written whole" bash -c "[[ \$(wc -l <'$tiedosto') -eq 3 ]]"
mapfile -t rivit < <(tr -d '\r' <"$tiedosto")
[[ ${rivit[0]} == Wine && ${rivit[1]} =~ ^[1-9][0-9]*$ && ${#rivit[2]} -eq 9 ]] || {
    echo "Sokkelo1.top does not hold one record of Wine: $(od -c "$tiedosto" | head)" >&2
    exit 1
}
[[ $(tr -cd '\r' <"$tiedosto" | wc -c) -eq 3 ]] || {
    echo "Sokkelo1.top lines do not end in CR LF" >&2
    exit 1
}
echo "Sokkelo1.top: Wine ${rivit[1]} ms, checksum ${rivit[2]}"

# Back in the menu after the flash, with the new row red.
punaisia() { kuvaa "$kuva" && convert "$kuva" -crop 340x20+450+110 +repage -fill black +opaque '#FF0000' \
    -fill white -opaque '#FF0000' -format '%[fx:round(mean*w*h)]' info:; }
rivi_punainen() { (($(punaisia) > 0)); }
odota 10 "the menu did not come back with the new record in red" rivi_punainen
echo "menu shows the new record in red"
# Escape in the menu ends the game. Under a loaded Wine a key press now and then never reaches the game, so
# a press that changed nothing in 10 s is made again (a second press cannot reach a game that has ended).
for kerta in 1 2 3; do
    nappain Escape
    if peli_loppuu 10 2>/dev/null; then
        break
    fi
    echo "Escape press $kerta: the game is still running" >&2
done
[[ -z ${PELI_PID:-} ]] || {
    kuvaa "$PWD/wine_peli_lopussa.png" || true
    echo "Escape in the menu did not end the game; its window is in wine_peli_lopussa.png" >&2
    exit 1
}
((PELI_TULOS == 0)) || {
    echo "the game ended with exit code $PELI_TULOS" >&2
    exit 1
}

# The native build reads the file: its menu lists the record on the first row. The same file with a broken
# checksum lists nothing there, so the row shows that the checksum was accepted.
natiivi_rivi() {
    local kansio=$1
    cp "$kuvat"/tausta?.bmp "$kansio"/
    (cd "$kansio" && printf 'wait 50\nkey Escape\nwait 100\nshot valikko.bmp\n' |
        ASAN_OPTIONS=detect_leaks=0 "$natiivi" >/dev/null 2>&1) || true
    [[ -f $kansio/valikko.bmp ]] || {
        echo "the native runner took no picture in $kansio" >&2
        return 1
    }
    # Dark text pixels in the row's name and time columns (x 475-790, y 110-127).
    convert "$kansio/valikko.bmp" -crop 315x18+475+110 +repage -colorspace gray -threshold 35% -negate \
        -format '%[fx:round(mean*w*h)]' info:
}
ehja=$(mktemp -d "${TMPDIR:-/tmp}/rimputin-natiivi.XXXXXX")
rikottu=$(mktemp -d "${TMPDIR:-/tmp}/rimputin-natiivi.XXXXXX")
trap 'rm -rf "$pelaaja" "$ehja" "$rikottu"; peli_siivoa' EXIT
cp "$tiedosto" "$ehja/"
printf 'Wine\r\n%s\r\n%s\r\n' "${rivit[1]}" "$(echo "${rivit[2]}" | tr 'ABCDEFGHIJKLMNOPQRSTUVWXYZ' 'BCDEFGHIJKLMNOPQRSTUVWXYZA')" >"$rikottu/Sokkelo1.top"
ehja_rivi=$(natiivi_rivi "$ehja")
rikottu_rivi=$(natiivi_rivi "$rikottu")
echo "native menu row: $ehja_rivi text pixels with the file, $rikottu_rivi with a broken checksum"
((ehja_rivi > 0 && rikottu_rivi == 0)) || {
    echo "the native build did not read the record back as valid" >&2
    exit 1
}
