// The window procedure: keys of the title, the menu and the name entry, Escape everywhere, repaint, close.
#include <cstdint>

#include "gfx/puskuri.h"
#include "shell/peli.h"
#include "shell/tila.h"
#include "util/teksti.h"

namespace {

const size_t kNimenPituus = 16;  // the longest name that can be typed

// A new screen's background is shown at once; the next pass draws the rest of the screen.
void nayta_tausta(HBITMAP tausta) {
    Nayta_kuva(gBuffer, tausta, 0, 0);
    Kaanna(gBuffer, 0);
}

// A blank name is refused without a word: the name entry simply stays.
void hyvaksy_nimi() {
    if (onkotyhja(teksti)) {
        return;
    }
    pelaaja = teksti;  // as typed, blanks at either end included
    valikossa_enteria_painettu = false;
    paa_valikko_valinta_vanha = 0;  // no choice has 0: the next menu pass draws the menu
    pelitilanne = 1;
    nayta_tausta(tausta3);
}

void valikon_nappain(WPARAM nappain) {
    if (nappain == VK_UP && --paa_valikko_valinta == 0) {
        paa_valikko_valinta = 7;
    }
    if (nappain == VK_DOWN && ++paa_valikko_valinta > 7) {
        paa_valikko_valinta = 1;
    }
    if (nappain == VK_UP || nappain == VK_DOWN) {
        top_aloitus = 0;  // a newly selected list starts from its first row
    }
    // Any other key cancels an Enter that the menu pass has not acted on yet.
    valikossa_enteria_painettu = nappain == VK_RETURN;
}

void nappain_alas(HWND ikkuna, WPARAM nappain) {
    if (!nappainten_painaminen_mahdollista) {
        return;  // keys typed while a finished game's time flashes are dropped
    }
    if (pelitilanne == 0 && nappain == VK_RETURN) {
        pelitilanne = 3;
        nayta_tausta(tausta4);
    } else if (pelitilanne == 1) {
        valikon_nappain(nappain);
    } else if (pelitilanne == 3 && nappain == VK_RETURN) {
        hyvaksy_nimi();
    }
    if (nappain != VK_ESCAPE) {
        return;
    }
    if (pelitilanne == 1) {
        SendMessageA(ikkuna, WM_CLOSE, 0, 0);
    } else if (pelitilanne == 3) {
        hyvaksy_nimi();
    } else {
        pelitilanne = 1;  // from the title without a player, or out of a game without a result
        nayta_tausta(tausta3);
    }
}

void vierita(WPARAM merkki) {
    if (merkki == 'a' || merkki == 'A') {
        top_aloitus = top_aloitus > 0 ? top_aloitus - 1 : 0;
    } else if ((merkki == 'z' || merkki == 'Z') && top_aloitus < INT32_MAX) {
        ++top_aloitus;  // the next menu drawing clamps it to the list
    }
}

// Every byte from 0x20 to 0xFF joins the name, the Windows-1252 letters included; control characters do not.
void muokkaa_nimea(WPARAM merkki) {
    if (merkki == VK_BACK && !teksti.empty()) {
        teksti.pop_back();
    }
    if (merkki > 0x1F && merkki <= 0xFF && teksti.size() < kNimenPituus) {
        teksti.push_back(static_cast<char>(merkki));
    }
}

void maalaa(HWND ikkuna) {
    PAINTSTRUCT maalaus;
    BeginPaint(ikkuna, &maalaus);
    Kaanna(gBuffer, 0);
    EndPaint(ikkuna, &maalaus);
}

}  // namespace

LRESULT CALLBACK WndProc(HWND ikkuna, UINT viesti, WPARAM wParam, LPARAM lParam) {
    switch (viesti) {
        case WM_CREATE:
            return 0;
        case WM_DESTROY:
        case WM_CLOSE:  // the main loop destroys the window once it takes the quit request
            PostQuitMessage(0);
            return 0;
        case WM_PAINT:
            maalaa(ikkuna);
            return 0;
        case WM_KEYDOWN:
            nappain_alas(ikkuna, wParam);
            return 0;
        case WM_CHAR:
            if (pelitilanne == 1) {
                vierita(wParam);
            } else if (pelitilanne == 3) {
                muokkaa_nimea(wParam);
            }
            return 0;
        default:
            return DefWindowProcA(ikkuna, viesti, wParam, lParam);
    }
}
