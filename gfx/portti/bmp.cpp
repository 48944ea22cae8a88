// LoadImageA in the own Win32 subset: BMP files checked against their own length, then read: 24- and 32-bit
// pixels directly (the game's own pictures, read at every start), palette pictures by SDL2.
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "gfx/portti/gdi_sisa.h"

namespace {

constexpr int64_t kSuurinSivu = 16384;  // wider or taller pictures are refused as damaged
// The largest file worth reading: the largest picture at 32 bits per pixel, and room for headers.
constexpr size_t kSuurinTiedosto = size_t{kSuurinSivu} * kSuurinSivu * 4 + 65536;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

uint32_t lue32(const std::vector<uint8_t>& d, size_t i) {
    return uint32_t{d[i]} | uint32_t{d[i + 1]} << 8 | uint32_t{d[i + 2]} << 16 | uint32_t{d[i + 3]} << 24;
}
uint16_t lue16(const std::vector<uint8_t>& d, size_t i) {
    return static_cast<uint16_t>(d[i] | d[i + 1] << 8);
}

// The whole file, or false if it cannot be read or is too large to be a picture we take.
bool lue_tiedosto(const char* nimi, std::vector<uint8_t>& data) {
    std::FILE* f = std::fopen(nimi, "rb");
    if (!f)
        return false;
    // Room for the whole file at once where its length is known; the loop below still decides what is read.
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long pituus = std::ftell(f);
        if (pituus > 0 && static_cast<unsigned long>(pituus) <= kSuurinTiedosto)
            data.reserve(static_cast<size_t>(pituus));
    }
    std::rewind(f);
    uint8_t pala[65536];
    size_t luettu;
    bool kelpaa = true;
    while (kelpaa && (luettu = std::fread(pala, 1, sizeof pala, f)) > 0) {
        kelpaa = data.size() + luettu <= kSuurinTiedosto;
        if (kelpaa)
            data.insert(data.end(), pala, pala + luettu);
    }
    kelpaa = kelpaa && !std::ferror(f);
    std::fclose(f);
    return kelpaa;
}

// 32-bit pixels with explicit masks are taken only in the ordinary byte order, alpha ignored.
bool tavalliset_maskit(const std::vector<uint8_t>& d, size_t i) {
    return lue32(d, i) == 0x00FF0000u && lue32(d, i + 4) == 0x0000FF00u && lue32(d, i + 8) == 0x000000FFu;
}

// Every header field SDL will act on, checked against the file's length, so that a damaged or hostile
// file never reaches SDL's reader: the reader itself is not built with our sanitizers.
bool otsakkeet_kelpaavat(const std::vector<uint8_t>& d, int& leveys, int& korkeus) {
    const size_t n = d.size();
    if (n < 14 + 40 || d[0] != 'B' || d[1] != 'M')
        return false;
    const uint32_t koko = lue32(d, 14);
    if ((koko != 40 && koko != 108 && koko != 124) || 14 + size_t{koko} > n)
        return false;
    const int64_t w = static_cast<int32_t>(lue32(d, 18)), h = static_cast<int32_t>(lue32(d, 22));
    const uint32_t bitit = lue16(d, 28), pakkaus = lue32(d, 30), varit = lue32(d, 46);
    if (w < 1 || w > kSuurinSivu || h == 0 || h < -kSuurinSivu || h > kSuurinSivu)
        return false;
    if (lue16(d, 26) != 1 || (bitit != 1 && bitit != 4 && bitit != 8 && bitit != 24 && bitit != 32))
        return false;
    size_t loppu = 14 + size_t{koko};
    if (pakkaus == kBiBitfields && bitit == 32) {
        if (koko == 40)
            loppu += 12;  // the masks follow a short header
        if (loppu > n || !tavalliset_maskit(d, 14 + 40))
            return false;
    } else if (pakkaus != kBiRgb) {
        return false;
    }
    if (bitit <= 8) {
        if (varit > (1u << bitit))
            return false;
        loppu += 4 * size_t{varit ? varit : 1u << bitit};
    }
    const uint64_t rivi = (static_cast<uint64_t>(w) * bitit + 31) / 32 * 4;
    const uint64_t kuva = lue32(d, 10);
    if (loppu > n || kuva < loppu || kuva + rivi * static_cast<uint64_t>(h < 0 ? -h : h) > n)
        return false;
    leveys = static_cast<int>(w);
    korkeus = static_cast<int>(h < 0 ? -h : h);
    return true;
}

// 24- and 32-bit rows straight into the bitmap. At start-up the game waits for four pictures of 800 x 600;
// SDL's reader filled a surface of its own and a converted copy before the bitmap, which took twice as long.
Kartta* suoraan(const std::vector<uint8_t>& d, int leveys, int korkeus) {
    const int64_t h = static_cast<int32_t>(lue32(d, 22));
    const size_t tavua = lue16(d, 28) / 8;
    const size_t rivi = (static_cast<size_t>(leveys) * tavua + 3) / 4 * 4;
    const size_t alku = lue32(d, 10);
    Kartta* kartta = gdi_uusi_kartta(leveys, korkeus);
    for (int y = 0; kartta && y < korkeus; ++y) {
        const size_t lahde_y = h < 0 ? static_cast<size_t>(y) : static_cast<size_t>(korkeus - 1 - y);
        const uint8_t* p = d.data() + alku + lahde_y * rivi;
        uint32_t* kohde = kartta->pikselit.data() + static_cast<size_t>(y) * static_cast<size_t>(leveys);
        for (int x = 0; x < leveys; ++x, p += tavua)
            kohde[x] = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16;
    }
    return kartta;
}

// SDL reads the checked palette pictures; the picture comes out as 0x00RRGGBB rows, top row first.
Kartta* sdl_lukee(const std::vector<uint8_t>& d, int leveys, int korkeus) {
    SDL_Surface* luettu = SDL_LoadBMP_RW(SDL_RWFromConstMem(d.data(), static_cast<int>(d.size())), 1);
    if (!luettu)
        return nullptr;
    SDL_Surface* xrgb = SDL_ConvertSurfaceFormat(luettu, SDL_PIXELFORMAT_XRGB8888, 0);
    SDL_FreeSurface(luettu);
    if (!xrgb)
        return nullptr;
    Kartta* kartta = nullptr;
    if (xrgb->w == leveys && xrgb->h == korkeus && !SDL_MUSTLOCK(xrgb))
        kartta = gdi_uusi_kartta(leveys, korkeus);
    for (int y = 0; kartta && y < korkeus; ++y) {
        const auto* rivi = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(xrgb->pixels) +
                                                             static_cast<size_t>(y) * static_cast<size_t>(xrgb->pitch));
        uint32_t* kohde = kartta->pikselit.data() + static_cast<size_t>(y) * static_cast<size_t>(leveys);
        for (int x = 0; x < leveys; ++x)
            kohde[x] = rivi[x] & 0xFFFFFFu;
    }
    SDL_FreeSurface(xrgb);
    return kartta;
}

}  // namespace

HANDLE LoadImageA(HINSTANCE, LPCSTR nimi, UINT tyyppi, int leveys, int korkeus, UINT liput) {
    // Only what the game asks for: a bitmap file at its own size. Resources and scaling are not here.
    if (!nimi || tyyppi != IMAGE_BITMAP || !(liput & LR_LOADFROMFILE) || leveys != 0 || korkeus != 0)
        return nullptr;
    std::vector<uint8_t> data;
    int w = 0, h = 0;
    if (!lue_tiedosto(nimi, data) || !otsakkeet_kelpaavat(data, w, h))
        return nullptr;
    return lue16(data, 28) >= 24 ? suoraan(data, w, h) : sdl_lukee(data, w, h);
}
