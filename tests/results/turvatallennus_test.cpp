// Tests of saving a result file safely: an interrupted or impossible save keeps the old file, and a file whose
// reading would lose records is kept as a backup before it is replaced.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/results/kansio.h"

namespace {

const std::string esimerkki = "abc\r\n65432\r\nPCPC-AADA\r\nab\r\n70123\r\nDHMF-LQCH\r\n";
const std::string uusi = "abc\r\n65432\r\nPCPC-AADA\r\n";  // what saving the list {abc 65432} writes

// What the hook saw at the moment between writing and renaming.
std::string nahtyValiaikainen;
std::string nahtyValiaikaisenSisalto;
std::string nahtyKohteenSisalto;

bool katkaiseEnnenVaihtoa(const std::string& valiaikainen, const std::string& kohde) {
    nahtyValiaikainen = valiaikainen;
    nahtyValiaikaisenSisalto = TulosKansio::lue(valiaikainen);
    nahtyKohteenSisalto = TulosKansio::lue(kohde);
    return false;
}

bool katkaiseVarmuuskopio(const std::string&, const std::string& kohde) {
    return kohde.size() < 4 || kohde.substr(kohde.size() - 4) != ".bak";
}

using Tallennus = TulosKansio;

TEST_F(Tallennus, InterruptedBeforeTheRenameKeepsTheOldFile) {
    kirjoita("Sokkelo1.top", esimerkki);
    tallennus_ennen_vaihtoa = katkaiseEnnenVaihtoa;
    kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}});
    // At the moment of the crash the new bytes were complete beside an untouched old file.
    EXPECT_EQ(nahtyValiaikaisenSisalto, uusi);
    EXPECT_EQ(nahtyKohteenSisalto, esimerkki);
    EXPECT_EQ(nahtyValiaikainen, "Sokkelo1.top.tmp");
    EXPECT_EQ(lue("Sokkelo1.top"), esimerkki);
    EXPECT_EQ(tiedostot(), std::vector<std::string>{"Sokkelo1.top"});
}

TEST_F(Tallennus, InterruptedFirstSaveLeavesNoFile) {
    tallennus_ennen_vaihtoa = katkaiseEnnenVaihtoa;
    kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}});
    EXPECT_TRUE(tiedostot().empty());
}

TEST_F(Tallennus, MissingFolderChangesNothing) {
    kirjoitaTiedostoon("puuttuva/Sokkelo1.top", {{"abc", 65432}});
    EXPECT_TRUE(tiedostot().empty());
}

TEST_F(Tallennus, TemporaryNameTakenByAFolderKeepsTheOldFile) {
    kirjoita("Sokkelo1.top", esimerkki);
    std::filesystem::create_directory("Sokkelo1.top.tmp");
    kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}});
    EXPECT_EQ(lue("Sokkelo1.top"), esimerkki);
    EXPECT_TRUE(std::filesystem::is_directory("Sokkelo1.top.tmp"));
}

TEST_F(Tallennus, ResultFileNameTakenByAFolder) {
    std::filesystem::create_directory("Sokkelo1.top");
    std::vector<Tulos> lista;
    lueTiedostosta("Sokkelo1.top", lista);
    EXPECT_TRUE(lista.empty());
    kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}});
    EXPECT_TRUE(std::filesystem::is_directory("Sokkelo1.top"));
    EXPECT_EQ(tiedostot(), std::vector<std::string>{"Sokkelo1.top"});
}

TEST_F(Tallennus, StaleTemporaryIsReplaced) {
    kirjoita("Sokkelo1.top.tmp", "jaanne kaatumisesta");
    kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}});
    EXPECT_EQ(lue("Sokkelo1.top"), uusi);
    EXPECT_EQ(tiedostot(), std::vector<std::string>{"Sokkelo1.top"});
}

TEST_F(Tallennus, BackupExactlyWhenTheOldFileWouldLoseRecords) {
    struct Tapaus {
        const char* kuvaus;
        std::string vanha;
        uint32_t valinta;
        bool varmuuskopio;
    };
    const std::vector<Tapaus> tapaukset = {
        {"clean file", esimerkki, 1, false},
        {"empty file", "", 1, false},
        {"clean with LF-only ends, zeros, plus and blanks", "abc\n0065432\n PCPC-AADA\nab\n+70123\nDHMF-LQCH", 1,
         false},
        {"wrong checksum", "abc\r\n65432\r\nPCPC-AADB\r\nab\r\n70123\r\nDHMF-LQCH\r\n", 1, true},
        {"text after a time hides the records after it", "abc\r\n65432 x\r\nPCPC-AADA\r\nab\r\n70123\r\nDHMF-LQCH\r\n",
         1, true},
        {"empty line stops the reading", "abc\r\n65432\r\nPCPC-AADA\r\n\r\nab\r\n70123\r\nDHMF-LQCH\r\n", 1, true},
        {"unreadable time", "abc\r\n65432\r\nPCPC-AADA\r\nab\r\n-70123\r\nDHMF-LQCH\r\n", 1, true},
        {"file ends after a time line", "abc\r\n65432\r\nPCPC-AADA\r\nab\r\n70123\r\n", 1, true},
        {"file ends after a name line", "abc\r\n65432\r\nPCPC-AADA\r\nab\r\n", 1, true},
        {"trailing empty line", esimerkki + "\r\n", 1, true},
        {"read under the wrong menu choice every record fails", esimerkki, 2, true},
    };
    for (const Tapaus& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        kirjoita("Sokkelo1.top", t.vanha);
        paa_valikko_valinta = t.valinta;
        kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}});
        EXPECT_EQ(onOlemassa("Sokkelo1.top.bak"), t.varmuuskopio);
        if (t.varmuuskopio) {
            EXPECT_EQ(lue("Sokkelo1.top.bak"), t.vanha);
        }
        EXPECT_FALSE(onOlemassa("Sokkelo1.top.tmp"));
        EXPECT_FALSE(onOlemassa("Sokkelo1.top.bak.tmp"));
        std::filesystem::remove("Sokkelo1.top.bak");
    }
}

TEST_F(Tallennus, NewBackupReplacesAnOlderOneAndACleanFileLeavesItAlone) {
    const std::string vaurioitunut = "abc\r\n65432 x\r\nPCPC-AADA\r\nab\r\n70123\r\nDHMF-LQCH\r\n";
    kirjoita("Sokkelo1.top.bak", "vanhempi varmuuskopio");
    kirjoita("Sokkelo1.top", vaurioitunut);
    kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}});
    EXPECT_EQ(lue("Sokkelo1.top.bak"), vaurioitunut);
    EXPECT_EQ(lue("Sokkelo1.top"), uusi);
    // The file is clean now: the next save needs no backup and keeps the one there is.
    kirjoitaTiedostoon("Sokkelo1.top", {{"abc", 65432}, {"ab", 70123}});
    EXPECT_EQ(lue("Sokkelo1.top.bak"), vaurioitunut);
    EXPECT_EQ(lue("Sokkelo1.top"), esimerkki);
}

TEST_F(Tallennus, NoReplacementWithoutTheBackup) {
    const std::string vaurioitunut = "abc\r\n65432\r\nPCPC-AADB\r\nab\r\n70123\r\nDHMF-LQCH\r\n";
    kirjoita("Sokkelo1.top", vaurioitunut);
    tallennus_ennen_vaihtoa = katkaiseVarmuuskopio;
    kirjoitaTiedostoon("Sokkelo1.top", {{"ab", 70123}, {"uusi", 80000}});
    EXPECT_EQ(lue("Sokkelo1.top"), vaurioitunut);
    EXPECT_EQ(tiedostot(), std::vector<std::string>{"Sokkelo1.top"});
}

TEST_F(Tallennus, RecordingAfterADamagedRecordKeepsTheLostOnesInTheBackup) {
    const std::string vanha = "abc\r\n65432\r\nPCPC-AADA\r\n\r\nab\r\n70123\r\nDHMF-LQCH\r\n";
    kirjoita("Sokkelo1.top", vanha);
    std::vector<Tulos> lista;
    lueTiedostosta("Sokkelo1.top", lista);
    ASSERT_EQ(parit(lista), (std::vector<std::pair<std::string, uint32_t>>{{"abc", 65432}}));
    lista.push_back({"uusi", 80000});
    kirjoitaTiedostoon("Sokkelo1.top", lista);
    EXPECT_EQ(lue("Sokkelo1.top"), uusi + tietue("uusi", 80000, "Sokkelo1.top"));
    EXPECT_EQ(lue("Sokkelo1.top.bak"), vanha);
}

}  // namespace
