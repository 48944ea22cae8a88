// Maze generation: a randomised depth-first carving, run again with a doubling depth limit, then once more
// without a limit to find the goal and the dead ends.
#include "maze/sokkelo.h"

#include <algorithm>

#include "shell/tila.h"
#include "util/satunnainen.h"

namespace {

// The grid while it is carved: its cells in one block, column after column, so that a neighbour lies a fixed
// number of cells away. It is copied in from the grid and back out at the end; the values are the same.
struct Kaiverrus {
    std::vector<int32_t> solut;
    uint32_t leveys = 0;
    uint32_t korkeus = 0;               // the length of column 0
    int32_t rako[5] = {0, 0, 0, 0, 0};  // per direction code: from a room to the wall slot; twice that to the room
    std::vector<int32_t*> kaydyt;       // the rooms entered since the marks were last cleared

    int32_t& solu(uint32_t x, uint32_t y) { return solut[static_cast<size_t>(x) * korkeus + y]; }
};

// Per direction code (1 left, 2 up, 3 right, 4 down): the step to the neighbour room, unsigned so that a
// step back wraps to the right coordinate, and the from-code the neighbour gets, which names the way back.
constexpr uint32_t askel_x[5] = {0, 0u - 2u, 0, 2, 0};
constexpr uint32_t askel_y[5] = {0, 0, 0u - 2u, 0, 2};
constexpr uint32_t naapurin_tulosuunta[5] = {0, 3, 4, 1, 2};

void valmistele(Kaiverrus& k, uint32_t leveys, uint32_t korkeus) {
    k.leveys = leveys;
    k.korkeus = korkeus;
    k.solut.assign(static_cast<size_t>(leveys) * korkeus, 0);
    const int32_t sarake = static_cast<int32_t>(korkeus);
    k.rako[1] = -sarake;
    k.rako[2] = -1;
    k.rako[3] = sarake;
    k.rako[4] = 1;
    k.kaydyt.clear();
    k.kaydyt.reserve(static_cast<size_t>(leveys / 2) * (korkeus / 2));
}

void kopioi_sisaan(const Ruudukko& ruudukko, Kaiverrus& k) {
    valmistele(k, static_cast<uint32_t>(ruudukko.size()),
               ruudukko.empty() ? 0 : static_cast<uint32_t>(ruudukko[0].size()));
    for (uint32_t x = 0; x < k.leveys; ++x) {
        const size_t pituus = std::min<size_t>(ruudukko[x].size(), k.korkeus);
        std::copy_n(ruudukko[x].begin(), pituus, k.solut.begin() + static_cast<ptrdiff_t>(x) * k.korkeus);
    }
}

void kopioi_ulos(const Kaiverrus& k, Ruudukko& ruudukko) {
    for (uint32_t x = 0; x < k.leveys; ++x) {
        const size_t pituus = std::min<size_t>(ruudukko[x].size(), k.korkeus);
        std::copy_n(k.solut.begin() + static_cast<ptrdiff_t>(x) * k.korkeus, pituus, ruudukko[x].begin());
    }
}

// Drops the pass marks (the tens) and keeps each cell's code. Only a room entered in a pass carries marks,
// so only those are visited: every other cell already holds its code. Values are never negative, so the
// remainder is what taking 10 away while above 9 leaves.
void poista_merkit(Kaiverrus& k) {
    for (int32_t* huone : k.kaydyt) {
        *huone = static_cast<int32_t>(static_cast<uint32_t>(*huone) % 10u);
    }
    k.kaydyt.clear();
}

// The directions the room may carve to, in the fixed order left, up, right, down: not back where it came
// from, not over the border, not through a closed slot. The tests are random from room to room, so they
// are added up rather than branched on; every slot read lies inside the grid, the border included.
size_t ehdokkaat(const Kaiverrus& k, const int32_t* huone, uint32_t x, uint32_t y, uint32_t tulosuunta,
                 uint32_t lista[4]) {
    size_t maara = 0;
    lista[maara] = 1;
    maara += (tulosuunta != 1) & (x > 1) & (huone[k.rako[1]] != 1);
    lista[maara] = 2;
    maara += (tulosuunta != 2) & (y > 1) & (huone[k.rako[2]] != 1);
    lista[maara] = 3;
    maara += (tulosuunta != 3) & (x < k.leveys - 2) & (huone[k.rako[3]] != 1);
    lista[maara] = 4;
    maara += (tulosuunta != 4) & (y < k.korkeus - 2) & (huone[k.rako[4]] != 1);
    return maara;
}

// Meeting a room that lies on the current path: a limited pass may close the slot between them (a loop
// would form through it); the final pass only learns that this room is no dead end.
void kohtaa_polulla(int32_t& rako, bool& umpikuja) {
    if (piirra_umpikujat_viimeinen_rekursio) {
        umpikuja = false;
        return;
    }
    if (rako % 10 == 0 && arvoluku(1, 100) <= seinaprosentti) {
        rako += 1;
    }
}

// One room of the carving: the body of teesokkelo_rekursio on the carving grid.
void kaiverra(Kaiverrus& k, uint32_t x, uint32_t y, uint32_t tulosuunta, uint32_t syvyys) {
    if (rekursiotaso_johon_asti_mennaan != 0 && syvyys > rekursiotaso_johon_asti_mennaan) {
        return;
    }
    int32_t* huone = &k.solu(x, y);
    // At most four candidates: kept in the frame, so a deep path costs little stack and no allocation.
    uint32_t lista[4];
    const size_t maara = ehdokkaat(k, huone, x, y, tulosuunta, lista);
    // A list of one or none is left as it is and takes no number, so only longer ones go to the shuffle.
    // (code + 2) mod 4 is compared, not the opposite direction: only left, right and down going straight on
    // keep the first shuffle (and up from the start room).
    if (maara > 1) {
        sekoita(lista, maara);
        if ((lista[0] + 2) % 4 != tulosuunta) {
            sekoita(lista, maara);
        }
    }
    *huone += 10;
    k.kaydyt.push_back(huone);
    bool umpikuja = true;
    for (size_t i = 0; i < maara; ++i) {
        const uint32_t suunta = lista[i];
        const int32_t naapuri = huone[2 * k.rako[suunta]];
        if (naapuri <= 9) {
            kaiverra(k, x + askel_x[suunta], y + askel_y[suunta], naapurin_tulosuunta[suunta], syvyys + 1);
            umpikuja = false;
        } else if (naapuri <= 19) {
            kohtaa_polulla(huone[k.rako[suunta]], umpikuja);
        }
    }
    if (piirra_umpikujat && umpikuja && piirra_umpikujat_viimeinen_rekursio && *huone % 10 == 0) {
        *huone += 4;
        poiminta_pisteet += 1;
    }
    if (syvyys > suurin_rekursiotaso) {
        suurin_rekursiotaso = syvyys;
        loppu_x = x;
        loppu_y = y;
    }
    *huone += 10;
}

// The walls every maze has: the pillars between the rooms and the border.
void pystyta_seinat(Kaiverrus& k) {
    for (uint32_t x = 0; x < k.leveys; x += 2) {
        for (uint32_t y = 0; y < k.korkeus; y += 2) {
            k.solu(x, y) = 1;
        }
    }
    for (uint32_t x = 1; x < k.leveys; ++x) {
        k.solu(x, 0) = 1;
        k.solu(x, k.korkeus - 1) = 1;
    }
    for (uint32_t y = 0; y < k.korkeus; ++y) {
        k.solu(0, y) = 1;
        k.solu(k.leveys - 1, y) = 1;
    }
}

// Carving passes with the limits 4, 8, 16, ... until one ends at least three levels inside its limit.
void kaiverra_rajoitetusti(Kaiverrus& k, uint32_t x, uint32_t y) {
    piirra_umpikujat_viimeinen_rekursio = false;
    rekursiotaso_johon_asti_mennaan = 2;
    do {
        poista_merkit(k);
        suurin_rekursiotaso = 0;
        rekursiotaso_johon_asti_mennaan *= 2;
        kaiverra(k, x, y, 0, 0);
    } while (suurin_rekursiotaso + 2 >= rekursiotaso_johon_asti_mennaan);
}

}  // namespace

void teesokkelo_rekursio(Ruudukko& ruudukko, uint32_t x, uint32_t y, uint32_t tulosuunta, uint32_t syvyys) {
    Kaiverrus k;
    kopioi_sisaan(ruudukko, k);
    kaiverra(k, x, y, tulosuunta, syvyys);
    kopioi_ulos(k, ruudukko);
}

void teesokkelo(Ruudukko& ruudukko, uint32_t leveys, uint32_t korkeus) {
    // Even sizes have no room layout; below 3 there is no room at all.
    if (leveys % 2 == 0 || korkeus % 2 == 0 || leveys < 3 || korkeus < 3) {
        return;
    }
    suurin_rekursiotaso = 0;
    Kaiverrus k;
    valmistele(k, leveys, korkeus);
    pystyta_seinat(k);
    const uint32_t sx = 2 * arvoluku(1, leveys / 2) - 1;
    const uint32_t sy = 2 * arvoluku(1, korkeus / 2) - 1;
    alku_x = sx;
    alku_y = sy;
    // A single room is its own deepest room; no pass goes below level 0 there.
    loppu_x = sx;
    loppu_y = sy;
    kaiverra_rajoitetusti(k, sx, sy);

    poista_merkit(k);
    suurin_rekursiotaso = 0;
    rekursiotaso_johon_asti_mennaan = 0;
    piirra_umpikujat_viimeinen_rekursio = true;
    kaiverra(k, sx, sy, 0, 0);

    if (k.solu(sx, sy) % 10 == 4) {
        poiminta_pisteet -= 1;
    }
    k.solu(sx, sy) = 3;
    // The goal goes where the final pass went deepest; the start room keeps the player.
    if (pelityyppi == 0 && (loppu_x != sx || loppu_y != sy)) {
        k.solu(loppu_x, loppu_y) += 4;
    }
    // A grid left from an earlier maze is replaced, never appended to.
    ruudukko.assign(leveys, std::vector<int32_t>(korkeus));
    kopioi_ulos(k, ruudukko);
}
