// Fuzz target: arbitrary bytes as a BMP file for LoadImageA. It must never crash or read out of bounds, and
// a bitmap it gives must have a sane size and readable pixels.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/win32.h"

namespace {

void kirjoita32(std::vector<uint8_t>& d, size_t i, uint32_t arvo) {
    for (int k = 0; k < 4; ++k)
        d[i + static_cast<size_t>(k)] = static_cast<uint8_t>(arvo >> (8 * k));
}

// A well-formed file of one of the depths the loader takes, for the fuzzer to damage: random bytes alone
// seldom get past the signature and the header size.
std::vector<uint8_t> malli(uint8_t valinta) {
    static const int syvyydet[] = {1, 4, 8, 24, 32};
    static const uint32_t otsakkeet[] = {40, 108, 124};
    const int bitit = syvyydet[valinta % 5];
    const uint32_t otsake = otsakkeet[(valinta / 5) % 3];
    const bool ylhaalta = (valinta / 15) % 2;
    const int w = 7, h = 5;
    const size_t paletti = bitit <= 8 ? (size_t{1} << bitit) : 0;
    const size_t rivi = (static_cast<size_t>(w) * static_cast<size_t>(bitit) + 31) / 32 * 4;
    const size_t alku = 14 + otsake + 4 * paletti;
    std::vector<uint8_t> d(alku + rivi * h, 0x5A);
    d[0] = 'B';
    d[1] = 'M';
    kirjoita32(d, 2, static_cast<uint32_t>(d.size()));
    kirjoita32(d, 6, 0);
    kirjoita32(d, 10, static_cast<uint32_t>(alku));
    std::fill(d.begin() + 14, d.begin() + 14 + otsake, 0);
    kirjoita32(d, 14, otsake);
    kirjoita32(d, 18, w);
    kirjoita32(d, 22, static_cast<uint32_t>(ylhaalta ? -h : h));
    d[26] = 1;
    d[28] = static_cast<uint8_t>(bitit);
    return d;
}

// Odd first byte: a model file patched at (offset, value) pairs and cut to a length; even: the bytes as such.
std::vector<uint8_t> tiedosto(const uint8_t* data, size_t koko) {
    if (koko < 2 || !(data[0] & 1))
        return std::vector<uint8_t>(data, data + koko);
    std::vector<uint8_t> d = malli(data[1]);
    size_t i = 2;
    for (; i + 2 < koko; i += 3)
        d[(size_t{data[i]} << 8 | data[i + 1]) % d.size()] = data[i + 2];
    if (i < koko)
        d.resize(d.size() - data[i] % d.size());
    return d;
}

std::string polku() {
    return "/tmp/rimputin_bmp_fuzz_" + std::to_string(getpid()) + ".bmp";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t koko) {
    const std::vector<uint8_t> sisalto = tiedosto(data, koko);
    std::FILE* f = std::fopen(polku().c_str(), "wb");
    if (!f)
        std::abort();
    if (!sisalto.empty())
        std::fwrite(sisalto.data(), 1, sisalto.size(), f);
    std::fclose(f);

    HANDLE kuva = LoadImageA(nullptr, polku().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (!kuva)
        return 0;
    BITMAP tiedot{};
    if (GetObjectA(kuva, sizeof tiedot, &tiedot) != sizeof tiedot || tiedot.bmWidth < 1 || tiedot.bmHeight < 1 ||
        tiedot.bmWidth > 16384 || tiedot.bmHeight > 16384)
        std::abort();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ vanha = SelectObject(dc, kuva);
    if (!vanha || GetPixel(dc, tiedot.bmWidth - 1, tiedot.bmHeight - 1) > 0xFFFFFF)
        std::abort();
    SelectObject(dc, vanha);
    DeleteDC(dc);
    if (!DeleteObject(kuva))
        std::abort();
    return 0;
}
