// The main menu: its pass, drawn only when the choice or the list's scroll changed, and its screen.
#include "gfx/puskuri.h"
#include "shell/peli.h"
#include "shell/tila.h"

namespace {

const uint32_t kVihrea = 0x0000FF00;  // the version text and the player line
const uint32_t kMusta = 0x00000000;   // every other text

struct Teksti {
    const char* teksti;
    int x;
    int y;
};

// The fixed texts of the menu, all black.
const Teksti kTekstit[] = {
    {"Valitse:", 60, 110},
    {"Sokkelo, pieni", 70, 135},
    {"Sokkelo, iso", 70, 160},
    {"Sokkelo, \xE4lyt\xF6n", 70, 185},
    {"Poiminta, pieni", 70, 210},
    {"Poiminta, iso", 70, 235},
    {"Kokonaisajat", 70, 270},
    {"Vaihda pelaaja", 70, 295},
    {"Ohjeet:", 60, 340},
    {"Liiku sokkelossa nuolin\xE4pp\xE4imill\xE4.", 70, 365},
    {"Escill\xE4 p\xE4\xE4set takaisin valikkoon", 70, 390},
    {"tai pois pelist\xE4. Voit vieritt\xE4\xE4", 70, 415},
    {"oikealla n\xE4kyv\xE4\xE4 listaa n\xE4pp\xE4imill\xE4 a ja z,", 70, 440},
    {"jos se ei mahdu kerralla ruudulle.", 70, 465},
};

// Top edge of the selection frame of each choice 1..7; the choice's text lies 5 pixels below it.
const int kKehyksenYlareuna[] = {130, 155, 180, 205, 230, 265, 290};

void piirra_alue(int x0, int x1, int y0, int y1) {
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            SetPixel(gBuffer.hdcPuskuri, x, y, musta);
        }
    }
}

// A box 200 x 27 with a border three pixels thick; its inside keeps the background.
void piirra_kehys(int y0) {
    const int x0 = 60;
    piirra_alue(x0, x0 + 199, y0, y0 + 2);
    piirra_alue(x0, x0 + 199, y0 + 24, y0 + 26);
    piirra_alue(x0, x0 + 2, y0 + 3, y0 + 23);
    piirra_alue(x0 + 197, x0 + 199, y0 + 3, y0 + 23);
}

}  // namespace

bool valikkokierros(Silmukka& s) {
    nappainten_painaminen_mahdollista = true;  // keys count again after a finished game
    if (valikossa_enteria_painettu) {
        if (paa_valikko_valinta == 7) {
            pelitilanne = 3;  // the flag stays set until the new name is accepted
            return true;
        }
        if (paa_valikko_valinta >= 1 && paa_valikko_valinta <= 5) {
            pelin_aloitus(s);
        }
        return false;  // "Kokonaisajat" has nothing to start; the flag waits for the next key
    }
    if (paa_valikko_valinta != paa_valikko_valinta_vanha || top_aloitus != top_aloitus_vanha) {
        piirra_valikko();
    }
    return false;
}

void piirra_valikko() {
    paa_valikko_valinta_vanha = paa_valikko_valinta;
    top_aloitus_vanha = top_aloitus;  // before the list clamps it: a clamp then brings one more drawing
    Nayta_kuva(gBuffer, tausta3, 0, 0);
    tulosta(155, 22, "v. 1.0", kVihrea);
    if (paa_valikko_valinta >= 1 && paa_valikko_valinta <= 7) {
        piirra_kehys(kKehyksenYlareuna[paa_valikko_valinta - 1]);
    }
    piirra_tuloslista();
    for (const Teksti& t : kTekstit) {
        tulosta(t.x, t.y, t.teksti, kMusta);
    }
    tulosta(500, 10, "Nykyinen pelaaja: " + pelaaja, kVihrea);
    Kaanna(gBuffer, 0);
}
