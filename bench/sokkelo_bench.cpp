// Speed of making a maze for each grid size and of drawing a whole maze of each mode into the back buffer.
#include <benchmark/benchmark.h>

#include "gfx/win32.h"
#include "maze/sokkelo.h"
#include "shell/tila.h"
#include "util/satunnainen.h"

namespace {

// The game's five modes: grid size, cell size, wall percentage, blocks in dead ends, game type.
struct Pelimuoto {
    uint32_t leveys, korkeus, koko, seinaprosentti;
    bool umpikujat;
    int32_t pelityyppi;
};
const Pelimuoto kPelimuodot[] = {
    {25, 17, 32, 100, false, 0}, {49, 33, 16, 100, false, 0}, {99, 67, 8, 100, false, 0},
    {25, 17, 32, 80, true, 1},   {49, 33, 16, 80, true, 1},
};

void aseta(const Pelimuoto& m) {
    ruudun_koko = m.koko;
    seinaprosentti = m.seinaprosentti;
    piirra_umpikujat = m.umpikujat;
    pelityyppi = m.pelityyppi;
}

// A game start's generation: empty grid, no blocks, a new maze. Each round takes the next seed, so the
// figure is over many different mazes.
void BM_teesokkelo(benchmark::State& tila) {
    aseta(kPelimuodot[tila.range(0)]);
    const Pelimuoto& m = kPelimuodot[tila.range(0)];
    uint32_t siemen = 1;
    for (auto _ : tila) {
        arvoluku_alusta(siemen++);
        taulukko.clear();
        poiminta_pisteet = 0;
        teesokkelo(taulukko, m.leveys, m.korkeus);
        benchmark::DoNotOptimize(taulukko.data());
    }
}
BENCHMARK(BM_teesokkelo)->DenseRange(0, 4)->ArgName("mode");

// The whole maze into an 800 x 600 memory bitmap, as the game start draws it into the frame buffer.
void BM_piirra_sokkelo(benchmark::State& tila) {
    aseta(kPelimuodot[tila.range(0)]);
    const Pelimuoto& m = kPelimuodot[tila.range(0)];
    arvoluku_alusta(7);
    taulukko.clear();
    teesokkelo(taulukko, m.leveys, m.korkeus);
    HDC naytto = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(naytto);
    HBITMAP kartta = CreateCompatibleBitmap(naytto, 800, 600);
    HGDIOBJ vanha = SelectObject(dc, kartta);
    for (auto _ : tila) {
        piirra_sokkelo(taulukko, dc);
    }
    tila.SetItemsProcessed(tila.iterations() * m.leveys * m.korkeus * m.koko * m.koko);
    SelectObject(dc, vanha);
    DeleteObject(kartta);
    DeleteDC(dc);
    ReleaseDC(nullptr, naytto);
}
BENCHMARK(BM_piirra_sokkelo)->DenseRange(0, 4)->ArgName("mode")->Unit(benchmark::kMicrosecond);

}  // namespace
