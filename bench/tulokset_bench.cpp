// Speed of the result files: reading and checking a 10,000-record file, the five-file total-time merge, a save.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "results/tulos.h"
#include "shell/peli.h"
#include "shell/tila.h"

namespace {

const std::array<std::string, 5> tiedostonimet = {"Sokkelo1.top", "Sokkelo2.top", "Sokkelo3.top", "Poiminta1.top",
                                                  "Poiminta2.top"};
constexpr uint32_t tietueita = 10000;

// Ten thousand players in every mode's file, each file in ascending time and in its own order of players, so the
// merge really has to find every name.
std::vector<Tulos> muodonTulokset(uint32_t muoto) {
    std::vector<Tulos> lista;
    for (uint32_t i = 0; i < tietueita; ++i) {
        // Multipliers prime to 10,000, so each file names every player exactly once.
        constexpr uint32_t kertoimet[] = {1, 3, 7, 9, 11};
        const uint32_t pelaaja = (i * kertoimet[muoto - 1] + muoto * 17) % tietueita;
        lista.push_back({"Pelaaja " + std::to_string(pelaaja), 30000 + i * 7});
    }
    return lista;
}

// A folder of the five files, made once for the whole run and removed at its end.
class Tiedostot {
  public:
    Tiedostot() {
        alkuperainen_ = std::filesystem::current_path();
        kansio_ = std::filesystem::temp_directory_path() / "rimputin-tulokset-bench";
        std::filesystem::remove_all(kansio_);
        std::filesystem::create_directory(kansio_);
        std::filesystem::current_path(kansio_);
        for (uint32_t muoto = 1; muoto <= 5; ++muoto) {
            paa_valikko_valinta = muoto;
            kirjoitaTiedostoon(tiedostonimet[muoto - 1], muodonTulokset(muoto));
        }
        paa_valikko_valinta = 1;
    }
    ~Tiedostot() {
        std::filesystem::current_path(alkuperainen_);
        std::filesystem::remove_all(kansio_);
    }

  private:
    std::filesystem::path alkuperainen_;
    std::filesystem::path kansio_;
};

void valmista() {
    static Tiedostot tiedostot;
}

void BM_LueTiedostosta(benchmark::State& tila) {
    valmista();
    paa_valikko_valinta = 1;
    for (auto _ : tila) {
        std::vector<Tulos> lista;
        lueTiedostosta(tiedostonimet[0], lista);
        if (lista.size() != tietueita) {
            tila.SkipWithError("records lost");
            break;
        }
        benchmark::DoNotOptimize(lista.data());
    }
    tila.SetItemsProcessed(tila.iterations() * tietueita);
}
BENCHMARK(BM_LueTiedostosta)->Unit(benchmark::kMillisecond);

void BM_Kokonaisajat(benchmark::State& tila) {
    valmista();
    for (auto _ : tila) {
        paa_valikko_valinta = 6;
        std::vector<Tulos> lista = lue_tuloslista();  // the menu's own reading of the summed list
        if (lista.size() != tietueita) {
            tila.SkipWithError("players lost");
            break;
        }
        benchmark::DoNotOptimize(lista.data());
    }
    paa_valikko_valinta = 1;
    tila.SetItemsProcessed(tila.iterations() * 5 * tietueita);
}
BENCHMARK(BM_Kokonaisajat)->Unit(benchmark::kMillisecond);

// A whole save: the old file read and checked for the backup rule, the new one written, flushed to the disk and
// renamed into place. The disk flush sets the pace, so this figure depends on the machine's storage.
void BM_KirjoitaTiedostoon(benchmark::State& tila) {
    valmista();
    paa_valikko_valinta = 1;
    const std::vector<Tulos> lista = muodonTulokset(1);
    for (auto _ : tila) {
        kirjoitaTiedostoon(tiedostonimet[0], lista);
    }
    tila.SetItemsProcessed(tila.iterations() * tietueita);
}
BENCHMARK(BM_KirjoitaTiedostoon)->Unit(benchmark::kMillisecond);

}  // namespace
