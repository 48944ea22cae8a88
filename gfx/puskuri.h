// The off-screen frame buffer every screen draws into, the background pictures and text output.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/win32.h"

struct BUFFER {
    HWND hwndIkkuna;
    RECT rcAlue;
    HBITMAP hbmPuskuri;
    HGDIOBJ hbmPuskuriVanha;
    HGDIOBJ hbmKuvaVanha;
    HDC hdcIkkuna;
    HDC hdcPuskuri;
    HDC hdcKuva;
};

extern BUFFER gBuffer;  // the game window's one frame buffer
extern HBITMAP tausta1; // title screen
extern HBITMAP tausta2; // playing field
extern HBITMAP tausta3; // main menu
extern HBITMAP tausta4; // name entry

void Luo2Buffer(BUFFER& puskuri, HWND ikkuna);
HBITMAP Lataa_kuva(const char* tiedosto);
void Nayta_kuva(BUFFER& puskuri, HBITMAP kuva, int x, int y);
void Nayta_kuva2(BUFFER& puskuri, HBITMAP kuva, HBITMAP maski, int x, int y);
void Tyhjaa_ruutu(HDC dc, RECT alue, int numero);
void Kaanna(BUFFER& puskuri, int tyhjenna);
void Nayton_koko(BUFFER& puskuri);
void tulosta(int x, int y, const std::string& teksti, uint32_t vari);
