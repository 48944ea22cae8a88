// Starting a game in each mode (maze making, drawing the whole maze, present) and one playing pass without a
// step, on the headless backend.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "gfx/portti/tyhjo.h"
#include "gfx/puskuri.h"
#include "shell/peli.h"
#include "shell/tila.h"
#include "util/satunnainen.h"

namespace fs = std::filesystem;

namespace {

// The backgrounds loaded, the game's window and frame buffer made, once for all the measurements.
void valmistele() {
    static bool valmis = false;
    if (valmis) {
        return;
    }
    valmis = true;
    const fs::path lahto = fs::current_path();
    fs::current_path(RIMPUTIN_KUVAT);
    tila_alkuun();
    fs::current_path(lahto);
    tyhjo_alkuun();
    arvoluku_alusta(4242);

    avaa_ikkuna(GetModuleHandleA(nullptr));
    pelaaja = "Mittaaja";
}

void aloita(Silmukka& s, uint32_t valinta) {
    pelitilanne = 1;
    paa_valikko_valinta = valinta;
    valikossa_enteria_painettu = true;
    pelin_aloitus(s);
}

// Enter on a mode in the menu: a new maze each time, drawn whole and presented.
void BM_PelinAloitus(benchmark::State& tila) {
    valmistele();
    Silmukka s;
    const uint32_t valinta = static_cast<uint32_t>(tila.range(0));
    for (auto _ : tila) {
        aloita(s, valinta);
        benchmark::DoNotOptimize(taulukko.data());
    }
}
BENCHMARK(BM_PelinAloitus)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

// A playing pass with no key held: the heads-up line and the present. The top of the loop iteration is set
// far back so the 35 ms pacing finds its time already gone and does not wait; the pacing is left out.
void BM_Pelikierros(benchmark::State& tila) {
    valmistele();
    Silmukka s;
    aloita(s, static_cast<uint32_t>(tila.range(0)));
    for (auto _ : tila) {
        s.silmukan_alku = GetTickCount() - 1000;
        pelikierros(s);
    }
    if (pelitilanne != 2) {
        tila.SkipWithError("the game ended during the measurement");
    }
}
BENCHMARK(BM_Pelikierros)->Arg(1)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
