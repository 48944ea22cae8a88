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
