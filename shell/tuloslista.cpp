// The menu's result list: the selected mode's best times, or the summed times of all five, fifteen rows a page.
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "gfx/puskuri.h"
#include "results/tulos.h"
#include "shell/peli.h"
#include "shell/tila.h"
#include "util/teksti.h"

namespace {

const int32_t kSivu = 15;               // rows on one page
const uint32_t kPunainen = 0x000000FF;  // the last recorded result
const uint32_t kMusta = 0x00000000;     // every other row

// The result file of each game mode 1..5.
const char* const kTiedostot[] = {"Sokkelo1.top", "Sokkelo2.top", "Sokkelo3.top", "Poiminta1.top", "Poiminta2.top"};

// The exchange sort swaps only a strictly smaller later record into place, so equal times in an unordered
// list can change their order (P 5, Q 5, R 3 gives R, Q, P). On a list already in ascending order it swaps
// nothing at all, and every file the game writes is in that order: such a list is left as it is in one scan.
void jarjesta(std::vector<Tulos>& lista) {
    auto aikajarjestys = [](const Tulos& a, const Tulos& b) { return a.aika < b.aika; };
    if (std::is_sorted(lista.begin(), lista.end(), aikajarjestys)) {
        return;
    }
    for (size_t i = 0; i < lista.size(); ++i) {
        for (size_t j = i + 1; j < lista.size(); ++j) {
            if (lista[j].aika < lista[i].aika) {
                std::swap(lista[i], lista[j]);
            }
        }
    }
}

// A list shorter than a page always shows from its first row; a longer one never scrolls past its end.
void rajaa_vieritys(size_t koko) {
    const int64_t ylin = static_cast<int64_t>(koko) - kSivu;
    int64_t aloitus = top_aloitus;
    if (aloitus > ylin) {
        aloitus = ylin;
    }
    top_aloitus = static_cast<int32_t>(std::max<int64_t>(aloitus, 0));
}

bool on_viimeisin(const Tulos& tulos) {
    return tulos.aika == viimeisinPelattuAika && tulos.nimi == viimeisinPelaaja;
}

// Of adjacent records equal to the last result only the later one is red, also when it is off the page.
bool merkitty(const std::vector<Tulos>& lista, size_t i) {
    return on_viimeisin(lista[i]) && !(i + 1 < lista.size() && on_viimeisin(lista[i + 1]));
}

}  // namespace

// A record's checksum depends on the menu choice, so each file is read under its own mode number.
std::vector<Tulos> lue_tuloslista() {
    std::vector<Tulos> lista;
    if (paa_valikko_valinta >= 1 && paa_valikko_valinta <= 5) {
        lueTiedostosta(kTiedostot[paa_valikko_valinta - 1], lista);
    } else if (paa_valikko_valinta == 6) {
        paa_valikko_valinta = 1;
        lueTiedostosta(kTiedostot[0], lista);
        for (uint32_t tila = 2; tila <= 5; ++tila) {
            paa_valikko_valinta = tila;
            lueTiedostostaTaydentaen(kTiedostot[tila - 1], lista);
        }
        paa_valikko_valinta = 6;
    }
    return lista;
}

void piirra_tuloslista() {
    std::vector<Tulos> lista = lue_tuloslista();
    jarjesta(lista);
    rajaa_vieritys(lista.size());
    const size_t alku = static_cast<size_t>(top_aloitus);
    for (size_t i = alku; i < lista.size() && i < alku + kSivu; ++i) {
        const int y = 110 + 25 * static_cast<int>(i - alku);
        const uint32_t vari = merkitty(lista, i) ? kPunainen : kMusta;
        // The place number counts in the whole list, so it goes on counting when the list is scrolled.
        tulosta(450, y, int2string(static_cast<uint32_t>(i + 1)) + ".", vari);
        tulosta(475, y, lista[i].nimi, vari);
        tulosta(650, y, aika2string(lista[i].aika), vari);
    }
}
