// Tests of the result record's time text and checksum text.
#include "results/tulos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/tarkiste.h"
#include "shell/tila.h"

namespace {

TEST(Aika2String, MinutesSecondsAndMilliseconds) {
    struct Tapaus {
        uint32_t ms;
        const char* teksti;
    };
    const std::vector<Tapaus> tapaukset = {
        {0, "0:00,000"},           {5, "0:00,005"},
        {50, "0:00,050"},          {999, "0:00,999"},
        {1000, "0:01,000"},        {9999, "0:09,999"},
        {10010, "0:10,010"},       {59999, "0:59,999"},
        {65432, "1:05,432"},       {600000, "10:00,000"},
        {3599999, "59:59,999"},    {3600000, "60:00,000"},
        {86399999, "1439:59,999"}, {4294967295u, "71582:47,295"},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.ms);
        EXPECT_EQ(aika2string(t.ms), t.teksti);
    }
}

TEST(Tulos, CopyIsIndependentOfItsSource) {
    const Tulos alkuperainen{"abc", 65432};
    Tulos kopio = alkuperainen;
    kopio.nimi += "d";
    kopio.aika = 1;
    EXPECT_EQ(alkuperainen.nimi, "abc");
    EXPECT_EQ(alkuperainen.aika, 65432u);
    Tulos sijoitettu;
    sijoitettu = alkuperainen;
    EXPECT_EQ(sijoitettu.nimi, "abc");
    EXPECT_EQ(sijoitettu.aika, 65432u);
}

class LaskeTarkiste : public ::testing::Test {
  protected:
    void SetUp() override { paa_valikko_valinta = 1; }
    void TearDown() override { paa_valikko_valinta = 1; }
};

TEST_F(LaskeTarkiste, KnownTexts) {
    struct Tapaus {
        const char* kuvaus;
        std::string nimi;
        uint32_t aika;
        std::string tiedosto;
        uint32_t valinta;
        const char* tarkiste;
    };
    const std::vector<Tapaus> tapaukset = {
        {"worked example", "abc", 65432, "Sokkelo1.top", 1, "PCPC-AADA"},
        {"file name case does not count", "abc", 65432, "sokkelo1.top", 1, "PCPC-AADA"},
        {"another mode's file", "abc", 65432, "Sokkelo2.top", 2, "XDPC-AADA"},
        {"menu choice 6", "abc", 65432, "Sokkelo1.top", 6, "YHPC-AADA"},
        {"time 0 zeroes the time part", "abc", 0, "Sokkelo1.top", 1, "RYDA-AAAA"},
        {"660 is a multiple of 15 and 11", "abc", 660, "Sokkelo1.top", 1, "RYDA-AAAA"},
        {"empty name", "", 65432, "Sokkelo1.top", 1, "FXOC-AADA"},
        {"second example record", "ab", 70123, "Sokkelo1.top", 1, "DHMF-LQCH"},
        {"bytes above 0x7F are negative", "\xE4\xF6", 123456, "Poiminta2.top", 5, "MQGT-ZHIB"},
        {"blanks in the name count", "  ab ", 86399999, "Sokkelo3.top", 3, "TRJM-MBAD"},
        {"largest time", "x", 4294967295u, "Poiminta1.top", 4, "MFEA-AAAA"},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        paa_valikko_valinta = t.valinta;
        EXPECT_EQ(laskeTarkiste(Tulos{t.nimi, t.aika}, t.tiedosto), t.tarkiste);
    }
}

TEST_F(LaskeTarkiste, WorkedTraceSums) {
    EXPECT_EQ(tarkisteAikaosa(65432), 437552u);
    EXPECT_EQ(tarkisteSumma(Tulos{"abc", 65432}, "Sokkelo1.top"), 437725u);
    // Multiples of 15 or 11 leave nothing of the time after the two multiplications.
    EXPECT_EQ(tarkisteAikaosa(0), 0u);
    EXPECT_EQ(tarkisteAikaosa(15), 0u);
    EXPECT_EQ(tarkisteAikaosa(22), 0u);
}

TEST_F(LaskeTarkiste, PlayerNameCaseAndBlanksCount) {
    const std::string tavallinen = laskeTarkiste(Tulos{"abc", 65432}, "Sokkelo1.top");
    EXPECT_NE(laskeTarkiste(Tulos{"ABC", 65432}, "Sokkelo1.top"), tavallinen);
    EXPECT_NE(laskeTarkiste(Tulos{" abc", 65432}, "Sokkelo1.top"), tavallinen);
    EXPECT_NE(laskeTarkiste(Tulos{"abc ", 65432}, "Sokkelo1.top"), tavallinen);
}

TEST_F(LaskeTarkiste, ShapeIsFourLettersDashFourLetters) {
    const std::vector<std::string> nimet = {"", "a", "\x80\xFF\x01", std::string(300, '\xE4'), "Pelaaja 1"};
    for (const std::string& nimi : nimet) {
        for (uint32_t aika : {0u, 1u, 65432u, 2147483648u, 4294967295u}) {
            SCOPED_TRACE(nimi + " " + std::to_string(aika));
            const std::string teksti = laskeTarkiste(Tulos{nimi, aika}, "Poiminta2.top");
            ASSERT_EQ(teksti.size(), 9u);
            for (size_t i = 0; i < teksti.size(); ++i) {
                if (i == 4) {
                    EXPECT_EQ(teksti[i], '-');
                } else {
                    EXPECT_TRUE(teksti[i] >= 'A' && teksti[i] <= 'Z') << teksti;
                }
            }
        }
    }
}

TEST_F(LaskeTarkiste, ReadsTheMenuChoiceAtTheCall) {
    paa_valikko_valinta = 1;
    const std::string yksi = laskeTarkiste(Tulos{"abc", 65432}, "Sokkelo1.top");
    paa_valikko_valinta = 2;
    EXPECT_EQ(laskeTarkiste(Tulos{"abc", 65432}, "Sokkelo1.top"), "WDPC-AADA");
    EXPECT_NE(yksi, "WDPC-AADA");
}

}  // namespace
