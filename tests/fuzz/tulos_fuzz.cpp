// Feeds arbitrary bytes, as a result file, to both readers under every file name and menu choice, and checks the
// merge against the list read and that what is read survives a save and a second reading unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "results/tulos.h"
#include "shell/tila.h"
#include "util/teksti.h"

namespace {

const char* const tiedostonimet[] = {"Sokkelo1.top", "Sokkelo2.top", "Sokkelo3.top", "Poiminta1.top", "Poiminta2.top"};

void kirjoita(const std::string& nimi, const std::string& tavut) {
    std::ofstream(nimi, std::ios::binary) << tavut;
}

std::string lue(const std::string& nimi) {
    std::ifstream tiedosto(nimi, std::ios::binary);
    return {std::istreambuf_iterator<char>(tiedosto), std::istreambuf_iterator<char>()};
}

void tarkista(bool ehto, const char* viesti) {
    if (!ehto) {
        std::fprintf(stderr, "tulos_fuzz: %s\n", viesti);
        std::abort();
    }
}

// Every record read comes from a whole, non-empty name line.
void tarkistaLuetut(const std::vector<Tulos>& lista, const std::string& tiedosto) {
    for (const Tulos& tulos : lista) {
        tarkista(!tulos.nimi.empty(), "empty name accepted");
        tarkista(tulos.nimi.find('\n') == std::string::npos, "name holds a line end");
        tarkista(laskeTarkiste(tulos, tiedosto).size() == 9, "checksum text is not 9 bytes");
    }
}

// Merging a file into the list just read from it, with extra entries of one name appended: every name of the file
// stays once, in the order of its first record, with that record's time counted twice; "abc" stays only if the
// file has it.
void tarkistaYhdistys(const std::vector<Tulos>& luettu, const std::vector<Tulos>& yhdistetty) {
    std::vector<Tulos> odotettu;
    for (const Tulos& tulos : luettu) {
        bool uusi = true;
        for (const Tulos& aiempi : odotettu) {
            uusi = uusi && aiempi.nimi != tulos.nimi;
        }
        if (uusi) {
            odotettu.push_back({tulos.nimi, tulos.aika + tulos.aika});
        }
    }
    tarkista(yhdistetty.size() == odotettu.size(), "merge kept the wrong number of players");
    for (size_t i = 0; i < odotettu.size(); ++i) {
        tarkista(yhdistetty[i].nimi == odotettu[i].nimi && yhdistetty[i].aika == odotettu[i].aika, "merge total wrong");
    }
}

// Saving what was read and reading it again gives the same list; a damaged original stays whole in the backup.
void tarkistaTallennus(const std::string& tiedosto, const std::vector<Tulos>& lista, const std::string& alkuperainen) {
    std::filesystem::remove(tiedosto + ".bak");
    kirjoitaTiedostoon(tiedosto, lista);
    std::vector<Tulos> uudelleen;
    lueTiedostosta(tiedosto, uudelleen);
    tarkista(uudelleen.size() == lista.size(), "saved list reads back with another length");
    for (size_t i = 0; i < lista.size(); ++i) {
        tarkista(uudelleen[i].nimi == lista[i].nimi && uudelleen[i].aika == lista[i].aika, "saved record changed");
    }
    if (std::filesystem::exists(tiedosto + ".bak")) {
        tarkista(lue(tiedosto + ".bak") == alkuperainen, "backup differs from the old file");
    }
}

}  // namespace

// The run's own folder, removed when the run ends.
std::filesystem::path kansio;

void siivoa() {
    std::error_code virhe;
    std::filesystem::remove_all(kansio, virhe);
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // tmpfs where there is one: the saves flush to the disk, which would otherwise set the pace.
    const std::filesystem::path pohja = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                            : std::filesystem::temp_directory_path();
    kansio = pohja / ("rimputin-tulos-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(kansio);
    std::filesystem::current_path(kansio);
    std::atexit(siivoa);
    return 0;
}

// The first byte picks the file name and the menu choice (all 30 pairs), the rest is the file. One pair per run
// keeps a run to a handful of file operations, so the search covers far more inputs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* tavut, size_t koko) {
    if (koko == 0) {
        return 0;
    }
    const std::string nimi = tiedostonimet[tavut[0] % 5];
    paa_valikko_valinta = 1 + (tavut[0] / 5) % 6;
    const std::string alkuperainen(reinterpret_cast<const char*>(tavut + 1), koko - 1);
    kirjoita(nimi, alkuperainen);
    std::vector<Tulos> lista;
    lueTiedostosta(nimi, lista);
    tarkistaLuetut(lista, nimi);
    std::vector<Tulos> yhdistetty = lista;
    yhdistetty.push_back({"abc", 1});
    yhdistetty.push_back({"abc", 2});
    lueTiedostostaTaydentaen(nimi, yhdistetty);
    tarkistaYhdistys(lista, yhdistetty);
    tarkistaTallennus(nimi, lista, alkuperainen);
    std::filesystem::remove(nimi);
    paa_valikko_valinta = 1;
    return 0;
}
