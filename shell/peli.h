// The main loop's own variables and the passes of its screen states.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/win32.h"
#include "results/tulos.h"

// Variables of the main loop: WinMain owns them and hands them to the passes.
struct Silmukka {
    uint32_t silmukan_alku = 0;     // tick count at the top of this iteration
    uint32_t sokkelon_leveys = 0;   // the current maze's width in cells
    uint32_t sokkelon_korkeus = 0;  // and height
    uint32_t ukkeli_x = 0;          // the player's cell
    uint32_t ukkeli_y = 0;
    uint32_t pelin_alku = 0;     // tick count when the game started
    uint32_t vilkkumisaika = 0;  // tick count of the last goal blink
};

LRESULT CALLBACK WndProc(HWND ikkuna, UINT viesti, WPARAM wParam, LPARAM lParam);
// Registers the window class, opens the game's 800 x 600 window and makes its frame buffer; null when no
// window could be opened.
HWND avaa_ikkuna(HINSTANCE instanssi);

// Menu pass (state 1); true when the loop must go on at once, without its sleep.
bool valikkokierros(Silmukka& s);
void piirra_valikko();                // the whole menu screen, then present
void piirra_tuloslista();             // the result list on the right of the menu
std::vector<Tulos> lue_tuloslista();  // the records of the selected choice (the summed list for 6), in file order
void nimikierros();                   // name-entry pass (state 3)
void pelin_aloitus(Silmukka& s);      // the game start, from the menu pass
void pelikierros(Silmukka& s);        // playing pass (state 2), the end of a game included
void pelin_loppu(Silmukka& s);        // the end of a game: record, flash the time, back to the menu
