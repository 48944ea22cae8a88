// Shared inside the GDI half: colour conversion, object lookup without a table, new bitmaps.
#pragma once

#include <cstdint>
#include <cstring>

#include "gfx/portti/ydin.h"

// The kind a deleted object is left with: handles are plain pointers, so a stale one must still read as
// an object of no kind rather than as freed memory.
constexpr Laji kPoistettu = static_cast<Laji>(0x44454144);

// Windows keeps the lowest 64 KiB unmapped, and small integers stand for system colours in some calls:
// such a "handle" is never one of our objects.
inline bool gdi_osoite_kelpaa(const void* olio) {
    return reinterpret_cast<uintptr_t>(olio) >= 0x10000;
}

inline Laji gdi_laji(const void* olio) {
    Laji laji;
    std::memcpy(&laji, olio, sizeof laji);
    return laji;
}

// The hot-path form of ydin_dc: a pointer test and one compare.
inline Dc* gdi_dc(HDC dc) {
    if (!gdi_osoite_kelpaa(dc) || gdi_laji(dc) != Laji::Dc)
        return nullptr;
    return reinterpret_cast<Dc*>(dc);
}

// COLORREF 0x00BBGGRR to the stored 0x00RRGGBB, and back (the swap is its own inverse).
inline uint32_t gdi_vaihda_rb(uint32_t vari) {
    return ((vari & 0xFFu) << 16) | (vari & 0xFF00u) | ((vari >> 16) & 0xFFu);
}

// What a monochrome bitmap keeps of a colour: white for light colours, black for the rest.
inline uint32_t gdi_yksivarinen(uint32_t rgb) {
    uint32_t summa = (rgb & 0xFF) + ((rgb >> 8) & 0xFF) + ((rgb >> 16) & 0xFF);
    return summa >= 0x180 ? 0xFFFFFFu : 0u;
}

// The pixel a bitmap stores for a COLORREF.
inline uint32_t gdi_tallennettava(const Kartta& kartta, COLORREF vari) {
    uint32_t rgb = gdi_vaihda_rb(vari & 0xFFFFFFu);
    return kartta.yksivarinen ? gdi_yksivarinen(rgb) : rgb;
}

// After drawing onto a window DC the backend must show the picture.
inline void gdi_piirretty(const Dc& dc) {
    if (dc.ikkuna)
        ydin_ikkuna_piirretty(dc.ikkuna);
}

// A new 32-bit bitmap, all black; null for a negative or too large size or when memory runs out.
Kartta* gdi_uusi_kartta(int leveys, int korkeus);
