#!/usr/bin/env bash
# Ends the wineserver of the test run and whatever is left running in its prefix.
set -euo pipefail
. "$(dirname "$0")/yhteiset.sh"
: "${WINEPREFIX:?set WINEPREFIX (CTest does)}"
"$(wineserver_polku)" -k 2>/dev/null || true
