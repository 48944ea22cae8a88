// The game's global state: settings, colours, screen and menu state, the player, the maze bookkeeping.
#pragma once

#include <cstdint>
#include <string>

#include "maze/sokkelo.h"

// Settings.
extern uint32_t ms_odotus;            // milliseconds of every sleep of the game
extern int32_t ylareuna;              // the maze starts this many pixels below the top
extern uint32_t ruudun_koko;          // side of a maze cell in pixels
extern uint32_t seinaprosentti;       // chance in per cent that the carving closes a wall slot
extern uint32_t paa_valikko_valinta;  // selected menu entry 1..7; also the mode number the checksum reads

// Colours, 0x00BBGGRR.
extern uint32_t seina;            // wall
extern uint32_t ukkeli;           // the player's cell
extern uint32_t loppu1;           // goal colour A, and the blocks
extern uint32_t loppu2;           // goal colour B
extern uint32_t jalki;            // trail
extern uint32_t tyhja;            // open cell
extern uint32_t vaaleansininen2;  // under the changing heads-up values
extern uint32_t loppu;            // the goal's (or the blocks') colour now
extern uint32_t musta;            // the menu's selection frame

// Screen and menu state.
extern int32_t pelitilanne;                     // 0 title, 1 menu, 2 playing, 3 name entry
extern bool nappainten_painaminen_mahdollista;  // key gate: key-downs are taken only while set
extern bool valikossa_enteria_painettu;         // Enter was pressed in the menu
extern uint32_t paa_valikko_valinta_vanha;      // the choice the menu was last drawn for
extern int32_t top_aloitus;                     // first result row shown
extern int32_t top_aloitus_vanha;               // the scroll the menu was last drawn for

// Player.
extern std::string teksti;   // the name being typed
extern std::string pelaaja;  // the current player

// The last recorded result, marked red in the menu.
extern uint32_t viimeisinPelattuAika;
extern std::string viimeisinPelaaja;

// The maze and its generation.
extern Ruudukko taulukko;                         // the current maze
extern uint32_t alku_x, alku_y;                   // start room
extern uint32_t loppu_x, loppu_y;                 // goal: the deepest room of the carving
extern uint32_t rekursiotaso_johon_asti_mennaan;  // depth limit of the carving, 0 for none
extern uint32_t suurin_rekursiotaso;              // deepest level the running carving pass reached
extern uint32_t poiminta_pisteet;                 // blocks left to collect
extern bool piirra_umpikujat;                     // generation puts blocks into dead ends
extern bool piirra_umpikujat_viimeinen_rekursio;  // the final, unlimited carving pass runs
extern int32_t pelityyppi;                        // 0 maze, 1 picking
extern bool arvoluku_onkoalustettu;               // the random generator has been seeded

// The console number prompt's error texts (util/konsoli.cpp); both end with a space.
extern const std::string APU_VIRHE1;  // for a range of one number
extern const std::string APU_VIRHE2;  // for a range of several numbers

// Puts every global back to its start value (tests); the backgrounds are loaded again from the working folder.
void tila_alkuun();
