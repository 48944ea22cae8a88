#!/usr/bin/env bash
# Sets up the shared Wine prefix once (no Mono or Gecko dialogs) and starts one long-lived wineserver for the
# test run, so that no test's output stays held open by a server that it happened to start.
set -euo pipefail
. "$(dirname "$0")/yhteiset.sh"
: "${WINEPREFIX:?set WINEPREFIX (CTest does)}"
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wine=$(wine64_polku)
wineserver=$(wineserver_polku)

if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "wine: setting up the prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    loki=$WINEPREFIX/../wineboot.log
    if ! timeout 240 "$wine" wineboot.exe -i >"$loki" 2>&1 </dev/null; then
        echo "wine: wineboot -i failed or took over 240 s; its output:" >&2
        cat "$loki" >&2
        exit 1
    fi
    "$wineserver" -w
fi
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w
"$wineserver" -p120 </dev/null >/dev/null 2>&1
echo "wine: prefix $WINEPREFIX ready"
