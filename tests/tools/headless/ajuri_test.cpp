// The runner program rimputin-headless end to end: the real game played by a script in a fresh folder.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/portti/ydin.h"
#include "gfx/win32.h"

namespace fs = std::filesystem;

namespace {

// A shot or a background as the game's own BMP reader gives it, 0x00RRGGBB pixels top row first; empty when
// the file is not a 24-bit BMP or does not load.
struct Kuva {
    int leveys = 0;
    int korkeus = 0;
    std::vector<uint32_t> pikselit;
    uint32_t operator()(int x, int y) const { return pikselit[static_cast<size_t>(y) * leveys + x]; }
};

Kuva lue(const fs::path& tiedosto) {
    std::ifstream f(tiedosto, std::ios::binary);
    char otsake[30] = {};
    Kuva k;
    if (!f.read(otsake, sizeof otsake) || otsake[28] != 24) {
        return k;
    }
    HANDLE kahva = LoadImageA(nullptr, tiedosto.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (const Kartta* kartta = ydin_kartta(kahva)) {
        k = Kuva{kartta->leveys, kartta->korkeus, {kartta->pikselit.begin(), kartta->pikselit.end()}};
    }
    DeleteObject(kahva);
    return k;
}

class Ajuri : public ::testing::Test {
  protected:
    void SetUp() override {
        kansio_ = fs::path(::testing::TempDir()) / ("ajuri_" + std::to_string(::getpid()));
        fs::remove_all(kansio_);
        fs::create_directories(kansio_);
        for (int i = 1; i <= 4; ++i) {
            const std::string nimi = "tausta" + std::to_string(i) + ".bmp";
            fs::copy_file(fs::path(RIMPUTIN_KUVAT) / nimi, kansio_ / nimi);
        }
    }
    void TearDown() override { fs::remove_all(kansio_); }

    // Runs the runner in the folder with the script; returns its exit code and leaves stderr in 'virheet_'.
    int aja(const std::string& skripti, const std::string& valinnat = "") {
        std::ofstream(kansio_ / "s.txt", std::ios::binary) << skripti;
        const std::string komento =
            "cd '" + kansio_.string() + "' && '" + AJURI + "' " + valinnat + " s.txt 2> virheet.txt";
        const int tila = std::system(komento.c_str());
        std::ifstream f(kansio_ / "virheet.txt");
        virheet_.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        return WIFEXITED(tila) ? WEXITSTATUS(tila) : -1;
    }

    fs::path kansio_;
    std::string virheet_;
};

TEST_F(Ajuri, ShotOfTheTitleShowsItsPictureAndTheGreenVersionText) {
    ASSERT_EQ(aja("# the title screen\nwait 100\nshot otsikko.bmp\n", "--seed 1"), 0) << virheet_;
    const Kuva shot = lue(kansio_ / "otsikko.bmp");
    const Kuva tausta = lue(kansio_ / "tausta1.bmp");
    ASSERT_EQ(shot.leveys, 800);
    ASSERT_EQ(shot.korkeus, 600);
    ASSERT_EQ(tausta.leveys, 800);
    // The version text stands at (655, 242); everywhere else the title picture shows as it is.
    int erot = 0;
    int vihreat = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const bool tekstin_kohta = x >= 655 && x < 760 && y >= 242 && y < 262;
            if (tekstin_kohta) {
                vihreat += shot(x, y) == 0x00FF00 ? 1 : 0;
            } else {
                erot += shot(x, y) != tausta(x, y) ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(erot, 0);
    EXPECT_GT(vihreat, 20);
}

TEST_F(Ajuri, ScriptErrorStopsBeforeTheGameStartsAndNamesTheLine) {
    EXPECT_EQ(aja("shot ennen.bmp\nwait 5\n\nkey Foo\n"), 2);
    EXPECT_NE(virheet_.find("line 4"), std::string::npos) << virheet_;
    EXPECT_FALSE(fs::exists(kansio_ / "ennen.bmp"));
    EXPECT_EQ(aja("wait 5\n", "--clock x"), 2);
    EXPECT_EQ(aja("wait 5\n", "--seed"), 2);
}

TEST_F(Ajuri, GameRunsAcrossTheClockWrapAndEndsWithExitCodeZero) {
    // Escape from the title opens the menu; Escape there closes the game.
    EXPECT_EQ(aja("wait 300\nkey Escape\nwait 400\nshot valikko.bmp\nkey Escape\nwait 100\n", "--clock 4294967000"), 0)
        << virheet_;
    const Kuva valikko = lue(kansio_ / "valikko.bmp");
    const Kuva tausta = lue(kansio_ / "tausta1.bmp");
    ASSERT_EQ(valikko.leveys, 800);
    EXPECT_NE(valikko.pikselit, tausta.pikselit);  // the title has gone
}

}  // namespace
