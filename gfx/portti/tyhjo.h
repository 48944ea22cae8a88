// The headless backend: no display, a virtual clock that only Sleep moves, keys fed by a script or a test,
// and the window's picture readable at any moment.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gfx/portti/ydin.h"

// The virtual clock (GetTickCount). Sleep(ms) moves it one millisecond at a time, and at each millisecond
// runs what is due: the actions scheduled for that moment, then the per-millisecond hook.
void tyhjo_aseta_kello(uint32_t ms);
uint32_t tyhjo_kello();

// Runs 'toimi' when the clock reaches 'hetki' (absolute ms, compared with wrap-around) inside a Sleep;
// actions due at the same moment run in the order they were scheduled.
void tyhjo_ajasta(uint32_t hetki, std::function<void()> toimi);
bool tyhjo_ajastettua_jaljella();  // some scheduled action has not run yet
// Called after every millisecond the clock moves (tests steer the game from here). Empty to remove.
void tyhjo_joka_ms(std::function<void()> kutsu);

// Keys by the names of the script language: Return, Escape, Up, Down, Left, Right, BackSpace, Tab, space,
// a-z, A-Z, 0-9. -1 for an unknown name.
int tyhjo_nappain(const std::string& nimi);
// Press and release: WM_KEYDOWN, the WM_CHAR the key types (if any), WM_KEYUP, queued now.
void tyhjo_paina(const std::string& nimi);
void tyhjo_pida(const std::string& nimi);         // key-down; GetAsyncKeyState sees it held
void tyhjo_paasta(const std::string& nimi);       // key-up
void tyhjo_kirjoita(const std::string& utf8);     // one WM_CHAR per Windows-1252 byte
void tyhjo_sulje();                               // as the close box: WM_CLOSE
void tyhjo_muuta_kokoa(int leveys, int korkeus);  // the user resizes the client area

// What the window shows now: its last presented picture, 0x00RRGGBB.
const Kartta& tyhjo_kuva();
uint32_t tyhjo_pikseli(int x, int y);              // 0x00RRGGBB, 0 outside
uint64_t tyhjo_esityksia();                        // how many times the picture was presented so far
bool tyhjo_tallenna(const std::string& tiedosto);  // 24-bit BMP of the client area

const std::string& tyhjo_otsikko();  // the open window's title; empty when none is open
bool tyhjo_auki();                   // a window is open
// Everything back to the start: clock 0, nothing scheduled, no hook, nothing shown, and the window half's
// queue, classes and keys forgotten. Tests call it before each game they run in one process.
void tyhjo_alkuun();
