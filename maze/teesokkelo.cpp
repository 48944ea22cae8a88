// Maze generation: a randomised depth-first carving, run again with a doubling depth limit, then once more
// without a limit to find the goal and the dead ends.
#include "maze/sokkelo.h"

#include "shell/tila.h"
#include "util/satunnainen.h"

namespace {

// Direction codes 1 left, 2 up, 3 right, 4 down: the step to the neighbour room (the wall slot is half of
// it) and the from-code the neighbour gets, which names the direction back.
constexpr int32_t askel_x[5] = {0, -2, 0, 2, 0};
constexpr int32_t askel_y[5] = {0, 0, -2, 0, 2};
constexpr uint32_t naapurin_tulosuunta[5] = {0, 3, 4, 1, 2};

// Drops the pass marks (the tens) and keeps each cell's code. Only rooms ever carry marks, so only they
// are swept: the rest of the grid holds 0 or 1 and would not change.
void poista_merkit(Ruudukko& ruudukko, uint32_t leveys, uint32_t korkeus) {
    for (uint32_t x = 1; x < leveys; x += 2) {
        std::vector<int32_t>& sarake = ruudukko[x];
        for (uint32_t y = 1; y < korkeus; y += 2) {
            if (sarake[y] > 9) {
                sarake[y] %= 10;
            }
        }
    }
}

// The directions the room at (x, y) may carve to, in the fixed order left, up, right, down: not back where
// it came from, not over the border, not through a closed slot.
size_t ehdokkaat(const Ruudukko& ruudukko, uint32_t x, uint32_t y, uint32_t tulosuunta, uint32_t lista[4]) {
    const uint32_t leveys = static_cast<uint32_t>(ruudukko.size());
    const uint32_t korkeus = static_cast<uint32_t>(ruudukko[0].size());
    size_t maara = 0;
    if (tulosuunta != 1 && x > 1 && ruudukko[x - 1][y] != 1) {
        lista[maara++] = 1;
    }
    if (tulosuunta != 2 && y > 1 && ruudukko[x][y - 1] != 1) {
        lista[maara++] = 2;
    }
    if (tulosuunta != 3 && x < leveys - 2 && ruudukko[x + 1][y] != 1) {
        lista[maara++] = 3;
    }
    if (tulosuunta != 4 && y < korkeus - 2 && ruudukko[x][y + 1] != 1) {
        lista[maara++] = 4;
    }
    return maara;
}

// Meeting a room that lies on the current path: a limited pass may close the slot between them (a loop
// would form through it); the final pass only learns that this room is no dead end.
void kohtaa_polulla(Ruudukko& ruudukko, uint32_t rako_x, uint32_t rako_y, bool& umpikuja) {
    if (piirra_umpikujat_viimeinen_rekursio) {
        umpikuja = false;
        return;
    }
    int32_t& rako = ruudukko[rako_x][rako_y];
    if (rako % 10 == 0 && arvoluku(1, 100) <= seinaprosentti) {
        rako += 1;
    }
}

}  // namespace

void teesokkelo_rekursio(Ruudukko& ruudukko, uint32_t x, uint32_t y, uint32_t tulosuunta, uint32_t syvyys) {
    if (rekursiotaso_johon_asti_mennaan != 0 && syvyys > rekursiotaso_johon_asti_mennaan) {
        return;
    }
    // At most four candidates: kept in the frame, so a deep path costs little stack and no allocation.
    uint32_t lista[4];
    const size_t maara = ehdokkaat(ruudukko, x, y, tulosuunta, lista);
    sekoita(lista, maara);
    // (code + 2) mod 4 is compared, not the opposite direction: only left, right and down going straight on
    // keep the first shuffle (and up from the start room).
    if (maara > 0 && (lista[0] + 2) % 4 != tulosuunta) {
        sekoita(lista, maara);
    }
    ruudukko[x][y] += 10;
    bool umpikuja = true;
    for (size_t i = 0; i < maara; ++i) {
        const uint32_t suunta = lista[i];
        const uint32_t nx = x + static_cast<uint32_t>(askel_x[suunta]);
        const uint32_t ny = y + static_cast<uint32_t>(askel_y[suunta]);
        const int32_t naapuri = ruudukko[nx][ny];
        if (naapuri <= 9) {
            teesokkelo_rekursio(ruudukko, nx, ny, naapurin_tulosuunta[suunta], syvyys + 1);
            umpikuja = false;
        } else if (naapuri <= 19) {
            kohtaa_polulla(ruudukko, x + static_cast<uint32_t>(askel_x[suunta] / 2),
                           y + static_cast<uint32_t>(askel_y[suunta] / 2), umpikuja);
        }
    }
    if (piirra_umpikujat && umpikuja && piirra_umpikujat_viimeinen_rekursio && ruudukko[x][y] % 10 == 0) {
        ruudukko[x][y] += 4;
        poiminta_pisteet += 1;
    }
    if (syvyys > suurin_rekursiotaso) {
        suurin_rekursiotaso = syvyys;
        loppu_x = x;
        loppu_y = y;
    }
    ruudukko[x][y] += 10;
}

namespace {

// The walls every maze has: the pillars between the rooms and the border.
void pystyta_seinat(Ruudukko& ruudukko, uint32_t leveys, uint32_t korkeus) {
    for (uint32_t x = 0; x < leveys; x += 2) {
        for (uint32_t y = 0; y < korkeus; y += 2) {
            ruudukko[x][y] = 1;
        }
    }
    for (uint32_t x = 1; x < leveys; ++x) {
        ruudukko[x][0] = 1;
        ruudukko[x][korkeus - 1] = 1;
    }
    for (uint32_t y = 0; y < korkeus; ++y) {
        ruudukko[0][y] = 1;
        ruudukko[leveys - 1][y] = 1;
    }
}

// Carving passes with the limits 4, 8, 16, ... until one ends at least three levels inside its limit.
void kaiverra_rajoitetusti(Ruudukko& ruudukko, uint32_t x, uint32_t y, uint32_t leveys, uint32_t korkeus) {
    piirra_umpikujat_viimeinen_rekursio = false;
    rekursiotaso_johon_asti_mennaan = 2;
    do {
        poista_merkit(ruudukko, leveys, korkeus);
        suurin_rekursiotaso = 0;
        rekursiotaso_johon_asti_mennaan *= 2;
        teesokkelo_rekursio(ruudukko, x, y, 0, 0);
    } while (suurin_rekursiotaso + 2 >= rekursiotaso_johon_asti_mennaan);
}

}  // namespace

void teesokkelo(Ruudukko& ruudukko, uint32_t leveys, uint32_t korkeus) {
    // Even sizes have no room layout; below 3 there is no room at all.
    if (leveys % 2 == 0 || korkeus % 2 == 0 || leveys < 3 || korkeus < 3) {
        return;
    }
    suurin_rekursiotaso = 0;
    // A grid left from an earlier maze is replaced, never appended to.
    ruudukko.assign(leveys, std::vector<int32_t>(korkeus, 0));
    pystyta_seinat(ruudukko, leveys, korkeus);
    const uint32_t sx = 2 * arvoluku(1, leveys / 2) - 1;
    const uint32_t sy = 2 * arvoluku(1, korkeus / 2) - 1;
    alku_x = sx;
    alku_y = sy;
    // A single room is its own deepest room; no pass goes below level 0 there.
    loppu_x = sx;
    loppu_y = sy;
    kaiverra_rajoitetusti(ruudukko, sx, sy, leveys, korkeus);

    poista_merkit(ruudukko, leveys, korkeus);
    suurin_rekursiotaso = 0;
    rekursiotaso_johon_asti_mennaan = 0;
    piirra_umpikujat_viimeinen_rekursio = true;
    teesokkelo_rekursio(ruudukko, sx, sy, 0, 0);

    if (ruudukko[sx][sy] % 10 == 4) {
        poiminta_pisteet -= 1;
    }
    ruudukko[sx][sy] = 3;
    // The goal goes where the final pass went deepest; the start room keeps the player.
    if (pelityyppi == 0 && (loppu_x != sx || loppu_y != sy)) {
        ruudukko[loppu_x][loppu_y] += 4;
    }
}
