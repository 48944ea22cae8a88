// The off-screen frame buffer: creating it for the window, copying pictures into it, presenting it, text.
#include "gfx/puskuri.h"

BUFFER gBuffer{};  // all zero until WinMain fills it with Luo2Buffer

void Luo2Buffer(BUFFER& puskuri, HWND ikkuna) {
    puskuri.hwndIkkuna = ikkuna;
    GetClientRect(ikkuna, &puskuri.rcAlue);
    puskuri.hdcIkkuna = GetDC(ikkuna);
    puskuri.hdcPuskuri = CreateCompatibleDC(puskuri.hdcIkkuna);
    puskuri.hdcKuva = CreateCompatibleDC(puskuri.hdcIkkuna);
    puskuri.hbmPuskuri = CreateCompatibleBitmap(puskuri.hdcIkkuna, puskuri.rcAlue.right, puskuri.rcAlue.bottom);
    puskuri.hbmPuskuriVanha = SelectObject(puskuri.hdcPuskuri, puskuri.hbmPuskuri);
}

HBITMAP Lataa_kuva(const char* tiedosto) {
    return static_cast<HBITMAP>(LoadImageA(nullptr, tiedosto, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

// A missing background file gives a null bitmap. Copying "nothing" would fill the screen with whatever the
// empty source yields (black on Windows) and hide the black texts drawn over it, so the buffer is left as it
// was instead: the screen keeps what was under it and stays readable.
void Nayta_kuva(BUFFER& puskuri, HBITMAP kuva, int x, int y) {
    if (kuva == nullptr) {
        return;
    }
    puskuri.hbmKuvaVanha = SelectObject(puskuri.hdcKuva, kuva);
    BitBlt(puskuri.hdcPuskuri, x, y, puskuri.rcAlue.right, puskuri.rcAlue.bottom, puskuri.hdcKuva, 0, 0, SRCCOPY);
    SelectObject(puskuri.hdcKuva, puskuri.hbmKuvaVanha);
}

// Each pixel becomes (buffer AND mask) OR image: black mask pixels take the image, white ones keep the buffer.
void Nayta_kuva2(BUFFER& puskuri, HBITMAP kuva, HBITMAP maski, int x, int y) {
    const int leveys = puskuri.rcAlue.right;
    const int korkeus = puskuri.rcAlue.bottom;
    puskuri.hbmKuvaVanha = SelectObject(puskuri.hdcKuva, maski);
    BitBlt(puskuri.hdcPuskuri, x, y, leveys, korkeus, puskuri.hdcKuva, 0, 0, SRCAND);
    SelectObject(puskuri.hdcKuva, puskuri.hbmKuvaVanha);
    puskuri.hbmKuvaVanha = SelectObject(puskuri.hdcKuva, kuva);
    BitBlt(puskuri.hdcPuskuri, x, y, leveys, korkeus, puskuri.hdcKuva, 0, 0, SRCPAINT);
    SelectObject(puskuri.hdcKuva, puskuri.hbmKuvaVanha);
}

void Tyhjaa_ruutu(HDC dc, RECT alue, int numero) {
    FillRect(dc, &alue, static_cast<HBRUSH>(GetStockObject(numero)));
}

void Kaanna(BUFFER& puskuri, int tyhjenna) {
    BitBlt(puskuri.hdcIkkuna, puskuri.rcAlue.left, puskuri.rcAlue.top, puskuri.rcAlue.right, puskuri.rcAlue.bottom,
           puskuri.hdcPuskuri, 0, 0, SRCCOPY);
    if (tyhjenna != 0) {
        Tyhjaa_ruutu(puskuri.hdcPuskuri, puskuri.rcAlue, WHITE_BRUSH);
    }
}

// The old picture is lost with the old bitmap; the caller redraws everything.
void Nayton_koko(BUFFER& puskuri) {
    GetClientRect(puskuri.hwndIkkuna, &puskuri.rcAlue);
    SelectObject(puskuri.hdcPuskuri, puskuri.hbmPuskuriVanha);
    DeleteObject(puskuri.hbmPuskuri);
    puskuri.hbmPuskuri = CreateCompatibleBitmap(puskuri.hdcIkkuna, puskuri.rcAlue.right, puskuri.rcAlue.bottom);
    puskuri.hbmPuskuriVanha = SelectObject(puskuri.hdcPuskuri, puskuri.hbmPuskuri);
}

// The count stops at the first NUL byte, as a C string would end there.
void tulosta(int x, int y, const std::string& teksti, uint32_t vari) {
    SetTextColor(gBuffer.hdcPuskuri, vari);
    SetBkMode(gBuffer.hdcPuskuri, TRANSPARENT);
    const char* merkit = teksti.c_str();
    TextOutA(gBuffer.hdcPuskuri, x, y, merkit, static_cast<int>(std::char_traits<char>::length(merkit)));
}
