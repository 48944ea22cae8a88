// The menu's result list, run as a whole game over result files written beforehand: which records show, in
// what order, where the page starts, which row is red, and the summed list of "Kokonaisajat".
#include <fstream>
#include <string>
#include <vector>

#include "results/tulos.h"
#include "shell/tila.h"
#include "tests/shell/peliajo.h"

namespace {

const COLORREF kPunainen = 0x000000FF;
const COLORREF kMusta = 0x00000000;

// One row of the list as it should look: place, name and time text in one colour.
struct Rivi {
    const char* paikka;
    std::string nimi;
    const char* aika;
    COLORREF vari = kMusta;
};

// The list's area of row k on the page (rows 25 pixels apart from y 110).
const int kVasen = 450, kOikea = 800;
int rivin_y(int k) {
    return 110 + 25 * k;
}

void piirra_rivi(Odotus& odotus, int k, const Rivi& rivi) {
    const int y = rivin_y(k);
    odotus.teksti(kVasen, y, rivi.paikka, rivi.vari);
    odotus.teksti(475, y, rivi.nimi, rivi.vari);
    odotus.teksti(650, y, rivi.aika, rivi.vari);
}

std::string kuvaus(const Rivi* rivi) {
    return rivi ? std::string(rivi->paikka) + " " + rivi->nimi + " " + rivi->aika +
                      (rivi->vari == kPunainen ? " in red" : "")
                : "nothing";
}

// Row k of the page on 'kuva' shows exactly 'rivi' over the menu background; with no row, only the background.
::testing::AssertionResult nayttaa(const Kuva& kuva, int k, const Rivi* rivi) {
    Odotus odotus("tausta3.bmp");
    if (rivi) {
        piirra_rivi(odotus, k, *rivi);
    }
    const int eri = erot(kuva, odotus.kuva(), kVasen, rivin_y(k), kOikea, rivin_y(k) + 25);
    if (eri == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "row " << k << " differs in " << eri << " pixels from " << kuvaus(rivi);
}

// The page shows these rows from its top and nothing below them.
void sivu_on(const Kuva& kuva, const std::vector<Rivi>& rivit) {
    Odotus odotus("tausta3.bmp");
    for (size_t k = 0; k < rivit.size(); ++k) {
        piirra_rivi(odotus, static_cast<int>(k), rivit[k]);
    }
    const Kuva odotettu = odotus.kuva();
    for (int k = 0; k < 15; ++k) {
        const Rivi* rivi = k < static_cast<int>(rivit.size()) ? &rivit[k] : nullptr;
        EXPECT_EQ(erot(kuva, odotettu, kVasen, rivin_y(k), kOikea, rivin_y(k) + 25), 0)
            << "row " << k << " should show " << kuvaus(rivi);
    }
}

// n records "P1" ... "Pn" with times 1000, 2000, ... ms.
std::vector<Tulos> nousevat(int n) {
    std::vector<Tulos> lista;
    for (int i = 1; i <= n; ++i) {
        lista.push_back({"P" + std::to_string(i), static_cast<uint32_t>(1000 * i)});
    }
    return lista;
}

class Tuloslista : public Peliajo {
  protected:
    // The menu without a player, reached with Escape from the title at 'ms'.
    void valikkoon(uint32_t ms) { paina(ms, "Escape"); }
};

TEST_F(Tuloslista, AShortListAlwaysShowsFromItsFirstRecord) {
    kirjoita_tulokset(1, nousevat(5));
    Kuva alussa, vieritetty;
    valikkoon(10);
    kuvaa(20, alussa);
    paina(30, "z");
    paina(31, "z");
    paina(32, "Z");
    kuvaa(40, vieritetty);
    sulje(50);
    EXPECT_EQ(aja(), 0);

    const std::vector<Rivi> rivit = {{"1.", "P1", "0:01,000"},
                                     {"2.", "P2", "0:02,000"},
                                     {"3.", "P3", "0:03,000"},
                                     {"4.", "P4", "0:04,000"},
                                     {"5.", "P5", "0:05,000"}};
    for (const Kuva* kuva : {&alussa, &vieritetty}) {
        SCOPED_TRACE(kuva == &alussa ? "at first" : "after z three times");
        sivu_on(*kuva, rivit);
    }
}

TEST_F(Tuloslista, SixteenRecordsScrollByOneRowAndNoFurther) {
    kirjoita_tulokset(1, nousevat(16));
    kirjoita_tulokset(2, nousevat(15));
    struct Vaihe {
        const char* kuvaus;
        std::vector<const char*> nappaimet;
        int ensimmainen;  // the record on the page's top row, from 1
    };
    const std::vector<Vaihe> vaiheet = {
        {"first page", {}, 1},
        {"z scrolls one row", {"z"}, 2},
        {"more z stays at the end", {"z", "Z", "z"}, 2},
        {"a scrolls back at once", {"a"}, 1},
        {"a at the top stays", {"a", "A"}, 1},
        {"Down to fifteen records", {"Down"}, 1},
        {"fifteen cannot be scrolled", {"z"}, 1},
    };
    std::vector<Kuva> kuvat(vaiheet.size());
    valikkoon(10);
    uint32_t t = 20;
    for (size_t i = 0; i < vaiheet.size(); ++i) {
        for (const char* nappain : vaiheet[i].nappaimet) {
            paina(t++, nappain);
        }
        kuvaa(t += 10, kuvat[i]);
    }
    sulje(t + 10);
    EXPECT_EQ(aja(), 0);

    for (size_t i = 0; i < vaiheet.size(); ++i) {
        SCOPED_TRACE(vaiheet[i].kuvaus);
        std::vector<std::string> paikat, ajat;
        std::vector<Rivi> rivit;
        for (int n = vaiheet[i].ensimmainen; n < vaiheet[i].ensimmainen + 15; ++n) {
            paikat.push_back(std::to_string(n) + ".");
            ajat.push_back("0:" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ",000");
        }
        for (size_t k = 0; k < paikat.size(); ++k) {
            rivit.push_back({paikat[k].c_str(), "P" + paikat[k].substr(0, paikat[k].size() - 1), ajat[k].c_str()});
        }
        sivu_on(kuvat[i], rivit);
    }
}

// Each mode's file holds one case; Down walks from one to the next.
TEST_F(Tuloslista, SortsByTimeAsTheExchangeSortDoes) {
    struct Tapaus {
        const char* kuvaus;
        std::vector<Tulos> tiedosto;
        std::vector<Rivi> rivit;
    };
    const std::vector<Tapaus> tapaukset = {
        {"an unordered list can turn equal times around",
         {{"P", 5000}, {"Q", 5000}, {"R", 3000}},
         {{"1.", "R", "0:03,000"}, {"2.", "Q", "0:05,000"}, {"3.", "P", "0:05,000"}}},
        {"an ascending list keeps equal times in file order",
         {{"A", 5000}, {"B", 5000}, {"C", 7000}, {"D", 7000}},
         {{"1.", "A", "0:05,000"}, {"2.", "B", "0:05,000"}, {"3.", "C", "0:07,000"}, {"4.", "D", "0:07,000"}}},
        {"equal times on both sides of smaller ones",
         {{"X", 9000}, {"Y", 1000}, {"Z", 9000}, {"W", 1000}},
         {{"1.", "Y", "0:01,000"}, {"2.", "W", "0:01,000"}, {"3.", "Z", "0:09,000"}, {"4.", "X", "0:09,000"}}},
        {"a descending list",
         {{"C", 65432}, {"B", 2000}, {"A", 1}},
         {{"1.", "A", "0:00,001"}, {"2.", "B", "0:02,000"}, {"3.", "C", "1:05,432"}}},
        {"times compare unsigned",
         {{"Iso", 4294967295u}, {"Pieni", 0}},
         {{"1.", "Pieni", "0:00,000"}, {"2.", "Iso", "71582:47,295"}}},
    };
    std::vector<Kuva> kuvat(tapaukset.size());
    for (size_t i = 0; i < tapaukset.size(); ++i) {
        kirjoita_tulokset(static_cast<uint32_t>(i + 1), tapaukset[i].tiedosto);
    }
    valikkoon(10);
    for (size_t i = 0; i < tapaukset.size(); ++i) {
        const uint32_t t = 20 + 10 * static_cast<uint32_t>(i);
        if (i > 0) {
            paina(t, "Down");
        }
        kuvaa(t + 5, kuvat[i]);
    }
    sulje(100);
    EXPECT_EQ(aja(), 0);

    for (size_t i = 0; i < tapaukset.size(); ++i) {
        SCOPED_TRACE(tapaukset[i].kuvaus);
        sivu_on(kuvat[i], tapaukset[i].rivit);
    }
}

TEST_F(Tuloslista, MarksTheLastResultInRedUnlessTheNextRecordIsItToo) {
    viimeisinPelaaja = "Matti";
    viimeisinPelattuAika = 5000;
    struct Tapaus {
        const char* kuvaus;
        std::vector<Tulos> tiedosto;
        std::vector<Rivi> rivit;
    };
    std::vector<Tulos> kuusitoista = nousevat(14);
    kuusitoista.push_back({"Matti", 15000});
    kuusitoista.push_back({"Matti", 15000});
    const std::vector<Tapaus> tapaukset = {
        {"another player between two equal records: both red",
         {{"Matti", 5000}, {"Liisa", 5000}, {"Matti", 5000}},
         {{"1.", "Matti", "0:05,000", kPunainen}, {"2.", "Liisa", "0:05,000"}, {"3.", "Matti", "0:05,000", kPunainen}}},
        {"two adjacent equal records: only the later one",
         {{"Matti", 5000}, {"Matti", 5000}, {"Matti", 6000}},
         {{"1.", "Matti", "0:05,000"}, {"2.", "Matti", "0:05,000", kPunainen}, {"3.", "Matti", "0:06,000"}}},
        {"the same time of another player, another time of the same player",
         {{"Liisa", 5000}, {"Matti", 5001}},
         {{"1.", "Liisa", "0:05,000"}, {"2.", "Matti", "0:05,001"}}},
    };
    std::vector<Kuva> kuvat(tapaukset.size());
    for (size_t i = 0; i < tapaukset.size(); ++i) {
        kirjoita_tulokset(static_cast<uint32_t>(i + 1), tapaukset[i].tiedosto);
    }
    Kuva sivu1, sivu2;
    kirjoita_tulokset(4, kuusitoista);
    valikkoon(10);
    for (size_t i = 0; i < tapaukset.size(); ++i) {
        const uint32_t t = 20 + 10 * static_cast<uint32_t>(i);
        if (i > 0) {
            paina(t, "Down");
        }
        kuvaa(t + 5, kuvat[i]);
    }
    // The last result is 15000 here: the 15th row is black while its equal 16th waits below the page.
    kohdassa(50, [] { viimeisinPelattuAika = 15000; });
    paina(51, "Down");
    kuvaa(60, sivu1);
    paina(61, "z");
    kuvaa(70, sivu2);
    sulje(80);
    EXPECT_EQ(aja(), 0);

    for (size_t i = 0; i < tapaukset.size(); ++i) {
        SCOPED_TRACE(tapaukset[i].kuvaus);
        sivu_on(kuvat[i], tapaukset[i].rivit);
    }
    const Rivi viidestoista = {"15.", "Matti", "0:15,000"};
    const Rivi kuudestoista = {"16.", "Matti", "0:15,000", kPunainen};
    EXPECT_TRUE(nayttaa(sivu1, 14, &viidestoista)) << "a hidden equal record keeps the last visible row black";
    EXPECT_TRUE(nayttaa(sivu2, 13, &viidestoista));
    EXPECT_TRUE(nayttaa(sivu2, 14, &kuudestoista));
}

TEST_F(Tuloslista, ChangingPlayerAndAModeWithoutAFileShowNoList) {
    kirjoita_tulokset(1, nousevat(3));
    Kuva vaihda, ilman_tiedostoa;
    valikkoon(10);
    paina(20, "Up");  // "Vaihda pelaaja"
    kuvaa(30, vaihda);
    paina(31, "Up");
    paina(32, "Up");
    paina(33, "Up");  // "Poiminta, pieni": no file
    kuvaa(40, ilman_tiedostoa);
    sulje(50);
    EXPECT_EQ(aja(), 0);

    const Kuva tausta = Odotus("tausta3.bmp").kuva();
    EXPECT_EQ(erot(vaihda, tausta, kVasen, 100, kOikea, 500), 0);
    EXPECT_EQ(erot(ilman_tiedostoa, tausta, kVasen, 100, kOikea, 500), 0);
}

// Each file is read under its own mode number: a record written with another mode's checksum does not count.
TEST_F(Tuloslista, TotalTimesListPlayersWithAResultInEveryModeByTheirSums) {
    const std::vector<std::vector<Tulos>> tiedostot = {
        {{"Matti", 1000}, {"Liisa", 1500}, {"Pekka", 100}},
        {{"Liisa", 1000}, {"Matti", 2000}, {"Pekka", 100}, {"Matti", 2500}},
        {{"Liisa", 3000}, {"Matti", 3000}, {"Pekka", 100}},
        {{"Matti", 4000}, {"Liisa", 5000}, {"Pekka", 100}},
        {{"Liisa", 500}, {"Matti", 5000}},
    };
    for (uint32_t tila = 1; tila <= 5; ++tila) {
        kirjoita_tulokset(tila, tiedostot[tila - 1]);
    }
    // Pekka's record in the last file, checksummed as if it were mode 4.
    paa_valikko_valinta = 4;
    const std::string tarkiste = laskeTarkiste({"Pekka", 100}, "Poiminta2.top");
    paa_valikko_valinta = 1;
    std::ofstream("Poiminta2.top", std::ios::binary | std::ios::app) << "Pekka\r\n100\r\n" << tarkiste << "\r\n";
    viimeisinPelaaja = "Matti";
    viimeisinPelattuAika = 15000;

    Kuva kuva;
    uint32_t valinta = 0;
    valikkoon(10);
    paina(20, "Up");
    paina(21, "Up");  // "Kokonaisajat"
    kuvaa(30, kuva);
    kohdassa(30, [&] { valinta = paa_valikko_valinta; });
    sulje(40);
    EXPECT_EQ(aja(), 0);

    EXPECT_EQ(valinta, 6u) << "the choice is back on \"Kokonaisajat\" after the five files";
    sivu_on(kuva, {{"1.", "Liisa", "0:11,000"}, {"2.", "Matti", "0:15,000", kPunainen}});
}

}  // namespace
