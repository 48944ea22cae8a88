// The game's random numbers: the generator's sequence, arvoluku's bounds and seeding, arvointluku, the shuffle.
#include "util/satunnainen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "shell/tila.h"

namespace {

class Satunnainen : public ::testing::Test {
  protected:
    void SetUp() override { tila_alkuun(); }
};

// A seed whose first value is the one asked for: lets a test put arvoluku at either end of the generator.
uint32_t siemen_jolla_ensin(uint32_t arvo) {
    for (uint32_t siemen = 0;; ++siemen) {
        satunnainen_siemen(siemen);
        if (satunnainen_seuraava() == arvo) {
            return siemen;
        }
    }
}

// The same seed gives the same numbers on every compiler and system; these are the first ones for two seeds.
TEST_F(Satunnainen, SequenceOfASeedIsFixed) {
    satunnainen_siemen(1);
    const std::vector<uint32_t> yksi = {16838, 5758, 10113, 17515, 31051};
    for (size_t i = 0; i < yksi.size(); ++i) {
        EXPECT_EQ(satunnainen_seuraava(), yksi[i]) << "value " << i;
    }
    satunnainen_siemen(20261211);
    std::vector<uint32_t> ensin(5);
    for (auto& arvo : ensin) {
        arvo = satunnainen_seuraava();
    }
    satunnainen_siemen(20261211);
    for (size_t i = 0; i < ensin.size(); ++i) {
        EXPECT_EQ(satunnainen_seuraava(), ensin[i]);
    }
}

TEST_F(Satunnainen, ValuesCoverZeroTo32767) {
    satunnainen_siemen(5);
    uint32_t pienin = UINT32_MAX;
    uint32_t suurin = 0;
    for (int i = 0; i < 1 << 20; ++i) {
        const uint32_t arvo = satunnainen_seuraava();
        pienin = std::min(pienin, arvo);
        suurin = std::max(suurin, arvo);
    }
    EXPECT_EQ(pienin, 0u);
    EXPECT_EQ(suurin, 32767u);
}

// Whatever the generator gives, the number stays in its range; the generator's ends show where it lands.
TEST_F(Satunnainen, ArvolukuAtTheGeneratorsEnds) {
    const struct {
        const char* kuvaus;
        uint32_t a, b;
        uint32_t kun_0, kun_32767;
    } tapaukset[] = {
        {"1 ... 100", 1, 100, 1, 100},
        {"1 ... 12", 1, 12, 1, 12},
        {"swapped bounds", 100, 1, 1, 100},
        {"one number", 7, 7, 7, 7},
        {"0 ... 32765, the last narrow range", 0, 32765, 0, 32765},
        {"0 ... 32766, the first wide range", 0, 32766, 0, 32766},
        {"1 ... 32767", 1, 32767, 1, 32767},
        {"0 ... 99999, every third number", 0, 99999, 0, 98301},
        {"the top of the unsigned range", 4294967290u, 4294967295u, 4294967290u, 4294967295u},
        {"the whole unsigned range", 0, 4294967295u, 0, 32767u * 131076u},
    };
    const uint32_t nolla = siemen_jolla_ensin(0);
    const uint32_t suurin = siemen_jolla_ensin(32767);
    for (const auto& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        arvoluku_alusta(nolla);
        EXPECT_EQ(arvoluku(t.a, t.b), t.kun_0);
        arvoluku_alusta(suurin);
        EXPECT_EQ(arvoluku(t.a, t.b), t.kun_32767);
    }
}

// Every number of a small range comes out, and none outside it.
TEST_F(Satunnainen, ArvolukuHitsEveryNumberOfItsRange) {
    const struct { uint32_t a, b; } alueet[] = {{1, 100}, {5, 1}, {1, 12}, {0, 1}, {4294967280u, 4294967295u}};
    arvoluku_alusta(3);
    for (const auto& alue : alueet) {
        const uint32_t ala = std::min(alue.a, alue.b);
        const uint32_t yla = std::max(alue.a, alue.b);
        SCOPED_TRACE(std::to_string(alue.a) + " ... " + std::to_string(alue.b));
        std::map<uint32_t, int> maarat;
        for (int i = 0; i < 20000; ++i) {
            const uint32_t arvo = arvoluku(alue.a, alue.b);
            ASSERT_GE(arvo, ala);
            ASSERT_LE(arvo, yla);
            ++maarat[arvo];
        }
        EXPECT_EQ(maarat.size(), yla - ala + 1);
    }
}

// The first arvoluku seeds from the calendar time; a seed given before keeps its sequence.
TEST_F(Satunnainen, FirstArvolukuSeedsFromTheClockUnlessSeeded) {
    const uint32_t ennen = static_cast<uint32_t>(std::time(nullptr));
    const uint32_t saatu = arvoluku(0, 32766);
    const uint32_t jalkeen = static_cast<uint32_t>(std::time(nullptr));
    EXPECT_TRUE(arvoluku_onkoalustettu);
    bool kellosta = false;
    for (uint32_t hetki = ennen; hetki <= jalkeen; ++hetki) {
        satunnainen_siemen(hetki);
        kellosta |= satunnainen_seuraava() == saatu;
    }
    EXPECT_TRUE(kellosta);

    arvoluku_alusta(42);
    const uint32_t eka = arvoluku(0, 32766);
    arvoluku_alusta(42);
    EXPECT_EQ(arvoluku(0, 32766), eka);
    satunnainen_siemen(42);
    EXPECT_EQ(satunnainen_seuraava(), eka);
}

TEST_F(Satunnainen, ArvointlukuEitherOrderAndTheExtremes) {
    const struct {
        int32_t a, b;
    } alueet[] = {{3, -2}, {-2, 3}, {-5, -5}, {INT32_MIN, INT32_MAX}, {INT32_MAX, INT32_MIN}, {-100, -90}};
    arvoluku_alusta(11);
    for (const auto& alue : alueet) {
        SCOPED_TRACE(std::to_string(alue.a) + " ... " + std::to_string(alue.b));
        const int32_t ala = std::min(alue.a, alue.b);
        const int32_t yla = std::max(alue.a, alue.b);
        int32_t pienin = INT32_MAX;
        int32_t suurin = INT32_MIN;
        for (int i = 0; i < 2000; ++i) {
            const int32_t arvo = arvointluku(alue.a, alue.b);
            ASSERT_GE(arvo, ala);
            ASSERT_LE(arvo, yla);
            pienin = std::min(pienin, arvo);
            suurin = std::max(suurin, arvo);
        }
        EXPECT_EQ(pienin == suurin, ala == yla);
    }
    const uint32_t alin = siemen_jolla_ensin(0);
    arvoluku_alusta(alin);
    EXPECT_EQ(arvointluku(3, -2), -2);
    arvoluku_alusta(siemen_jolla_ensin(32767));
    EXPECT_EQ(arvointluku(-2, 3), 3);
}

// Each of the 24 orders of four elements comes out about as often; a shuffle that swaps with any place
// instead of the ones not yet placed misses this by far.
TEST_F(Satunnainen, ShuffleGivesEveryOrderEvenly) {
    arvoluku_alusta(2026);
    std::map<std::vector<uint32_t>, int> jarjestykset;
    for (int i = 0; i < 24000; ++i) {
        std::vector<uint32_t> lista = {1, 2, 3, 4};
        sekoita(lista);
        ++jarjestykset[lista];
    }
    ASSERT_EQ(jarjestykset.size(), 24u);
    for (const auto& [lista, maara] : jarjestykset) {
        EXPECT_GT(maara, 880);
        EXPECT_LT(maara, 1120);
    }
}

// A list keeps its elements; lists of zero or one element take no number from the generator, and both
// forms of the shuffle draw alike.
TEST_F(Satunnainen, ShuffleKeepsTheElementsAndDrawsOnlyWhenItMust) {
    arvoluku_alusta(8);
    std::vector<uint32_t> lista(100);
    for (uint32_t i = 0; i < lista.size(); ++i) {
        lista[i] = i * 7;
    }
    std::vector<uint32_t> sekoitettu = lista;
    sekoita(sekoitettu);
    EXPECT_NE(sekoitettu, lista);
    std::sort(sekoitettu.begin(), sekoitettu.end());
    EXPECT_EQ(sekoitettu, lista);

    arvoluku_alusta(8);
    const uint32_t eka = satunnainen_seuraava();
    arvoluku_alusta(8);
    std::vector<uint32_t> tyhja_lista;
    std::vector<uint32_t> yksi = {5};
    sekoita(tyhja_lista);
    sekoita(yksi);
    EXPECT_EQ(yksi, std::vector<uint32_t>{5});
    EXPECT_EQ(satunnainen_seuraava(), eka);

    std::array<uint32_t, 4> taulu = {1, 2, 3, 4};
    std::vector<uint32_t> vektori = {1, 2, 3, 4};
    arvoluku_alusta(9);
    sekoita(taulu.data(), taulu.size());
    arvoluku_alusta(9);
    sekoita(vektori);
    EXPECT_TRUE(std::equal(taulu.begin(), taulu.end(), vektori.begin()));
}

// Lists longer than the generator's range still shuffle every place and end.
TEST_F(Satunnainen, ShuffleOfAListLongerThan32768) {
    arvoluku_alusta(1);
    std::vector<uint32_t> lista(100000);
    for (uint32_t i = 0; i < lista.size(); ++i) {
        lista[i] = i;
    }
    sekoita(lista);
    size_t loppupaassa = 0;
    for (size_t i = 0; i < 32768; ++i) {
        loppupaassa += lista[i] >= 50000;
    }
    // About half of the first places hold elements from the back half.
    EXPECT_GT(loppupaassa, 15000u);
    EXPECT_LT(loppupaassa, 17800u);
    std::sort(lista.begin(), lista.end());
    for (uint32_t i = 0; i < lista.size(); ++i) {
        ASSERT_EQ(lista[i], i);
    }
}

}  // namespace
