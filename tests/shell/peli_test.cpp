// Whole games played through WinMain on the headless backend: a hook reads the maze from the grid, finds the
// way and holds the arrow keys along it; the tests check the trail, the end, the result file, the time
// flash, the menu that follows, and games left by closing, played without a name, over a day or across the
// wrap of the tick count.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "gfx/portti/tyhjo.h"
#include "results/tulos.h"
#include "shell/tila.h"
#include "tests/shell/pelaa_apu.h"
#include "tests/shell/peliajo.h"
#include "util/teksti.h"

namespace {

using pelaa_apu::Ruutu;

constexpr uint32_t punainen = 0x000000FF;
constexpr uint32_t vuorokausi = 86400000;
const std::string palikoita = "Palikoita ker\xE4\xE4m\xE4tt\xE4: ";

bool tulostiedostoja() {
    for (const auto& t : std::filesystem::directory_iterator(".")) {
        if (t.path().extension() == ".top") {
            return true;
        }
    }
    return false;
}

// A player steered by the per-millisecond hook, and what it saw of the game.
class Peli : public Peliajo {
  protected:
    void TearDown() override {
        tyhjo_joka_ms(nullptr);
        Peliajo::TearDown();
    }

    // From the clock's current tick: the title, the name typed (none: the title is left with Escape), the
    // menu's choice, Enter; the hook steers from then on.
    void pelaa(uint32_t valinta, const std::string& nimi = "Voittaja") {
        const uint32_t t0 = tyhjo_kello();
        if (nimi.empty()) {
            tyhjo_ajasta(t0 + 10, [] { tyhjo_paina("Escape"); });
        } else {
            tyhjo_ajasta(t0 + 10, [] { tyhjo_paina("Return"); });
            tyhjo_ajasta(t0 + 20, [nimi] { tyhjo_kirjoita(nimi); });
            tyhjo_ajasta(t0 + 30, [] { tyhjo_paina("Return"); });
        }
        for (uint32_t k = 1; k < valinta; ++k) {
            tyhjo_ajasta(t0 + 40 + 10 * k, [] { tyhjo_paina("Down"); });
        }
        tyhjo_ajasta(t0 + 200, [] { tyhjo_paina("Return"); });
        tyhjo_joka_ms([this] { ohjaa(); });
    }

    // Things the test wants done at a moment after the game's end or after its start (ms).
    // Several at one moment run in the order they were added.
    std::multimap<uint32_t, std::function<void()>> lopun_jalkeen;
    std::multimap<uint32_t, std::function<void()>> alun_jalkeen;

    // What the hook saw.
    bool alkoi = false, loppui = false;
    uint32_t alku = 0, loppuhetki = 0;  // pelin_alku and the tick at the end, from the outside
    std::vector<Ruutu> reitti;          // the player's cells in order
    std::vector<uint32_t> askelhetket;  // when the player entered each cell after the first
    std::vector<uint32_t> maarat;       // the block counts, in the order they were seen
    int vaaria_maaria = 0;              // counts the heads-up line did not show
    Kuva lopussa;                       // the window when the end was found

  private:
    void ohjaa() {
        const uint32_t nyt = tyhjo_kello();
        if (pelitilanne == 2 && nappainten_painaminen_mahdollista) {
            if (!alkoi) {
                alkoi = true;
                alku = nyt - 1;  // the game start is followed by the loop's sleep of 1 ms
            }
            toimi(alun_jalkeen, nyt - alku);
            katso_pelia(nyt);
            return;
        }
        if (alkoi && !loppui && !nappainten_painaminen_mahdollista) {
            loppui = true;
            loppuhetki = nyt - 1;  // the first drawing of the flash is followed by a sleep of 1 ms
            nuolet_.paasta();
            merkitse_paikka(nyt);  // the step that ended the game
            lopussa = nykyinen_kuva();
            if (pelityyppi == 1) {
                merkitse_maara();
            }
        }
        if (loppui) {
            toimi(lopun_jalkeen, nyt - loppuhetki);
        }
    }

    static void toimi(std::multimap<uint32_t, std::function<void()>>& tehtavat, uint32_t hetki) {
        const auto [alku, loppu] = tehtavat.equal_range(hetki);
        std::vector<std::function<void()>> nyt;
        for (auto t = alku; t != loppu; ++t) {
            nyt.push_back(t->second);
        }
        for (auto& t : nyt) {
            t();
        }
    }

    // One look per millisecond: note a move and a new count, and hold the key towards the next cell.
    void katso_pelia(uint32_t nyt) {
        const Ruutu paikka = merkitse_paikka(nyt);
        if (pelityyppi == 1 && (maarat.empty() || maarat.back() != poiminta_pisteet)) {
            merkitse_maara();
        }
        const Ruutu seuraava =
            pelityyppi == 0
                ? pelaa_apu::seuraava_askel(taulukko,
                                            [](uint32_t x, uint32_t y) { return x == loppu_x && y == loppu_y; })
                : pelaa_apu::seuraava_askel(taulukko, [](uint32_t x, uint32_t y) { return taulukko[x][y] % 10 == 4; });
        nuolet_.pida(seuraava == paikka ? "" : pelaa_apu::nuoli(paikka, seuraava));
    }

    Ruutu merkitse_paikka(uint32_t nyt) {
        const Ruutu paikka = pelaajan_ruutu();
        if (reitti.empty() || reitti.back() != paikka) {
            if (!reitti.empty()) {
                askelhetket.push_back(nyt);
            }
            reitti.push_back(paikka);
        }
        return paikka;
    }

    // The count has changed: the heads-up line already shows it, since the pass presents before it waits;
    // only the first count is seen before any pass has drawn the line.
    void merkitse_maara() {
        const bool ensimmainen = maarat.empty();
        maarat.push_back(poiminta_pisteet);
        if (ensimmainen) {
            return;
        }
        vaaria_maaria += pelaa_apu::nakyy_teksti(300, 5, palikoita + int2string(poiminta_pisteet), 0) ? 0 : 1;
    }

    // The player's cell, looked for next to where it was before the whole grid is searched.
    Ruutu pelaajan_ruutu() const {
        if (!reitti.empty()) {
            const auto [x, y] = reitti.back();
            const int siirrot[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
            for (const auto& s : siirrot) {
                const uint32_t nx = x + s[0], ny = y + s[1];
                if (nx < taulukko.size() && ny < taulukko[nx].size() && taulukko[nx][ny] % 10 == 3) {
                    return {nx, ny};
                }
            }
        }
        return pelaa_apu::pelaajan_ruutu(taulukko);
    }

  protected:
    bool ohjaus_pois = false;  // the hook stops steering and lets go of the keys

  private:
    pelaa_apu::Nuolet nuolet_;
};

// The colour (COLORREF) of a cell's centre in a picture.
uint32_t ruudun_vari(const Kuva& kuva, Ruutu r) {
    const uint32_t puoli = ruudun_koko / 2;
    return pelaa_apu::kuvan_vari(
        kuva(static_cast<int>(ruudun_koko * r.first + puoli),
             static_cast<int>(static_cast<uint32_t>(ylareuna) + ruudun_koko * r.second + puoli)));
}

bool nakyy(const Kuva& kuva, int x, int y, const std::string& teksti, uint32_t vari) {
    return pelaa_apu::nakyy_tekstina([&kuva](int px, int py) { return kuva(px, py); }, x, y, teksti, vari);
}

TEST_F(Peli, AMazeGamePlayedToTheGoalIsRecordedFlashedAndListedInRed) {
    kirjoita_tulokset(1, {{"Nopea", 1000}, {"Hidas", 4000000}});
    pelaa(1);
    std::map<uint32_t, uint32_t> vilkku;  // ms after the end -> colour of a pixel of the time text
    Kuva valikon_tausta, valikko;
    int tila_jalkeen = -1;
    uint32_t valinta_jalkeen = 0;
    std::pair<int, int> kirjain{0, 0};
    lopun_jalkeen.emplace(1, [&] {
        kirjain = pelaa_apu::tekstin_pisteet(aika2string(loppuhetki - alku)).front();
        // Keys pressed during the flash must not reach the menu: Down would move the choice, Escape would end.
        tyhjo_paina("Down");
        tyhjo_paina("Escape");
    });
    for (uint32_t vaihe = 0; vaihe < 6; ++vaihe) {
        for (uint32_t ms : {250 * vaihe + 1, 250 * vaihe + 250}) {
            lopun_jalkeen.emplace(ms, [&, ms] {
                vilkku[ms] = pelaa_apu::kuvan_vari(tyhjo_pikseli(600 + kirjain.first, 5 + kirjain.second));
            });
        }
    }
    lopun_jalkeen.emplace(1501, [&] { valikon_tausta = nykyinen_kuva(); });
    lopun_jalkeen.emplace(1600, [&] {
        valikko = nykyinen_kuva();
        tila_jalkeen = pelitilanne;
        valinta_jalkeen = paa_valikko_valinta;
        tyhjo_sulje();
    });
    EXPECT_EQ(aja(), 0);

    ASSERT_TRUE(loppui);
    EXPECT_EQ(reitti.back(), Ruutu(loppu_x, loppu_y)) << "the game ends on the goal";
    EXPECT_EQ(reitti.front(), Ruutu(alku_x, alku_y));
    // The trail: every cell left is marked and painted, the goal holds the player.
    for (size_t i = 0; i + 1 < reitti.size(); ++i) {
        EXPECT_EQ(taulukko[reitti[i].first][reitti[i].second], 6) << "cell " << i;
        EXPECT_EQ(ruudun_vari(lopussa, reitti[i]), jalki) << "cell " << i;
    }
    EXPECT_EQ(ruudun_vari(lopussa, reitti.back()), ukkeli);
    for (size_t i = 1; i < askelhetket.size(); ++i) {
        EXPECT_GE(askelhetket[i] - askelhetket[i - 1], 35u) << "one cell per pass at most";
    }
    EXPECT_TRUE(nakyy(lopussa, 50, 5, "Pelaaja: Voittaja", 0));

    const uint32_t aika = loppuhetki - alku;
    EXPECT_EQ(pelaa_apu::nimet_ja_ajat(pelaa_apu::lue("Sokkelo1.top", 1)),
              (std::vector<std::pair<std::string, uint32_t>>{{"Nopea", 1000}, {"Voittaja", aika}, {"Hidas", 4000000}}));

    const uint32_t varit[2] = {punainen, 0};
    for (uint32_t vaihe = 0; vaihe < 6; ++vaihe) {
        SCOPED_TRACE("flash " + std::to_string(vaihe + 1));
        EXPECT_EQ(vilkku[250 * vaihe + 1], varit[vaihe % 2]);
        EXPECT_EQ(vilkku[250 * vaihe + 250], varit[vaihe % 2]);
    }
    EXPECT_EQ(erot(valikon_tausta, lue_bmp("tausta3.bmp"), 0, 0, 800, 600), 0) << "the menu background at 1.5 s";
    EXPECT_EQ(tila_jalkeen, 1);
    EXPECT_EQ(valinta_jalkeen, 1u) << "Down during the flash was dropped";
    // The new record is the second row, red; the rows around it are black.
    EXPECT_TRUE(nakyy(valikko, 475, 135, "Voittaja", punainen));
    EXPECT_TRUE(nakyy(valikko, 650, 135, aika2string(aika), punainen));
    EXPECT_TRUE(nakyy(valikko, 475, 110, "Nopea", 0));
    EXPECT_TRUE(nakyy(valikko, 475, 160, "Hidas", 0));
}

TEST_F(Peli, APickingGameTakesEveryBlockAndEndsOnTheLast) {
    pelaa(4);
    Ruudukko alussa;
    alun_jalkeen.emplace(1, [&] { alussa = taulukko; });
    lopun_jalkeen.emplace(1600, [] { tyhjo_sulje(); });
    EXPECT_EQ(aja(), 0);

    ASSERT_TRUE(loppui);
    ASSERT_FALSE(alussa.empty());
    std::vector<Ruutu> palikat;
    for (uint32_t x = 0; x < alussa.size(); ++x) {
        for (uint32_t y = 0; y < alussa[x].size(); ++y) {
            if (alussa[x][y] % 10 == 4) {
                palikat.emplace_back(x, y);
            }
        }
    }
    ASSERT_GT(palikat.size(), 1u);
    // The count starts at the number of blocks and falls by one with each, to 0; the heads-up line showed each.
    ASSERT_EQ(maarat.size(), palikat.size() + 1);
    for (size_t i = 0; i < maarat.size(); ++i) {
        EXPECT_EQ(maarat[i], palikat.size() - i);
    }
    EXPECT_EQ(vaaria_maaria, 0);
    for (const Ruutu& p : palikat) {
        EXPECT_NE(std::find(reitti.begin(), reitti.end(), p), reitti.end()) << p.first << "," << p.second;
        EXPECT_NE(taulukko[p.first][p.second] % 10, 4);
    }
    EXPECT_EQ(alussa[reitti.back().first][reitti.back().second] % 10, 4) << "the game ends on the last block";
    EXPECT_EQ(std::count(reitti.begin(), reitti.end(), reitti.back()), 1) << "...the first time it is entered";
    EXPECT_EQ(ruudun_vari(lopussa, palikat.front() == reitti.back() ? palikat.back() : palikat.front()), jalki);
    EXPECT_EQ(pelaa_apu::nimet_ja_ajat(pelaa_apu::lue("Poiminta1.top", 4)),
              (std::vector<std::pair<std::string, uint32_t>>{{"Voittaja", loppuhetki - alku}}));
}

TEST_F(Peli, WithoutANameTheGameFlashesButWritesNothing) {
    pelaa(1, "");
    std::map<uint32_t, uint32_t> vilkku;
    Kuva valikko;
    lopun_jalkeen.emplace(1, [&] {
        const auto kirjain = pelaa_apu::tekstin_pisteet(aika2string(loppuhetki - alku)).front();
        for (uint32_t ms : {1u, 251u, 501u}) {
            lopun_jalkeen.emplace(ms + 1, [&, kirjain, ms] {
                vilkku[ms] = pelaa_apu::kuvan_vari(tyhjo_pikseli(600 + kirjain.first, 5 + kirjain.second));
            });
        }
    });
    lopun_jalkeen.emplace(1600, [&] {
        valikko = nykyinen_kuva();
        tyhjo_sulje();
    });
    EXPECT_EQ(aja(), 0);

    ASSERT_TRUE(loppui);
    EXPECT_EQ(reitti.back(), Ruutu(loppu_x, loppu_y));
    EXPECT_TRUE(pelaaja.empty());
    EXPECT_FALSE(tulostiedostoja());
    EXPECT_EQ(viimeisinPelaaja, "");
    EXPECT_EQ(viimeisinPelattuAika, 0u);
    EXPECT_EQ(vilkku[1], punainen);
    EXPECT_EQ(vilkku[251], 0u);
    EXPECT_EQ(vilkku[501], punainen);
    EXPECT_EQ(vareja(valikko, rgb(punainen), 440, 100, 800, 500), 0) << "no list, no red row";
}

TEST_F(Peli, ClosingTheWindowDuringAGameRecordsNothing) {
    pelaa(1);
    int tila = -1;
    alun_jalkeen.emplace(1000, [&] {
        tila = pelitilanne;
        tyhjo_sulje();
    });
    EXPECT_EQ(aja(), 0);
    EXPECT_EQ(tila, 2);
    EXPECT_FALSE(loppui);
    EXPECT_GT(reitti.size(), 5u) << "the player was on the way";
    EXPECT_FALSE(tulostiedostoja());
}

TEST_F(Peli, EscapeWhileAKeyIsHeldDropsTheGame) {
    pelaa(2);
    int tila = -1;
    alun_jalkeen.emplace(700, [&] {
        tyhjo_paina("Escape");
        tyhjo_ajasta(tyhjo_kello() + 300, [&] {
            tila = pelitilanne;
            tyhjo_sulje();
        });
    });
    EXPECT_EQ(aja(), 0);
    EXPECT_EQ(tila, 1);
    EXPECT_FALSE(loppui);
    EXPECT_GT(reitti.size(), 5u);
    EXPECT_FALSE(tulostiedostoja());
}

// The game lasts a day and some seconds: the clock jumps forward a day soon after the start, as if the
// player had left the game alone.
TEST_F(Peli, AGameOverADayIsRecordedModuloADay) {
    pelaa(1);
    bool koko_aika_naytetty = false;
    alun_jalkeen.emplace(50, [] { tyhjo_aseta_kello(tyhjo_kello() + vuorokausi); });
    alun_jalkeen.emplace(vuorokausi + 200,
                         [&] { koko_aika_naytetty = pelaa_apu::nakyy_teksti(600, 5, "1440:00,", 0); });
    lopun_jalkeen.emplace(1600, [] { tyhjo_sulje(); });
    EXPECT_EQ(aja(vuorokausi + 120000), 0);

    ASSERT_TRUE(loppui);
    EXPECT_TRUE(koko_aika_naytetty) << "the heads-up line counts the whole time";
    const uint32_t kesto = loppuhetki - alku;
    ASSERT_GT(kesto, vuorokausi);
    EXPECT_EQ(pelaa_apu::nimet_ja_ajat(pelaa_apu::lue("Sokkelo1.top", 1)),
              (std::vector<std::pair<std::string, uint32_t>>{{"Voittaja", kesto - vuorokausi}}));
    EXPECT_EQ(viimeisinPelattuAika, kesto - vuorokausi);
}

// The tick count wraps at 2^32 a second after the game starts.
TEST_F(Peli, TheTickCountWrappingDuringAGameGivesTheRightTime) {
    tyhjo_aseta_kello(0xFFFFFFFFu - 1300);
    pelaa(1);
    lopun_jalkeen.emplace(1600, [] { tyhjo_sulje(); });
    EXPECT_EQ(aja(), 0);

    ASSERT_TRUE(loppui);
    EXPECT_GT(alku, 0xF0000000u) << "started before the wrap";
    EXPECT_LT(loppuhetki, 0x10000000u) << "ended after it";
    const uint32_t kesto = loppuhetki - alku;
    EXPECT_LT(kesto, 600000u);
    EXPECT_EQ(pelaa_apu::nimet_ja_ajat(pelaa_apu::lue("Sokkelo1.top", 1)),
              (std::vector<std::pair<std::string, uint32_t>>{{"Voittaja", kesto}}));
}

}  // namespace
