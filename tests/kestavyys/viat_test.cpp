// Faults around whole games: result files that cannot be written or read as files, a save that fails as a full
// disk would, a huge result file, damaged background pictures. The player always gets a game that plays, a time
// that flashes and a menu; nothing stored is lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "results/turvatallennus.h"
#include "tests/kestavyys/automaatti.h"
#include "tests/shell/peliajo.h"
#include "util/teksti.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kPunainen = 0x000000FF;
constexpr uint32_t kMusta = 0x00000000;

std::string tavut(const fs::path& tiedosto) {
    std::ifstream f(tiedosto, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// One record of "Sokkelo1.top" in the game's own format.
std::string tietue(const std::string& nimi, uint32_t aika) {
    paa_valikko_valinta = 1;
    return nimi + "\r\n" + int2string(aika) + "\r\n" + laskeTarkiste({nimi, aika}, "Sokkelo1.top") + "\r\n";
}

// Plays one game of "Sokkelo, pieni" as "Testaaja" and keeps the menu's picture from just before closing.
class Vika : public Peliajo {
  protected:
    void TearDown() override {
        tyhjo_joka_ms(nullptr);
        tallennus_ennen_vaihtoa = nullptr;
        Peliajo::TearDown();
    }

    void pelaa_yksi() {
        kestavyys::Automaatti pelaaja({{"Testaaja", {1}}});
        pelaaja.lopuksi = [this] { valikko_ = nykyinen_kuva(); };
        pelaaja.kaynnista();
        EXPECT_EQ(aja(), 0);
        ASSERT_TRUE(pelaaja.valmis);
        ASSERT_EQ(pelaaja.pelatut.size(), 1u);
        aika_ = pelaaja.pelatut[0].aika;
        EXPECT_GT(aika_, 0u);
    }

    // The menu's list shows this time on row 'rivi' (from 0) in the colour.
    bool listalla(int rivi, uint32_t aika, uint32_t vari) const {
        return pelaa_apu::nakyy_tekstina(valikko_, 650, 110 + 25 * rivi, aika2string(aika), vari);
    }

    Kuva valikko_;
    uint32_t aika_ = 0;
};

// A folder named like the result file: the list is empty, the game plays and flashes, the save fails without a
// word, and the folder with what it holds stays. A folder of many entries is the hard case: some file systems
// (ext4 with hashed folders) then give its end as a huge offset.
TEST_F(Vika, AResultFileThatIsAFolderReadsAsMissingAndTakesNoSave) {
    fs::create_directory("Sokkelo1.top");
    std::ofstream("Sokkelo1.top/sisalla") << "pysyy";
    for (int i = 0; i < 300; ++i) {
        std::ofstream("Sokkelo1.top/" + std::string(60, 'x') + std::to_string(i));
    }
    pelaa_yksi();
    EXPECT_FALSE(listalla(0, aika_, kPunainen));
    EXPECT_TRUE(fs::is_directory("Sokkelo1.top"));
    EXPECT_EQ(tavut("Sokkelo1.top/sisalla"), "pysyy");
    EXPECT_FALSE(fs::exists("Sokkelo1.top.tmp"));
}

// The save fails where a full disk would fail it, after the new bytes were written aside: the old file stays
// byte for byte, the menu lists the old records, and the new time is not among them.
TEST_F(Vika, ADiskFullDuringTheSaveKeepsTheOldFileWholeAndListed) {
    const std::string vanha = tietue("Ensimmainen", 1000) + tietue("Toinen", 900000);
    std::ofstream("Sokkelo1.top", std::ios::binary) << vanha;
    tallennus_ennen_vaihtoa = [](const std::string&, const std::string&) { return false; };
    pelaa_yksi();
    EXPECT_EQ(tavut("Sokkelo1.top"), vanha);
    EXPECT_FALSE(fs::exists("Sokkelo1.top.tmp"));
    EXPECT_TRUE(listalla(0, 1000, kMusta));
    EXPECT_TRUE(listalla(1, 900000, kMusta));
    EXPECT_FALSE(listalla(1, aika_, kPunainen));
}

// A folder cannot be written (another folder stands where the save's temporary goes, which stops root too): the
// old file stays as it was, and the game goes on as after any other save.
TEST_F(Vika, AFolderTheSaveCannotWriteIntoKeepsTheOldFile) {
    const std::string vanha = tietue("Ensimmainen", 1000);
    std::ofstream("Sokkelo1.top", std::ios::binary) << vanha;
    fs::create_directory("Sokkelo1.top.tmp");
    pelaa_yksi();
    EXPECT_EQ(tavut("Sokkelo1.top"), vanha);
    EXPECT_TRUE(listalla(0, 1000, kMusta));
}

// Read-only by permission bits: the file and the folder. Root writes through permission bits, so there the
// case cannot be made and is skipped; the two tests above stand for it.
TEST_F(Vika, ReadOnlyResultFilesAndFolderKeepTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root: permission bits do not stop writing";
    }
    const std::string vanha = tietue("Ensimmainen", 1000);
    std::ofstream("Sokkelo1.top", std::ios::binary) << vanha;
    fs::permissions("Sokkelo1.top", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(".", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    pelaa_yksi();
    fs::permissions(".", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(tavut("Sokkelo1.top"), vanha);
    EXPECT_TRUE(listalla(0, 1000, kMusta));
}

// 50 MB with a 10 MB name: the record is read and listed, the game is played, and the save keeps the long
// record and the new one; the bytes the reading stopped at are kept whole in the backup.
TEST_F(Vika, AFiftyMegabyteFileWithATenMegabyteNameIsListedAndSavedInto) {
    const std::string pitka(10u << 20, 'N');
    std::string vanha = tietue(pitka, 2000) + "\r\n";
    const std::string roska = "roskaa, ei tietue\r\n";
    while (vanha.size() < (50u << 20)) {
        vanha += roska;
    }
    std::ofstream("Sokkelo1.top", std::ios::binary) << vanha;
    pelaa_yksi();
    EXPECT_TRUE(listalla(0, 2000, kMusta));
    EXPECT_TRUE(listalla(1, aika_, kPunainen));
    EXPECT_EQ(tavut("Sokkelo1.top"), tietue(pitka, 2000) + tietue("Testaaja", aika_));
    EXPECT_TRUE(tavut("Sokkelo1.top.bak") == vanha);
}

// Background pictures that cannot be used: each is passed over as a missing one, and the game still plays to
// its end and lists the result in red.
struct Tausta {
    const char* kuvaus;
    std::string tavut;  // what every tausta?.bmp holds
};

void PrintTo(const Tausta& tausta, std::ostream* virta) {
    *virta << tausta.kuvaus;
}

class Taustat : public Vika, public ::testing::WithParamInterface<Tausta> {
  protected:
    void SetUp() override {
        Vika::SetUp();
        for (const char* nimi : {"tausta1.bmp", "tausta2.bmp", "tausta3.bmp", "tausta4.bmp"}) {
            // No bytes given: the picture of the game cut at half its length.
            const std::string uusi = GetParam().tavut.empty() && std::string(GetParam().kuvaus) != "empty"
                                         ? tavut(nimi).substr(0, fs::file_size(nimi) / 2)
                                         : GetParam().tavut;
            std::ofstream(nimi, std::ios::binary | std::ios::trunc) << uusi;
        }
        for (HBITMAP kuva : {tausta1, tausta2, tausta3, tausta4}) {
            DeleteObject(kuva);  // the pictures loaded before the damage, so none of them is left behind
        }
        tila_alkuun();  // the pictures are loaded with the globals
    }
};

// A whole one-pixel BMP, 24 bits.
std::string pikseli() {
    std::string t = "BM";
    auto luku = [&t](uint32_t arvo, int tavuja) {
        for (int i = 0; i < tavuja; ++i) {
            t += static_cast<char>(arvo >> (8 * i));
        }
    };
    luku(58, 4), luku(0, 4), luku(54, 4), luku(40, 4), luku(1, 4), luku(1, 4), luku(1, 2), luku(24, 2);
    luku(0, 4), luku(4, 4), luku(2835, 4), luku(2835, 4), luku(0, 4), luku(0, 4);
    luku(0x00FF00FF, 4);
    return t;
}

TEST_P(Taustat, TheGamePlaysAndListsTheResult) {
    pelaa_yksi();
    EXPECT_TRUE(listalla(0, aika_, kPunainen));
}

INSTANTIATE_TEST_SUITE_P(Vialliset, Taustat,
                         ::testing::Values(Tausta{"empty", ""}, Tausta{"cut_at_half", ""},
                                           Tausta{"cut_in_the_header", pikseli().substr(0, 30)},
                                           Tausta{"one_pixel", pikseli()},
                                           Tausta{"not_bmp", "GIF89a tama ei ole kuva\n"}),
                         [](const auto& tieto) { return std::string(tieto.param.kuvaus); });

}  // namespace
