// The generated background pictures: their file format, and readable texts where the screens write on them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

// One picture as the game's files hold it, read without the game's own loader.
struct Bmp {
    std::vector<uint8_t> tavut;
    uint32_t luku(size_t kohta, int koko) const {
        uint32_t arvo = 0;
        for (int i = koko - 1; i >= 0; --i) {
            arvo = arvo << 8 | tavut[kohta + size_t(i)];
        }
        return arvo;
    }
    // 0xRRGGBB of (x, y) counted from the top left; the rows are stored bottom-up.
    uint32_t pikseli(int x, int y) const {
        size_t rivi = (800 * 3 + 3) / 4 * 4;
        return luku(luku(10, 4) + size_t(599 - y) * rivi + size_t(x) * 3, 3);
    }
};

Bmp lue(const std::string& nimi) {
    std::ifstream f(std::string(RIMPUTIN_KUVAT) + "/" + nimi, std::ios::binary | std::ios::ate);
    Bmp b;
    if (f) {
        b.tavut.resize(size_t(f.tellg()));
        f.seekg(0);
        f.read(reinterpret_cast<char*>(b.tavut.data()), std::streamsize(b.tavut.size()));
    }
    return b;
}

// Relative luminance and contrast ratio as the usual readability guidelines define them.
double luminanssi(uint32_t v) {
    static const std::vector<double> lineaarinen = [] {
        std::vector<double> t(256);
        for (size_t c = 0; c < 256; ++c) {
            double s = double(c) / 255.0;
            t[c] = s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return 0.2126 * lineaarinen[v >> 16 & 0xFF] + 0.7152 * lineaarinen[v >> 8 & 0xFF] + 0.0722 * lineaarinen[v & 0xFF];
}

double kontrasti(uint32_t a, uint32_t b) {
    double la = luminanssi(a) + 0.05, lb = luminanssi(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

TEST(Taustat, AreUncompressed24BitBottomUpPicturesOfTheWindowSize) {
    for (const char* nimi : {"tausta1.bmp", "tausta2.bmp", "tausta3.bmp", "tausta4.bmp"}) {
        SCOPED_TRACE(nimi);
        Bmp b = lue(nimi);
        ASSERT_GE(b.tavut.size(), 54u) << "missing or cut short";
        EXPECT_EQ(b.tavut[0], 'B');
        EXPECT_EQ(b.tavut[1], 'M');
        EXPECT_EQ(b.luku(2, 4), b.tavut.size());
        EXPECT_EQ(b.luku(14, 4), 40u);
        EXPECT_EQ(b.luku(18, 4), 800u);
        EXPECT_EQ(b.luku(22, 4), 600u) << "a positive height: rows stored bottom-up";
        EXPECT_EQ(b.luku(28, 2), 24u);
        EXPECT_EQ(b.luku(30, 4), 0u) << "uncompressed";
        EXPECT_EQ(b.tavut.size(), b.luku(10, 4) + 800u * 3u * 600u);
    }
}

// Every pixel of a text's area must leave the text in its colour readable (a contrast ratio of at least 4.5).
TEST(Taustat, TextsOfTheScreensStandOnCalmEnoughGround) {
    const uint32_t MUSTA = 0x000000, VIHREA = 0x00FF00;
    struct Alue {
        const char* kuvaus;
        const char* kuva;
        int x0, y0, x1, y1;
        uint32_t tekstin_vari;
    };
    const Alue alueet[] = {
        {"title: green version text around (655, 242)", "tausta1.bmp", 640, 230, 730, 270, VIHREA},
        {"playing field: heads-up strip, top 30 rows", "tausta2.bmp", 0, 0, 800, 30, MUSTA},
        {"menu: the choices and the instructions (up to 43 characters)", "tausta3.bmp", 60, 110, 416, 480, MUSTA},
        {"menu: the result list", "tausta3.bmp", 450, 110, 800, 485, MUSTA},
        {"menu: green version text at (155, 22)", "tausta3.bmp", 155, 22, 215, 40, VIHREA},
        {"menu: green player line at (500, 10)", "tausta3.bmp", 500, 10, 800, 28, VIHREA},
        {"name entry: prompt and typed name", "tausta4.bmp", 70, 90, 400, 135, MUSTA},
    };
    for (const Alue& a : alueet) {
        SCOPED_TRACE(a.kuvaus);
        Bmp b = lue(a.kuva);
        ASSERT_EQ(b.tavut.size(), 54u + 800u * 3u * 600u);
        double heikoin = 100;
        for (int y = a.y0; y < a.y1; ++y) {
            for (int x = a.x0; x < a.x1; ++x) {
                heikoin = std::min(heikoin, kontrasti(b.pikseli(x, y), a.tekstin_vari));
            }
        }
        EXPECT_GE(heikoin, 4.5);
    }
}

// The heads-up fields are cleared with light blue 0xF8DF10 (COLORREF) each frame; the strip is that colour, so a
// cleared field does not show as a patch.
TEST(Taustat, HeadsUpStripIsTheColourTheFieldsAreClearedWith) {
    Bmp b = lue("tausta2.bmp");
    ASSERT_EQ(b.tavut.size(), 54u + 800u * 3u * 600u);
    for (int y : {0, 15, 29}) {
        for (int x : {0, 400, 799}) {
            EXPECT_EQ(b.pikseli(x, y), 0x10DFF8u) << x << "," << y;
        }
    }
    EXPECT_NE(b.pikseli(400, 30), 0x10DFF8u) << "the strip ends where the maze begins";
}

}  // namespace
