# Shared pieces of the package scripts (sourced): failing with a message, and the one package CPack makes.

virhe() {
    echo "$*" >&2
    exit 1
}

# cpack_yksi GENERATOR BUILD_FOLDER OUT_FOLDER SUFFIX: makes the build's package with CPack into OUT_FOLDER and
# prints the path of the one file ending in .SUFFIX; fails when CPack fails or makes other than one.
cpack_yksi() {
    local generaattori=$1 rakennus=$2 ulos=$3 paate=$4
    cpack --config "$rakennus/CPackConfig.cmake" -G "$generaattori" -B "$ulos" >"$ulos.log" 2>&1 || {
        cat "$ulos.log" >&2
        virhe "cpack could not make the .$paate"
    }
    local tehdyt=("$ulos"/*."$paate")
    ((${#tehdyt[@]} == 1)) || virhe "cpack made ${#tehdyt[@]} .$paate files: ${tehdyt[*]}"
    echo "${tehdyt[0]}"
}
