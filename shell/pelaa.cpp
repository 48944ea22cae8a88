// Playing a maze: the game start from the menu, and the playing pass with its steps, blink and heads-up line.
#include <string>

#include "gfx/puskuri.h"
#include "maze/sokkelo.h"
#include "results/tulos.h"
#include "shell/peli.h"
#include "shell/tila.h"
#include "util/teksti.h"

namespace {

// One row of the mode table: what a game of menu choice 1..5 copies at its start.
struct Pelimuoto {
    uint32_t leveys;     // grid width in cells
    uint32_t korkeus;    // grid height in cells
    uint32_t ruutu;      // cell side in pixels
    uint32_t prosentti;  // wall percentage of the carving
    bool umpikujat;      // blocks in the dead ends
    int32_t tyyppi;      // 0 maze, 1 picking
};

// The five game modes, indexed by menu choice - 1.
constexpr Pelimuoto pelimuodot[5] = {
    {25, 17, 32, 100, false, 0},  // "Sokkelo, pieni"
    {49, 33, 16, 100, false, 0},  // "Sokkelo, iso"
    {99, 67, 8, 100, false, 0},   // "Sokkelo, älytön"
    {25, 17, 32, 80, true, 1},    // "Poiminta, pieni"
    {49, 33, 16, 80, true, 1},    // "Poiminta, iso"
};

constexpr uint32_t valikko_piirrettava = 235235;  // no choice has it, so the menu redraws in full
constexpr uint32_t vilkkumisvali = 500;           // ms between goal colour changes
constexpr uint32_t kierroksen_kesto = 34;         // a pass waits until more than this has gone by
constexpr uint32_t musta_teksti = 0x00000000;     // every heads-up text

// Every pixel of a rectangle, inclusive corners, one SetPixel at a time as all cell drawing is.
void tayta_alue(int x0, int y0, int x1, int y1, uint32_t vari) {
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            SetPixel(gBuffer.hdcPuskuri, x, y, vari);
        }
    }
}

// The square of cell (x, y) in the geometry the whole-maze drawing uses.
void tayta_ruutu(uint32_t x, uint32_t y, uint32_t vari) {
    const int vasen = static_cast<int>(ruudun_koko * x);
    const int yla = ylareuna + static_cast<int>(ruudun_koko * y);
    const int koko = static_cast<int>(ruudun_koko);
    tayta_alue(vasen, yla, vasen + koko - 1, yla + koko - 1, vari);
}

bool pidetty(int nappain) {
    return (GetAsyncKeyState(nappain) & 0x8000) != 0;
}

// The grid's kind of a cell; a cell outside the grid counts as wall, so a malformed grid cannot be
// walked out of.
int32_t ruudun_laji(uint32_t x, uint32_t y) {
    if (x >= taulukko.size() || y >= taulukko[x].size()) {
        return 1;
    }
    return taulukko[x][y] % 10;
}

// One step to (x, y) unless it is a wall: trail behind, player ahead, a block taken, presented at once.
void askel(Silmukka& s, uint32_t x, uint32_t y) {
    if (ruudun_laji(x, y) == 1) {
        return;
    }
    tayta_ruutu(s.ukkeli_x, s.ukkeli_y, jalki);
    taulukko[s.ukkeli_x][s.ukkeli_y] = 6;
    s.ukkeli_x = x;
    s.ukkeli_y = y;
    if (taulukko[x][y] % 10 == 4) {
        --poiminta_pisteet;
    }
    taulukko[x][y] = 3;
    tayta_ruutu(x, y, ukkeli);
    Kaanna(gBuffer, 0);
}

// Left, right, up, down in this order: opposite keys cancel each other, so a pass makes at most one
// horizontal and one vertical step, the vertical one from the column the horizontal one reached.
void liiku(Silmukka& s) {
    if (pidetty(VK_LEFT) && !pidetty(VK_RIGHT) && s.ukkeli_x != 0) {
        askel(s, s.ukkeli_x - 1, s.ukkeli_y);
    }
    if (pidetty(VK_RIGHT) && !pidetty(VK_LEFT) && s.ukkeli_x < s.sokkelon_leveys) {
        askel(s, s.ukkeli_x + 1, s.ukkeli_y);
    }
    if (pidetty(VK_UP) && !pidetty(VK_DOWN) && s.ukkeli_y != 0) {
        askel(s, s.ukkeli_x, s.ukkeli_y - 1);
    }
    if (pidetty(VK_DOWN) && !pidetty(VK_UP) && s.ukkeli_y < s.sokkelon_korkeus) {
        askel(s, s.ukkeli_x, s.ukkeli_y + 1);
    }
}

// The goal alternates between its two colours, each phase a little over half a second.
void vilkuta_maalia(Silmukka& s) {
    if (GetTickCount() - s.vilkkumisaika <= vilkkumisvali) {
        return;
    }
    s.vilkkumisaika = GetTickCount();
    loppu = (loppu == loppu2) ? loppu1 : loppu2;
    tayta_ruutu(loppu_x, loppu_y, loppu);
    Kaanna(gBuffer, 0);
}

// The line above the maze. The labels are drawn over themselves each pass; only the fields under the
// changing values (block count, time) are cleared first.
void piirra_tilarivi(const Silmukka& s) {
    tayta_alue(400, 5, 499, 24, vaaleansininen2);
    tayta_alue(590, 5, 659, 24, vaaleansininen2);
    struct Teksti {
        std::string teksti;
        int x;
    };
    const Teksti tekstit[] = {
        {"Pelaaja: " + pelaaja, 50},
        {"Aikaa kulunut: ", 500},
        {aika2string(GetTickCount() - s.pelin_alku), 600},
        {"Palikoita ker\xE4\xE4m\xE4tt\xE4: " + int2string(poiminta_pisteet), 300},
    };
    const size_t rivit = (pelityyppi == 1) ? 4 : 3;  // the count only in the picking modes
    for (size_t i = 0; i < rivit; ++i) {
        tulosta(tekstit[i].x, 5, tekstit[i].teksti, musta_teksti);
    }
}

void ota_pelimuoto(Silmukka& s, const Pelimuoto& muoto) {
    s.sokkelon_leveys = muoto.leveys;
    s.sokkelon_korkeus = muoto.korkeus;
    ruudun_koko = muoto.ruutu;
    seinaprosentti = muoto.prosentti;
    piirra_umpikujat = muoto.umpikujat;
    pelityyppi = muoto.tyyppi;
}

bool peli_loppui(const Silmukka& s) {
    if (pelityyppi == 0) {
        return s.ukkeli_x == loppu_x && s.ukkeli_y == loppu_y;
    }
    return pelityyppi == 1 && poiminta_pisteet == 0;
}

}  // namespace

void pelin_aloitus(Silmukka& s) {
    if (paa_valikko_valinta == 6) {
        return;  // "Kokonaisajat" is no game; the Enter flag stays until the next key clears it
    }
    if (paa_valikko_valinta == 7) {
        pelitilanne = 3;  // name entry; the flag is cleared when the name is accepted
        return;
    }
    if (paa_valikko_valinta < 1 || paa_valikko_valinta > 5) {
        return;
    }
    pelitilanne = 2;
    ota_pelimuoto(s, pelimuodot[paa_valikko_valinta - 1]);
    valikossa_enteria_painettu = false;
    paa_valikko_valinta_vanha = valikko_piirrettava;
    taulukko.clear();
    poiminta_pisteet = 0;
    teesokkelo(taulukko, s.sokkelon_leveys, s.sokkelon_korkeus);
    s.ukkeli_x = alku_x;
    s.ukkeli_y = alku_y;
    Nayta_kuva(gBuffer, tausta2, 0, 0);
    loppu = loppu1;
    piirra_sokkelo(taulukko, gBuffer.hdcPuskuri);
    Kaanna(gBuffer, 0);
    s.pelin_alku = GetTickCount();
    s.vilkkumisaika = s.pelin_alku;
}

void pelikierros(Silmukka& s) {
    liiku(s);
    if (pelityyppi == 0) {
        vilkuta_maalia(s);
    }
    piirra_tilarivi(s);
    if (peli_loppui(s)) {
        pelin_loppu(s);
        return;
    }
    Kaanna(gBuffer, 0);
    // Paced from the top of the loop iteration, so a held key moves at most one cell per 35 ms.
    while (GetTickCount() - s.silmukan_alku <= kierroksen_kesto) {
        Sleep(ms_odotus);
    }
}
