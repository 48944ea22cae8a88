// The headless backend: a virtual clock that only Sleep moves, input fed by scripts and tests, and the
// window's last presented picture kept for them to read.
#include "gfx/portti/tyhjo.h"

#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "gfx/portti/merkit.h"

namespace {

// The backend's state: a function-local static like the core's, for the same reason.
struct Tyhjo {
    uint32_t kello = 0;   // GetTickCount
    int64_t kulunut = 0;  // milliseconds moved since start; orders the scheduled actions without wrap
    // Scheduled actions by the moment they fall due on 'kulunut'; equal moments keep their order of
    // scheduling because a multimap inserts equal keys at the end of their run.
    std::multimap<int64_t, std::pair<uint32_t, std::function<void()>>> ajastetut;
    std::function<void()> joka_ms;
    bool auki = false;
    std::string otsikko;
    Kartta kuva;  // what the window shows: its last presented picture
    uint64_t esityksia = 0;
};

Tyhjo& tt() {
    static Tyhjo t;
    return t;
}

// Where on 'kulunut' the absolute tick 'hetki' falls: before now when it is already due (wrap-aware).
int64_t kohta(uint32_t hetki) {
    return tt().kulunut + static_cast<int32_t>(hetki - tt().kello);
}

// One millisecond of the virtual clock: move, run what is due, then the hook.
void askel() {
    Tyhjo& t = tt();
    ++t.kello;
    ++t.kulunut;
    while (!t.ajastetut.empty() && t.ajastetut.begin()->first <= t.kulunut) {
        auto toimi = std::move(t.ajastetut.begin()->second.second);
        t.ajastetut.erase(t.ajastetut.begin());
        toimi();
    }
    if (t.joka_ms) {
        t.joka_ms();
    }
}

// The character a key types, or -1: letters as typed, digits and space. Backspace, Tab, Return and
// Escape get theirs from TranslateMessage, as on Windows.
int merkki(const std::string& nimi) {
    if (nimi == "space") {
        return ' ';
    }
    if (nimi.size() == 1 && tyhjo_nappain(nimi) >= 0) {
        return static_cast<unsigned char>(nimi[0]);
    }
    return -1;
}

constexpr LPARAM kAlas = 1;                // repeat count 1
constexpr LPARAM kYlos = 1 | (3LL << 30);  // repeat count 1, was down, going up

void alas(const std::string& nimi) {
    const int vk = tyhjo_nappain(nimi);
    if (vk < 0) {
        return;
    }
    ydin_laita_viesti(WM_KEYDOWN, static_cast<WPARAM>(vk), kAlas);
    if (merkki(nimi) >= 0) {
        ydin_laita_viesti(WM_CHAR, static_cast<WPARAM>(merkki(nimi)), kAlas);
    }
}

void ylos(const std::string& nimi) {
    const int vk = tyhjo_nappain(nimi);
    if (vk >= 0) {
        ydin_laita_viesti(WM_KEYUP, static_cast<WPARAM>(vk), kYlos);
    }
}

bool kirjoita_bmp(std::FILE* f, const Kartta& kuva);

}  // namespace

// ---- The clock and scheduled actions ----

void tyhjo_aseta_kello(uint32_t ms) {
    Tyhjo& t = tt();
    t.kello = ms;
    // The actions keep their absolute moments, so they move on the ordering line with the clock.
    auto vanhat = std::move(t.ajastetut);
    t.ajastetut.clear();
    for (auto& [_, toimi] : vanhat) {
        t.ajastetut.emplace(kohta(toimi.first), std::move(toimi));
    }
}

uint32_t tyhjo_kello() {
    return tt().kello;
}

void tyhjo_ajasta(uint32_t hetki, std::function<void()> toimi) {
    tt().ajastetut.emplace(kohta(hetki), std::make_pair(hetki, std::move(toimi)));
}

bool tyhjo_ajastettua_jaljella() {
    return !tt().ajastetut.empty();
}

void tyhjo_joka_ms(std::function<void()> kutsu) {
    tt().joka_ms = std::move(kutsu);
}

// ---- Keys and text ----

int tyhjo_nappain(const std::string& nimi) {
    static const std::map<std::string, int> kNimet = {
        {"Return", VK_RETURN}, {"Escape", VK_ESCAPE},  {"Up", VK_UP},   {"Down", VK_DOWN},  {"Left", VK_LEFT},
        {"Right", VK_RIGHT},   {"BackSpace", VK_BACK}, {"Tab", VK_TAB}, {"space", VK_SPACE}};
    if (auto it = kNimet.find(nimi); it != kNimet.end()) {
        return it->second;
    }
    if (nimi.size() != 1) {
        return -1;
    }
    const char c = nimi[0];
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 'A';
    }
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? c : -1;
}

void tyhjo_paina(const std::string& nimi) {
    alas(nimi);
    ylos(nimi);
}

void tyhjo_pida(const std::string& nimi) {
    ydin_aseta_nappain(tyhjo_nappain(nimi), true);
    alas(nimi);
}

void tyhjo_paasta(const std::string& nimi) {
    ydin_aseta_nappain(tyhjo_nappain(nimi), false);
    ylos(nimi);
}

void tyhjo_kirjoita(const std::string& utf8) {
    for (char c : merkit_1252(utf8)) {
        ydin_laita_viesti(WM_CHAR, static_cast<unsigned char>(c), kAlas);
    }
}

void tyhjo_sulje() {
    ydin_laita_viesti(WM_CLOSE, 0, 0);
}

void tyhjo_muuta_kokoa(int leveys, int korkeus) {
    ydin_uusi_koko(leveys, korkeus);
}

// ---- What the window shows ----

const Kartta& tyhjo_kuva() {
    return tt().kuva;
}

uint32_t tyhjo_pikseli(int x, int y) {
    const Kartta& k = tt().kuva;
    if (x < 0 || y < 0 || x >= k.leveys || y >= k.korkeus) {
        return 0;
    }
    return k.pikselit[static_cast<size_t>(y) * static_cast<size_t>(k.leveys) + static_cast<size_t>(x)];
}

uint64_t tyhjo_esityksia() {
    return tt().esityksia;
}

bool tyhjo_tallenna(const std::string& tiedosto) {
    std::FILE* f = std::fopen(tiedosto.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool kirjoitettu = kirjoita_bmp(f, tt().kuva);
    return std::fclose(f) == 0 && kirjoitettu;
}

const std::string& tyhjo_otsikko() {
    return tt().otsikko;
}

bool tyhjo_auki() {
    return tt().auki;
}

void tyhjo_alkuun() {
    ydin_alkuun();
    tt() = Tyhjo{};
}

// ---- The backend calls ----

bool taka_avaa(const char* otsikko, int leveys, int korkeus) {
    Tyhjo& t = tt();
    t.auki = true;
    t.otsikko = otsikko;
    t.kuva = Kartta{};
    t.kuva.leveys = leveys;
    t.kuva.korkeus = korkeus;
    t.kuva.pikselit.assign(static_cast<size_t>(leveys) * static_cast<size_t>(korkeus), 0);
    return true;
}

void taka_sulje() {
    tt().auki = false;
    tt().otsikko.clear();
}

void taka_pumppaa() {}  // input is queued by the scheduled actions themselves

void taka_nayta(const Kartta& kuva) {
    tt().kuva.leveys = kuva.leveys;
    tt().kuva.korkeus = kuva.korkeus;
    tt().kuva.pikselit = kuva.pikselit;
    ++tt().esityksia;
}

uint32_t taka_kello() {
    return tt().kello;
}

void taka_nuku(uint32_t ms) {
    for (uint32_t i = 0; i < ms; ++i) {
        askel();
    }
}

namespace {

void pane16(std::vector<unsigned char>& b, uint32_t arvo) {
    b.push_back(static_cast<unsigned char>(arvo));
    b.push_back(static_cast<unsigned char>(arvo >> 8));
}

void pane32(std::vector<unsigned char>& b, uint32_t arvo) {
    pane16(b, arvo & 0xFFFF);
    pane16(b, arvo >> 16);
}

// A bottom-up 24-bit BMP: rows of blue, green, red, each padded to four bytes.
bool kirjoita_bmp(std::FILE* f, const Kartta& kuva) {
    const uint32_t rivi = (static_cast<uint32_t>(kuva.leveys) * 3 + 3) & ~3u;
    const uint32_t data = rivi * static_cast<uint32_t>(kuva.korkeus);
    std::vector<unsigned char> b;
    b.reserve(54 + data);
    b.push_back('B');
    b.push_back('M');
    for (uint32_t arvo :
         {54 + data, 0u, 54u, 40u, static_cast<uint32_t>(kuva.leveys), static_cast<uint32_t>(kuva.korkeus)}) {
        pane32(b, arvo);
    }
    pane16(b, 1);
    pane16(b, 24);
    for (uint32_t arvo : {0u, data, 2835u, 2835u, 0u, 0u}) {
        pane32(b, arvo);
    }
    for (int y = kuva.korkeus - 1; y >= 0; --y) {
        for (int x = 0; x < kuva.leveys; ++x) {
            const uint32_t p = kuva.pikselit[static_cast<size_t>(y) * static_cast<size_t>(kuva.leveys) + x];
            b.insert(b.end(), {static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 8),
                               static_cast<unsigned char>(p >> 16)});
        }
        b.resize(b.size() + (rivi - static_cast<uint32_t>(kuva.leveys) * 3), 0);
    }
    return std::fwrite(b.data(), 1, b.size(), f) == b.size();
}

}  // namespace
