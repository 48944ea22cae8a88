// The GDI half of the own subset where it meets the rest: drawing onto the window's DC shows the picture,
// objects made while the game's globals are initialised work, and a copy from a DC left with its default
// bitmap (a background file that failed to load) touches one pixel only.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "gfx/portti/tyhjo.h"
#include "gfx/win32.h"

namespace {

// Made during static initialisation, as the game makes its bitmaps and DCs: nothing of the core may wait
// for globals of its own.
HDC alussa_dc = CreateCompatibleDC(nullptr);
HBITMAP alussa_kartta = CreateCompatibleBitmap(GetDC(nullptr), 3, 2);
HANDLE alussa_puuttuva = LoadImageA(nullptr, "ei-ole-tata.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);

TEST(GdiAlussa, ObjectsMadeBeforeMainWork) {
    ASSERT_NE(alussa_dc, nullptr);
    ASSERT_NE(alussa_kartta, nullptr);
    EXPECT_EQ(alussa_puuttuva, nullptr);
    HGDIOBJ vanha = SelectObject(alussa_dc, alussa_kartta);
    ASSERT_NE(vanha, nullptr);
    EXPECT_EQ(SetPixel(alussa_dc, 2, 1, RGB(9, 8, 7)), RGB(9, 8, 7));
    EXPECT_EQ(GetPixel(alussa_dc, 2, 1), RGB(9, 8, 7));
    SelectObject(alussa_dc, vanha);
}

LRESULT CALLBACK proseduuri(HWND ikkuna, UINT viesti, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(ikkuna, viesti, wParam, lParam);
}

class IkkunanDc : public ::testing::Test {
  protected:
    void SetUp() override {
        tyhjo_alkuun();
        WNDCLASSEXA luokka{};
        luokka.cbSize = sizeof luokka;
        luokka.style = CS_OWNDC;
        luokka.lpfnWndProc = proseduuri;
        luokka.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        luokka.lpszClassName = "GdiTesti";
        ASSERT_NE(RegisterClassExA(&luokka), 0);
        ikkuna_ = CreateWindowExA(0, "GdiTesti", "GdiTesti", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(ikkuna_, nullptr);
        dc_ = GetDC(ikkuna_);
        ASSERT_NE(dc_, nullptr);
    }
    void TearDown() override { tyhjo_alkuun(); }

    HWND ikkuna_ = nullptr;
    HDC dc_ = nullptr;
};

TEST_F(IkkunanDc, EveryDrawingCallShowsThePicture) {
    HDC muisti = CreateCompatibleDC(dc_);
    HBITMAP kartta = CreateCompatibleBitmap(dc_, 4, 4);
    HGDIOBJ vanha = SelectObject(muisti, kartta);
    SetPixel(muisti, 0, 0, RGB(0, 0, 255));
    const RECT alue{10, 10, 12, 12};
    struct Tapaus {
        const char* kuvaus;
        std::function<void()> piirra;
        int x, y;
        uint32_t rgb;  // what the window shows there afterwards, 0x00RRGGBB
    } tapaukset[] = {
        {"SetPixel", [&] { SetPixel(dc_, 5, 6, RGB(255, 0, 0)); }, 5, 6, 0xFF0000},
        {"FillRect", [&] { FillRect(dc_, &alue, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH))); }, 11, 11,
         0xC0C0C0},
        {"BitBlt", [&] { BitBlt(dc_, 20, 20, 4, 4, muisti, 0, 0, SRCCOPY); }, 20, 20, 0x0000FF},
        {"TextOutA", [&] { SetBkMode(dc_, OPAQUE), TextOutA(dc_, 40, 40, " ", 1); }, 41, 41, 0xFFFFFF},
    };
    for (const auto& t : tapaukset) {
        SCOPED_TRACE(t.kuvaus);
        const uint64_t ennen = tyhjo_esityksia();
        t.piirra();
        EXPECT_GT(tyhjo_esityksia(), ennen);
        EXPECT_EQ(tyhjo_pikseli(t.x, t.y), t.rgb);
    }
    SelectObject(muisti, vanha);
    DeleteObject(kartta);
    DeleteDC(muisti);
}

TEST_F(IkkunanDc, DrawingOnAMemoryDcShowsNothing) {
    HDC muisti = CreateCompatibleDC(dc_);
    HBITMAP kartta = CreateCompatibleBitmap(dc_, 8, 8);
    HGDIOBJ vanha = SelectObject(muisti, kartta);
    const uint64_t ennen = tyhjo_esityksia();
    SetPixel(muisti, 1, 1, RGB(1, 1, 1));
    const RECT alue{0, 0, 8, 8};
    FillRect(muisti, &alue, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutA(muisti, 0, 0, "x", 1);
    EXPECT_EQ(tyhjo_esityksia(), ennen);
    SelectObject(muisti, vanha);
    DeleteObject(kartta);
    DeleteDC(muisti);
}

TEST(GdiOletuskartta, CopyFromTheDefaultBitmapTouchesOnePixel) {
    // The frame buffer copies a client-sized area from a DC whose bitmap failed to load: the DC still holds
    // its 1 x 1 monochrome default, whose black pixel reads as the destination's text colour.
    HDC puskuri = CreateCompatibleDC(nullptr), kuva = CreateCompatibleDC(nullptr);
    HBITMAP kartta = CreateCompatibleBitmap(GetDC(nullptr), 5, 4);
    HGDIOBJ vanha = SelectObject(puskuri, kartta);
    const RECT alue{0, 0, 5, 4};
    FillRect(puskuri, &alue, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SetTextColor(puskuri, RGB(0, 200, 0));
    EXPECT_EQ(SelectObject(kuva, nullptr), nullptr);
    EXPECT_TRUE(BitBlt(puskuri, 0, 0, 5, 4, kuva, 0, 0, SRCCOPY));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(GetPixel(puskuri, x, y), x == 0 && y == 0 ? RGB(0, 200, 0) : RGB(0x80, 0x80, 0x80));
        }
    SelectObject(puskuri, vanha);
    DeleteObject(kartta);
    DeleteDC(puskuri);
    DeleteDC(kuva);
}

// The rightmost inked column of a black text drawn at x on a white 800 x 20 bitmap; -1 when nothing is inked.
int oikein_muste(int x, const std::string& teksti) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP kartta = CreateCompatibleBitmap(GetDC(nullptr), 800, 20);
    HGDIOBJ vanha = SelectObject(dc, kartta);
    RECT kaikki{0, 0, 800, 20};
    FillRect(dc, &kaikki, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, x, 0, teksti.c_str(), static_cast<int>(teksti.size()));
    int oikein = -1;
    for (int px = 0; px < 800; ++px)
        for (int py = 0; py < 20; ++py)
            if (GetPixel(dc, px, py) == RGB(0, 0, 0))
                oikein = px;
    SelectObject(dc, vanha);
    DeleteObject(kartta);
    DeleteDC(dc);
    return oikein;
}

// The heads-up line puts its texts at fixed places: the label must end before the time at x 600, and a
// time of up to 99 minutes must stay inside the field cleared at x 590-659 every pass, or older times
// would show through; likewise the block count at the end of its label stays inside the field at x 400-499.
TEST(GdiFontti, HeadsUpTextsFitTheirPlaces) {
    EXPECT_LT(oikein_muste(500, "Aikaa kulunut: "), 600);
    EXPECT_LE(oikein_muste(600, "99:59,999"), 659);
    EXPECT_LE(oikein_muste(600, "0:00,000"), 659);
    EXPECT_LE(oikein_muste(300, "Palikoita ker\xE4\xE4m\xE4tt\xE4: 999"), 499);
}

}  // namespace
