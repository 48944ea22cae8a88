// Drawing the main menu (without results, and with a long result file) and presenting the 800 x 600 frame.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gfx/portti/tyhjo.h"
#include "gfx/puskuri.h"
#include "results/tulos.h"
#include "shell/peli.h"
#include "shell/tila.h"

namespace fs = std::filesystem;

namespace {

// A working folder with the backgrounds and three result files, the game's window and its frame buffer,
// made once for all the measurements.
void valmistele() {
    static bool valmis = false;
    if (valmis) {
        return;
    }
    valmis = true;
    const fs::path kansio = fs::temp_directory_path() / ("rimputin-valikko-bench-" + std::to_string(getpid()));
    fs::create_directories(kansio);
    for (int i = 1; i <= 4; ++i) {
        const std::string nimi = "tausta" + std::to_string(i) + ".bmp";
        fs::copy_file(fs::path(RIMPUTIN_KUVAT) / nimi, kansio / nimi, fs::copy_options::overwrite_existing);
    }
    fs::current_path(kansio);
    tila_alkuun();
    tyhjo_alkuun();

    // As the game writes them: ascending times. Mode 3 holds the same records in descending order.
    std::vector<Tulos> nousevat;
    for (uint32_t i = 0; i < 10000; ++i) {
        nousevat.push_back({"Pelaaja " + std::to_string(i % 97), 20000 + 7 * i});
    }
    paa_valikko_valinta = 2;
    kirjoitaTiedostoon("Sokkelo2.top", nousevat);
    paa_valikko_valinta = 3;
    kirjoitaTiedostoon("Sokkelo3.top", std::vector<Tulos>(nousevat.rbegin(), nousevat.rend()));
    paa_valikko_valinta = 1;

    avaa_ikkuna(GetModuleHandleA(nullptr));
}

void piirra(benchmark::State& tila, uint32_t valinta) {
    valmistele();
    paa_valikko_valinta = valinta;
    top_aloitus = 0;
    for (auto _ : tila) {
        piirra_valikko();
    }
}

// Choice 1 with no result file: background, frame, texts and the present.
void BM_ValikkoIlmanTuloksia(benchmark::State& tila) {
    piirra(tila, 1);
}

// 10,000 records in ascending order, as every file the game writes.
void BM_Valikko10000Tulosta(benchmark::State& tila) {
    piirra(tila, 2);
}

// The same records in descending order, a file the game never writes: the exchange sort's quadratic cost.
void BM_Valikko10000LaskevaaTulosta(benchmark::State& tila) {
    piirra(tila, 3);
}

void BM_Kaanna(benchmark::State& tila) {
    valmistele();
    for (auto _ : tila) {
        Kaanna(gBuffer, 0);
    }
}

}  // namespace

BENCHMARK(BM_ValikkoIlmanTuloksia)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Valikko10000Tulosta)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Valikko10000LaskevaaTulosta)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Kaanna)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
