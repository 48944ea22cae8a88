// The end of a game: the time recorded, the record's place in the mode's file, the last-result marks, the
// key gate, the red and black time flash and the menu background, run as single passes on the headless backend.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/shell/pelaa_apu.h"

using namespace pelaa_apu;

namespace {

constexpr uint32_t punainen = 0x000000FF;
constexpr uint32_t musta_vari = 0x00000000;

// The player stands next to the goal; a game that has lasted 'kesto' ms ends with the next pass.
class PelinLoppu : public PeliIkkuna {
  protected:
    void paata(uint32_t kesto) {
        aloita({"####", "#@o#", "####"}, 0);
        s.pelin_alku = GetTickCount() - kesto;
        s.vilkkumisaika = GetTickCount();
        kierros({"Right"});
    }
};

TEST_F(PelinLoppu, NewRecordGoesAfterEveryEqualOrSmallerTime) {
    using Lista = std::vector<std::pair<std::string, uint32_t>>;
    struct Tapaus {
        const char* kuvaus;
        Lista ennen;
        uint32_t aika;
        Lista jalkeen;
    };
    const Lista kolme = {{"a", 100}, {"b", 200}, {"c", 200}, {"d", 300}};
    const Tapaus tapaukset[] = {
        {"no file yet: the file is made with the one record", {}, 5000, {{"Testaaja", 5000}}},
        {"faster than all: first", kolme, 99, {{"Testaaja", 99}, {"a", 100}, {"b", 200}, {"c", 200}, {"d", 300}}},
        {"equal to two: after both", kolme, 200, {{"a", 100}, {"b", 200}, {"c", 200}, {"Testaaja", 200}, {"d", 300}}},
        {"equal to the first", kolme, 100, {{"a", 100}, {"Testaaja", 100}, {"b", 200}, {"c", 200}, {"d", 300}}},
        {"between", kolme, 250, {{"a", 100}, {"b", 200}, {"c", 200}, {"Testaaja", 250}, {"d", 300}}},
        {"equal to the last: appended",
         kolme,
         300,
         {{"a", 100}, {"b", 200}, {"c", 200}, {"d", 300}, {"Testaaja", 300}}},
        {"the same player's equal time: the newer one later",
         {{"Testaaja", 400}},
         400,
         {{"Testaaja", 400}, {"Testaaja", 400}}},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        std::filesystem::remove("Sokkelo1.top");
        if (!t.ennen.empty()) {
            std::vector<Tulos> lista;
            for (const auto& [nimi, aika] : t.ennen) {
                lista.push_back(Tulos{nimi, aika});
            }
            kirjoita("Sokkelo1.top", 1, lista);
        }
        paa_valikko_valinta = 1;
        paata(t.aika);
        EXPECT_EQ(pelaa_apu::nimet_ja_ajat(lue("Sokkelo1.top", 1)), t.jalkeen);
        EXPECT_EQ(viimeisinPelattuAika, t.aika);
        EXPECT_EQ(viimeisinPelaaja, "Testaaja");
    }
}

TEST_F(PelinLoppu, EachModeWritesItsOwnFileUnderItsOwnNumber) {
    const std::map<uint32_t, std::string> tiedostot = {
        {1, "Sokkelo1.top"}, {2, "Sokkelo2.top"}, {3, "Sokkelo3.top"}, {4, "Poiminta1.top"}, {5, "Poiminta2.top"},
    };
    for (const auto& [valinta, tiedosto] : tiedostot) {
        SCOPED_TRACE(tiedosto);
        paa_valikko_valinta = valinta;
        paata(1000 + valinta);
        EXPECT_EQ(paa_valikko_valinta, valinta);
        EXPECT_EQ(pelaa_apu::nimet_ja_ajat(lue(tiedosto, valinta)),
                  (std::vector<std::pair<std::string, uint32_t>>{{"Testaaja", 1000 + valinta}}));
        // One new file per game so far, and nothing else in the folder.
        size_t tiedostoja = 0;
        for (const auto& t : std::filesystem::directory_iterator(".")) {
            tiedostoja += t.path().extension() == ".top" ? 1 : 0;
        }
        EXPECT_EQ(tiedostoja, valinta);
    }
}

TEST_F(PelinLoppu, TimeIsTakenModuloADayInUnsigned32Bits) {
    struct Tapaus {
        const char* kuvaus;
        uint32_t alku, loppu;  // the tick counts at the start and at the end
        uint32_t aika;
    };
    const Tapaus tapaukset[] = {
        {"an ordinary game", 50000, 50000 + 65432, 65432},
        {"a day and a bit", 50000, 50000 + 86404321, 4321},
        {"exactly a day", 50000, 50000 + 86400000, 0},
        {"the tick count wrapped during the game", 0xFFFFF000u, 0x200, 4608},
        {"a day and the wrap", 0xFFFFF000u, 0xFFFFF000u + 86400007u, 7},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        std::filesystem::remove("Sokkelo1.top");
        paa_valikko_valinta = 1;
        aloita({"####", "#@o#", "####"}, 0);
        tyhjo_aseta_kello(t.loppu);
        s.pelin_alku = t.alku;
        s.vilkkumisaika = t.loppu;
        kierros({"Right"});
        EXPECT_EQ(pelaa_apu::nimet_ja_ajat(lue("Sokkelo1.top", 1)),
                  (std::vector<std::pair<std::string, uint32_t>>{{"Testaaja", t.aika}}));
        EXPECT_EQ(viimeisinPelattuAika, t.aika);
        EXPECT_EQ(GetTickCount(), t.loppu + 1500u);
    }
}

TEST_F(PelinLoppu, WithoutAPlayerNameNothingIsReadOrWrittenButTheTimeFlashes) {
    const std::vector<Tulos> vanhat = {{"a", 100}, {"b", 900}};
    kirjoita("Sokkelo2.top", 2, vanhat);
    const std::string tavut = tiedoston_tavut("Sokkelo2.top");
    pelaaja.clear();
    viimeisinPelattuAika = 777;
    viimeisinPelaaja = "Edellinen";
    paa_valikko_valinta = 2;

    std::map<uint32_t, uint32_t> naytetty;  // clock -> colour of a pixel of the time text
    const auto kirjain = tekstin_pisteet("0:00,500").front();
    uint32_t loppuhetki = 0;
    tyhjo_joka_ms([&] {
        if (!nappainten_painaminen_mahdollista && loppuhetki == 0) {
            loppuhetki = GetTickCount() - 1;
        }
        naytetty[GetTickCount()] = kuvan_vari(tyhjo_pikseli(600 + kirjain.first, 5 + kirjain.second));
    });
    paata(500);

    EXPECT_EQ(tiedoston_tavut("Sokkelo2.top"), tavut);
    size_t tiedostoja = 0;
    for (const auto& t : std::filesystem::directory_iterator(".")) {
        tiedostoja += t.path().extension() == ".top" ? 1 : 0;
    }
    EXPECT_EQ(tiedostoja, 1u) << "no file for the game was made";
    EXPECT_EQ(viimeisinPelattuAika, 777u);
    EXPECT_EQ(viimeisinPelaaja, "Edellinen");
    ASSERT_NE(loppuhetki, 0u);
    EXPECT_EQ(naytetty[loppuhetki + 1], punainen);
    EXPECT_EQ(naytetty[loppuhetki + 251], musta_vari);
    EXPECT_EQ(pelitilanne, 1);
}

TEST_F(PelinLoppu, TimeFlashesRedAndBlackThenTheMenuBackground) {
    paa_valikko_valinta = 4;
    std::map<uint32_t, uint32_t> naytetty;  // ms after the end -> colour of a pixel of the time text
    const auto kirjain = tekstin_pisteet("1:05,432").front();
    const uint32_t loppuhetki = GetTickCount();
    bool portti_auki_vilkkuessa = false;
    tyhjo_joka_ms([&] {
        naytetty[GetTickCount() - loppuhetki] = kuvan_vari(tyhjo_pikseli(600 + kirjain.first, 5 + kirjain.second));
        portti_auki_vilkkuessa |= nappainten_painaminen_mahdollista;
    });
    aloita({"####", "#@o#", "####"}, 0);
    s.pelin_alku = loppuhetki - 65432;
    kierros({"Right"});

    const uint32_t varit[2] = {punainen, musta_vari};
    for (uint32_t vaihe = 0; vaihe < 6; ++vaihe) {
        SCOPED_TRACE("drawing " + std::to_string(vaihe + 1));
        EXPECT_EQ(naytetty[250 * vaihe + 1], varit[vaihe % 2]);
        EXPECT_EQ(naytetty[250 * vaihe + 250], varit[vaihe % 2]) << "held until more than 250 ms have gone by";
    }
    EXPECT_EQ(naytetty.rbegin()->first, 1500u) << "the hold ends 1.5 s after the end";
    EXPECT_FALSE(portti_auki_vilkkuessa) << "keys are shut out from before the flash";
    EXPECT_FALSE(nappainten_painaminen_mahdollista) << "and stay shut until the next menu pass";
    EXPECT_EQ(pelitilanne, 1);
    EXPECT_EQ(tyhjo_pikseli(600 + kirjain.first, 5 + kirjain.second), valikon_tausta);
    EXPECT_EQ(tyhjo_pikseli(48, 78), valikon_tausta) << "the maze is gone";
}

TEST_F(PelinLoppu, AnUnwritableFileLosesOnlyTheRecord) {
    // A folder in the file's place: the result cannot be stored, and the game goes on to the menu.
    std::filesystem::create_directory("Sokkelo1.top");
    paa_valikko_valinta = 1;
    paata(4000);
    EXPECT_TRUE(std::filesystem::is_directory("Sokkelo1.top"));
    EXPECT_EQ(pelitilanne, 1);
    EXPECT_EQ(viimeisinPelattuAika, 4000u) << "the marks are set all the same";
}

}  // namespace
