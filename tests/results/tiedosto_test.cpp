// Tests of the result-file reader and writer: the reading rules on small fixture files, and the exact bytes written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/results/kansio.h"

namespace {

using Parit = std::vector<std::pair<std::string, uint32_t>>;

// The two-record example file, 45 bytes.
const std::string esimerkki = "abc\r\n65432\r\nPCPC-AADA\r\nab\r\n70123\r\nDHMF-LQCH\r\n";
const Parit molemmat = {{"abc", 65432}, {"ab", 70123}};
const Parit vainEka = {{"abc", 65432}};

using LueTiedostosta = TulosKansio;

TEST_F(LueTiedostosta, ReadingRules) {
    struct Tapaus {
        const char* kuvaus;
        std::string tavut;
        std::string tiedosto;
        uint32_t valinta;
        Parit odotettu;
    };
    const std::string abc = "abc\r\n65432\r\nPCPC-AADA\r\n";
    const std::string ab = "ab\r\n70123\r\nDHMF-LQCH\r\n";
    const std::vector<Tapaus> tapaukset = {
        {"the example", esimerkki, "Sokkelo1.top", 1, molemmat},
        {"the example under another mode's name", esimerkki, "Sokkelo2.top", 2, {}},
        {"the example under the wrong menu choice", esimerkki, "Sokkelo1.top", 2, {}},
        {"empty file", "", "Sokkelo1.top", 1, {}},
        {"empty line between records ends the reading", abc + "\r\n" + ab, "Sokkelo1.top", 1, vainEka},
        {"an empty name line stops even where a time and a matching checksum follow",
         abc + "\r\n65432\r\nFXOC-AADA\r\n" + ab, "Sokkelo1.top", 1, vainEka},
        {"empty first line", "\r\n" + esimerkki, "Sokkelo1.top", 1, {}},
        {"a blank line is a name, and the next name is no time", abc + " \r\n" + ab, "Sokkelo1.top", 1, vainEka},
        {"empty lines inside a record are skipped", "abc\r\n\r\n \t\r\n\r\n65432\r\n\r\n\r\nPCPC-AADA\r\n" + ab,
         "Sokkelo1.top", 1, molemmat},
        {"a blank line before the checksum is taken as the checksum",
         "abc\r\n65432\r\n \r\nPCPC-AADA\r\n" + ab,
         "Sokkelo1.top",
         1,
         {}},
        {"plus sign", "abc\r\n+65432\r\nPCPC-AADA\r\n" + ab, "Sokkelo1.top", 1, molemmat},
        {"leading zeros", "abc\r\n0065432\r\nPCPC-AADA\r\n" + ab, "Sokkelo1.top", 1, molemmat},
        {"minus sign ends the reading", abc + "x\r\n-5\r\nAAAA-AAAA\r\n" + ab, "Sokkelo1.top", 1, vainEka},
        {"letters as the time end the reading", abc + "x\r\nabc\r\nAAAA-AAAA\r\n" + ab, "Sokkelo1.top", 1, vainEka},
        {"one above the largest time ends the reading", abc + "x\r\n4294967296\r\nAAAA-AAAA\r\n" + ab, "Sokkelo1.top",
         1, vainEka},
        {"plus then blank ends the reading", abc + "x\r\n+ 5\r\nAAAA-AAAA\r\n" + ab, "Sokkelo1.top", 1, vainEka},
        {"the largest time", "x\r\n4294967295\r\nMFEA-AAAA\r\n", "Poiminta1.top", 4, {{"x", 4294967295u}}},
        {"text after the number takes the checksum's place and hides what follows",
         "abc\r\n65432 x\r\nPCPC-AADA\r\n" + ab,
         "Sokkelo1.top",
         1,
         {}},
        {"blanks and tabs around the checksum", "abc\r\n65432\r\n \tPCPC-AADA\t \r\n" + ab, "Sokkelo1.top", 1,
         molemmat},
        {"a name keeps its blanks", "  ab \r\n86399999\r\nTRJM-MBAD\r\n", "Sokkelo3.top", 3, {{"  ab ", 86399999}}},
        {"high bytes in a name", "\xE4\xF6\r\n123456\r\nMQGT-ZHIB\r\n", "Poiminta2.top", 5, {{"\xE4\xF6", 123456}}},
        {"last line without a line end", esimerkki.substr(0, esimerkki.size() - 2), "Sokkelo1.top", 1, molemmat},
        {"file ends after a time line", abc + "ab\r\n70123\r\n", "Sokkelo1.top", 1, vainEka},
        {"file ends right after a time's digits", abc + "ab\r\n70123", "Sokkelo1.top", 1, vainEka},
        {"file ends after a name line", abc + "ab\r\n", "Sokkelo1.top", 1, vainEka},
        {"LF-only line ends", "abc\n65432\nPCPC-AADA\nab\n70123\nDHMF-LQCH\n", "Sokkelo1.top", 1, molemmat},
        {"only one CR is dropped before LF",
         "abc\r\r\n65432\r\nPCPC-AADA\r\n" + ab,
         "Sokkelo1.top",
         1,
         {{"ab", 70123}}},
        {"wrong checksum skips only its record",
         "abc\r\n65432\r\nPCPC-AADB\r\n" + ab,
         "Sokkelo1.top",
         1,
         {{"ab", 70123}}},
        {"the same name twice", abc + abc, "Sokkelo1.top", 1, {{"abc", 65432}, {"abc", 65432}}},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        kirjoita(t.tiedosto, t.tavut);
        paa_valikko_valinta = t.valinta;
        std::vector<Tulos> lista;
        lueTiedostosta(t.tiedosto, lista);
        EXPECT_EQ(parit(lista), t.odotettu);
        std::filesystem::remove(t.tiedosto);
    }
}

TEST_F(LueTiedostosta, MissingFileAddsNothing) {
    std::vector<Tulos> lista;
    lueTiedostosta("Sokkelo1.top", lista);
    EXPECT_TRUE(lista.empty());
    EXPECT_FALSE(onOlemassa("Sokkelo1.top"));
}

TEST_F(LueTiedostosta, AppendsAfterWhatTheListHolds) {
    kirjoita("Sokkelo1.top", esimerkki);
    std::vector<Tulos> lista = {{"ennen", 1}};
    lueTiedostosta("Sokkelo1.top", lista);
    EXPECT_EQ(parit(lista), (Parit{{"ennen", 1}, {"abc", 65432}, {"ab", 70123}}));
}

using KirjoitaTiedostoon = TulosKansio;

TEST_F(KirjoitaTiedostoon, WritesTheExampleByteForByte) {
    kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}, {"ab", 70123}});
    EXPECT_EQ(lue("Sokkelo1.top"), esimerkki);
    EXPECT_EQ(lue("Sokkelo1.top").size(), 45u);
}

TEST_F(KirjoitaTiedostoon, ReplacesTheWholeOldContent) {
    kirjoita("Sokkelo1.top", esimerkki + esimerkki);
    kirjoitaTiedostoon("Sokkelo1.top", {{"ab", 70123}});
    EXPECT_EQ(lue("Sokkelo1.top"), "ab\r\n70123\r\nDHMF-LQCH\r\n");
    kirjoitaTiedostoon("Sokkelo1.top", {});
    EXPECT_TRUE(onOlemassa("Sokkelo1.top"));
    EXPECT_EQ(lue("Sokkelo1.top"), "");
}

TEST_F(KirjoitaTiedostoon, ReadsBackWhatItWrote) {
    paa_valikko_valinta = 5;
    const std::vector<Tulos> lista = {
        {"\xE4\xF6", 123456}, {"  ab ", 0}, {"a\tb", 4294967295u}, {"Pelaaja", 86399999}, {"\xE4\xF6", 123456},
    };
    kirjoitaTiedostoon("Poiminta2.top", lista);
    const std::string ensimmainen = "\xE4\xF6\r\n123456\r\nMQGT-ZHIB\r\n";
    EXPECT_EQ(lue("Poiminta2.top").substr(0, ensimmainen.size()), ensimmainen);
    std::vector<Tulos> luettu;
    lueTiedostosta("Poiminta2.top", luettu);
    EXPECT_EQ(parit(luettu), parit(lista));
}

}  // namespace
