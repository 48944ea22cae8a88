// The native program's entry: the game's WinMain, given the program's own instance as Windows would give it.
#include "gfx/win32.h"

int main() {
    char komentorivi[] = "";          // the game keeps no command line
    constexpr int kNaytaOletus = 10;  // SW_SHOWDEFAULT; the window shows itself through WS_VISIBLE anyway
    return WinMain(GetModuleHandleA(nullptr), nullptr, komentorivi, kNaytaOletus);
}
