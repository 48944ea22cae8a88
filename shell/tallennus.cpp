// The end of a game: its time, the record put in its place in the mode's file, the time flash, the menu.
#include <string>
#include <vector>

#include "gfx/puskuri.h"
#include "results/tulos.h"
#include "shell/peli.h"
#include "shell/tila.h"

namespace {

constexpr uint32_t vuorokausi = 86400000;  // ms in a day: a longer game is recorded modulo this

// One drawing of the time flash: its colour and the time after the end it is held until.
struct Valahdus {
    uint32_t vari;
    uint32_t raja;  // wait until more than this many ms have gone by since the end
};

// Red and black in turn, a quarter second each; the last wait is the hold before the menu.
constexpr Valahdus valahdukset[6] = {
    {0x000000FF, 249}, {0x00000000, 499}, {0x000000FF, 749}, {0x00000000, 999}, {0x000000FF, 1249}, {0x00000000, 1499},
};

// The result file of a game mode; empty for the choices that are no game.
std::string tulostiedosto(uint32_t valinta) {
    static const char* const nimet[5] = {"Sokkelo1.top", "Sokkelo2.top", "Sokkelo3.top", "Poiminta1.top",
                                         "Poiminta2.top"};
    if (valinta < 1 || valinta > 5) {
        return std::string();
    }
    return nimet[valinta - 1];
}

// The new record goes after every record with an equal or smaller time, so equal times keep the order
// in which they were played and the newest stands last of them.
void lisaa_tulos(std::vector<Tulos>& lista, const Tulos& uusi) {
    size_t paikka = 0;
    while (paikka < lista.size() && lista[paikka].aika <= uusi.aika) {
        ++paikka;
    }
    lista.insert(lista.begin() + static_cast<std::ptrdiff_t>(paikka), uusi);
}

// A game without a player name is not recorded, and the last-result marks stay as they were.
void tallenna_tulos(uint32_t aika) {
    const std::string tiedosto = tulostiedosto(paa_valikko_valinta);
    if (tiedosto.empty() || pelaaja.empty()) {
        return;
    }
    std::vector<Tulos> lista;
    lueTiedostosta(tiedosto, lista);
    lisaa_tulos(lista, Tulos{pelaaja, aika});
    kirjoitaTiedostoon(tiedosto, lista);
    viimeisinPelattuAika = aika;
    viimeisinPelaaja = pelaaja;
}

// Six drawings of the time over the heads-up time, each held until its threshold after the end.
void valauta_aika(uint32_t loppuhetki, uint32_t aika) {
    for (const Valahdus& v : valahdukset) {
        tulosta(600, 5, aika2string(aika), v.vari);
        Kaanna(gBuffer, 0);
        while (GetTickCount() - loppuhetki <= v.raja) {
            Sleep(ms_odotus);
        }
    }
}

}  // namespace

void pelin_loppu(Silmukka& s) {
    const uint32_t loppuhetki = GetTickCount();
    const uint32_t aika = ((loppuhetki - s.pelin_alku) + vuorokausi) % vuorokausi;
    tallenna_tulos(aika);
    // Keys pressed during the flash queue up and must not act on the menu; the next menu pass opens the gate.
    nappainten_painaminen_mahdollista = false;
    valauta_aika(loppuhetki, aika);
    pelitilanne = 1;
    Nayta_kuva(gBuffer, tausta3, 0, 0);
    Kaanna(gBuffer, 0);
}
