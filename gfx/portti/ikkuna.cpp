// The window half of the own Win32 subset: window class and window, the message queue, painting, keys and
// the clock. The backend behind the taka_* calls is picked at link time.
#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "gfx/portti/ydin.h"

namespace {

// A registered window class: only what the window uses of it.
struct Luokka {
    std::string nimi;
    WNDPROC proseduuri = nullptr;
    HBRUSH tausta = nullptr;
};

// The one window the subset opens at a time (the game has one), its picture and its own DC.
struct Ikkuna {
    bool elossa = false;
    bool tuhoutumassa = false;  // inside DestroyWindow: a second call must not run WM_DESTROY again
    WNDPROC proseduuri = nullptr;
    HBRUSH tausta = nullptr;
    Kartta kuva;              // the client area, what the window DC draws into
    Dc dc;                    // CS_OWNDC: the one DC for the window's life
    bool maalattava = false;  // a repaint is due: WM_PAINT once the queue is empty
    bool pyyhittava = false;  // the repaint erases the background first
};

// Everything the window half keeps; a function-local static, so it is ready before the game's globals, and
// never destroyed, so it still serves while they are torn down.
struct Tila {
    std::vector<Luokka> luokat;
    Ikkuna ikkuna;
    std::deque<MSG> jono;  // posted messages and input, oldest first
    bool lopetus = false;  // PostQuitMessage was called and its WM_QUIT not yet taken
    int lopetuskoodi = 0;
    bool alhaalla[256] = {};  // keys held now, by virtual-key code
    Dc naytto;                // GetDC(NULL): the screen, good as the reference of a compatible bitmap

    Tila() {
        naytto.oletus.leveys = 1;
        naytto.oletus.korkeus = 1;
        naytto.oletus.pikselit.assign(1, 0);
        naytto.kartta = &naytto.oletus;
    }
    Tila(const Tila&) = delete;
    Tila& operator=(const Tila&) = delete;
};

Tila& tila() {
    static Tila* t = new Tila;
    return *t;
}

HWND kahva() {
    return reinterpret_cast<HWND>(&tila().ikkuna);
}

// The living window behind a handle, or null.
Ikkuna* ikkuna(HWND h) {
    Ikkuna& ik = tila().ikkuna;
    return h != nullptr && h == kahva() && ik.elossa ? &ik : nullptr;
}

bool samat_nimet(const std::string& a, const char* b) {
    return a.size() == std::strlen(b) && std::equal(a.begin(), a.end(), b, [](char x, char y) {
               auto pieni = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return pieni(x) == pieni(y);
           });
}

const Luokka* etsi_luokka(const char* nimi) {
    for (const Luokka& l : tila().luokat) {
        if (nimi != nullptr && samat_nimet(l.nimi, nimi)) {
            return &l;
        }
    }
    return nullptr;
}

MSG viesti(HWND h, UINT laji, WPARAM w, LPARAM l) {
    MSG m{};
    m.hwnd = h;
    m.message = laji;
    m.wParam = w;
    m.lParam = l;
    m.time = taka_kello();
    return m;
}

// A null window takes messages of every window and of the thread; a range of 0 to 0 takes every message.
bool sopii(HWND mille, UINT laji, HWND h, UINT alaraja, UINT ylaraja) {
    const bool kaikki = alaraja == 0 && ylaraja == 0;
    return (h == nullptr || mille == h) && (kaikki || (laji >= alaraja && laji <= ylaraja));
}

// The next message in the order Windows gives them: queued ones first, then the quit request, then a
// due repaint. Returns false when there is none.
bool seuraava(MSG& m, HWND h, UINT alaraja, UINT ylaraja, bool poista) {
    Tila& t = tila();
    for (auto it = t.jono.begin(); it != t.jono.end(); ++it) {
        if (sopii(it->hwnd, it->message, h, alaraja, ylaraja)) {
            m = *it;
            if (poista) {
                t.jono.erase(it);
            }
            return true;
        }
    }
    if (t.lopetus && sopii(nullptr, WM_QUIT, nullptr, alaraja, ylaraja)) {
        m = viesti(nullptr, WM_QUIT, static_cast<WPARAM>(t.lopetuskoodi), 0);
        t.lopetus = !poista;
        return true;
    }
    // A repaint stays due until BeginPaint validates the window, so it is never removed here.
    if (t.ikkuna.elossa && t.ikkuna.maalattava && sopii(kahva(), WM_PAINT, h, alaraja, ylaraja)) {
        m = viesti(kahva(), WM_PAINT, 0, 0);
        return true;
    }
    return false;
}

}  // namespace

// ---- Window class and window ----

ATOM RegisterClassExA(const WNDCLASSEXA* luokka) {
    Tila& t = tila();
    if (luokka == nullptr || luokka->cbSize != sizeof(WNDCLASSEXA) || luokka->lpszClassName == nullptr ||
        luokka->lpfnWndProc == nullptr || etsi_luokka(luokka->lpszClassName) != nullptr) {
        return 0;
    }
    t.luokat.push_back(Luokka{luokka->lpszClassName, luokka->lpfnWndProc, luokka->hbrBackground});
    return static_cast<ATOM>(0xC000 + t.luokat.size() - 1);
}

// The outer size is the client size here: the backend's window has its frame outside the picture.
HWND CreateWindowExA(DWORD, LPCSTR luokka, LPCSTR otsikko, DWORD tyyli, int, int, int leveys, int korkeus, HWND, HMENU,
                     HINSTANCE, LPVOID) {
    const Luokka* l = etsi_luokka(luokka);
    Ikkuna& ik = tila().ikkuna;
    if (l == nullptr || ik.elossa) {
        return nullptr;
    }
    if (leveys == CW_USEDEFAULT) {
        leveys = 800;
        korkeus = 600;
    }
    leveys = std::max(leveys, 0);
    korkeus = std::max(korkeus, 0);
    if (!taka_avaa(otsikko != nullptr ? otsikko : "", leveys, korkeus)) {
        return nullptr;
    }
    ik = Ikkuna{};
    ik.elossa = true;
    ik.proseduuri = l->proseduuri;
    ik.tausta = l->tausta;
    ik.kuva.leveys = leveys;
    ik.kuva.korkeus = korkeus;
    ik.kuva.pikselit.assign(static_cast<size_t>(leveys) * static_cast<size_t>(korkeus), 0);
    ik.dc.kartta = &ik.kuva;
    ik.dc.ikkuna = kahva();
    // WM_CREATE's CREATESTRUCT is not part of the subset; nothing here reads it.
    if (SendMessageA(kahva(), WM_CREATE, 0, 0) == -1) {
        DestroyWindow(kahva());
        return nullptr;
    }
    // A window that shows itself is painted, background first, once the queue is empty.
    ik.maalattava = ik.pyyhittava = (tyyli & WS_VISIBLE) != 0;
    return kahva();
}

BOOL DestroyWindow(HWND h) {
    Ikkuna* ik = ikkuna(h);
    if (ik == nullptr || ik->tuhoutumassa) {
        return FALSE;
    }
    ik->tuhoutumassa = true;
    SendMessageA(h, WM_DESTROY, 0, 0);
    std::deque<MSG>& jono = tila().jono;
    jono.erase(std::remove_if(jono.begin(), jono.end(), [h](const MSG& m) { return m.hwnd == h; }), jono.end());
    ik->elossa = false;
    ik->tuhoutumassa = false;
    ik->maalattava = false;
    taka_sulje();
    return TRUE;
}

// ---- Messages ----

BOOL PeekMessageA(MSG* m, HWND h, UINT alaraja, UINT ylaraja, UINT poisto) {
    taka_pumppaa();
    MSG otettu{};
    if (m == nullptr || !seuraava(otettu, h, alaraja, ylaraja, (poisto & PM_REMOVE) != 0)) {
        return FALSE;
    }
    *m = otettu;
    return TRUE;
}

// Printable characters come from the backend as their own WM_CHAR (as typed text does); the control keys
// get theirs here, put first in the queue so that it follows its key-down before any later input.
BOOL TranslateMessage(const MSG* m) {
    if (m == nullptr || (m->message != WM_KEYDOWN && m->message != WM_KEYUP)) {
        return FALSE;
    }
    const WPARAM vk = m->wParam;
    if (m->message == WM_KEYDOWN && (vk == VK_BACK || vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE)) {
        tila().jono.push_front(viesti(m->hwnd, WM_CHAR, vk, m->lParam));
    }
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* m) {
    return m == nullptr ? 0 : SendMessageA(m->hwnd, m->message, m->wParam, m->lParam);
}

void PostQuitMessage(int koodi) {
    tila().lopetus = true;
    tila().lopetuskoodi = koodi;
}

// A null window posts to the thread itself, as on Windows.
BOOL PostMessageA(HWND h, UINT laji, WPARAM wParam, LPARAM lParam) {
    if (h != nullptr && ikkuna(h) == nullptr) {
        return FALSE;
    }
    tila().jono.push_back(viesti(h, laji, wParam, lParam));
    return TRUE;
}

LRESULT SendMessageA(HWND h, UINT laji, WPARAM wParam, LPARAM lParam) {
    Ikkuna* ik = ikkuna(h);
    return ik == nullptr ? 0 : ik->proseduuri(h, laji, wParam, lParam);
}

LRESULT DefWindowProcA(HWND h, UINT laji, WPARAM wParam, LPARAM) {
    Ikkuna* ik = ikkuna(h);
    if (ik == nullptr) {
        return 0;
    }
    if (laji == WM_CLOSE) {
        DestroyWindow(h);
    } else if (laji == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        EndPaint(h, &ps);
    } else if (laji == WM_ERASEBKGND && ik->tausta != nullptr) {
        RECT alue;
        GetClientRect(h, &alue);
        FillRect(reinterpret_cast<HDC>(wParam), &alue, ik->tausta);
        return 1;
    }
    return 0;
}

// ---- Painting ----

HDC BeginPaint(HWND h, PAINTSTRUCT* ps) {
    Ikkuna* ik = ikkuna(h);
    if (ik == nullptr || ps == nullptr) {
        return nullptr;
    }
    *ps = PAINTSTRUCT{};
    ps->hdc = GetDC(h);
    GetClientRect(h, &ps->rcPaint);
    ik->maalattava = false;
    if (ik->pyyhittava) {
        ik->pyyhittava = false;
        ps->fErase = SendMessageA(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) == 0;
    }
    return ps->hdc;
}

BOOL EndPaint(HWND h, const PAINTSTRUCT*) {
    return ikkuna(h) != nullptr;
}

// The subset repaints the whole client area; the rectangle only says that something changed.
BOOL InvalidateRect(HWND h, const RECT*, BOOL tyhjenna) {
    Ikkuna* ik = h == nullptr ? ikkuna(kahva()) : ikkuna(h);
    if (ik == nullptr) {
        return FALSE;
    }
    ik->maalattava = true;
    ik->pyyhittava = ik->pyyhittava || tyhjenna;
    return TRUE;
}

HDC GetDC(HWND h) {
    if (h == nullptr) {
        return reinterpret_cast<HDC>(&tila().naytto);
    }
    Ikkuna* ik = ikkuna(h);
    return ik == nullptr ? nullptr : reinterpret_cast<HDC>(&ik->dc);
}

int ReleaseDC(HWND, HDC dc) {
    return dc != nullptr ? 1 : 0;
}

BOOL GetClientRect(HWND h, RECT* alue) {
    Ikkuna* ik = ikkuna(h);
    if (ik == nullptr || alue == nullptr) {
        return FALSE;
    }
    *alue = RECT{0, 0, ik->kuva.leveys, ik->kuva.korkeus};
    return TRUE;
}

// ---- Keys, icons, clock, module ----

// Asks the backend first, so that a pass polling held keys between its sleeps sees them change; the input
// that comes with it waits in the queue, as it would on Windows.
SHORT GetAsyncKeyState(int nappain) {
    taka_pumppaa();
    const bool alhaalla = nappain >= 0 && nappain < 256 && tila().alhaalla[nappain];
    return alhaalla ? static_cast<SHORT>(0x8000) : 0;
}

// The subset has no icons or cursors to load; the game only hands these to its window class.
HICON LoadIconA(HINSTANCE, LPCSTR) {
    static char kuvake;
    return reinterpret_cast<HICON>(&kuvake);
}

HCURSOR LoadCursorA(HINSTANCE, LPCSTR) {
    static char osoitin;
    return reinterpret_cast<HCURSOR>(&osoitin);
}

DWORD GetTickCount(void) {
    return taka_kello();
}

void Sleep(DWORD ms) {
    taka_nuku(ms);
}

// The program's own instance for a null name; the subset has no other modules.
HMODULE GetModuleHandleA(LPCSTR nimi) {
    static char ohjelma;
    return nimi == nullptr ? reinterpret_cast<HMODULE>(&ohjelma) : nullptr;
}

// ---- Calls between the halves and from the backends ----

Kartta* ydin_ikkunan_kuva(HWND h) {
    Ikkuna* ik = ikkuna(h);
    return ik == nullptr ? nullptr : &ik->kuva;
}

void ydin_ikkuna_piirretty(HWND h) {
    Ikkuna* ik = ikkuna(h);
    if (ik != nullptr) {
        taka_nayta(ik->kuva);
    }
}

void ydin_laita_viesti(UINT laji, WPARAM wParam, LPARAM lParam) {
    if (tila().ikkuna.elossa) {
        tila().jono.push_back(viesti(kahva(), laji, wParam, lParam));
    }
}

void ydin_aseta_nappain(int vk, bool alhaalla) {
    if (vk >= 0 && vk < 256) {
        tila().alhaalla[vk] = alhaalla;
    }
}

void ydin_maalaa() {
    InvalidateRect(kahva(), nullptr, TRUE);
}

// The picture keeps what it had at its top-left corner; the new area is black until the repaint erases it
// with the class brush.
void ydin_uusi_koko(int leveys, int korkeus) {
    Ikkuna* ik = ikkuna(kahva());
    if (ik == nullptr) {
        return;
    }
    leveys = std::max(leveys, 0);
    korkeus = std::max(korkeus, 0);
    Kartta& vanha = ik->kuva;
    Pikselit uudet(static_cast<size_t>(leveys) * static_cast<size_t>(korkeus), 0);
    const int w = std::min(leveys, vanha.leveys);
    for (int y = 0; y < std::min(korkeus, vanha.korkeus); ++y) {
        std::copy_n(vanha.pikselit.begin() + static_cast<ptrdiff_t>(y) * vanha.leveys, w,
                    uudet.begin() + static_cast<ptrdiff_t>(y) * leveys);
    }
    vanha.pikselit = std::move(uudet);
    vanha.leveys = leveys;
    vanha.korkeus = korkeus;
    InvalidateRect(kahva(), nullptr, TRUE);
}

void ydin_alkuun() {
    Tila& t = tila();
    if (t.ikkuna.elossa) {
        t.ikkuna.elossa = false;
        taka_sulje();
    }
    t.luokat.clear();
    t.jono.clear();
    t.lopetus = false;
    t.lopetuskoodi = 0;
    std::fill(std::begin(t.alhaalla), std::end(t.alhaalla), false);
}
