// Drawing the maze on the headless backend: where each cell's square lands, the colour of every cell code,
// and the grid left as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/win32.h"
#include "maze/sokkelo.h"
#include "shell/tila.h"
#include "util/satunnainen.h"

namespace {

constexpr int kLeveys = 800;
constexpr int kKorkeus = 600;
constexpr COLORREF kTausta = 0;  // a new bitmap is black, and no cell code is drawn black

class PiirraSokkelo : public ::testing::Test {
  protected:
    void SetUp() override {
        tila_alkuun();
        naytto = GetDC(nullptr);
        uusi_kuva();
    }

    void TearDown() override {
        pura_kuva();
        ReleaseDC(nullptr, naytto);
    }

    // A fresh, black 800 x 600 bitmap in a memory DC, as the frame buffer's back buffer is made.
    void uusi_kuva() {
        pura_kuva();
        dc = CreateCompatibleDC(naytto);
        ASSERT_NE(dc, nullptr);
        kartta = CreateCompatibleBitmap(naytto, kLeveys, kKorkeus);
        ASSERT_NE(kartta, nullptr);
        vanha = SelectObject(dc, kartta);
        ASSERT_NE(vanha, nullptr);
    }

    void pura_kuva() {
        if (dc != nullptr) {
            SelectObject(dc, vanha);
            DeleteObject(kartta);
            DeleteDC(dc);
            dc = nullptr;
        }
    }

    // The colour each pixel of the bitmap should have for the grid: the cell's colour inside its square
    // (row count from column 0), the background elsewhere.
    void vertaa_koko_kuvaan(const Ruudukko& r, COLORREF (*vari)(int32_t)) {
        const uint32_t rivit = r.empty() ? 0 : static_cast<uint32_t>(r[0].size());
        int virheita = 0;
        for (int py = 0; py < kKorkeus && virheita < 5; ++py) {
            for (int px = 0; px < kLeveys && virheita < 5; ++px) {
                const int64_t y = py - ylareuna;
                const uint32_t cx = static_cast<uint32_t>(px) / ruudun_koko;
                const uint32_t cy = y < 0 ? rivit : static_cast<uint32_t>(y) / ruudun_koko;
                const bool solu = cx < r.size() && cy < rivit && cy < r[cx].size();
                const COLORREF odotettu = solu ? vari(r[cx][cy] % 10) : kTausta;
                if (GetPixel(dc, px, py) != odotettu) {
                    ADD_FAILURE() << "pixel " << px << ", " << py << ": " << std::hex << GetPixel(dc, px, py)
                                  << " instead of " << odotettu;
                    ++virheita;
                }
            }
        }
    }

    HDC naytto = nullptr;
    HDC dc = nullptr;
    HBITMAP kartta = nullptr;
    HGDIOBJ vanha = nullptr;
};

COLORREF oletusvari(int32_t koodi) {
    switch (koodi) {
        case 1:
            return 0x00140000;
        case 3:
            return 0x000000FF;
        case 4:
            return 0x0000FF00;
        case 6:
            return 0x0064FFFF;
        default:
            return 0x00FFFFFF;
    }
}

// Each game size at its own cell size: the whole picture is the maze's squares and nothing else.
TEST_F(PiirraSokkelo, EveryGameSizeFillsExactlyItsSquares) {
    const struct { uint32_t leveys, korkeus, koko; } koot[] = {{25, 17, 32}, {49, 33, 16}, {99, 67, 8}};
    for (const auto& k : koot) {
        SCOPED_TRACE(std::to_string(k.leveys) + " x " + std::to_string(k.korkeus));
        uusi_kuva();
        ruudun_koko = k.koko;
        arvoluku_alusta(k.leveys);
        taulukko.clear();
        teesokkelo(taulukko, k.leveys, k.korkeus);
        taulukko[1][1] = 6;  // a trail cell too
        const Ruudukko ennen = taulukko;
        piirra_sokkelo(taulukko, dc);
        EXPECT_EQ(taulukko, ennen);
        vertaa_koko_kuvaan(taulukko, oletusvari);
    }
}

// The corner cells at cell size 8: (0, 0) is x 0...7, y 30...37 and (98, 66) is x 784...791, y 558...565.
TEST_F(PiirraSokkelo, CornerCellsOfTheLargestMaze) {
    Ruudukko r(99, std::vector<int32_t>(67, 0));
    r[0][0] = 3;
    r[98][66] = 6;
    piirra_sokkelo(r, dc);
    const struct {
        const char* kuvaus;
        int x, y;
        COLORREF vari;
    } pisteet[] = {
        {"(0, 0) top left", 0, 30, 0x000000FF},
        {"(0, 0) bottom right", 7, 37, 0x000000FF},
        {"right of (0, 0)", 8, 30, 0x00FFFFFF},
        {"below (0, 0)", 0, 38, 0x00FFFFFF},
        {"above the maze", 0, 29, kTausta},
        {"(98, 66) top left", 784, 558, 0x0064FFFF},
        {"(98, 66) bottom right", 791, 565, 0x0064FFFF},
        {"left of (98, 66)", 783, 565, 0x00FFFFFF},
        {"right of the maze", 792, 565, kTausta},
        {"below the maze", 791, 566, kTausta},
    };
    for (const auto& p : pisteet) {
        SCOPED_TRACE(p.kuvaus);
        EXPECT_EQ(GetPixel(dc, p.x, p.y), p.vari);
    }
}

// Every value's code picks its colour global as it is at the time of the call; marks do not matter, and
// codes that never occur draw as open.
TEST_F(PiirraSokkelo, EachCodeTakesItsColourGlobal) {
    seina = 0x00010203;
    ukkeli = 0x00040506;
    loppu = loppu2;
    jalki = 0x00070809;
    tyhja = 0x000A0B0C;
    const struct {
        int32_t arvo;
        COLORREF vari;
    } solut[] = {
        {0, 0x000A0B0C},  {1, 0x00010203},  {3, 0x00040506},  {4, 0x00FF0000},  {6, 0x00070809},
        {20, 0x000A0B0C}, {24, 0x00FF0000}, {11, 0x00010203}, {13, 0x00040506}, {2, 0x000A0B0C},
        {5, 0x000A0B0C},  {7, 0x000A0B0C},  {8, 0x000A0B0C},  {9, 0x000A0B0C},  {16, 0x00070809},
    };
    Ruudukko r(1);
    for (const auto& s : solut) {
        r[0].push_back(s.arvo);
    }
    ruudun_koko = 4;
    piirra_sokkelo(r, dc);
    for (size_t i = 0; i < std::size(solut); ++i) {
        SCOPED_TRACE("value " + std::to_string(solut[i].arvo));
        const int y = ylareuna + 4 * static_cast<int>(i);
        EXPECT_EQ(GetPixel(dc, 0, y), solut[i].vari);
        EXPECT_EQ(GetPixel(dc, 3, y + 3), solut[i].vari);
    }
    EXPECT_EQ(GetPixel(dc, 4, ylareuna), kTausta);
}

TEST_F(PiirraSokkelo, EmptyGridDrawsNothing) {
    piirra_sokkelo(Ruudukko{}, dc);
    vertaa_koko_kuvaan(Ruudukko{}, oletusvari);
}

// Columns of unequal length: every column draws as many rows as column 0 has, and no more than it holds.
TEST_F(PiirraSokkelo, RowCountComesFromColumnZero) {
    const Ruudukko r = {{1, 1}, {3, 3, 3}, {6}};
    piirra_sokkelo(r, dc);
    vertaa_koko_kuvaan(r, oletusvari);
    EXPECT_EQ(GetPixel(dc, 8, ylareuna + 16), kTausta);  // row 2 of column 1 lies past column 0's rows
}

}  // namespace
