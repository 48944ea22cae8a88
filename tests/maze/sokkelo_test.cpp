// Maze generation: the shape and the paths of generated mazes in every mode, the fixed maze of a fixed seed,
// the order of shuffles and draws, sizes without a maze and the deepest recursion.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "maze/sokkelo.h"
#include "shell/tila.h"
#include "util/satunnainen.h"

namespace {

// One row of the game's mode table, and its name for the test output.
struct Pelimuoto {
    const char* nimi;
    uint32_t leveys;
    uint32_t korkeus;
    uint32_t seinaprosentti;
    bool umpikujat;
    int32_t pelityyppi;
};

const Pelimuoto kPelimuodot[] = {
    {"Sokkelo, pieni", 25, 17, 100, false, 0},  {"Sokkelo, iso", 49, 33, 100, false, 0},
    {"Sokkelo, alyton", 99, 67, 100, false, 0}, {"Poiminta, pieni", 25, 17, 80, true, 1},
    {"Poiminta, iso", 49, 33, 80, true, 1},
};

bool onko_huone(uint32_t x, uint32_t y) {
    return x % 2 == 1 && y % 2 == 1;
}

// Builds a maze as the game start does: mode settings, an empty grid, no blocks yet, then generation.
void rakenna(const Pelimuoto& muoto, uint32_t siemen) {
    seinaprosentti = muoto.seinaprosentti;
    piirra_umpikujat = muoto.umpikujat;
    pelityyppi = muoto.pelityyppi;
    taulukko.clear();
    poiminta_pisteet = 0;
    arvoluku_alusta(siemen);
    teesokkelo(taulukko, muoto.leveys, muoto.korkeus);
}

// The rooms as a graph: an open wall slot (value 0) joins two neighbouring rooms.
struct Huoneverkko {
    std::vector<std::vector<int>> etaisyys;  // steps from the start room along open slots, -1 unreachable
    uint32_t avoimet_raot = 0;
    int pisin = 0;
};

uint32_t avoimia_rakoja(const Ruudukko& r, uint32_t x, uint32_t y) {
    return (r[x - 1][y] == 0) + (r[x + 1][y] == 0) + (r[x][y - 1] == 0) + (r[x][y + 1] == 0);
}

Huoneverkko tutki(const Ruudukko& r, uint32_t alku_x_, uint32_t alku_y_) {
    const uint32_t leveys = static_cast<uint32_t>(r.size());
    const uint32_t korkeus = static_cast<uint32_t>(r[0].size());
    Huoneverkko verkko;
    verkko.etaisyys.assign(leveys, std::vector<int>(korkeus, -1));
    for (uint32_t x = 1; x < leveys - 1; ++x) {
        for (uint32_t y = 1; y < korkeus - 1; ++y) {
            verkko.avoimet_raot += (x % 2 != y % 2) && r[x][y] == 0;
        }
    }
    std::deque<std::pair<uint32_t, uint32_t>> jono = {{alku_x_, alku_y_}};
    verkko.etaisyys[alku_x_][alku_y_] = 0;
    const int dx[4] = {-1, 1, 0, 0};
    const int dy[4] = {0, 0, -1, 1};
    while (!jono.empty()) {
        const auto [x, y] = jono.front();
        jono.pop_front();
        for (int s = 0; s < 4; ++s) {
            if (r[x + dx[s]][y + dy[s]] != 0) {
                continue;
            }
            const uint32_t nx = x + 2 * dx[s];
            const uint32_t ny = y + 2 * dy[s];
            if (verkko.etaisyys[nx][ny] < 0) {
                verkko.etaisyys[nx][ny] = verkko.etaisyys[x][y] + 1;
                verkko.pisin = std::max(verkko.pisin, verkko.etaisyys[nx][ny]);
                jono.push_back({nx, ny});
            }
        }
    }
    return verkko;
}

// Every cell holds the value its kind allows: walls 1, slots 0 or 1, rooms 20 or 24, the start room 3.
void tarkista_arvot(const Pelimuoto& muoto) {
    ASSERT_EQ(taulukko.size(), muoto.leveys);
    ASSERT_TRUE(onko_huone(alku_x, alku_y));
    ASSERT_LT(alku_x, muoto.leveys);
    ASSERT_LT(alku_y, muoto.korkeus);
    for (uint32_t x = 0; x < muoto.leveys; ++x) {
        ASSERT_EQ(taulukko[x].size(), muoto.korkeus);
        for (uint32_t y = 0; y < muoto.korkeus; ++y) {
            const int32_t arvo = taulukko[x][y];
            const bool reuna = x == 0 || y == 0 || x == muoto.leveys - 1 || y == muoto.korkeus - 1;
            SCOPED_TRACE("cell " + std::to_string(x) + ", " + std::to_string(y));
            if (reuna || (x % 2 == 0 && y % 2 == 0)) {
                ASSERT_EQ(arvo, 1);
            } else if (x == alku_x && y == alku_y) {
                ASSERT_EQ(arvo, 3);
            } else if (onko_huone(x, y)) {
                ASSERT_TRUE(arvo == 20 || arvo == 24) << arvo;
            } else {
                ASSERT_TRUE(arvo == 0 || arvo == 1) << arvo;
            }
        }
    }
}

// Blocks in a picking game, the one goal in a maze game.
void tarkista_maalit(const Pelimuoto& muoto, const Huoneverkko& verkko) {
    uint32_t maaleja = 0;
    for (uint32_t x = 1; x < muoto.leveys; x += 2) {
        for (uint32_t y = 1; y < muoto.korkeus; y += 2) {
            const bool maali = taulukko[x][y] % 10 == 4;
            maaleja += maali;
            const bool alku = x == alku_x && y == alku_y;
            if (muoto.umpikujat) {
                SCOPED_TRACE("room " + std::to_string(x) + ", " + std::to_string(y));
                EXPECT_EQ(maali, !alku && avoimia_rakoja(taulukko, x, y) == 1);
            }
        }
    }
    if (muoto.pelityyppi == 0) {
        EXPECT_EQ(maaleja, 1u);
        EXPECT_EQ(taulukko[loppu_x][loppu_y], 24);
        EXPECT_EQ(poiminta_pisteet, 0u);
        if (muoto.seinaprosentti == 100) {
            // Without loops the final pass goes down every path, so its deepest room is a farthest one.
            EXPECT_EQ(verkko.etaisyys[loppu_x][loppu_y], verkko.pisin);
            EXPECT_EQ(suurin_rekursiotaso, static_cast<uint32_t>(verkko.pisin));
        }
    } else {
        EXPECT_EQ(poiminta_pisteet, maaleja);
    }
}

void tarkista_sokkelo(const Pelimuoto& muoto) {
    tarkista_arvot(muoto);
    if (testing::Test::HasFatalFailure()) {
        return;
    }
    const Huoneverkko verkko = tutki(taulukko, alku_x, alku_y);
    const uint32_t huoneita = (muoto.leveys / 2) * (muoto.korkeus / 2);
    for (uint32_t x = 1; x < muoto.leveys; x += 2) {
        for (uint32_t y = 1; y < muoto.korkeus; y += 2) {
            ASSERT_GE(verkko.etaisyys[x][y], 0) << "room " << x << ", " << y << " cannot be reached";
        }
    }
    if (muoto.seinaprosentti == 100) {
        EXPECT_EQ(verkko.avoimet_raot, huoneita - 1);
    } else {
        EXPECT_GE(verkko.avoimet_raot, huoneita - 1);
    }
    tarkista_maalit(muoto, verkko);
    EXPECT_EQ(rekursiotaso_johon_asti_mennaan, 0u);
    EXPECT_TRUE(piirra_umpikujat_viimeinen_rekursio);
}

class Teesokkelo : public ::testing::Test {
  protected:
    void SetUp() override { tila_alkuun(); }
};

TEST_F(Teesokkelo, EveryModeGivesAConnectedMazeWithItsGoalOrBlocks) {
    for (const Pelimuoto& muoto : kPelimuodot) {
        const uint32_t siemenia = muoto.leveys > 50 ? 25 : 60;
        for (uint32_t siemen = 1; siemen <= siemenia; ++siemen) {
            SCOPED_TRACE(std::string(muoto.nimi) + ", seed " + std::to_string(siemen));
            rakenna(muoto, siemen);
            tarkista_sokkelo(muoto);
            if (HasFailure()) {
                return;
            }
        }
    }
}

// Less common settings the generation also serves: blocks in a maze without loops, and the smallest grids.
TEST_F(Teesokkelo, OtherSettingsAndSmallGrids) {
    const Pelimuoto muodot[] = {
        {"picking without loops", 25, 17, 100, true, 1},
        {"maze 5 x 3", 5, 3, 100, false, 0},
        {"maze 3 x 5", 3, 5, 100, false, 0},
        {"picking 5 x 5", 5, 5, 80, true, 1},
        {"maze 7 x 9", 7, 9, 100, false, 0},
    };
    for (const Pelimuoto& muoto : muodot) {
        for (uint32_t siemen = 1; siemen <= 40; ++siemen) {
            SCOPED_TRACE(std::string(muoto.nimi) + ", seed " + std::to_string(siemen));
            rakenna(muoto, siemen);
            tarkista_sokkelo(muoto);
            if (HasFailure()) {
                return;
            }
        }
    }
}

// One room: it is the start room. A picking game's block on it is uncounted and the player stands there;
// a maze game has no room left for a goal, so the goal is the start room and no cell gets the goal code.
TEST_F(Teesokkelo, SingleRoomHoldsOnlyThePlayer) {
    for (const int32_t tyyppi : {0, 1}) {
        SCOPED_TRACE(tyyppi == 0 ? "maze game" : "picking game");
        loppu_x = 97;  // left from a bigger maze
        loppu_y = 65;
        rakenna({"3 x 3", 3, 3, tyyppi == 0 ? 100u : 80u, tyyppi == 1, tyyppi}, 5);
        ASSERT_EQ(taulukko.size(), 3u);
        const Ruudukko odotettu = {{1, 1, 1}, {1, 3, 1}, {1, 1, 1}};
        EXPECT_EQ(taulukko, odotettu);
        EXPECT_EQ(alku_x, 1u);
        EXPECT_EQ(alku_y, 1u);
        EXPECT_EQ(loppu_x, 1u);
        EXPECT_EQ(loppu_y, 1u);
        EXPECT_EQ(poiminta_pisteet, 0u);
    }
}

// Two rooms side by side: whichever is the start, the goal is the other one.
TEST_F(Teesokkelo, TwoRoomsTheGoalIsTheOtherRoom) {
    bool alku_vasemmalla = false;
    bool alku_oikealla = false;
    for (uint32_t siemen = 1; siemen <= 20; ++siemen) {
        rakenna({"5 x 3", 5, 3, 100, false, 0}, siemen);
        alku_vasemmalla |= alku_x == 1;
        alku_oikealla |= alku_x == 3;
        EXPECT_EQ(loppu_x, alku_x == 1 ? 3u : 1u);
        EXPECT_EQ(loppu_y, 1u);
        const Ruudukko odotettu = alku_x == 1 ? Ruudukko{{1, 1, 1}, {1, 3, 1}, {1, 0, 1}, {1, 24, 1}, {1, 1, 1}}
                                              : Ruudukko{{1, 1, 1}, {1, 24, 1}, {1, 0, 1}, {1, 3, 1}, {1, 1, 1}};
        EXPECT_EQ(taulukko, odotettu);
    }
    EXPECT_TRUE(alku_vasemmalla && alku_oikealla);
}

// Sizes with no room layout leave everything as it was: the grid, the start and goal, and the generator.
TEST_F(Teesokkelo, EvenOrTooSmallSizeChangesNothing) {
    const struct {
        const char* kuvaus;
        uint32_t leveys, korkeus;
    } koot[] = {
        {"even width", 24, 17}, {"even height", 25, 16}, {"both even", 24, 24}, {"zero", 0, 0},
        {"one cell", 1, 1},     {"one column", 1, 5},    {"one row", 5, 1},
    };
    for (const auto& koko : koot) {
        SCOPED_TRACE(koko.kuvaus);
        const Ruudukko ennen = {{7, 8}, {9, 10}};
        taulukko = ennen;
        alku_x = alku_y = loppu_x = loppu_y = 11;
        suurin_rekursiotaso = 12;
        arvoluku_alusta(99);
        const uint32_t ensimmainen = satunnainen_seuraava();
        arvoluku_alusta(99);
        teesokkelo(taulukko, koko.leveys, koko.korkeus);
        EXPECT_EQ(taulukko, ennen);
        EXPECT_EQ(alku_x, 11u);
        EXPECT_EQ(loppu_y, 11u);
        EXPECT_EQ(suurin_rekursiotaso, 12u);
        EXPECT_EQ(satunnainen_seuraava(), ensimmainen);
    }
}

// A grid still holding an earlier maze gets the same new maze as an empty one.
TEST_F(Teesokkelo, LeftoverGridIsReplaced) {
    rakenna(kPelimuodot[0], 77);
    const Ruudukko tyhjaan = taulukko;
    rakenna(kPelimuodot[2], 5);
    arvoluku_alusta(77);
    teesokkelo(taulukko, 25, 17);
    EXPECT_EQ(taulukko, tyhjaan);
}

// A corridor of three rooms, one column wide, started from the middle room. Its only draws are the
// start room and the shuffles of the middle room's candidates (up, down): the second shuffle is skipped
// exactly when up comes first, and the goal is the room the final pass enters first. The expected draws
// are replayed with the shuffle itself.
TEST_F(Teesokkelo, SecondShuffleUnlessUpComesFirstFromTheStart) {
    int tarkistettuja = 0;
    int ilman_toista = 0;
    for (uint32_t siemen = 1; tarkistettuja < 30; ++siemen) {
        arvoluku_alusta(siemen);
        (void)arvoluku(1, 1);
        if (arvoluku(1, 3) != 2) {
            continue;
        }
        uint32_t ensimmainen = 0;
        for (int kierros = 0; kierros < 2; ++kierros) {  // one limited pass reaches depth 1 of 4, then the final
            std::vector<uint32_t> lista = {2, 4};
            sekoita(lista);
            if (lista[0] != 2) {
                sekoita(lista);
            } else {
                ++ilman_toista;
            }
            ensimmainen = lista[0];
        }
        const uint32_t seuraava = satunnainen_seuraava();

        SCOPED_TRACE("seed " + std::to_string(siemen));
        rakenna({"3 x 7", 3, 7, 100, false, 0}, siemen);
        ASSERT_EQ(alku_y, 3u);
        EXPECT_EQ(loppu_y, ensimmainen == 2 ? 1u : 5u);
        EXPECT_EQ(satunnainen_seuraava(), seuraava);
        ++tarkistettuja;
    }
    EXPECT_GT(ilman_toista, 0);
}

// FNV-1a over the cell values, column by column, each value as four bytes from the lowest.
uint32_t sormenjalki(const Ruudukko& r) {
    uint32_t h = 2166136261u;
    for (const auto& sarake : r) {
        for (const int32_t arvo : sarake) {
            for (int tavu = 0; tavu < 4; ++tavu) {
                h ^= (static_cast<uint32_t>(arvo) >> (8 * tavu)) & 0xFFu;
                h *= 16777619u;
            }
        }
    }
    return h;
}

// One seed per mode gives one maze, the same with every compiler.
TEST_F(Teesokkelo, FixedSeedGivesTheSameMazeEverywhere) {
    const struct {
        uint32_t siemen;
        uint32_t sormenjalki;
        uint32_t alku_x, alku_y, loppu_x, loppu_y, pisteet, syvyys;
    } odotetut[] = {
        {2024, 583305774u, 1, 5, 3, 5, 0, 51},
        {31337, 593491342u, 47, 9, 47, 11, 0, 145},
        {1672, 4055405802u, 17, 5, 95, 15, 0, 836},
        {4, 1911371459u, 1, 11, 19, 9, 12, 54},
        {123456789, 1665425839u, 5, 17, 47, 17, 49, 129},
    };
    for (size_t i = 0; i < std::size(kPelimuodot); ++i) {
        SCOPED_TRACE(kPelimuodot[i].nimi);
        const auto& o = odotetut[i];
        rakenna(kPelimuodot[i], o.siemen);
        EXPECT_EQ(sormenjalki(taulukko), o.sormenjalki);
        EXPECT_EQ(alku_x, o.alku_x);
        EXPECT_EQ(alku_y, o.alku_y);
        EXPECT_EQ(loppu_x, o.loppu_x);
        EXPECT_EQ(loppu_y, o.loppu_y);
        EXPECT_EQ(poiminta_pisteet, o.pisteet);
        EXPECT_EQ(suurin_rekursiotaso, o.syvyys);
    }
}

}  // namespace
