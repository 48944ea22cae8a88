// Long play: many whole games in a row in one process, over all five modes and names with bytes 0x80-0xFF and
// blanks at both ends; then the result files, the summed list and the process's memory are checked. 40 games by
// default; RIMPUTIN_KESTO=<games> (make soak) plays more.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "shell/peli.h"
#include "tests/kestavyys/automaatti.h"
#include "tests/shell/peliajo.h"

#if defined(__SANITIZE_ADDRESS__)
#define KESTAVYYS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTAVYYS_ASAN 1
#endif
#endif
#ifdef KESTAVYYS_ASAN
// The sanitizer runtime's count of live heap bytes.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

using kestavyys::Pelattu;
using kestavyys::Vuoro;

const char* const kTiedostot[] = {"Sokkelo1.top", "Sokkelo2.top", "Sokkelo3.top", "Poiminta1.top", "Poiminta2.top"};

// Names as typed (UTF-8) and as the game stores them (Windows-1252). Two differ only by a trailing blank.
const std::vector<std::pair<std::string, std::string>> kNimet = {
    {"Pelaaja", "Pelaaja"},
    {"  \xC3\x85sa \xC3\x96hman  ", "  \xC5sa \xD6hman  "},
    {"\xE2\x82\xAC"
     "uro \xC3\xBF \xC5\xA0\xC5\xBE",
     "\x80"
     "uro \xFF \x8A\x9E"},
    {"Pelaaja ", "Pelaaja "},
    {" \xC3\xA6\xC3\xB8\xC3\xA5 \xC3\x86\xC3\x98\xC3\x85 \xC3\x9F", " \xE6\xF8\xE5 \xC6\xD8\xC5 \xDF"},
    {"\xC5\x93"
     "d\xC3\xA8 \xE2\x80\xA0 ",
     "\x9C"
     "d\xE8 \x86 "},
};

// Ten games a turn, the small modes mostly; every turn plays all five, so every name gets a summed time.
const std::vector<uint32_t> kVuoronTilat = {1, 4, 2, 1, 4, 5, 1, 4, 3, 1};

size_t pelien_maara() {
    const char* arvo = std::getenv("RIMPUTIN_KESTO");
    const long maara = arvo != nullptr ? std::strtol(arvo, nullptr, 10) : 0;
    return maara >= 10 ? static_cast<size_t>(maara) : 40;
}

// A field of /proc/self/status in kibibytes.
long muisti_kt(const char* kentta) {
    std::ifstream tila("/proc/self/status");
    std::string rivi;
    while (std::getline(tila, rivi)) {
        if (rivi.rfind(kentta, 0) == 0) {
            return std::strtol(rivi.c_str() + std::string(kentta).size(), nullptr, 10);
        }
    }
    return -1;
}

// The memory the run holds: live heap under AddressSanitizer (whose quarantine keeps freed blocks resident by
// design), the resident peak otherwise.
long muisti_nyt() {
#ifdef KESTAVYYS_ASAN
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return muisti_kt("VmHWM:");
#endif
}

struct Tietue {
    std::string nimi;
    uint32_t aika = 0;
    std::string tarkiste;
};

// The file's records as the game writes them, three CR LF lines each, read without the game's reader.
std::vector<Tietue> tietueet(const std::string& tiedosto, std::string& virhe) {
    std::ifstream f(tiedosto, std::ios::binary);
    const std::string tavut((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::vector<std::string> rivit;
    size_t alku = 0;
    for (size_t crlf; (crlf = tavut.find("\r\n", alku)) != std::string::npos; alku = crlf + 2) {
        rivit.push_back(tavut.substr(alku, crlf - alku));
    }
    if (alku != tavut.size() || rivit.size() % 3 != 0) {
        virhe = tiedosto + ": not whole CR LF records";
    }
    std::vector<Tietue> tulos;
    for (size_t i = 0; i + 2 < rivit.size(); i += 3) {
        tulos.push_back({rivit[i], static_cast<uint32_t>(std::stoul(rivit[i + 1])), rivit[i + 2]});
    }
    return tulos;
}

class Kestopeli : public Peliajo {
  protected:
    void TearDown() override {
        tyhjo_joka_ms(nullptr);
        Peliajo::TearDown();
    }
};

TEST_F(Kestopeli, ManyGamesInARowKeepEveryFileSortedValidCompleteAndMemoryFlat) {
    const size_t maara = pelien_maara();
    std::vector<Vuoro> vuorot;
    for (size_t i = 0; i * kVuoronTilat.size() < maara; ++i) {
        const size_t pituus = std::min(kVuoronTilat.size(), maara - i * kVuoronTilat.size());
        vuorot.push_back({kNimet[i % kNimet.size()].first,
                          std::vector<uint32_t>(kVuoronTilat.begin(), kVuoronTilat.begin() + pituus)});
    }
    kestavyys::Automaatti pelaaja(vuorot);
    long puolivalissa = -1, lopussa = -1;
    pelaaja.pelin_jalkeen = [&](size_t n) {
        puolivalissa = n == maara / 2 ? muisti_nyt() : puolivalissa;
        lopussa = n == maara ? muisti_nyt() : lopussa;
    };
    pelaaja.kaynnista();
    EXPECT_EQ(aja(static_cast<uint32_t>(maara) * 120000u), 0);
    ASSERT_TRUE(pelaaja.valmis);
    ASSERT_EQ(pelaaja.pelatut.size(), maara);

    // Every game's record, and nothing else, in its mode's file, sorted, each one passing its checksum.
    std::map<std::string, std::vector<uint32_t>> parhaat;  // per name the best time of each mode
    for (uint32_t tila = 1; tila <= 5; ++tila) {
        SCOPED_TRACE(kTiedostot[tila - 1]);
        std::string virhe;
        const auto lista = tietueet(kTiedostot[tila - 1], virhe);
        EXPECT_EQ(virhe, "");
        std::vector<std::pair<std::string, uint32_t>> odotettu, tiedostossa;
        for (const Pelattu& p : pelaaja.pelatut) {
            if (p.tila == tila) {
                odotettu.emplace_back(p.nimi, p.aika);
            }
        }
        paa_valikko_valinta = tila;
        for (const Tietue& t : lista) {
            EXPECT_EQ(t.tarkiste, laskeTarkiste({t.nimi, t.aika}, kTiedostot[tila - 1])) << t.nimi;
            tiedostossa.emplace_back(t.nimi, t.aika);
            auto& ajat = parhaat[t.nimi];
            ajat.resize(5, UINT32_MAX);
            ajat[tila - 1] = std::min(ajat[tila - 1], t.aika);
        }
        EXPECT_TRUE(std::is_sorted(lista.begin(), lista.end(),
                                   [](const Tietue& a, const Tietue& b) { return a.aika < b.aika; }));
        std::sort(odotettu.begin(), odotettu.end());
        std::sort(tiedostossa.begin(), tiedostossa.end());
        EXPECT_EQ(tiedostossa, odotettu);
    }

    // The stored names are the typed ones, blanks and high bytes kept.
    std::vector<std::string> nimet;
    for (const Pelattu& p : pelaaja.pelatut) {
        nimet.push_back(p.nimi);
    }
    for (size_t i = 0; i < maara; ++i) {
        EXPECT_EQ(nimet[i], kNimet[(i / kVuoronTilat.size()) % kNimet.size()].second) << "game " << i;
    }

    // The summed list as the menu builds it, against the sum of each name's five best times.
    std::vector<std::pair<std::string, uint32_t>> summat, odotetut;
    for (const auto& [nimi, ajat] : parhaat) {
        if (std::find(ajat.begin(), ajat.end(), UINT32_MAX) == ajat.end()) {
            uint32_t summa = 0;
            for (uint32_t a : ajat) {
                summa += a;
            }
            odotetut.emplace_back(nimi, summa);
        }
    }
    paa_valikko_valinta = 6;
    for (const Tulos& t : lue_tuloslista()) {
        summat.emplace_back(t.nimi, t.aika);
    }
    std::sort(summat.begin(), summat.end());
    EXPECT_EQ(summat, odotetut);
    EXPECT_GE(odotetut.size(), std::min(kNimet.size(), maara / kVuoronTilat.size()));

    // The second half of the games holds on to less than 1 MiB more than the first half did.
    std::printf("games %zu, memory after half %ld KiB, at the end %ld KiB (VmHWM %ld KiB, VmRSS %ld KiB)\n", maara,
                puolivalissa, lopussa, muisti_kt("VmHWM:"), muisti_kt("VmRSS:"));
    // Only when the first half has played a whole turn: before its largest maze the peak still rises by right.
    // (The memory runner plays a single turn, as Valgrind's own memory would show in these figures anyway.)
    if (maara >= 2 * kVuoronTilat.size()) {
        EXPECT_LT(lopussa - puolivalissa, 1024);
    }
}

}  // namespace
