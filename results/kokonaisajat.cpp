// The total-time merge: adds each player's first time in one more result file and drops players it lacks.
#include <string>
#include <unordered_map>
#include <unordered_set>
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

// Keeps the first entry of each name, with its time; the rest keep their relative order.
void poistaToistot(std::vector<Tulos>& lista) {
    std::unordered_set<std::string> nahdyt;
    std::vector<bool> ensimmainen(lista.size());
    for (size_t i = 0; i < lista.size(); ++i) {
        ensimmainen[i] = nahdyt.insert(lista[i].nimi).second;
    }
    pidaValitut(lista, ensimmainen);
}

}  // namespace

void lueTiedostostaTaydentaen(std::string tiedosto, std::vector<Tulos>& lista) {
    poistaToistot(lista);
    // Names are unique now, so a name finds its one entry without walking the list.
    std::unordered_map<std::string, size_t> paikat;
    for (size_t i = 0; i < lista.size(); ++i) {
        paikat.emplace(lista[i].nimi, i);
    }
    std::vector<bool> kaytetty(lista.size(), false);
    std::string tavut;
    lueTavut(tiedosto, tavut);  // a missing file reads as empty and so matches nobody
    for (const Tulos& tulos : lueTietueet(tavut, tiedosto).tulokset) {
        const auto paikka = paikat.find(tulos.nimi);
        // Only the first accepted record of a name counts: the file is in ascending order, so that is the best.
        if (paikka != paikat.end() && !kaytetty[paikka->second]) {
            lista[paikka->second].aika += tulos.aika;  // unsigned, wraps modulo 2^32
            kaytetty[paikka->second] = true;
        }
    }
    pidaValitut(lista, kaytetty);
}
