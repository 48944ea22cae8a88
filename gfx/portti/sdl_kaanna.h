// SDL events to what the game's window gets: Windows virtual keys, WM_KEYDOWN / WM_KEYUP / WM_CHAR / WM_CLOSE,
// repaints and size changes. Pure translation, testable without a display.
#pragma once

#include <SDL.h>

#include <vector>

#include "gfx/win32.h"

struct SdlViesti {
    UINT viesti;
    WPARAM wParam;
    LPARAM lParam;
};

// What one SDL event means for the window.
struct Kaannos {
    std::vector<SdlViesti> viestit;  // for the back of the queue, in this order
    int nappain = -1;                // a key whose held state changed (GetAsyncKeyState), or -1
    bool alhaalla = false;           // and its new state
    bool maalaa = false;             // the window was exposed: a repaint is due
    int leveys = -1;                 // the client area's new size, or -1
    int korkeus = -1;
};

// The Windows virtual-key code of an SDL key, or -1 for a key the game has no use for.
int sdl_virtuaalinappain(SDL_Keycode koodi);

Kaannos sdl_kaanna(const SDL_Event& tapahtuma);
