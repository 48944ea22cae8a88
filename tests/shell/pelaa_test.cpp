// The game start and the playing pass: the mode table, the maze on screen, steps, trail, blocks, the goal
// blink, the heads-up line and the end of a game, run as single passes on the headless backend.
#include <gtest/gtest.h>

#include "maze/sokkelo.h"
#include "tests/shell/pelaa_apu.h"
#include "util/teksti.h"

using namespace pelaa_apu;

namespace {

constexpr uint32_t valikon_vanha_pakotettu = 235235;

// The colour the whole-maze drawing gives a cell code.
uint32_t koodin_vari(int32_t arvo) {
    switch (arvo % 10) {
        case 1:
            return seina;
        case 3:
            return ukkeli;
        case 4:
            return loppu;
        case 6:
            return jalki;
        default:
            return tyhja;
    }
}

using PelinAloitus = PeliIkkuna;

TEST_F(PelinAloitus, EachModeBuildsItsMazeAndShowsItWhole) {
    struct Muoto {
        uint32_t valinta, leveys, korkeus, ruutu, prosentti;
        bool umpikujat;
        int32_t tyyppi;
    };
    // Played largest first, so a grid left over from an earlier game would show in the smaller ones.
    const Muoto muodot[] = {
        {3, 99, 67, 8, 100, false, 0},  {2, 49, 33, 16, 100, false, 0}, {5, 49, 33, 16, 80, true, 1},
        {1, 25, 17, 32, 100, false, 0}, {4, 25, 17, 32, 80, true, 1},
    };
    for (const Muoto& m : muodot) {
        SCOPED_TRACE("choice " + std::to_string(m.valinta));
        pelitilanne = 1;
        paa_valikko_valinta = m.valinta;
        valikossa_enteria_painettu = true;
        loppu = loppu2;  // as a blink may have left it
        tyhjo_aseta_kello(70000 + m.valinta);
        const uint64_t esityksia = tyhjo_esityksia();
        pelin_aloitus(s);

        EXPECT_EQ(pelitilanne, 2);
        EXPECT_EQ(s.sokkelon_leveys, m.leveys);
        EXPECT_EQ(s.sokkelon_korkeus, m.korkeus);
        EXPECT_EQ(ruudun_koko, m.ruutu);
        EXPECT_EQ(seinaprosentti, m.prosentti);
        EXPECT_EQ(piirra_umpikujat, m.umpikujat);
        EXPECT_EQ(pelityyppi, m.tyyppi);
        EXPECT_FALSE(valikossa_enteria_painettu);
        EXPECT_EQ(paa_valikko_valinta_vanha, valikon_vanha_pakotettu);
        EXPECT_EQ(loppu, loppu1);
        EXPECT_EQ(s.pelin_alku, 70000 + m.valinta);
        EXPECT_EQ(s.vilkkumisaika, s.pelin_alku);
        EXPECT_EQ(tyhjo_esityksia(), esityksia + 1);
        ASSERT_EQ(taulukko.size(), m.leveys);
        ASSERT_EQ(taulukko[0].size(), m.korkeus);
        EXPECT_EQ(s.ukkeli_x, alku_x);
        EXPECT_EQ(s.ukkeli_y, alku_y);
        EXPECT_EQ(taulukko[alku_x][alku_y] % 10, 3);

        uint32_t palikoita = 0, vaarin = 0;
        for (uint32_t x = 0; x < m.leveys; ++x) {
            for (uint32_t y = 0; y < m.korkeus; ++y) {
                palikoita += taulukko[x][y] % 10 == 4 ? 1 : 0;
                vaarin += ruudun_vari(x, y) != koodin_vari(taulukko[x][y]) ? 1 : 0;
            }
        }
        EXPECT_EQ(vaarin, 0u) << "cells shown in another colour than their code's";
        if (m.tyyppi == 1) {
            EXPECT_GT(poiminta_pisteet, 0u);
            EXPECT_EQ(poiminta_pisteet, palikoita);
        } else {
            EXPECT_EQ(palikoita, 1u) << "a maze game has one goal";
            EXPECT_EQ(taulukko[loppu_x][loppu_y] % 10, 4);
        }
        // The strip above the maze and the band below it show the playing field's background.
        EXPECT_EQ(tyhjo_pikseli(5, 2), pelin_tausta);
        EXPECT_EQ(tyhjo_pikseli(5, 595), pelin_tausta);
    }
}

TEST_F(PelinAloitus, TotalTimesAndChangePlayerStartNoGame) {
    struct Tapaus {
        const char* kuvaus;
        uint32_t valinta;
        int32_t tila_jalkeen;
    };
    const Tapaus tapaukset[] = {
        {"Kokonaisajat: nothing at all", 6, 1},
        {"Vaihda pelaaja: to the name entry", 7, 3},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        pelitilanne = 1;
        paa_valikko_valinta = t.valinta;
        valikossa_enteria_painettu = true;
        paa_valikko_valinta_vanha = t.valinta;
        taulukko = ruudukko_riveista({"###", "#@#", "###"});
        const uint64_t esityksia = tyhjo_esityksia();
        pelin_aloitus(s);
        EXPECT_EQ(pelitilanne, t.tila_jalkeen);
        EXPECT_TRUE(valikossa_enteria_painettu) << "the flag waits for the next key or the accepted name";
        EXPECT_EQ(paa_valikko_valinta_vanha, t.valinta);
        EXPECT_EQ(taulukko.size(), 3u) << "no maze was built";
        EXPECT_EQ(tyhjo_esityksia(), esityksia);
    }
}

// A small field for the movement rules. Columns x = 0..8, rows y = 0..4.
const std::vector<std::string> kentta = {
    "#########",  //
    "#.......#",  //
    "#.#.#####",  //
    "#.#.....#",  //
    "#########",  //
};

using Liikkuminen = PeliIkkuna;

TEST_F(Liikkuminen, HeldKeysStepByTheRules) {
    struct Tapaus {
        const char* kuvaus;
        Ruutu alku;
        std::vector<std::string> nappaimet;
        std::vector<Ruutu> reitti;  // the cells left behind, in order; the last entry is where the player ends
    };
    const Tapaus tapaukset[] = {
        {"left alone", {4, 3}, {"Left"}, {{4, 3}, {3, 3}}},
        {"left and right together move neither way", {4, 3}, {"Left", "Right"}, {{4, 3}}},
        {"up and down together move neither way", {3, 2}, {"Up", "Down"}, {{3, 2}}},
        {"left and up make two steps, up from the new column", {4, 3}, {"Left", "Up"}, {{4, 3}, {3, 3}, {3, 2}}},
        {"right and down: down is tried from the column reached", {1, 1}, {"Right", "Down"}, {{1, 1}, {2, 1}}},
        {"into a wall nothing changes", {5, 3}, {"Up"}, {{5, 3}}},
        {"up, down and left: only left", {4, 3}, {"Up", "Down", "Left"}, {{4, 3}, {3, 3}}},
        {"down along a corridor", {1, 1}, {"Down"}, {{1, 1}, {1, 2}}},
        {"right then into the wall below", {3, 3}, {"Right", "Down"}, {{3, 3}, {4, 3}}},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        std::vector<std::string> rivit = kentta;
        rivit[t.alku.second][t.alku.first] = '@';
        rivit[1][7] = 'o';  // one block far away, so the picking game does not end
        aloita(rivit, 1);
        const Ruudukko ennen = taulukko;
        const uint64_t esityksia = tyhjo_esityksia();
        kierros(t.nappaimet);

        const Ruutu loppuun = t.reitti.back();
        EXPECT_EQ(Ruutu(s.ukkeli_x, s.ukkeli_y), loppuun);
        Ruudukko odotettu = ennen;
        for (size_t i = 0; i + 1 < t.reitti.size(); ++i) {
            odotettu[t.reitti[i].first][t.reitti[i].second] = 6;
            EXPECT_TRUE(ruutu_yhta_varia(t.reitti[i].first, t.reitti[i].second, jalki)) << "trail cell " << i;
        }
        odotettu[loppuun.first][loppuun.second] = 3;
        EXPECT_EQ(taulukko, odotettu);
        EXPECT_TRUE(ruutu_yhta_varia(loppuun.first, loppuun.second, ukkeli));
        // Each step presents by itself, and the pass presents once more at its end.
        EXPECT_EQ(tyhjo_esityksia(), esityksia + t.reitti.size());
        EXPECT_EQ(pelitilanne, 2);
    }
}

TEST_F(Liikkuminen, WalkingBackOverTheTrail) {
    std::vector<std::string> rivit = kentta;
    rivit[3][4] = '@';
    rivit[1][7] = 'o';
    aloita(rivit, 1);
    kierros({"Right"});
    kierros({"Right"});
    kierros({"Left"});
    EXPECT_EQ(Ruutu(s.ukkeli_x, s.ukkeli_y), Ruutu(5, 3));
    EXPECT_EQ(taulukko[4][3], 6);
    EXPECT_EQ(taulukko[5][3], 3);
    EXPECT_EQ(taulukko[6][3], 6);
    EXPECT_TRUE(ruutu_yhta_varia(6, 3, jalki));
    EXPECT_TRUE(ruutu_yhta_varia(5, 3, ukkeli));
    EXPECT_TRUE(ruutu_yhta_varia(4, 3, jalki));
    EXPECT_TRUE(ruutu_yhta_varia(7, 3, tyhja)) << "a cell never entered keeps its colour";
}

TEST_F(Liikkuminen, APassLastsAtLeast35MsFromTheTopOfTheLoop) {
    std::vector<std::string> rivit = kentta;
    rivit[1][1] = '@';
    rivit[1][7] = 'o';
    aloita(rivit, 1);
    struct Tapaus {
        const char* kuvaus;
        uint32_t jo_kulunut;  // ms between the top of the loop iteration and the pass
        uint32_t kesto;       // how far the clock moves in the pass
    };
    const Tapaus tapaukset[] = {
        {"a pass straight after the top", 0, 35}, {"messages took 20 ms", 20, 15}, {"messages took 34 ms", 34, 1},
        {"messages took 35 ms: no wait", 35, 0},  {"messages took longer", 90, 0},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        const uint32_t ennen = GetTickCount();
        s.silmukan_alku = ennen - t.jo_kulunut;
        pelikierros(s);
        EXPECT_EQ(GetTickCount() - ennen, t.kesto);
    }
    // Across the wrap of the tick count.
    tyhjo_aseta_kello(0xFFFFFFF0u);
    s.silmukan_alku = GetTickCount();
    pelikierros(s);
    EXPECT_EQ(GetTickCount(), 0xFFFFFFF0u + 35u);
}

using Palikat = PeliIkkuna;

TEST_F(Palikat, EachBlockLowersTheCountAndTheLastEndsTheGame) {
    aloita({"#######",  //
            "#@o.o.#",  //
            "#######"},
           1);
    ASSERT_EQ(poiminta_pisteet, 2u);
    const std::string otsikko = "Palikoita ker\xE4\xE4m\xE4tt\xE4: ";
    kierros();
    EXPECT_TRUE(nakyy_teksti(300, 5, otsikko + "2", 0)) << "the count before any block";

    kierros({"Right"});
    EXPECT_EQ(poiminta_pisteet, 1u);
    EXPECT_EQ(pelitilanne, 2);
    EXPECT_TRUE(nakyy_teksti(300, 5, otsikko + "1", 0));
    EXPECT_FALSE(nakyy_teksti(300, 5, otsikko + "2", 0)) << "the old count is cleared";

    kierros({"Right"});
    EXPECT_EQ(poiminta_pisteet, 1u) << "an open cell takes nothing";
    EXPECT_TRUE(ruutu_yhta_varia(4, 1, loppu1)) << "blocks keep the first goal colour";

    const uint32_t ennen = GetTickCount();
    kierros({"Right"});
    EXPECT_EQ(poiminta_pisteet, 0u);
    EXPECT_EQ(pelitilanne, 1) << "the last block ends the game in the same pass";
    EXPECT_EQ(GetTickCount() - ennen, 1500u) << "the end holds the time for 1.5 s";
}

TEST_F(Palikat, NoBlocksEndsOnTheFirstPass) {
    aloita({"#####", "#@..#", "#####"}, 1);
    ASSERT_EQ(poiminta_pisteet, 0u);
    kierros();
    EXPECT_EQ(pelitilanne, 1);
}

TEST_F(Palikat, NothingBlinksInAPickingGame) {
    aloita({"#######", "#@..o.#", "#######"}, 1);
    s.vilkkumisaika = GetTickCount() - 100000;
    const uint32_t vilkkumisaika = s.vilkkumisaika;
    kierros();
    EXPECT_EQ(loppu, loppu1);
    EXPECT_EQ(s.vilkkumisaika, vilkkumisaika);
    EXPECT_TRUE(ruutu_yhta_varia(4, 1, loppu1));
}

using Maali = PeliIkkuna;

TEST_F(Maali, BlinksAfterMoreThanHalfASecondAndPresents) {
    aloita({"#######", "#@...o#", "#######"}, 0);
    struct Tapaus {
        const char* kuvaus;
        uint32_t edellisesta;  // ms since the last blink when the pass starts
        uint32_t vari;         // goal colour after the pass
        bool vilkkui;
    };
    const Tapaus tapaukset[] = {
        {"500 ms is not yet enough", 500, loppu1, false},
        {"501 ms turns it blue", 501, loppu2, true},
        {"just blinked", 0, loppu2, false},
        {"501 ms again turns it green", 501, loppu1, true},
        {"long after, one change only", 5000, loppu2, true},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        const uint32_t nyt = GetTickCount();
        s.vilkkumisaika = nyt - t.edellisesta;
        const uint64_t esityksia = tyhjo_esityksia();
        kierros();
        EXPECT_EQ(loppu, t.vari);
        EXPECT_TRUE(ruutu_yhta_varia(loppu_x, loppu_y, t.vari));
        EXPECT_EQ(s.vilkkumisaika, t.vilkkui ? nyt : nyt - t.edellisesta);
        EXPECT_EQ(tyhjo_esityksia(), esityksia + (t.vilkkui ? 2 : 1));
    }
}

TEST_F(Maali, ReachingTheGoalEndsTheGameInThatPass) {
    aloita({"#####", "#@.o#", "#####"}, 0);
    kierros({"Right"});
    EXPECT_EQ(pelitilanne, 2);
    kierros({"Right"});
    EXPECT_EQ(pelitilanne, 1);
    EXPECT_EQ(Ruutu(s.ukkeli_x, s.ukkeli_y), Ruutu(3, 1));
}

using Tilarivi = PeliIkkuna;

// Every pixel of a field is light blue, except where the glyphs of the texts drawn over it lie black.
void kentta_tyhjennetty(int x0, int x1, const std::vector<std::pair<int, std::string>>& tekstit) {
    std::vector<std::vector<bool>> kirjain(800, std::vector<bool>(40, false));
    for (const auto& [tx, teksti] : tekstit) {
        for (const auto& [dx, dy] : tekstin_pisteet(teksti)) {
            if (tx + dx < 800 && 5 + dy < 40) {
                kirjain[tx + dx][5 + dy] = true;
            }
        }
    }
    int vaarin = 0;
    for (int x = x0; x <= x1; ++x) {
        for (int y = 5; y <= 24; ++y) {
            const uint32_t odotettu = kirjain[x][y] ? 0u : vaaleansininen2;
            vaarin += kuvan_vari(tyhjo_pikseli(x, y)) != odotettu ? 1 : 0;
        }
    }
    EXPECT_EQ(vaarin, 0) << "pixels of the field " << x0 << ".." << x1;
}

TEST_F(Tilarivi, TextsStandAtTheirPlacesOverClearedFields) {
    struct Tapaus {
        const char* kuvaus;
        int32_t tyyppi;
        uint32_t kulunut;  // ms since the start at the pass
        const char* aika;
    };
    const Tapaus tapaukset[] = {
        {"maze game at its start", 0, 0, "0:00,000"},
        {"maze game after a while", 0, 65432, "1:05,432"},
        {"picking game, over an hour", 1, 3723004, "62:03,004"},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        aloita({"#######", "#@..o.#", "#######"}, t.tyyppi);
        // A longer time drawn first must not show through the next one.
        s.pelin_alku = GetTickCount() - 88888888;
        kierros();
        s.pelin_alku = GetTickCount() - t.kulunut;
        kierros();
        EXPECT_TRUE(nakyy_teksti(50, 5, "Pelaaja: Testaaja", 0));
        EXPECT_TRUE(nakyy_teksti(500, 5, "Aikaa kulunut: ", 0));
        EXPECT_TRUE(nakyy_teksti(600, 5, t.aika, 0));
        const std::string maara = "Palikoita ker\xE4\xE4m\xE4tt\xE4: 1";
        kentta_tyhjennetty(590, 659, {{500, "Aikaa kulunut: "}, {600, t.aika}});
        if (t.tyyppi == 1) {
            EXPECT_TRUE(nakyy_teksti(300, 5, maara, 0));
            kentta_tyhjennetty(400, 499, {{300, maara}, {500, "Aikaa kulunut: "}});
        } else {
            kentta_tyhjennetty(400, 499, {{50, "Pelaaja: Testaaja"}, {500, "Aikaa kulunut: "}});
            EXPECT_FALSE(nakyy_teksti(300, 5, maara, 0));
        }
    }
}

TEST_F(Tilarivi, WholeTimeShownEvenPastADayAndAcrossTheWrap) {
    struct Tapaus {
        const char* kuvaus;
        uint32_t alku, nyt;
        const char* aika;
    };
    const Tapaus tapaukset[] = {
        {"a day and a bit", 50000, 50000 + 86404321, "1440:04,321"},
        {"the tick count wrapped", 0xFFFFF000u, 0x200, "0:04,608"},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        aloita({"#######", "#@..o.#", "#######"}, 0);
        tyhjo_aseta_kello(t.nyt);
        s.pelin_alku = t.alku;
        s.vilkkumisaika = t.nyt;
        kierros();
        EXPECT_TRUE(nakyy_teksti(600, 5, t.aika, 0));
    }
}

}  // namespace
