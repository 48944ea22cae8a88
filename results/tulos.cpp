// The result record's time text and its checksum text.
#include "results/tulos.h"

#include "results/tarkiste.h"
#include "shell/tila.h"
#include "util/teksti.h"

namespace {

// One time step of the checksum: what it does to the accumulator with the time's remainder by its divisor.
enum class Toimitus { lisaa, vahenna, kerro };

struct AikaAskel {
    Toimitus toimitus;
    uint32_t jakaja;
};

// The fourteen time steps in their order; stored files depend on every one of them.
constexpr AikaAskel aikaAskeleet[] = {
    {Toimitus::lisaa, 3457}, {Toimitus::lisaa, 2957},  {Toimitus::lisaa, 2345}, {Toimitus::lisaa, 1157},
    {Toimitus::lisaa, 1239}, {Toimitus::vahenna, 875}, {Toimitus::lisaa, 633},  {Toimitus::lisaa, 321},
    {Toimitus::lisaa, 162},  {Toimitus::vahenna, 73},  {Toimitus::lisaa, 61},   {Toimitus::lisaa, 23},
    {Toimitus::kerro, 15},   {Toimitus::kerro, 11},
};

// Each byte counts as a signed 8-bit value plus its index, taken as unsigned 32-bit before the remainder,
// so 0xE4 at index 0 is 4294967268 and gives 17 by 29.
uint32_t tavusumma(std::string_view teksti, uint32_t jakaja) {
    uint32_t summa = 0;
    uint32_t indeksi = 0;
    for (char merkki : teksti) {
        const uint32_t arvo = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(merkki))) + indeksi;
        summa += arvo % jakaja;
        ++indeksi;
    }
    return summa;
}

}  // namespace

std::string aika2string(uint32_t ms) {
    const uint32_t millit = ms % 1000;
    const uint32_t sekunnit = ms / 1000;
    std::string teksti = int2string(sekunnit / 60) + ":";
    if (sekunnit % 60 <= 9) {
        teksti += "0";
    }
    teksti += int2string(sekunnit % 60) + ",";
    if (millit <= 9) {
        teksti += "0";
    }
    if (millit <= 99) {
        teksti += "0";
    }
    return teksti + int2string(millit);
}

uint32_t tarkisteAikaosa(uint32_t aika) {
    uint32_t s = 47347;
    for (const AikaAskel& askel : aikaAskeleet) {
        const uint32_t jaannos = aika % askel.jakaja;
        switch (askel.toimitus) {
            case Toimitus::lisaa:
                s += jaannos;
                break;
            case Toimitus::vahenna:
                s -= jaannos;
                break;
            case Toimitus::kerro:
                s *= jaannos;
                break;
        }
    }
    return s;
}

uint32_t tarkisteNimiosa(std::string_view nimi) {
    return tavusumma(nimi, 29);
}

uint32_t tarkisteTiedostoosa(const std::string& tiedosto) {
    // The file name's case does not count: "sokkelo1.top" guards the same records as "Sokkelo1.top".
    return tavusumma(toUpper(tiedosto), 27) + 7u * paa_valikko_valinta;
}

uint32_t tarkisteSumma(const Tulos& tulos, const std::string& tiedosto) {
    return tarkisteAikaosa(tulos.aika) + tarkisteNimiosa(tulos.nimi) + tarkisteTiedostoosa(tiedosto);
}

Tarkisteteksti tarkisteKirjaimet(uint32_t s) {
    Tarkisteteksti tulos{};
    size_t paikka = 0;
    for (int k = 1; k <= 8; ++k) {
        if (k == 5) {
            tulos.merkit[paikka++] = '-';
        }
        tulos.merkit[paikka++] = static_cast<char>('A' + s % 26);
        s /= 7;
    }
    return tulos;
}

std::string laskeTarkiste(Tulos tulos, std::string tiedosto) {
    // The letters hold no white space, so the trimming the text has always passed through keeps it whole.
    return lyhenna(std::string(tarkisteKirjaimet(tarkisteSumma(tulos, tiedosto)).teksti()));
}
