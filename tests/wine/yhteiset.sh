# Shared pieces of the Wine scripts (sourced): finding wine64, a private Xvfb display, waiting with a limit.

# wine64 itself; Debian keeps it outside PATH when only the 64-bit half is installed.
wine64_polku() {
    command -v wine64 || { [[ -x /usr/lib/wine/wine64 ]] && echo /usr/lib/wine/wine64; } || {
        echo "wine: wine64 is not installed" >&2
        return 1
    }
}

wineserver_polku() {
    command -v wineserver || { [[ -x /usr/lib/wine/wineserver64 ]] && echo /usr/lib/wine/wineserver64; }
}

# Starts Xvfb on a display number it picks itself (-displayfd), so parallel tests never collide; sets DISPLAY
# and XVFB_PID. The number is written once the server accepts clients, so reading it is the wait.
xvfb_kaynnista() {
    local numero
    numero=$(mktemp)
    Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$numero" >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for ((i = 0; i < 200; i++)); do
        if [[ -s $numero && $(tail -c1 "$numero" | od -An -c) == *'\n'* ]]; then
            DISPLAY=:$(head -n1 "$numero")
            export DISPLAY
            rm -f "$numero"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$numero"
    echo "xvfb: no display came up within 10 s" >&2
    xvfb_lopeta
    return 1
}

xvfb_lopeta() {
    if [[ -n ${XVFB_PID:-} ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}

# odota SECONDS WHAT COMMAND...: polls COMMAND every 0.1 s until it succeeds; after SECONDS says what never
# happened and fails.
odota() {
    local raja=$1 mita=$2
    shift 2
    local loppu=$((SECONDS + raja))
    until "$@"; do
        if ((SECONDS >= loppu)); then
            echo "gave up after $raja s: $mita" >&2
            return 1
        fi
        sleep 0.1
    done
}

# --- The game under Wine, for the end-to-end scripts ---

# No debug chatter, and no offer to install Mono or Gecko.
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# peli_kaynnista EXE PICTURES: starts Xvfb and the game in a fresh folder holding the four pictures; waits for
# its window titled "Rimputin". Sets TYO (the folder), PELI_PID and IKKUNA (the X window of the client area).
peli_kaynnista() {
    local exe=$1 kuvat=$2
    : "${WINEPREFIX:?set WINEPREFIX (CTest does) so that no run touches the default prefix}"
    TYO=$(mktemp -d "${TMPDIR:-/tmp}/rimputin-wine.XXXXXX")
    cp "$kuvat"/tausta?.bmp "$TYO"/
    trap peli_siivoa EXIT
    xvfb_kaynnista
    # A Finnish keyboard has its own key for ä and ö; Wine reads the layout when it starts.
    setxkbmap fi
    local wine
    wine=$(wine64_polku)
    # A session of its own, so that the clean-up reaches every process that Wine starts for the game.
    # Its output goes to a file: processes that Wine starts for it would otherwise hold the test's output open.
    (cd "$TYO" && exec setsid -w "$wine" "$exe") >"$TYO/wine.log" 2>&1 </dev/null &
    PELI_PID=$!
    odota 60 'no window titled "Rimputin" appeared' ikkuna_loytyy
    IKKUNA=$(xdotool search --onlyvisible --name '^Rimputin$' | head -n1)
    xdotool windowfocus --sync "$IKKUNA" 2>/dev/null
}

ikkuna_loytyy() { xdotool search --onlyvisible --name '^Rimputin$' >/dev/null 2>&1; }

peli_siivoa() {
    if [[ -n ${PELI_PID:-} ]] && kill -0 "$PELI_PID" 2>/dev/null; then
        kill -- -"$PELI_PID" 2>/dev/null || true
    fi
    xvfb_lopeta
    [[ -n ${TYO:-} ]] && rm -rf "$TYO"
}

# kuvaa FILE: what the window's client area shows now; pixel (x, y) of the file is the client's (x, y).
kuvaa() { import -silent -window "$IKKUNA" "$1"; }

# vari FILE X Y: the pixel's colour as RRGGBB.
vari() { convert "$1" -format "%[hex:p{$2,$3}]" info:; }

# nakyy PICTURE SHOT X,Y...: takes a look into SHOT and tells whether it shows PICTURE's pixels at the points.
nakyy() {
    local kuva=$1 kuvaus=$2 p
    shift 2
    kuvaa "$kuvaus"
    for p in "$@"; do
        [[ $(vari "$kuvaus" "${p%,*}" "${p#*,}") == "$(vari "$kuva" "${p%,*}" "${p#*,}")" ]] || return 1
    done
}

# vihreita FILE X Y W H: how many pixels of the area are pure green, the colour of the game's green texts.
vihreita() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -fill black +opaque '#00FF00' -fill white -opaque '#00FF00' \
        -format '%[fx:round(mean*w*h)]' info:
}

# nappain KEY...: presses keys in the game's window as a player would.
nappain() { xdotool key --delay 50 "$@"; }

# peli_loppuu SECONDS: waits for the game to end and sets PELI_TULOS to its exit code; gives up after SECONDS.
# (Not for a command substitution: only this shell can wait for the game.)
peli_loppuu() {
    odota "$1" "the game did not end" peli_paattynyt || return 1
    PELI_TULOS=0
    wait "$PELI_PID" || PELI_TULOS=$?
    PELI_PID=
}

peli_paattynyt() { ! kill -0 "$PELI_PID" 2>/dev/null; }
