// The SDL2 window backend: one resizable window presented through its window surface (no renderer, so no
// OpenGL stack and no wait for vertical blank), real time and real sleeps.
#include <SDL.h>

#include <algorithm>

#include "gfx/portti/sdl_kaanna.h"
#include "gfx/portti/ydin.h"

namespace {

SDL_Window* ikkuna = nullptr;  // the game's window while it is open
// The display is asked for input at most this often. The game polls between sleeps of 1 ms, and asking every
// time was a third of its CPU use while idle; a key still arrives well within one 35 ms pass.
constexpr uint64_t kKyselyvali = 4;
uint64_t edellinen_kysely = 0;

}  // namespace

bool taka_avaa(const char* otsikko, int leveys, int korkeus) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Ctrl+C and kill end the program as they end any other; SDL would turn them into a quit event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    ikkuna = SDL_CreateWindow(otsikko, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, leveys, korkeus,
                              SDL_WINDOW_RESIZABLE);
    if (ikkuna == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    SDL_StartTextInput();
    return true;
}

void taka_sulje() {
    if (ikkuna != nullptr) {
        SDL_DestroyWindow(ikkuna);
        ikkuna = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

// SDL_QUIT is left alone: closing the window arrives as its own close event, which becomes WM_CLOSE.
void taka_pumppaa() {
    const uint64_t nyt = SDL_GetTicks64();
    if (ikkuna == nullptr || nyt - edellinen_kysely < kKyselyvali) {
        return;
    }
    edellinen_kysely = nyt;
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        const Kaannos k = sdl_kaanna(e);
        ydin_aseta_nappain(k.nappain, k.alhaalla);
        for (const SdlViesti& v : k.viestit) {
            ydin_laita_viesti(v.viesti, v.wParam, v.lParam);
        }
        if (k.maalaa) {
            ydin_maalaa();
        }
        if (k.leveys >= 0) {
            ydin_uusi_koko(k.leveys, k.korkeus);
        }
    }
}

// The picture's pixels are 0x00RRGGBB, SDL's RGB888; SDL converts to whatever the surface holds.
void taka_nayta(const Kartta& kuva) {
    SDL_Surface* pinta = ikkuna != nullptr ? SDL_GetWindowSurface(ikkuna) : nullptr;
    if (pinta == nullptr) {
        return;
    }
    const int w = std::min(kuva.leveys, pinta->w);
    const int h = std::min(kuva.korkeus, pinta->h);
    if (w > 0 && h > 0) {
        SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_RGB888, kuva.pikselit.data(), kuva.leveys * 4, pinta->format->format,
                          pinta->pixels, pinta->pitch);
    }
    SDL_UpdateWindowSurface(ikkuna);
}

uint32_t taka_kello() {
    return static_cast<uint32_t>(SDL_GetTicks64());
}

void taka_nuku(uint32_t ms) {
    SDL_Delay(ms);
}
