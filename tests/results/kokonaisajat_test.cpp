// Tests of the total-time merge over the five result files.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "shell/peli.h"
#include "tests/results/kansio.h"

namespace {

using Parit = std::vector<std::pair<std::string, uint32_t>>;

const std::array<std::string, 5> tiedostonimet = {"Sokkelo1.top", "Sokkelo2.top", "Sokkelo3.top", "Poiminta1.top",
                                                  "Poiminta2.top"};

class Kokonaisajat : public TulosKansio {
  protected:
    // Writes mode k's file (1..5) from (name, time) pairs, each with the checksum of that file and mode.
    static void kirjoitaMuoto(uint32_t muoto, const Parit& tulokset, const std::string& lisa = "") {
        paa_valikko_valinta = muoto;
        std::string tavut;
        for (const auto& [nimi, aika] : tulokset) {
            tavut += tietue(nimi, aika, tiedostonimet[muoto - 1]);
        }
        kirjoita(tiedostonimet[muoto - 1], tavut + lisa);
    }

    // The summed list as the menu reads it: the first file read, the other four merged into it.
    static std::vector<Tulos> kokonaisajat() {
        paa_valikko_valinta = 6;
        return lue_tuloslista();
    }
};

TEST_F(Kokonaisajat, SumsThePlayersPresentInAllFive) {
    kirjoitaMuoto(1, {{"a", 10}, {"nelja", 1}, {"b", 20}});
    kirjoitaMuoto(2, {{"b", 200}, {"a", 100}, {"nelja", 2}});
    kirjoitaMuoto(3, {{"a", 1000}, {"nelja", 3}, {"b", 2000}});
    kirjoitaMuoto(4, {{"nelja", 4}, {"b", 20000}, {"a", 10000}});
    kirjoitaMuoto(5, {{"a", 100000}, {"b", 200000}});
    // Order is that of the first file; "nelja" lacks the fifth mode.
    EXPECT_EQ(parit(kokonaisajat()), (Parit{{"a", 111110}, {"b", 222220}}));
}

TEST_F(Kokonaisajat, OnlyFirstAcceptedRecordOfANameCounts) {
    kirjoitaMuoto(1, {{"a", 5}, {"b", 1}, {"a", 7}});
    kirjoitaMuoto(2, {{"a", 10}, {"a", 20}, {"b", 2}, {"a", 30}});
    for (uint32_t muoto = 3; muoto <= 5; ++muoto) {
        kirjoitaMuoto(muoto, {{"b", 0}, {"a", 0}});
    }
    EXPECT_EQ(parit(kokonaisajat()), (Parit{{"a", 15}, {"b", 3}}));
}

TEST_F(Kokonaisajat, DamagedRecordsCountAsAbsent) {
    kirjoitaMuoto(1, {{"a", 1}, {"b", 1}, {"c", 1}});
    kirjoitaMuoto(2, {{"a", 1}, {"c", 1}}, "b\r\n5\r\nAAAA-AAAA\r\n");  // b only with a wrong checksum
    kirjoitaMuoto(3, {{"a", 1}, {"b", 1}, {"c", 1}});
    // Reading stops at the empty line, so c counts as absent from the fourth file.
    kirjoitaMuoto(4, {{"a", 1}, {"b", 1}}, "\r\n" + tietue("c", 1, "Poiminta1.top"));
    kirjoitaMuoto(5, {{"c", 1}, {"b", 1}, {"a", 1}});
    EXPECT_EQ(parit(kokonaisajat()), (Parit{{"a", 5}}));
}

TEST_F(Kokonaisajat, NamesDifferingInCaseOrBlanksAreDifferentPlayers) {
    const Parit kaikki = {{"Abc", 1},
                          {"abc", 2},
                          {" abc", 3},
                          {"abc ", 4},
                          {"\xC4"
                           "bc",
                           5}};
    kirjoitaMuoto(1, kaikki);
    for (uint32_t muoto = 2; muoto <= 5; ++muoto) {
        kirjoitaMuoto(muoto, {{"abc", 10}});
    }
    EXPECT_EQ(parit(kokonaisajat()), (Parit{{"abc", 42}}));
}

TEST_F(Kokonaisajat, MissingFileEmptiesTheList) {
    for (uint32_t puuttuva = 1; puuttuva <= 5; ++puuttuva) {
        SCOPED_TRACE(tiedostonimet[puuttuva - 1]);
        for (uint32_t muoto = 1; muoto <= 5; ++muoto) {
            kirjoitaMuoto(muoto, {{"a", muoto}});
        }
        std::filesystem::remove(tiedostonimet[puuttuva - 1]);
        EXPECT_TRUE(kokonaisajat().empty());
    }
}

TEST_F(Kokonaisajat, TotalsWrapAroundModulo2To32) {
    kirjoitaMuoto(1, {{"a", 4294967295u}, {"b", 86399999}});
    kirjoitaMuoto(2, {{"a", 2}, {"b", 86399999}});
    kirjoitaMuoto(3, {{"a", 4294967295u}, {"b", 86399999}});
    kirjoitaMuoto(4, {{"a", 0}, {"b", 86399999}});
    kirjoitaMuoto(5, {{"a", 10}, {"b", 86399999}});
    EXPECT_EQ(parit(kokonaisajat()), (Parit{{"a", 10}, {"b", 431999995}}));
}

TEST_F(Kokonaisajat, FileOfAnotherModeMatchesNobody) {
    for (uint32_t muoto = 1; muoto <= 5; ++muoto) {
        kirjoitaMuoto(muoto, {{"a", 1}});
    }
    kirjoita("Sokkelo3.top", lue("Sokkelo2.top"));
    EXPECT_TRUE(kokonaisajat().empty());
}

using LueTiedostostaTaydentaen = TulosKansio;

TEST_F(LueTiedostostaTaydentaen, EmptyListStaysEmpty) {
    paa_valikko_valinta = 2;
    kirjoita("Sokkelo2.top", tietue("a", 1, "Sokkelo2.top"));
    std::vector<Tulos> lista;
    lueTiedostostaTaydentaen("Sokkelo2.top", lista);
    EXPECT_TRUE(lista.empty());
}

TEST_F(LueTiedostostaTaydentaen, DuplicatesKeepTheirFirstTimeAndOrder) {
    paa_valikko_valinta = 2;
    kirjoita("Sokkelo2.top",
             tietue("c", 100, "Sokkelo2.top") + tietue("a", 200, "Sokkelo2.top") + tietue("b", 300, "Sokkelo2.top"));
    std::vector<Tulos> lista = {{"c", 1}, {"a", 2}, {"c", 3}, {"b", 4}, {"a", 5}, {"d", 6}};
    lueTiedostostaTaydentaen("Sokkelo2.top", lista);
    EXPECT_EQ(parit(lista), (Parit{{"c", 101}, {"a", 202}, {"b", 304}}));
}

}  // namespace
