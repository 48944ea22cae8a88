// In-process runs of the whole game on the headless backend for the screen tests: a fresh working folder
// with the four backgrounds per test, moments on the virtual clock, WinMain run to its end, and pictures.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gfx/win32.h"
#include "results/tulos.h"

// A picture of the window's client area, pixels 0x00RRGGBB, rows top-down.
struct Kuva {
    int leveys = 0;
    int korkeus = 0;
    std::vector<uint32_t> pikselit;
    uint32_t operator()(int x, int y) const;  // 0 outside
};

// A COLORREF (0x00BBGGRR) as the pictures hold it (0x00RRGGBB).
uint32_t rgb(COLORREF vari);

// What the window shows now: its last presented picture.
Kuva nykyinen_kuva();
// A 24-bit BMP such as a `shot` writes.
Kuva lue_bmp(const std::filesystem::path& tiedosto);
// Pixels that differ between two pictures within x0 <= x < x1, y0 <= y < y1.
int erot(const Kuva& a, const Kuva& b, int x0, int y0, int x1, int y1);
// Pixels of one colour (0x00RRGGBB) within the same kind of rectangle.
int vareja(const Kuva& kuva, uint32_t vari, int x0, int y0, int x1, int y1);

// An expected picture, drawn with the same GDI services the game uses but without any game code:
// a background file of the working folder (or nothing), then texts and pixels over it.
class Odotus {
  public:
    explicit Odotus(const char* tausta, int leveys = 800, int korkeus = 600);
    ~Odotus();
    Odotus(const Odotus&) = delete;
    Odotus& operator=(const Odotus&) = delete;
    void teksti(int x, int y, const std::string& teksti, COLORREF vari);
    void pikseli(int x, int y, COLORREF vari);
    Kuva kuva() const;

  private:
    HDC dc_;
    HBITMAP kartta_;
};

class Peliajo : public ::testing::Test {
  protected:
    static constexpr uint32_t kAlku = 1000;  // the tick count when a run starts

    void SetUp() override;
    void TearDown() override;

    // With false, the working folder gets no background pictures (set before SetUp runs).
    bool kuvat_ = true;

    // Moments are milliseconds after the start of the run; things due at the same moment run in order.
    void kohdassa(uint32_t ms, std::function<void()> toimi);
    void paina(uint32_t ms, const std::string& nappain);  // key-down, its character, key-up
    void kirjoita(uint32_t ms, const std::string& utf8);  // one WM_CHAR per Windows-1252 byte
    void kuvaa(uint32_t ms, Kuva& kuva);                  // what the window shows at that moment
    void sulje(uint32_t ms);                              // as the close box
    // A script in the scenario runner's language, from the start of the run; the window closes after it.
    void skripti(const std::string& teksti);

    // Runs WinMain to its end and returns its exit code. A run still going at 'katto' ms is closed and
    // the test fails.
    int aja(uint32_t katto = 120000);

    // Writes a result file under the mode number its checksums are made with (the choice goes back after).
    static void kirjoita_tulokset(uint32_t tila, const std::vector<Tulos>& lista);

    std::filesystem::path kansio_;  // this test's working folder

  private:
    std::filesystem::path lahto_;  // the working folder before the test
};
