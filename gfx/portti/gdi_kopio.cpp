// BitBlt in the own Win32 subset: copies between bitmaps with three raster operations, clipped at both ends.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "gfx/portti/gdi_sisa.h"

namespace {

// The part of a copy that lies inside both bitmaps, as offsets [alku, loppu) into the requested span.
struct Vali {
    int64_t alku;
    int64_t loppu;
};

Vali leikkaa(int kohde, int lahde, int pituus, int kohteen_koko, int lahteen_koko) {
    int64_t alku = std::max<int64_t>({0, -int64_t{kohde}, -int64_t{lahde}});
    int64_t loppu = std::min<int64_t>({int64_t{pituus}, int64_t{kohteen_koko} - kohde, int64_t{lahteen_koko} - lahde});
    return {alku, std::max(alku, loppu)};
}

// How a source pixel reads in the destination. A monochrome source takes the destination's text colour
// for black and its background colour (white) for white; a monochrome destination keeps white as white.
struct Muunnos {
    bool lahde_yksi;
    bool kohde_yksi;
    uint32_t etuvari;
    uint32_t operator()(uint32_t p) const {
        if (lahde_yksi && !kohde_yksi)
            return p == 0 ? etuvari : 0xFFFFFFu;
        if (kohde_yksi && !lahde_yksi)
            return p == 0xFFFFFFu ? 0xFFFFFFu : 0u;
        return p;
    }
};

void yhdista_rivi(uint32_t* kohde, const uint32_t* lahde, int64_t maara, DWORD rop, Muunnos muunna) {
    for (int64_t i = 0; i < maara; ++i) {
        uint32_t p = muunna(lahde[i]);
        kohde[i] = rop == SRCCOPY ? p : rop == SRCAND ? (kohde[i] & p) : (kohde[i] | p);
    }
}

}  // namespace

BOOL BitBlt(HDC kohde, int x, int y, int leveys, int korkeus, HDC lahde, int lx, int ly, DWORD rop) {
    Dc* kd = gdi_dc(kohde);
    const Dc* ld = gdi_dc(lahde);
    if (!kd || !ld || (rop != SRCCOPY && rop != SRCAND && rop != SRCPAINT))
        return FALSE;
    Kartta& k = *kd->kartta;
    const Kartta& l = *ld->kartta;
    Vali sarakkeet = leikkaa(x, lx, leveys, k.leveys, l.leveys);
    Vali rivit = leikkaa(y, ly, korkeus, k.korkeus, l.korkeus);
    int64_t maara = sarakkeet.loppu - sarakkeet.alku;
    if (maara == 0 || rivit.alku == rivit.loppu)
        return TRUE;

    // A copy within one bitmap reads a snapshot, so overlapping areas come out as they were.
    const uint32_t* lahteen_alku = l.pikselit.data();
    int64_t lahteen_rivi = l.leveys;
    Pikselit kopio;
    if (&k == &l) {
        kopio = l.pikselit;
        lahteen_alku = kopio.data();
    }
    Muunnos muunna{l.yksivarinen, k.yksivarinen, gdi_vaihda_rb(kd->tekstivari & 0xFFFFFFu)};
    bool suora = rop == SRCCOPY && l.yksivarinen == k.yksivarinen;
    for (int64_t j = rivit.alku; j < rivit.loppu; ++j) {
        uint32_t* kr = k.pikselit.data() + (y + j) * int64_t{k.leveys} + x + sarakkeet.alku;
        const uint32_t* lr = lahteen_alku + (ly + j) * lahteen_rivi + lx + sarakkeet.alku;
        if (suora)
            std::memcpy(kr, lr, static_cast<size_t>(maara) * sizeof(uint32_t));
        else
            yhdista_rivi(kr, lr, maara, rop, muunna);
    }
    gdi_piirretty(*kd);
    return TRUE;
}
