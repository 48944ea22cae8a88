// Helpers for the playing and recording tests: a window and frame buffer without the main loop, hand-made
// grids, the path to the next goal cell, text and colour checks on the window's picture.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "gfx/portti/tyhjo.h"
#include "gfx/puskuri.h"
#include "results/tulos.h"
#include "shell/peli.h"
#include "shell/tila.h"
#include "util/satunnainen.h"

namespace pelaa_apu {

using Ruutu = std::pair<uint32_t, uint32_t>;  // (x, y) of a maze cell

// A COLORREF (0x00BBGGRR) as the window's picture stores it (0x00RRGGBB).
inline uint32_t kuvan_vari(uint32_t colorref) {
    return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
}

// The picture's colour at the centre of a maze cell, in COLORREF form, so it compares with the globals.
inline uint32_t ruudun_vari(uint32_t x, uint32_t y) {
    const uint32_t puoli = ruudun_koko / 2;
    return kuvan_vari(tyhjo_pikseli(static_cast<int>(ruudun_koko * x + puoli),
                                    static_cast<int>(static_cast<uint32_t>(ylareuna) + ruudun_koko * y + puoli)));
}

// Every pixel of the cell's square in one colour (COLORREF).
inline bool ruutu_yhta_varia(uint32_t x, uint32_t y, uint32_t vari) {
    for (uint32_t i = 0; i < ruudun_koko; ++i) {
        for (uint32_t j = 0; j < ruudun_koko; ++j) {
            const int px = static_cast<int>(ruudun_koko * x + i);
            const int py = static_cast<int>(static_cast<uint32_t>(ylareuna) + ruudun_koko * y + j);
            if (kuvan_vari(tyhjo_pikseli(px, py)) != vari) {
                return false;
            }
        }
    }
    return true;
}

// The pixels a text sets, relative to its top-left corner, taken by drawing it into a scratch bitmap that
// lives as long as the process (the subset keeps deleted objects as tombstones, so one is made, not many).
inline std::vector<std::pair<int, int>> tekstin_pisteet(const std::string& teksti) {
    constexpr int leveys = 800, korkeus = 40;
    static HDC dc = [] {
        HDC ruutu = GetDC(nullptr);
        HDC uusi = CreateCompatibleDC(ruutu);
        SelectObject(uusi, CreateCompatibleBitmap(ruutu, leveys, korkeus));
        ReleaseDC(nullptr, ruutu);
        return uusi;
    }();
    RECT alue{0, 0, leveys, korkeus};
    FillRect(dc, &alue, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, 0x00000000);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 0, 0, teksti.c_str(), static_cast<int>(teksti.size()));
    std::vector<std::pair<int, int>> pisteet;
    for (int x = 0; x < leveys; ++x) {
        for (int y = 0; y < korkeus; ++y) {
            if ((GetPixel(dc, x, y) & 0x00FFFFFF) == 0) {
                pisteet.emplace_back(x, y);
            }
        }
    }
    return pisteet;
}

// A picture shows the text at (x, y) in the colour (COLORREF): every pixel of its glyphs has that colour.
// 'pikseli(x, y)' reads the picture, 0x00RRGGBB.
template <typename Pikseli>
bool nakyy_tekstina(Pikseli pikseli, int x, int y, const std::string& teksti, uint32_t vari) {
    const auto pisteet = tekstin_pisteet(teksti);
    if (pisteet.empty()) {
        return false;
    }
    for (const auto& [dx, dy] : pisteet) {
        if (kuvan_vari(pikseli(x + dx, y + dy)) != vari) {
            return false;
        }
    }
    return true;
}

// The window shows the text now.
inline bool nakyy_teksti(int x, int y, const std::string& teksti, uint32_t vari) {
    return nakyy_tekstina(tyhjo_pikseli, x, y, teksti, vari);
}

// A grid from rows of text: '#' wall, '.' open, '@' the player, 'o' a block or the goal.
inline Ruudukko ruudukko_riveista(const std::vector<std::string>& rivit) {
    Ruudukko r(rivit[0].size(), std::vector<int32_t>(rivit.size(), 0));
    for (size_t y = 0; y < rivit.size(); ++y) {
        for (size_t x = 0; x < rivit[y].size(); ++x) {
            const char c = rivit[y][x];
            r[x][y] = c == '#' ? 1 : c == '@' ? 3 : c == 'o' ? 24 : 20;
        }
    }
    return r;
}

// The player's cell: the one cell with code 3.
inline Ruutu pelaajan_ruutu(const Ruudukko& r) {
    for (uint32_t x = 0; x < r.size(); ++x) {
        for (uint32_t y = 0; y < r[x].size(); ++y) {
            if (r[x][y] % 10 == 3) {
                return {x, y};
            }
        }
    }
    return {0, 0};
}

// The first cell on a shortest path from the player to the nearest cell 'maali' accepts; the player's own
// cell when there is none.
template <typename Ehto>
Ruutu seuraava_askel(const Ruudukko& r, Ehto maali) {
    const Ruutu alku = pelaajan_ruutu(r);
    std::vector<std::vector<Ruutu>> mista(r.size(), std::vector<Ruutu>(r[0].size(), Ruutu{UINT32_MAX, 0}));
    std::deque<Ruutu> jono{alku};
    mista[alku.first][alku.second] = alku;
    while (!jono.empty()) {
        const Ruutu nyt = jono.front();
        jono.pop_front();
        if (nyt != alku && maali(nyt.first, nyt.second)) {
            Ruutu askel = nyt;
            while (mista[askel.first][askel.second] != alku) {
                askel = mista[askel.first][askel.second];
            }
            return askel;
        }
        const int siirrot[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& s : siirrot) {
            const uint32_t x = nyt.first + s[0], y = nyt.second + s[1];
            if (x < r.size() && y < r[x].size() && r[x][y] % 10 != 1 && mista[x][y].first == UINT32_MAX) {
                mista[x][y] = nyt;
                jono.push_back({x, y});
            }
        }
    }
    return alku;
}

// The arrow key that leads from one cell to its neighbour.
inline const char* nuoli(Ruutu mista, Ruutu mihin) {
    if (mihin.first < mista.first)
        return "Left";
    if (mihin.first > mista.first)
        return "Right";
    if (mihin.second < mista.second)
        return "Up";
    return "Down";
}

// Holds one arrow key at a time, releasing the one held before; only changes reach the queue.
class Nuolet {
  public:
    void pida(const std::string& nappain) {
        if (nappain == pidetty_) {
            return;
        }
        paasta();
        if (!nappain.empty()) {
            tyhjo_pida(nappain);
        }
        pidetty_ = nappain;
    }
    void paasta() {
        if (!pidetty_.empty()) {
            tyhjo_paasta(pidetty_);
        }
        pidetty_.clear();
    }

  private:
    std::string pidetty_;
};

// A one-colour 24-bit BMP, so a screen's background shows as a known colour (0x00RRGGBB).
inline void kirjoita_bmp(const std::string& nimi, int leveys, int korkeus, uint32_t rgb) {
    const uint32_t rivi = (static_cast<uint32_t>(leveys) * 3 + 3) & ~3u;
    const uint32_t koko = 54 + rivi * static_cast<uint32_t>(korkeus);
    std::vector<unsigned char> t(koko, 0);
    auto kirjoita = [&](size_t kohta, uint32_t arvo, int tavuja) {
        for (int i = 0; i < tavuja; ++i)
            t[kohta + i] = static_cast<unsigned char>(arvo >> (8 * i));
    };
    t[0] = 'B';
    t[1] = 'M';
    kirjoita(2, koko, 4);
    kirjoita(10, 54, 4);
    kirjoita(14, 40, 4);
    kirjoita(18, static_cast<uint32_t>(leveys), 4);
    kirjoita(22, static_cast<uint32_t>(korkeus), 4);
    kirjoita(26, 1, 2);
    kirjoita(28, 24, 2);
    kirjoita(34, rivi * static_cast<uint32_t>(korkeus), 4);
    for (int y = 0; y < korkeus; ++y) {
        for (int x = 0; x < leveys; ++x) {
            const size_t p = 54 + rivi * static_cast<uint32_t>(y) + 3 * static_cast<uint32_t>(x);
            t[p] = static_cast<unsigned char>(rgb);
            t[p + 1] = static_cast<unsigned char>(rgb >> 8);
            t[p + 2] = static_cast<unsigned char>(rgb >> 16);
        }
    }
    std::ofstream(nimi, std::ios::binary)
        .write(reinterpret_cast<const char*>(t.data()), static_cast<std::streamsize>(t.size()));
}

// The backgrounds of the tests: one plain colour per screen, so each screen is told by its colour.
constexpr uint32_t pelin_tausta = 0x00C0C0C0;    // tausta2, light grey
constexpr uint32_t valikon_tausta = 0x00FF00FF;  // tausta3, magenta

// A fresh working folder for one test, the working folder again afterwards.
class Kansio {
  public:
    Kansio() {
        const auto* tieto = ::testing::UnitTest::GetInstance()->current_test_info();
        polku_ = std::filesystem::temp_directory_path() /
                 ("rimputin-pelaa-" + std::to_string(getpid()) + "-" + tieto->test_suite_name() + "-" + tieto->name());
        std::filesystem::remove_all(polku_);
        std::filesystem::create_directories(polku_);
        vanha_ = std::filesystem::current_path();
        std::filesystem::current_path(polku_);
    }
    ~Kansio() {
        std::filesystem::current_path(vanha_);
        std::error_code ohita;
        std::filesystem::remove_all(polku_, ohita);
    }

  private:
    std::filesystem::path polku_;
    std::filesystem::path vanha_;
};

inline std::vector<Tulos> lue(const std::string& tiedosto, uint32_t valinta) {
    const uint32_t ennen = paa_valikko_valinta;
    paa_valikko_valinta = valinta;
    std::vector<Tulos> lista;
    lueTiedostosta(tiedosto, lista);
    paa_valikko_valinta = ennen;
    return lista;
}

inline void kirjoita(const std::string& tiedosto, uint32_t valinta, const std::vector<Tulos>& lista) {
    const uint32_t ennen = paa_valikko_valinta;
    paa_valikko_valinta = valinta;
    kirjoitaTiedostoon(tiedosto, lista);
    paa_valikko_valinta = ennen;
}

// A result list as (name, time) pairs, for comparing whole lists in one expectation.
inline std::vector<std::pair<std::string, uint32_t>> nimet_ja_ajat(const std::vector<Tulos>& lista) {
    std::vector<std::pair<std::string, uint32_t>> tulos;
    for (const Tulos& t : lista) {
        tulos.emplace_back(t.nimi, t.aika);
    }
    return tulos;
}

inline std::string tiedoston_tavut(const std::string& tiedosto) {
    std::ifstream f(tiedosto, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace pelaa_apu

namespace pelaa_apu {

// The game's window and frame buffer without the main loop, so a test can run single passes of the game
// on a grid of its own; the clock starts at 50,000 ms, the backgrounds are plain colours.
class PeliIkkuna : public ::testing::Test {
  protected:
    void SetUp() override {
        kansio_ = std::make_unique<Kansio>();
        kirjoita_bmp("tausta2.bmp", 800, 600, pelin_tausta);
        kirjoita_bmp("tausta3.bmp", 800, 600, valikon_tausta);
        tila_alkuun();
        tyhjo_alkuun();
        arvoluku_alusta(20241);
        tyhjo_aseta_kello(50000);
        WNDCLASSEXA luokka{};
        luokka.cbSize = sizeof luokka;
        luokka.lpfnWndProc = DefWindowProcA;
        luokka.hInstance = GetModuleHandleA(nullptr);
        luokka.lpszClassName = "RimputinPelaa";
        RegisterClassExA(&luokka);
        ikkuna_ = CreateWindowExA(0, "RimputinPelaa", "Rimputin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 800, 600, nullptr, nullptr, luokka.hInstance, nullptr);
        ASSERT_NE(ikkuna_, nullptr);
        Luo2Buffer(gBuffer, ikkuna_);
        pelaaja = "Testaaja";
    }
    void TearDown() override {
        tyhjo_joka_ms(nullptr);
        DestroyWindow(ikkuna_);
        kansio_.reset();
    }

    // A game on a hand-made grid, drawn and started now; a maze game's goal is its 'o' cell, a picking
    // game's blocks are all its 'o' cells.
    void aloita(const std::vector<std::string>& rivit, int32_t tyyppi) {
        taulukko = ruudukko_riveista(rivit);
        s.sokkelon_leveys = static_cast<uint32_t>(taulukko.size());
        s.sokkelon_korkeus = static_cast<uint32_t>(taulukko[0].size());
        ruudun_koko = 32;
        pelityyppi = tyyppi;
        poiminta_pisteet = 0;
        for (uint32_t x = 0; x < s.sokkelon_leveys; ++x) {
            for (uint32_t y = 0; y < s.sokkelon_korkeus; ++y) {
                if (taulukko[x][y] % 10 == 4) {
                    poiminta_pisteet += tyyppi == 1 ? 1 : 0;
                    loppu_x = x;
                    loppu_y = y;
                }
            }
        }
        std::tie(s.ukkeli_x, s.ukkeli_y) = pelaajan_ruutu(taulukko);
        loppu = loppu1;
        piirra_sokkelo(taulukko, gBuffer.hdcPuskuri);
        Kaanna(gBuffer, 0);
        s.pelin_alku = s.vilkkumisaika = GetTickCount();
        pelitilanne = 2;
    }

    // One playing pass as the main loop runs it, with the given arrow keys held and all others released.
    void kierros(const std::vector<std::string>& pidetyt = {}) {
        for (const char* nappain : {"Left", "Right", "Up", "Down"}) {
            tyhjo_paasta(nappain);
        }
        for (const auto& nappain : pidetyt) {
            tyhjo_pida(nappain);
        }
        s.silmukan_alku = GetTickCount();
        pelikierros(s);
    }

    Silmukka s;

  private:
    std::unique_ptr<Kansio> kansio_;
    HWND ikkuna_ = nullptr;
};

}  // namespace pelaa_apu
