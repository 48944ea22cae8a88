// SDL events to window messages: virtual-key codes as Windows numbers them, key repeat in lParam bit 30,
// typed UTF-8 text as one WM_CHAR per Windows-1252 byte.
#include "gfx/portti/sdl_kaanna.h"

#include "gfx/portti/merkit.h"

namespace {

constexpr LPARAM kToisto = 1LL << 30;  // the key was already down: an auto-repeat
constexpr LPARAM kYlos = 1LL << 31;    // the key is going up

struct Pari {
    SDL_Keycode sdl;
    int vk;
};

// Keys that have no run of codes of their own on both sides.
constexpr Pari kErilliset[] = {
    {SDLK_RETURN, 0x0D},   {SDLK_KP_ENTER, 0x0D}, {SDLK_ESCAPE, 0x1B}, {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},
    {SDLK_SPACE, 0x20},    {SDLK_LEFT, 0x25},     {SDLK_UP, 0x26},     {SDLK_RIGHT, 0x27},     {SDLK_DOWN, 0x28},
    {SDLK_LSHIFT, 0x10},   {SDLK_RSHIFT, 0x10},   {SDLK_LCTRL, 0x11},  {SDLK_RCTRL, 0x11},     {SDLK_PAGEUP, 0x21},
    {SDLK_PAGEDOWN, 0x22}, {SDLK_END, 0x23},      {SDLK_HOME, 0x24},   {SDLK_INSERT, 0x2D},    {SDLK_DELETE, 0x2E},
};

void nappain(const SDL_KeyboardEvent& k, Kaannos& t) {
    const int vk = sdl_virtuaalinappain(k.keysym.sym);
    if (vk < 0) {
        return;
    }
    const bool alas = k.type == SDL_KEYDOWN;
    LPARAM lParam = 1;  // repeat count
    if (!alas) {
        lParam |= kToisto | kYlos;
    } else if (k.repeat != 0) {
        lParam |= kToisto;
    }
    t.viestit.push_back(
        {alas ? static_cast<UINT>(WM_KEYDOWN) : static_cast<UINT>(WM_KEYUP), static_cast<WPARAM>(vk), lParam});
    t.nappain = vk;
    t.alhaalla = alas;
}

void ikkunatapahtuma(const SDL_WindowEvent& w, Kaannos& t) {
    if (w.event == SDL_WINDOWEVENT_CLOSE) {
        t.viestit.push_back({WM_CLOSE, 0, 0});
    } else if (w.event == SDL_WINDOWEVENT_EXPOSED) {
        t.maalaa = true;
    } else if (w.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        t.leveys = w.data1;
        t.korkeus = w.data2;
    }
}

}  // namespace

int sdl_virtuaalinappain(SDL_Keycode koodi) {
    if (koodi >= SDLK_a && koodi <= SDLK_z) {
        return 'A' + (koodi - SDLK_a);
    }
    if (koodi >= SDLK_0 && koodi <= SDLK_9) {
        return '0' + (koodi - SDLK_0);
    }
    if (koodi >= SDLK_F1 && koodi <= SDLK_F12) {
        return 0x70 + (koodi - SDLK_F1);
    }
    for (const Pari& p : kErilliset) {
        if (p.sdl == koodi) {
            return p.vk;
        }
    }
    return -1;
}

Kaannos sdl_kaanna(const SDL_Event& tapahtuma) {
    Kaannos t;
    if (tapahtuma.type == SDL_KEYDOWN || tapahtuma.type == SDL_KEYUP) {
        nappain(tapahtuma.key, t);
    } else if (tapahtuma.type == SDL_TEXTINPUT) {
        for (char c : merkit_1252(tapahtuma.text.text)) {
            t.viestit.push_back({WM_CHAR, static_cast<unsigned char>(c), 1});
        }
    } else if (tapahtuma.type == SDL_WINDOWEVENT) {
        ikkunatapahtuma(tapahtuma.window, t);
    }
    return t;
}
