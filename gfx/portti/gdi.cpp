// GDI half of the own Win32 subset: device contexts, bitmaps, stock brushes, fills, copies and pixels.
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <unordered_map>
#include <vector>

#include "gfx/portti/gdi_sisa.h"

namespace {

// Bitmaps larger than this many pixels (1 GiB of memory) are refused rather than attempted.
constexpr int64_t kSuurinPikselimaara = int64_t{1} << 28;

// The stock brushes by number. Function-local statics: the game creates DCs and loads bitmaps while its
// own globals are being initialised, before any global of this file would be.
Sivellin* vakiosiveltimet() {
    static Sivellin siveltimet[5] = {{Laji::Sivellin, RGB(0xFF, 0xFF, 0xFF)},
                                     {Laji::Sivellin, RGB(0xC0, 0xC0, 0xC0)},
                                     {Laji::Sivellin, RGB(0x80, 0x80, 0x80)},
                                     {Laji::Sivellin, RGB(0x40, 0x40, 0x40)},
                                     {Laji::Sivellin, RGB(0, 0, 0)}};
    return siveltimet;
}

bool on_vakio(const void* olio) {
    const Sivellin* s = vakiosiveltimet();
    return olio >= static_cast<const void*>(s) && olio < static_cast<const void*>(s + 5);
}

// The memory DCs alive now, each with the brush selected into it. A bitmap may only go into one of these.
std::unordered_map<const Dc*, HGDIOBJ>& muisti_dct() {
    static auto* dct = new std::unordered_map<const Dc*, HGDIOBJ>;  // never destroyed, as the tables below
    return *dct;
}

// Which memory DC holds each selected bitmap: a bitmap is in at most one DC and is not deleted there.
std::unordered_map<const Kartta*, const Dc*>& valinnat() {
    static auto* kartat = new std::unordered_map<const Kartta*, const Dc*>;
    return *kartat;
}

// Deleted objects wait here to be reused. Handles are plain pointers, so a deleted object's memory must
// stay readable: a stale handle reads as no object, or as a newer one, as Windows reuses handles too.
// These tables are never destroyed: objects stay usable while the game's own globals are torn down.
std::vector<Kartta*>& poistetut_kartat() {
    static auto* kartat = new std::vector<Kartta*>;
    return *kartat;
}
std::vector<Dc*>& poistetut_dct() {
    static auto* dct = new std::vector<Dc*>;
    return *dct;
}

template <typename T>
T* uusi_tai_kierratetty(std::vector<T*>& poistetut) {
    if (poistetut.empty())
        return new T;
    T* olio = poistetut.back();
    poistetut.pop_back();
    *olio = T{};
    return olio;
}

bool on_jonkin_oletus(const Kartta* kartta) {
    for (const auto& [dc, sivellin] : muisti_dct())
        if (&dc->oletus == kartta)
            return true;
    return false;
}

HGDIOBJ valitse_kartta(Dc& dc, Kartta* kartta) {
    auto loytyi = valinnat().find(kartta);
    if (loytyi != valinnat().end() && loytyi->second != &dc)
        return nullptr;  // held by another DC
    Kartta* edellinen = dc.kartta;
    valinnat().erase(edellinen);
    valinnat()[kartta] = &dc;
    dc.kartta = kartta;
    return edellinen;
}

constexpr size_t kIsoSivu = size_t{2} << 20;  // a huge page on x86-64 and arm64

}  // namespace

void* ydin_varaa_kuva(size_t tavua) {
#ifdef MADV_HUGEPAGE
    if (tavua >= kIsoSivu / 2) {
        const size_t pyoristetty = (tavua + kIsoSivu - 1) / kIsoSivu * kIsoSivu;
        void* p = std::aligned_alloc(kIsoSivu, pyoristetty);
        if (p == nullptr)
            throw std::bad_alloc();
        madvise(p, pyoristetty, MADV_HUGEPAGE);  // only advice: without huge pages it is ordinary memory
        return p;
    }
#endif
    return ::operator new(tavua);
}

void ydin_vapauta_kuva(void* p, size_t tavua) {
#ifdef MADV_HUGEPAGE
    if (tavua >= kIsoSivu / 2) {
        std::free(p);
        return;
    }
#endif
    ::operator delete(p);
}

Kartta* gdi_uusi_kartta(int leveys, int korkeus) {
    if (leveys < 0 || korkeus < 0 || int64_t{leveys} * korkeus > kSuurinPikselimaara)
        return nullptr;
    try {
        Kartta* kartta = uusi_tai_kierratetty(poistetut_kartat());
        kartta->leveys = leveys;
        kartta->korkeus = korkeus;
        kartta->pikselit.assign(static_cast<size_t>(leveys) * static_cast<size_t>(korkeus), 0u);
        return kartta;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

Kartta* ydin_kartta(HGDIOBJ olio) {
    if (!gdi_osoite_kelpaa(olio) || gdi_laji(olio) != Laji::Bittikartta)
        return nullptr;
    return static_cast<Kartta*>(olio);
}

Dc* ydin_dc(HDC dc) {
    return gdi_dc(dc);
}

static Sivellin* sivellin(HGDIOBJ olio) {
    if (!gdi_osoite_kelpaa(olio) || gdi_laji(olio) != Laji::Sivellin)
        return nullptr;
    return static_cast<Sivellin*>(olio);
}

HDC CreateCompatibleDC(HDC dc) {
    if (dc && !gdi_dc(dc))
        return nullptr;
    Dc* uusi = nullptr;
    try {
        uusi = uusi_tai_kierratetty(poistetut_dct());
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    uusi->oletus.leveys = 1;
    uusi->oletus.korkeus = 1;
    uusi->oletus.yksivarinen = true;
    uusi->oletus.pikselit.assign(1, 0u);
    uusi->kartta = &uusi->oletus;
    muisti_dct()[uusi] = GetStockObject(WHITE_BRUSH);
    valinnat()[&uusi->oletus] = uusi;
    return reinterpret_cast<HDC>(uusi);
}

BOOL DeleteDC(HDC dc) {
    Dc* d = gdi_dc(dc);
    if (!d || !muisti_dct().count(d))
        return FALSE;  // a window's DC belongs to the window
    valinnat().erase(d->kartta);
    muisti_dct().erase(d);
    d->laji = kPoistettu;
    d->kartta = &d->oletus;
    d->oletus.laji = kPoistettu;
    poistetut_dct().push_back(d);
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int leveys, int korkeus) {
    if (!gdi_dc(dc))
        return nullptr;
    // A zero size gives the smallest bitmap there is, monochrome, as Windows does.
    if (leveys == 0 || korkeus == 0) {
        Kartta* pieni = gdi_uusi_kartta(1, 1);
        if (pieni)
            pieni->yksivarinen = true;
        return reinterpret_cast<HBITMAP>(pieni);
    }
    return reinterpret_cast<HBITMAP>(gdi_uusi_kartta(leveys, korkeus));
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ olio) {
    Dc* d = gdi_dc(dc);
    auto muisti = d ? muisti_dct().find(d) : muisti_dct().end();
    if (muisti == muisti_dct().end())
        return nullptr;  // only memory DCs take objects here
    if (Kartta* kartta = ydin_kartta(olio))
        return valitse_kartta(*d, kartta);
    if (sivellin(olio)) {
        HGDIOBJ edellinen = muisti->second;
        muisti->second = olio;
        return edellinen;
    }
    return nullptr;
}

BOOL DeleteObject(HGDIOBJ olio) {
    if (on_vakio(olio))
        return TRUE;  // stock objects live for ever
    Kartta* kartta = ydin_kartta(olio);
    if (!kartta || valinnat().count(kartta) || on_jonkin_oletus(kartta))
        return FALSE;
    kartta->laji = kPoistettu;
    kartta->leveys = 0;
    kartta->korkeus = 0;
    Pikselit().swap(kartta->pikselit);
    poistetut_kartat().push_back(kartta);
    return TRUE;
}

HGDIOBJ GetStockObject(int numero) {
    if (numero < WHITE_BRUSH || numero > BLACK_BRUSH)
        return nullptr;
    return &vakiosiveltimet()[numero];
}

int GetObjectA(HANDLE olio, int koko, LPVOID puskuri) {
    const Kartta* kartta = ydin_kartta(olio);
    if (!kartta)
        return 0;
    if (!puskuri)
        return sizeof(BITMAP);
    if (koko < static_cast<int>(sizeof(BITMAP)))
        return 0;
    BITMAP tiedot{};
    tiedot.bmWidth = kartta->leveys;
    tiedot.bmHeight = kartta->korkeus;
    tiedot.bmPlanes = 1;
    tiedot.bmBitsPixel = kartta->yksivarinen ? 1 : 32;
    // Rows are counted in whole 16-bit words, as Windows reports them.
    tiedot.bmWidthBytes = (kartta->leveys * tiedot.bmBitsPixel + 15) / 16 * 2;
    std::memcpy(puskuri, &tiedot, sizeof tiedot);
    return sizeof(BITMAP);
}

int FillRect(HDC dc, const RECT* alue, HBRUSH sivellin_) {
    Dc* d = gdi_dc(dc);
    const Sivellin* s = sivellin(sivellin_);
    if (!d || !s || !alue)
        return 0;
    Kartta& k = *d->kartta;
    int vasen = std::max(alue->left, 0), oikea = std::min(alue->right, k.leveys);
    int yla = std::max(alue->top, 0), ala = std::min(alue->bottom, k.korkeus);
    uint32_t arvo = gdi_tallennettava(k, s->vari);
    for (int y = yla; y < ala && vasen < oikea; ++y) {
        uint32_t* rivi = k.pikselit.data() + static_cast<size_t>(y) * static_cast<size_t>(k.leveys);
        std::fill(rivi + vasen, rivi + oikea, arvo);
    }
    gdi_piirretty(*d);
    return 1;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF vari) {
    Dc* d = gdi_dc(dc);
    if (!d)
        return CLR_INVALID;
    Kartta& k = *d->kartta;
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(k.leveys) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(k.korkeus))
        return CLR_INVALID;
    uint32_t arvo = gdi_tallennettava(k, vari);
    k.pikselit[static_cast<size_t>(y) * static_cast<size_t>(k.leveys) + static_cast<size_t>(x)] = arvo;
    if (d->ikkuna)
        ydin_ikkuna_piirretty(d->ikkuna);
    return gdi_vaihda_rb(arvo);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const Dc* d = gdi_dc(dc);
    if (!d)
        return CLR_INVALID;
    const Kartta& k = *d->kartta;
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(k.leveys) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(k.korkeus))
        return CLR_INVALID;
    return gdi_vaihda_rb(k.pikselit[static_cast<size_t>(y) * static_cast<size_t>(k.leveys) + static_cast<size_t>(x)]);
}

COLORREF SetTextColor(HDC dc, COLORREF vari) {
    Dc* d = gdi_dc(dc);
    if (!d)
        return CLR_INVALID;
    COLORREF edellinen = d->tekstivari;
    d->tekstivari = vari;
    return edellinen;
}

int SetBkMode(HDC dc, int tila) {
    Dc* d = gdi_dc(dc);
    if (!d || (tila != TRANSPARENT && tila != OPAQUE))
        return 0;
    int edellinen = d->taustatila;
    d->taustatila = tila;
    return edellinen;
}
