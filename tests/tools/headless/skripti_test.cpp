// Scenario scripts: the parser of the script language, and its steps landing at their moments on the
// virtual clock of the headless backend.
#include "tools/headless/skripti.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "gfx/portti/tyhjo.h"
#include "gfx/win32.h"

namespace {

TEST(SkriptiJasenna, GoodScriptsGiveTheirStepsWithLineNumbers) {
    std::vector<Askel> a;
    std::string virhe;
    const std::string kSkripti =
        "# a comment\n"
        "\n"
        "wait 100\n"
        "   key Return   \n"
        "hold Up\r\n"
        "\t release Up\n"
        "type  \xC3\xA4y x \n"
        "shot kuvat/a b.bmp\n"
        "   # an indented comment\n"
        "wait 4294967\n"
        "key space\n"
        "type\n"
        "close";
    ASSERT_TRUE(skripti_jasenna(kSkripti, a, virhe)) << virhe;
    const struct {
        int rivi;
        Komento komento;
        uint32_t ms;
        const char* arvo;
    } kOdotus[] = {
        {3, Komento::Odota, 100, ""},
        {4, Komento::Paina, 0, "Return"},
        {5, Komento::Pida, 0, "Up"},
        {6, Komento::Paasta, 0, "Up"},
        {7, Komento::Kirjoita, 0, " \xC3\xA4y x "},  // the rest of the line after one blank, as it stands
        {8, Komento::Kuva, 0, "kuvat/a b.bmp"},
        {10, Komento::Odota, 4294967, ""},
        {11, Komento::Paina, 0, "space"},
        {12, Komento::Kirjoita, 0, ""},
        {13, Komento::Sulje, 0, ""},
    };
    ASSERT_EQ(a.size(), std::size(kOdotus));
    for (size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(kOdotus[i].rivi);
        EXPECT_EQ(a[i].rivi, kOdotus[i].rivi);
        EXPECT_EQ(a[i].komento, kOdotus[i].komento);
        EXPECT_EQ(a[i].ms, kOdotus[i].ms);
        EXPECT_EQ(a[i].arvo, kOdotus[i].arvo);
    }
    ASSERT_TRUE(skripti_jasenna("", a, virhe));
    EXPECT_TRUE(a.empty());
    ASSERT_TRUE(skripti_jasenna("\xEF\xBB\xBFwait 5\n", a, virhe)) << virhe;  // with a byte order mark
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].ms, 5u);
}

TEST(SkriptiJasenna, EachErrorNamesItsLine) {
    const struct {
        const char* skripti;
        const char* odotus;  // the start of the error text
    } kTapaukset[] = {
        {"wait 10\njump 3\n", "line 2: unknown command 'jump'"},
        {"Wait 10\n", "line 1: unknown command 'Wait'"},
        {"wait 10\n\nkey NoSuchKey\n", "line 3: unknown key name 'NoSuchKey'"},
        {"# c\nhold\n", "line 2: unknown key name ''"},
        {"release return\n", "line 1: unknown key name 'return'"},
        {"key a b\n", "line 1: unknown key name 'a b'"},
        {"wait ten\n", "line 1: malformed number 'ten'"},
        {"wait\n", "line 1: malformed number ''"},
        {"wait -5\n", "line 1: malformed number '-5'"},
        {"wait 1.5\n", "line 1: malformed number '1.5'"},
        {"wait 10 20\n", "line 1: malformed number '10 20'"},
        {"wait 4294967296\n", "line 1: malformed number '4294967296'"},
        {"wait 99999999999\n", "line 1: malformed number '99999999999'"},
        {"key a\r\nwait 0x10\r\n", "line 2: malformed number '0x10'"},
        {"shot\n", "line 1: shot needs a file name"},
        {"close now\n", "line 1: close takes nothing after it"},
        // Moments compare with wrap-around, so a script must end within 2^31 - 1 ms of its start.
        {"wait 2147483647\nkey a\nwait 1\n", "line 3: the script runs longer than 2147483647 ms"},
    };
    for (const auto& t : kTapaukset) {
        SCOPED_TRACE(t.skripti);
        std::vector<Askel> a;
        std::string virhe;
        EXPECT_FALSE(skripti_jasenna(t.skripti, a, virhe));
        EXPECT_EQ(virhe.rfind(t.odotus, 0), 0u) << virhe;
    }
}

// A window that records what reaches it with the tick it came at, run by a loop like the game's.
struct Kirjattu {
    DWORD hetki;
    UINT viesti;
    WPARAM wParam;
    bool operator==(const Kirjattu&) const = default;
};

std::vector<Kirjattu> kirjatut;
std::vector<DWORD> nuoli_alhaalla;  // ticks at which the loop saw Up held

LRESULT CALLBACK kirjaava(HWND ikkuna, UINT viesti, WPARAM wParam, LPARAM lParam) {
    if (viesti == WM_KEYDOWN || viesti == WM_KEYUP || viesti == WM_CHAR || viesti == WM_CLOSE) {
        kirjatut.push_back({GetTickCount(), viesti, wParam});
    }
    return DefWindowProcA(ikkuna, viesti, wParam, lParam);
}

class SkriptiAjasta : public ::testing::Test {
  protected:
    void SetUp() override {
        tyhjo_alkuun();
        kirjatut.clear();
        nuoli_alhaalla.clear();
        WNDCLASSEXA luokka{};
        luokka.cbSize = sizeof luokka;
        luokka.lpfnWndProc = kirjaava;
        luokka.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        luokka.lpszClassName = "Skripti";
        RegisterClassExA(&luokka);
    }
    void TearDown() override { tyhjo_alkuun(); }

    // The game's loop in small: every message at once, then a pass of one millisecond; until the window
    // is gone (with a bound, so a fault cannot hang the test).
    static void aja(uint32_t alku, const std::string& skripti) {
        tyhjo_aseta_kello(alku);
        HWND ikkuna =
            CreateWindowExA(0, "Skripti", "S", WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(ikkuna, nullptr);
        std::vector<Askel> a;
        std::string virhe;
        ASSERT_TRUE(skripti_jasenna(skripti, a, virhe)) << virhe;
        skripti_ajasta(a, alku);
        for (int kierros = 0; kierros < 100000 && tyhjo_auki(); ++kierros) {
            MSG m;
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&m);
                DispatchMessageA(&m);
            }
            if (GetAsyncKeyState(VK_UP) & 0x8000) {
                nuoli_alhaalla.push_back(GetTickCount());
            }
            Sleep(1);
        }
        EXPECT_FALSE(tyhjo_auki());
    }
};

TEST_F(SkriptiAjasta, StepsHappenAtTheirMomentsAndTheWindowClosesAfterTheLast) {
    aja(100, "wait 10\nkey a\nwait 5\ntype \xC3\xA4x\nhold Up\nwait 3\nrelease Up\nwait 2\n");
    const std::vector<Kirjattu> kOdotus = {
        {110, WM_KEYDOWN, 'A'}, {110, WM_CHAR, 'a'},      {110, WM_KEYUP, 'A'},   {115, WM_CHAR, 0xE4},
        {115, WM_CHAR, 'x'},    {115, WM_KEYDOWN, VK_UP}, {118, WM_KEYUP, VK_UP}, {120, WM_CLOSE, 0},
    };
    EXPECT_EQ(kirjatut, kOdotus);
    EXPECT_EQ(nuoli_alhaalla, (std::vector<DWORD>{115, 116, 117}));
}

TEST_F(SkriptiAjasta, MomentsFollowTheClockAcrossItsWrap) {
    aja(0xFFFFFF00u, "wait 200\nkey b\nwait 200\nkey Return\n");
    const std::vector<Kirjattu> kOdotus = {
        {0xFFFFFFC8u, WM_KEYDOWN, 'B'}, {0xFFFFFFC8u, WM_CHAR, 'b'}, {0xFFFFFFC8u, WM_KEYUP, 'B'},
        {0x90u, WM_KEYDOWN, VK_RETURN}, {0x90u, WM_CHAR, 13},        {0x90u, WM_KEYUP, VK_RETURN},
        {0x90u, WM_CLOSE, 0},
    };
    EXPECT_EQ(kirjatut, kOdotus);
}

TEST_F(SkriptiAjasta, ShotSavesWhatTheWindowShowsAtItsMoment) {
    const std::filesystem::path kuva = std::filesystem::path(::testing::TempDir()) / "skripti_kuva.bmp";
    std::filesystem::remove(kuva);
    aja(0, "wait 5\nshot " + kuva.string() + "\nclose\nwait 50\nkey a\n");
    ASSERT_TRUE(std::filesystem::exists(kuva));
    EXPECT_EQ(std::filesystem::file_size(kuva), 54u + 800 * 600 * 3);
    std::filesystem::remove(kuva);
    // The window closed at 5: the steps after that never reached it.
    EXPECT_EQ(kirjatut, (std::vector<Kirjattu>{{5, WM_CLOSE, 0}}));
}

}  // namespace
