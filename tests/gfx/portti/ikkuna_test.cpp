// The window half of the own Win32 subset on the headless backend: the message queue and its order, the
// characters keys give, held keys, the clock, painting, resizing and the pictures the window shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/portti/tyhjo.h"
#include "gfx/win32.h"

namespace {

struct Saatu {
    UINT viesti;
    WPARAM wParam;
    bool operator==(const Saatu&) const = default;
};

std::vector<Saatu> saadut;  // what the test window's procedure was given, in order
LRESULT luonnin_tulos = 0;  // what the procedure answers to WM_CREATE
HDC kuvan_dc = nullptr;     // when set, WM_PAINT presents this memory DC's 800 x 600 as the game does

void PrintTo(const Saatu& s, std::ostream* os) {
    *os << "{0x" << std::hex << s.viesti << ", 0x" << s.wParam << "}";
}

LRESULT CALLBACK kirjaava(HWND ikkuna, UINT viesti, WPARAM wParam, LPARAM lParam) {
    if (viesti != WM_ERASEBKGND) {
        saadut.push_back({viesti, wParam});
    }
    if (viesti == WM_CREATE) {
        return luonnin_tulos;
    }
    if (viesti == WM_PAINT && kuvan_dc != nullptr) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(ikkuna, &ps);
        BitBlt(dc, 0, 0, 800, 600, kuvan_dc, 0, 0, SRCCOPY);
        EndPaint(ikkuna, &ps);
        return 0;
    }
    return DefWindowProcA(ikkuna, viesti, wParam, lParam);
}

class Ikkuna : public ::testing::Test {
  protected:
    void SetUp() override {
        tyhjo_alkuun();
        saadut.clear();
        luonnin_tulos = 0;
        kuvan_dc = nullptr;
        rekisteroi(GetStockObject(BLACK_BRUSH));
    }
    void TearDown() override { tyhjo_alkuun(); }

    static void rekisteroi(HGDIOBJ sivellin) {
        WNDCLASSEXA luokka{};
        luokka.cbSize = sizeof luokka;
        luokka.style = CS_OWNDC;
        luokka.lpfnWndProc = kirjaava;
        luokka.hInstance = GetModuleHandleA(nullptr);
        luokka.hbrBackground = static_cast<HBRUSH>(sivellin);
        luokka.lpszClassName = "Testi";
        ASSERT_NE(RegisterClassExA(&luokka), 0);
    }

    static HWND avaa(int leveys = 800, int korkeus = 600) {
        return CreateWindowExA(0, "Testi", "Testi-ikkuna", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                               CW_USEDEFAULT, leveys, korkeus, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    // Runs the game's loop without its passes: takes, translates and dispatches until the queue is empty or
    // WM_QUIT comes; returns what was taken.
    static std::vector<Saatu> kierra() {
        std::vector<Saatu> otetut;
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            otetut.push_back({m.message, m.wParam});
            if (m.message == WM_QUIT) {
                break;
            }
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        return otetut;
    }
};

TEST_F(Ikkuna, CreationSendsCreateOpensTheBackendAndPaintsOnceTheQueueIsEmpty) {
    HWND ikkuna = avaa();
    ASSERT_NE(ikkuna, nullptr);
    EXPECT_EQ(saadut, (std::vector<Saatu>{{WM_CREATE, 0}}));
    EXPECT_TRUE(tyhjo_auki());
    EXPECT_EQ(tyhjo_otsikko(), "Testi-ikkuna");
    RECT alue{};
    ASSERT_TRUE(GetClientRect(ikkuna, &alue));
    EXPECT_EQ(alue.right - alue.left, 800);
    EXPECT_EQ(alue.bottom - alue.top, 600);

    PostMessageA(ikkuna, WM_USER, 1, 0);
    // The posted message first; then the due repaint, which the default handling validates for good.
    EXPECT_EQ(kierra(), (std::vector<Saatu>{{WM_USER, 1}, {WM_PAINT, 0}}));
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Ikkuna, CreationFailsForAnUnknownClassAndWhenCreateRefuses) {
    EXPECT_EQ(CreateWindowExA(0, "EiOle", "x", WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    luonnin_tulos = -1;
    EXPECT_EQ(avaa(), nullptr);
    EXPECT_EQ(saadut, (std::vector<Saatu>{{WM_CREATE, 0}, {WM_DESTROY, 0}}));
    EXPECT_FALSE(tyhjo_auki());
    EXPECT_TRUE(kierra().empty());
}

TEST_F(Ikkuna, QuitComesOnlyWhenNothingElseIsQueuedAndBeforeARepaint) {
    HWND ikkuna = avaa();
    kierra();
    PostQuitMessage(7);
    PostMessageA(ikkuna, WM_USER, 1, 0);
    PostMessageA(nullptr, WM_USER + 1, 2, 0);  // to the thread, no window
    InvalidateRect(ikkuna, nullptr, TRUE);
    EXPECT_EQ(kierra(), (std::vector<Saatu>{{WM_USER, 1}, {WM_USER + 1, 2}, {WM_QUIT, 7}}));
    // The quit request is taken once; the repaint is still due after it.
    EXPECT_EQ(kierra(), (std::vector<Saatu>{{WM_PAINT, 0}}));
    EXPECT_TRUE(kierra().empty());
}

TEST_F(Ikkuna, PeekWithoutRemovingLeavesTheMessage) {
    HWND ikkuna = avaa();
    kierra();
    PostMessageA(ikkuna, WM_USER, 5, 0);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(kierra(), (std::vector<Saatu>{{WM_USER, 5}}));
}

TEST_F(Ikkuna, EveryKeyNameGivesItsKeyDownCharacterAndKeyUp) {
    const struct {
        const char* nimi;
        int vk;
        int merkki;  // -1: no WM_CHAR
    } kTapaukset[] = {
        {"Return", 0x0D, 13},  {"Escape", 0x1B, 27}, {"BackSpace", 0x08, 8}, {"Tab", 0x09, 9},
        {"space", 0x20, 0x20}, {"Up", 0x26, -1},     {"Down", 0x28, -1},     {"Left", 0x25, -1},
        {"Right", 0x27, -1},   {"a", 0x41, 0x61},    {"A", 0x41, 0x41},      {"z", 0x5A, 0x7A},
        {"Z", 0x5A, 0x5A},     {"0", 0x30, 0x30},    {"9", 0x39, 0x39},      {"m", 0x4D, 0x6D},
    };
    avaa();
    kierra();
    for (const auto& t : kTapaukset) {
        SCOPED_TRACE(t.nimi);
        EXPECT_EQ(tyhjo_nappain(t.nimi), t.vk);
        tyhjo_paina(t.nimi);
        std::vector<Saatu> odotus{{WM_KEYDOWN, static_cast<WPARAM>(t.vk)}};
        if (t.merkki >= 0) {
            odotus.push_back({WM_CHAR, static_cast<WPARAM>(t.merkki)});
        }
        odotus.push_back({WM_KEYUP, static_cast<WPARAM>(t.vk)});
        EXPECT_EQ(kierra(), odotus);
    }
    for (const char* vaara : {"", "Enter", "return", "aa", "\xC3\xA4", "F1", "-"}) {
        SCOPED_TRACE(vaara);
        EXPECT_EQ(tyhjo_nappain(vaara), -1);
    }
}

TEST_F(Ikkuna, TranslatedCharacterComesStraightAfterItsKeyDownBeforeLaterInput) {
    avaa();
    kierra();
    tyhjo_pida("Return");
    tyhjo_kirjoita("x");
    tyhjo_paina("Escape");
    EXPECT_EQ(
        kierra(),
        (std::vector<Saatu>{
            {WM_KEYDOWN, 0x0D}, {WM_CHAR, 13}, {WM_CHAR, 'x'}, {WM_KEYDOWN, 0x1B}, {WM_CHAR, 27}, {WM_KEYUP, 0x1B}}));
}

TEST_F(Ikkuna, TypedTextArrivesAsWindows1252Characters) {
    avaa();
    kierra();
    tyhjo_kirjoita("a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80Z");  // a, a-umlaut, euro sign, an emoji, Z
    EXPECT_EQ(kierra(), (std::vector<Saatu>{{WM_CHAR, 'a'}, {WM_CHAR, 0xE4}, {WM_CHAR, 0x80}, {WM_CHAR, 'Z'}}));
}

TEST_F(Ikkuna, HeldKeyIsSeenInsideSleepUntilReleased) {
    avaa();
    kierra();
    std::vector<uint32_t> ylhaalla_nuoli;  // ticks at which Up was seen held
    tyhjo_ajasta(10, [] { tyhjo_pida("Up"); });
    tyhjo_ajasta(13, [] { tyhjo_paasta("Up"); });
    tyhjo_joka_ms([&] {
        if (GetAsyncKeyState(VK_UP) & 0x8000) {
            ylhaalla_nuoli.push_back(GetTickCount());
        }
        EXPECT_EQ(GetAsyncKeyState(VK_DOWN), 0);
    });
    Sleep(20);
    tyhjo_joka_ms(nullptr);
    EXPECT_EQ(ylhaalla_nuoli, (std::vector<uint32_t>{10, 11, 12}));
    // The messages waited in the queue for the loop, as a player's keys would during a pass.
    EXPECT_EQ(kierra(), (std::vector<Saatu>{{WM_KEYDOWN, VK_UP}, {WM_KEYUP, VK_UP}}));
    EXPECT_EQ(GetAsyncKeyState(VK_UP), 0);
}

TEST_F(Ikkuna, ClockWrapsAtTwoToThe32AndScheduledMomentsFollowIt) {
    tyhjo_aseta_kello(0xFFFFFFF0u);
    std::vector<uint32_t> ajot;  // the tick at which each action ran
    tyhjo_ajasta(0x00000005u, [&] { ajot.push_back(GetTickCount()); });
    tyhjo_ajasta(0xFFFFFFF8u, [&] { ajot.push_back(GetTickCount()); });
    tyhjo_ajasta(0xFFFFFFF8u, [&] { ajot.push_back(GetTickCount() + 1000); });  // same moment: in order
    const DWORD alku = GetTickCount();
    Sleep(0x20);
    EXPECT_EQ(GetTickCount(), 0x10u);
    EXPECT_EQ(GetTickCount() - alku, 0x20u);
    EXPECT_EQ(ajot, (std::vector<uint32_t>{0xFFFFFFF8u, 0xFFFFFFF8u + 1000, 0x5u}));
    EXPECT_FALSE(tyhjo_ajastettua_jaljella());
}

TEST_F(Ikkuna, AMomentAlreadyPastRunsAtTheNextMillisecondAndLaterOnesWait) {
    tyhjo_aseta_kello(500);
    int ajettu = 0;
    tyhjo_ajasta(400, [&] { ajettu = static_cast<int>(GetTickCount()); });
    tyhjo_ajasta(900, [] {});
    Sleep(1);
    EXPECT_EQ(ajettu, 501);
    EXPECT_TRUE(tyhjo_ajastettua_jaljella());
}

TEST_F(Ikkuna, CloseBoxDestroysTheWindowThroughTheDefaultHandling) {
    HWND ikkuna = avaa();
    kierra();
    saadut.clear();
    tyhjo_sulje();
    PostMessageA(ikkuna, WM_USER, 0, 0);  // queued after the close: dropped with the window
    EXPECT_EQ(kierra(), (std::vector<Saatu>{{WM_CLOSE, 0}}));
    EXPECT_EQ(saadut, (std::vector<Saatu>{{WM_CLOSE, 0}, {WM_DESTROY, 0}}));
    EXPECT_FALSE(tyhjo_auki());
    EXPECT_EQ(GetDC(ikkuna), nullptr);
    EXPECT_FALSE(DestroyWindow(ikkuna));
}

class IkkunanKuva : public Ikkuna {
  protected:
    void SetUp() override {
        Ikkuna::SetUp();
        muisti_ = CreateCompatibleDC(GetDC(nullptr));
        kartta_ = CreateCompatibleBitmap(GetDC(nullptr), 800, 600);
        vanha_ = SelectObject(muisti_, kartta_);
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                SetPixel(muisti_, x, y, RGB(x & 0xFF, y & 0xFF, 0x40));
            }
        }
    }
    static uint32_t kuvio(int x, int y) { return static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40); }

    void TearDown() override {
        EXPECT_EQ(SelectObject(muisti_, vanha_), kartta_);
        EXPECT_TRUE(DeleteObject(kartta_));
        EXPECT_TRUE(DeleteDC(muisti_));
        Ikkuna::TearDown();
    }

    HDC muisti_ = nullptr;
    HBITMAP kartta_ = nullptr;
    HGDIOBJ vanha_ = nullptr;
};

TEST_F(IkkunanKuva, RepaintErasesWithTheClassBrushAndEveryCopyOntoTheWindowIsPresented) {
    tyhjo_alkuun();
    rekisteroi(GetStockObject(LTGRAY_BRUSH));
    HWND ikkuna = avaa();
    const uint64_t alussa = tyhjo_esityksia();
    kierra();  // WM_PAINT: the default handling erases with light grey
    EXPECT_EQ(tyhjo_pikseli(0, 0), 0xC0C0C0u);
    EXPECT_EQ(tyhjo_pikseli(799, 599), 0xC0C0C0u);
    EXPECT_EQ(tyhjo_esityksia(), alussa + 1);

    HDC dc = GetDC(ikkuna);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDC(ikkuna), dc);  // CS_OWNDC: one DC for the window's life
    SetPixel(muisti_, 1, 1, RGB(1, 2, 3));
    EXPECT_EQ(tyhjo_esityksia(), alussa + 1);  // drawing off screen shows nothing
    BitBlt(dc, 0, 0, 800, 600, muisti_, 0, 0, SRCCOPY);
    EXPECT_EQ(tyhjo_esityksia(), alussa + 2);
    EXPECT_EQ(tyhjo_pikseli(1, 1), 0x010203u);
    EXPECT_EQ(tyhjo_pikseli(300, 200), kuvio(300, 200));
    ReleaseDC(ikkuna, dc);
}

TEST_F(IkkunanKuva, ResizingKeepsThePictureTopLeftWithTheBackgroundAround) {
    HWND ikkuna = avaa();
    kuvan_dc = muisti_;
    kierra();
    ASSERT_EQ(tyhjo_pikseli(799, 599), kuvio(799, 599));

    tyhjo_ajasta(5, [] { tyhjo_muuta_kokoa(1000, 700); });
    Sleep(5);
    // The window's own picture changed size at once: old pixels top-left, the new area black.
    const Kartta* kuva = ydin_ikkunan_kuva(ikkuna);
    ASSERT_NE(kuva, nullptr);
    ASSERT_EQ(kuva->leveys, 1000);
    ASSERT_EQ(kuva->korkeus, 700);
    EXPECT_EQ(kuva->pikselit[599 * 1000 + 799], kuvio(799, 599));
    EXPECT_EQ(kuva->pikselit[599 * 1000 + 800], 0u);
    EXPECT_EQ(kuva->pikselit[699 * 1000 + 5], 0u);
    RECT alue{};
    GetClientRect(ikkuna, &alue);
    EXPECT_EQ(alue.right, 1000);
    EXPECT_EQ(alue.bottom, 700);

    tyhjo_ajasta(7, [] { tyhjo_muuta_kokoa(1000, 701); });  // a second change before the repaint
    Sleep(5);
    EXPECT_EQ(kierra(), (std::vector<Saatu>{{WM_PAINT, 0}}));
    const struct {
        const char* missa;
        int x, y;
        uint32_t vari;
    } kPisteet[] = {
        {"top-left corner", 0, 0, kuvio(0, 0)},
        {"last pixel of the old picture", 799, 599, kuvio(799, 599)},
        {"right of it", 800, 0, 0},
        {"below it", 0, 600, 0},
        {"bottom-right corner", 999, 700, 0},
        {"middle", 400, 300, kuvio(400, 300)},
    };
    for (const auto& p : kPisteet) {
        SCOPED_TRACE(p.missa);
        EXPECT_EQ(tyhjo_pikseli(p.x, p.y), p.vari);
    }
    EXPECT_EQ(tyhjo_kuva().leveys, 1000);
    EXPECT_EQ(tyhjo_kuva().korkeus, 701);

    tyhjo_muuta_kokoa(300, 200);  // smaller: the top-left part stays
    kierra();
    EXPECT_EQ(tyhjo_kuva().leveys, 300);
    EXPECT_EQ(tyhjo_pikseli(299, 199), kuvio(299, 199));
}

TEST_F(Ikkuna, ShotIsABottomUp24BitBmpWithPaddedRows) {
    HWND ikkuna = avaa(3, 2);  // rows of 9 bytes, padded to 12
    ASSERT_NE(ikkuna, nullptr);
    HDC dc = GetDC(ikkuna);
    SetPixel(dc, 0, 0, RGB(0x11, 0x22, 0x33));
    SetPixel(dc, 2, 1, RGB(0xAA, 0xBB, 0xCC));
    const std::string tiedosto = ::testing::TempDir() + "ikkuna_kuva.bmp";
    ASSERT_TRUE(tyhjo_tallenna(tiedosto));
    std::ifstream f(tiedosto, std::ios::binary);
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    std::remove(tiedosto.c_str());
    ASSERT_EQ(b.size(), 54u + 2 * 12);
    auto luku32 = [&](size_t i) { return b[i] | b[i + 1] << 8 | b[i + 2] << 16 | b[i + 3] << 24; };
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(luku32(2), 54 + 24);
    EXPECT_EQ(luku32(10), 54);
    EXPECT_EQ(luku32(18), 3);
    EXPECT_EQ(luku32(22), 2);  // positive: bottom-up
    EXPECT_EQ(b[28], 24);
    EXPECT_EQ(luku32(30), 0);  // uncompressed
    // The bottom row (y = 1) comes first, blue-green-red.
    const std::vector<unsigned char> alarivi{0, 0, 0, 0, 0, 0, 0xCC, 0xBB, 0xAA, 0, 0, 0};
    const std::vector<unsigned char> ylarivi{0x33, 0x22, 0x11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<unsigned char>(b.begin() + 54, b.begin() + 66), alarivi);
    EXPECT_EQ(std::vector<unsigned char>(b.begin() + 66, b.end()), ylarivi);
    EXPECT_FALSE(tyhjo_tallenna(::testing::TempDir() + "no/such/folder/x.bmp"));
}

}  // namespace
