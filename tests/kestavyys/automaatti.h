// A player that the per-millisecond hook drives through whole sessions: the title, each name in turn (the
// first typed at the name entry, the others through "Vaihda pelaaja"), its games in the menu, steered along
// the maze, and the close box at the end. It notes every finished game.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/shell/pelaa_apu.h"

namespace kestavyys {

// One player's turn: the name as typed (UTF-8) and the modes 1..5 played in that order.
struct Vuoro {
    std::string nimi;
    std::vector<uint32_t> tilat;
};

// A finished game as the game itself recorded it.
struct Pelattu {
    uint32_t tila = 0;
    std::string nimi;  // Windows-1252, as stored
    uint32_t aika = 0;
};

class Automaatti {
  public:
    explicit Automaatti(std::vector<Vuoro> vuorot) : vuorot_(std::move(vuorot)) {}

    // Puts the player on the hook; WinMain is run by the caller.
    void kaynnista() {
        seuraava_ = tyhjo_kello();
        tyhjo_joka_ms([this] { joka_ms(); });
    }

    std::vector<Pelattu> pelatut;
    // Called as each finished game's time flashes, with the number of games so far.
    std::function<void(size_t)> pelin_jalkeen;
    // Asked before each step with the cell it leads to: false holds the player where it stands for now.
    std::function<bool(pelaa_apu::Ruutu)> saa_astua;
    // Called every millisecond before the player looks at the game.
    std::function<void()> katsoja;
    // Called in the menu once every turn is played, just before the close box.
    std::function<void()> lopuksi;
    bool valmis = false;  // every turn played and the window closed

  private:
    static bool ennen(uint32_t a, uint32_t b) { return static_cast<int32_t>(a - b) < 0; }

    void joka_ms() {
        const uint32_t nyt = tyhjo_kello();
        if (katsoja) {
            katsoja();
        }
        if (pelitilanne == 2 && nappainten_painaminen_mahdollista) {
            pelaamassa_ = true;
            ohjaa();
            return;
        }
        if (pelaamassa_ && !nappainten_painaminen_mahdollista) {
            lopussa();  // the last step was taken and the time flashes
        }
        if (ennen(nyt, seuraava_) || valmis) {
            return;
        }
        seuraava_ = nyt + 5;  // one key at a time, with a few passes between
        if (pelitilanne == 0) {
            tyhjo_paina("Return");
        } else if (pelitilanne == 3) {
            anna_nimi();
        } else if (pelitilanne == 1 && nappainten_painaminen_mahdollista) {
            valitse();
        }
    }

    void anna_nimi() {
        for (int i = 0; i < 20; ++i) {
            tyhjo_paina("BackSpace");  // the name entry keeps the last name typed
        }
        tyhjo_kirjoita(vuorot_[vuoro_].nimi);
        tyhjo_paina("Return");
        seuraava_ += 10;
    }

    // The next game of this turn, the next turn through choice 7, or the close box when all are played.
    void valitse() {
        uint32_t kohde = 0;
        if (peli_ < vuorot_[vuoro_].tilat.size()) {
            kohde = vuorot_[vuoro_].tilat[peli_];
        } else if (vuoro_ + 1 < vuorot_.size()) {
            kohde = 7;
        } else {
            valmis = true;
            if (lopuksi) {
                lopuksi();
            }
            tyhjo_sulje();
            return;
        }
        if (paa_valikko_valinta != kohde) {
            tyhjo_paina((paa_valikko_valinta + 7 - kohde) % 7 <= 3 ? "Up" : "Down");
            return;
        }
        tyhjo_paina("Return");
        if (kohde == 7) {
            ++vuoro_;
            peli_ = 0;
        }
        seuraava_ += 10;
    }

    // Holds the key towards the goal or the nearest block; the way is looked up again after each step.
    void ohjaa() {
        // While the player's last cell still holds the player, nothing has moved: no need to search the grid.
        if (!nuolet_tyhjat_ && paikka_.first < taulukko.size() && taulukko[paikka_.first][paikka_.second] % 10 == 3) {
            return;
        }
        const pelaa_apu::Ruutu paikka = pelaa_apu::pelaajan_ruutu(taulukko);
        paikka_ = paikka;
        const pelaa_apu::Ruutu seuraava =
            pelityyppi == 0
                ? pelaa_apu::seuraava_askel(taulukko,
                                            [](uint32_t x, uint32_t y) { return x == loppu_x && y == loppu_y; })
                : pelaa_apu::seuraava_askel(taulukko, [](uint32_t x, uint32_t y) { return taulukko[x][y] % 10 == 4; });
        nuolet_tyhjat_ = seuraava == paikka || (saa_astua && !saa_astua(seuraava));
        nuolet_.pida(nuolet_tyhjat_ ? "" : pelaa_apu::nuoli(paikka, seuraava));
    }

    void lopussa() {
        pelaamassa_ = false;
        nuolet_.paasta();
        paikka_ = {UINT32_MAX, UINT32_MAX};
        pelatut.push_back({vuorot_[vuoro_].tilat[peli_], viimeisinPelaaja, viimeisinPelattuAika});
        ++peli_;
        if (pelin_jalkeen) {
            pelin_jalkeen(pelatut.size());
        }
    }

    std::vector<Vuoro> vuorot_;
    size_t vuoro_ = 0, peli_ = 0;  // the turn and its game now
    uint32_t seuraava_ = 0;        // no menu key before this tick
    bool pelaamassa_ = false;      // a game was seen under way and has not ended yet
    pelaa_apu::Ruutu paikka_{UINT32_MAX, UINT32_MAX};
    bool nuolet_tyhjat_ = true;
    pelaa_apu::Nuolet nuolet_;
};

}  // namespace kestavyys
