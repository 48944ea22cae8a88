// Inside the own Win32 subset: the objects the core owns and the few calls a backend supplies.
// Two halves of the core use this: the GDI half (gdi*.cpp: DCs, bitmaps, text, BMP files) and the
// window half (ikkuna*.cpp: the window, its message queue, keys, clock). A backend (sdl.cpp or tyhjo.cpp)
// supplies only the taka_* calls at the end of this file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/win32.h"

// Every GDI object starts with its kind, so a handle can be told apart without a table lookup.
enum class Laji : uint32_t { Bittikartta = 0x42544d31, Sivellin = 0x42525331, Dc = 0x44433131 };

// Where pixels live. A screen-sized store goes on huge pages where the system offers them: a fresh 800 x 600
// bitmap is then a single page fault instead of 470, and those faults were most of the time it took to load
// the four pictures at start-up.
void* ydin_varaa_kuva(size_t tavua);
void ydin_vapauta_kuva(void* p, size_t tavua);
template <class T>
struct KuvaVaraaja {
    using value_type = T;
    KuvaVaraaja() = default;
    template <class U>
    KuvaVaraaja(const KuvaVaraaja<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(ydin_varaa_kuva(n * sizeof(T))); }
    void deallocate(T* p, size_t n) { ydin_vapauta_kuva(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const KuvaVaraaja<U>&) const {
        return true;
    }
};
using Pikselit = std::vector<uint32_t, KuvaVaraaja<uint32_t>>;

// A bitmap: 32-bit pixels 0x00RRGGBB, rows top-down, no padding.
struct Kartta {
    Laji laji = Laji::Bittikartta;
    int leveys = 0;
    int korkeus = 0;
    bool yksivarinen = false;  // the 1 x 1 default bitmap of a memory DC
    Pikselit pikselit;
};

struct Sivellin {
    Laji laji = Laji::Sivellin;
    COLORREF vari = 0;
};

// A device context: a memory DC draws into its selected bitmap; a window DC into the window's picture,
// and a copy onto it shows the picture.
struct Dc {
    Laji laji = Laji::Dc;
    Kartta* kartta = nullptr;  // where drawing goes; never null
    Kartta oletus;             // the default 1 x 1 bitmap of a memory DC
    HWND ikkuna = nullptr;     // set for a window DC
    COLORREF tekstivari = 0;
    int taustatila = OPAQUE;
};

// From a handle to the object; null for a null handle or an object of another kind.
Kartta* ydin_kartta(HGDIOBJ olio);
Dc* ydin_dc(HDC dc);

// The window's picture (client size) and its DC; the window half owns both.
Kartta* ydin_ikkunan_kuva(HWND ikkuna);
// Called by the GDI half after it drew onto a window DC: the backend shows the picture.
void ydin_ikkuna_piirretty(HWND ikkuna);

// For backends: input and window events reach the game through these.
void ydin_laita_viesti(UINT viesti, WPARAM wParam, LPARAM lParam);  // to the back of the queue
void ydin_aseta_nappain(int vk, bool alhaalla);                     // what GetAsyncKeyState sees
void ydin_maalaa();                                                 // exposure: a WM_PAINT is due
void ydin_uusi_koko(int leveys, int korkeus);                       // the client area changed size
// Forgets the window half's state: classes, the window, the queue, the quit request, held keys. For tests
// that run the game more than once in one process.
void ydin_alkuun();

// Supplied by exactly one backend. The window is 'leveys' x 'korkeus' pixels of client area.
bool taka_avaa(const char* otsikko, int leveys, int korkeus);
void taka_sulje();
void taka_pumppaa();                  // deliver pending input through ydin_*
void taka_nayta(const Kartta& kuva);  // show the window's picture now
uint32_t taka_kello();                // milliseconds, wrapping at 2^32
void taka_nuku(uint32_t ms);
