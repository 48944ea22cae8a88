// Drawing the maze grid: every cell a square of single pixels in its code's colour.
#include "maze/sokkelo.h"

#include "shell/tila.h"

namespace {

// The colour of a cell code; codes that never occur are drawn as open.
COLORREF koodin_vari(int32_t koodi) {
    switch (koodi) {
        case 1:
            return seina;
        case 3:
            return ukkeli;
        case 4:
            return loppu;
        case 6:
            return jalki;
        default:
            return tyhja;
    }
}

// The cell's square, one pixel at a time: column by column, each from its top down.
void piirra_ruutu(HDC dc, uint32_t x, uint32_t y, COLORREF vari) {
    // Read once: SetPixel is an outside call, after which the compiler would read the globals again.
    const uint32_t koko = ruudun_koko;
    const uint32_t vasen = koko * x;
    const uint32_t yla = koko * y + static_cast<uint32_t>(ylareuna);
    for (uint32_t i = 0; i < koko; ++i) {
        for (uint32_t j = 0; j < koko; ++j) {
            SetPixel(dc, static_cast<int>(vasen + i), static_cast<int>(yla + j), vari);
        }
    }
}

}  // namespace

void piirra_sokkelo(Ruudukko ruudukko, HDC dc) {
    if (ruudukko.empty()) {
        return;
    }
    // The row count comes from column 0 for every column.
    const uint32_t rivit = static_cast<uint32_t>(ruudukko[0].size());
    for (uint32_t x = 0; x < ruudukko.size(); ++x) {
        const std::vector<int32_t>& sarake = ruudukko[x];
        for (uint32_t y = 0; y < rivit; ++y) {
            // A column shorter than column 0 has no more cells to draw.
            if (y >= sarake.size()) {
                break;
            }
            piirra_ruutu(dc, x, y, koodin_vari(sarake[y] % 10));
        }
    }
}
