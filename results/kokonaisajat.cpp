// The total-time merge: adds each player's first time in one more result file and drops players it lacks.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "results/tiedosto.h"

namespace {

// Keeps the entries whose flag is set, in their order.
void pidaValitut(std::vector<Tulos>& lista, const std::vector<bool>& pida) {
    size_t jaljella = 0;
    for (size_t i = 0; i < lista.size(); ++i) {
        if (!pida[i]) {
            continue;
        }
        if (jaljella != i) {
            lista[jaljella] = std::move(lista[i]);
        }
        ++jaljella;
    }
    lista.resize(jaljella);
}

}  // namespace

// Of entries sharing a name only the first can take a time, so later ones go with the players the file lacks:
// the first entry of each name stays, with its time, and the survivors keep their order.
void lueTiedostostaTaydentaen(std::string tiedosto, std::vector<Tulos>& lista) {
    // Each name finds its first entry without walking the list. The keys look into the list's own names, which
    // stay where they are until the list is cut at the end.
    std::unordered_map<std::string_view, size_t> ensimmainen;
    ensimmainen.reserve(lista.size());
    for (size_t i = 0; i < lista.size(); ++i) {
        ensimmainen.try_emplace(lista[i].nimi, i);
    }
    std::vector<bool> kaytetty(lista.size(), false);
    std::string tavut;
    lueTavut(tiedosto, tavut);  // a missing file reads as empty and so matches nobody
    lueTietueet(tavut, tiedosto, [&](std::string_view nimi, uint32_t aika) {
        const auto paikka = ensimmainen.find(nimi);
        // Only the first accepted record of a name counts: the file is in ascending order, so that is the best.
        if (paikka != ensimmainen.end() && !kaytetty[paikka->second]) {
            lista[paikka->second].aika += aika;  // unsigned, wraps modulo 2^32
            kaytetty[paikka->second] = true;
        }
    });
    pidaValitut(lista, kaytetty);
}
