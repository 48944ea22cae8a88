// The game's global state with its start values, set up in a fixed order before WinMain runs.
#include "shell/tila.h"

#include "gfx/puskuri.h"

uint32_t ms_odotus = 1;
int32_t ylareuna = 30;
uint32_t ruudun_koko = 8;
uint32_t seinaprosentti = 100;
uint32_t paa_valikko_valinta = 1;

uint32_t seina = 0x00140000;
uint32_t ukkeli = 0x000000FF;
uint32_t loppu1 = 0x0000FF00;
uint32_t loppu2 = 0x00FF0000;
uint32_t jalki = 0x0064FFFF;
uint32_t tyhja = 0x00FFFFFF;
uint32_t vaaleansininen2 = 0x00F8DF10;
uint32_t musta = 0x00000000;

int32_t pelitilanne = 0;
bool nappainten_painaminen_mahdollista = true;
bool valikossa_enteria_painettu = false;
uint32_t paa_valikko_valinta_vanha = 0;
int32_t top_aloitus = 0;
int32_t top_aloitus_vanha = 0;

uint32_t viimeisinPelattuAika = 0;

uint32_t alku_x = 0, alku_y = 0;
uint32_t loppu_x = 0, loppu_y = 0;
uint32_t rekursiotaso_johon_asti_mennaan = 0;
uint32_t suurin_rekursiotaso = 0;
uint32_t poiminta_pisteet = 0;
bool piirra_umpikujat = false;
bool piirra_umpikujat_viimeinen_rekursio = false;
int32_t pelityyppi = 0;
bool arvoluku_onkoalustettu = false;

// Dynamically initialised, in this order within this one file, so the order holds on every compiler:
// the console texts, the typed name, the player and the grid, then the four backgrounds, then the goal
// colour and the last player; they are torn down in the reverse order.
const std::string APU_VIRHE1 = "VIRHE: Anna luku ";
const std::string APU_VIRHE2 = "VIRHE: Anna luku alueelta ";
std::string teksti;
std::string pelaaja;
Ruudukko taulukko;
HBITMAP tausta1 = Lataa_kuva("tausta1.bmp");
HBITMAP tausta2 = Lataa_kuva("tausta2.bmp");
HBITMAP tausta3 = Lataa_kuva("tausta3.bmp");
HBITMAP tausta4 = Lataa_kuva("tausta4.bmp");
uint32_t loppu = loppu1;
std::string viimeisinPelaaja;

void tila_alkuun() {
    ms_odotus = 1;
    ylareuna = 30;
    ruudun_koko = 8;
    seinaprosentti = 100;
    paa_valikko_valinta = 1;
    seina = 0x00140000;
    ukkeli = 0x000000FF;
    loppu1 = 0x0000FF00;
    loppu2 = 0x00FF0000;
    jalki = 0x0064FFFF;
    tyhja = 0x00FFFFFF;
    vaaleansininen2 = 0x00F8DF10;
    musta = 0x00000000;
    pelitilanne = 0;
    nappainten_painaminen_mahdollista = true;
    valikossa_enteria_painettu = false;
    paa_valikko_valinta_vanha = 0;
    top_aloitus = 0;
    top_aloitus_vanha = 0;
    viimeisinPelattuAika = 0;
    alku_x = alku_y = loppu_x = loppu_y = 0;
    rekursiotaso_johon_asti_mennaan = 0;
    suurin_rekursiotaso = 0;
    poiminta_pisteet = 0;
    piirra_umpikujat = false;
    piirra_umpikujat_viimeinen_rekursio = false;
    pelityyppi = 0;
    arvoluku_onkoalustettu = false;
    teksti.clear();
    pelaaja.clear();
    taulukko.clear();
    tausta1 = Lataa_kuva("tausta1.bmp");
    tausta2 = Lataa_kuva("tausta2.bmp");
    tausta3 = Lataa_kuva("tausta3.bmp");
    tausta4 = Lataa_kuva("tausta4.bmp");
    loppu = loppu1;
    viimeisinPelaaja.clear();
}
