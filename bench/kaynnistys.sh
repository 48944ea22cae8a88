#!/usr/bin/env bash
# Start-up cost of the native game on Xvfb: time until its window is mapped, resident memory once settled, and
# CPU use while it sits on the title screen. A measurement, not a test.
# Usage: bench/kaynnistys.sh [GAME] [PICTURES]   (defaults: the native-release build)
set -euo pipefail
juuri=$(cd "$(dirname "$0")/.." && pwd)
. "$juuri/tests/wine/yhteiset.sh"
peli=$(realpath "${1:-$juuri/build/native-release/rimputin}")
kuvat=$(realpath "${2:-$juuri/build/native-release/kuvat}")
mittari=$(realpath "${MITTARI:-$juuri/build/native-release/bench/mappausaika}")
kertoja=${KERTOJA:-5}
cpu_aika=${CPU_AIKA:-5}

tyo=$(mktemp -d)
cp "$kuvat"/tausta?.bmp "$tyo"/
pid=
lopeta() {
    local tila=$?
    if [[ -n $pid ]]; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    xvfb_lopeta
    rm -rf "$tyo"
    exit "$tila"
}
trap lopeta EXIT
xvfb_kaynnista

ms() { echo $(($(date +%s%N) / 1000000)); }
# utime + stime of the process, in clock ticks.
ajat() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# One launch: sets MAPATTU to the milliseconds until the server maps a window titled "Rimputin", and pid to the
# game, which stays running.
kaynnista() {
    # Into a file, not a pipe: the game inherits the output and keeps it open.
    (cd "$tyo" && exec "$mittari" Rimputin "$peli") >"$tyo/mitta" 2>/dev/null
    read -r MAPATTU pid <"$tyo/mitta"
}

lopeta_peli() {
    # SIGKILL: a measurement needs no orderly end, and SDL turns SIGTERM into a quit request the game may ignore.
    kill -KILL "$pid" 2>/dev/null || true
    pid=
    # The next launch must not find this window still on the screen.
    odota 10 "the window stayed after the game ended" ikkuna_poissa
}
ikkuna_poissa() { ! ikkuna_loytyy; }

mapatut=()
for ((i = 0; i < kertoja; i++)); do
    kaynnista
    mapatut+=("$MAPATTU")
    lopeta_peli
done

# The last launch stays up for memory and CPU use.
kaynnista
sleep 1
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
ennen=$(ajat "$pid")
alku=$(ms)
sleep "$cpu_aika"
jalkeen=$(ajat "$pid")
kesto=$(($(ms) - alku))
tikit=$(getconf CLK_TCK)

jarjestys=$(printf '%s\n' "${mapatut[@]}" | sort -n | tr '\n' ' ')
mediaani=$(printf '%s\n' "${mapatut[@]}" | sort -n | sed -n "$(((kertoja + 1) / 2))p")
echo "window mapped after launch: median $mediaani ms   (all: $jarjestys)   target under 60 ms"
awk -v k="$rss" 'BEGIN {printf "resident memory on the title screen: %.1f MB   target under 12 MB\n", k / 1024}'
awk -v t=$((jalkeen - ennen)) -v hz="$tikit" -v ms="$kesto" \
    'BEGIN {printf "CPU on the title screen over %.1f s: %.2f %% of a core   target under 1.5 %%\n", ms / 1000, 100 * t / hz / (ms / 1000)}'
