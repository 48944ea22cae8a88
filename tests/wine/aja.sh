#!/usr/bin/env bash
# Runs one Windows test program under Wine on an Xvfb display of its own; exits with the program's exit code.
set -euo pipefail
. "$(dirname "$0")/yhteiset.sh"
: "${WINEPREFIX:?set WINEPREFIX (CTest does)}"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

ohjelma=$1
shift
# Below CTest's own limit, so that a hang ends with this message rather than a bare timeout.
aika=${RIMPUTIN_WINE_AIKA:-240}
wine=$(wine64_polku)

# The program writes into a file, shown when it ends: the prefix's services that Wine starts along the way
# keep running after it and would hold CTest's output pipe open until the wineserver ends.
loki=$(mktemp)
xvfb_kaynnista
trap 'xvfb_lopeta; rm -f "$loki"' EXIT
set +e
timeout --kill-after=10 "$aika" "$wine" "$ohjelma" "$@" >"$loki" 2>&1 </dev/null
tulos=$?
set -e
cat "$loki"
if ((tulos == 124 || tulos == 137)); then
    echo "wine: $(basename "$ohjelma") did not finish within $aika s and was stopped" >&2
fi
exit "$tulos"
