// In-process runs of the whole game on the headless backend for the screen tests.
#include "tests/shell/peliajo.h"

#include <unistd.h>

#include <fstream>
#include <memory>

#include "gfx/portti/tyhjo.h"
#include "shell/tila.h"
#include "tools/headless/skripti.h"
#include "util/satunnainen.h"

namespace fs = std::filesystem;

namespace {

const uint32_t kSiemen = 12345;  // the same maze on every run

// Plain light pictures of distinct colours, for when the background generator has not drawn its own.
void kirjoita_tasainen_bmp(const fs::path& tiedosto, uint32_t vari) {
    const int leveys = 800, korkeus = 600, rivi = leveys * 3;
    std::vector<unsigned char> tavut(54 + rivi * korkeus);
    auto sana = [&](size_t kohta, uint32_t arvo, int koko) {
        for (int i = 0; i < koko; ++i) {
            tavut[kohta + i] = static_cast<unsigned char>(arvo >> (8 * i));
        }
    };
    tavut[0] = 'B', tavut[1] = 'M';
    sana(2, static_cast<uint32_t>(tavut.size()), 4);
    sana(10, 54, 4), sana(14, 40, 4), sana(18, leveys, 4), sana(22, korkeus, 4), sana(26, 1, 2), sana(28, 24, 2);
    for (size_t i = 54; i + 2 < tavut.size(); i += 3) {
        sana(i, vari, 3);  // blue, green, red from the low byte of 0x00RRGGBB
    }
    std::ofstream(tiedosto, std::ios::binary).write(reinterpret_cast<const char*>(tavut.data()), tavut.size());
}

void tuo_kuvat(const fs::path& kansio) {
    const fs::path lahde = RIMPUTIN_KUVAT;
    const uint32_t varit[] = {0xE8F0F8, 0xF0F8E8, 0xF8F0E0, 0xF0E8F8};
    for (int i = 1; i <= 4; ++i) {
        const std::string nimi = "tausta" + std::to_string(i) + ".bmp";
        std::error_code virhe;
        if (!fs::copy_file(lahde / nimi, kansio / nimi, virhe)) {
            kirjoita_tasainen_bmp(kansio / nimi, varit[i - 1]);
        }
    }
}

}  // namespace

uint32_t Kuva::operator()(int x, int y) const {
    if (x < 0 || y < 0 || x >= leveys || y >= korkeus) {
        return 0;
    }
    return pikselit[static_cast<size_t>(y) * leveys + x];
}

uint32_t rgb(COLORREF vari) {
    return ((vari & 0xFF) << 16) | (vari & 0xFF00) | ((vari >> 16) & 0xFF);
}

Kuva nykyinen_kuva() {
    const Kartta& kartta = tyhjo_kuva();
    return Kuva{kartta.leveys, kartta.korkeus, {kartta.pikselit.begin(), kartta.pikselit.end()}};
}

Kuva lue_bmp(const fs::path& tiedosto) {
    std::ifstream virta(tiedosto, std::ios::binary);
    std::vector<unsigned char> t((std::istreambuf_iterator<char>(virta)), std::istreambuf_iterator<char>());
    auto luku = [&](size_t kohta) {
        return static_cast<int32_t>(t[kohta] | t[kohta + 1] << 8 | t[kohta + 2] << 16 | t[kohta + 3] << 24);
    };
    Kuva kuva;
    if (t.size() < 54 || t[0] != 'B' || t[1] != 'M' || (t[28] | t[29] << 8) != 24) {
        ADD_FAILURE() << "not a 24-bit BMP: " << tiedosto;
        return kuva;
    }
    const int32_t alku = luku(10), leveys = luku(18), korkeus = luku(22);
    const size_t rivi = (static_cast<size_t>(leveys) * 3 + 3) & ~size_t{3};
    const int rivit = korkeus < 0 ? -korkeus : korkeus;
    if (leveys <= 0 || t.size() < static_cast<size_t>(alku) + rivi * rivit) {
        ADD_FAILURE() << "truncated BMP: " << tiedosto;
        return kuva;
    }
    kuva = Kuva{leveys, rivit, std::vector<uint32_t>(static_cast<size_t>(leveys) * rivit)};
    for (int y = 0; y < rivit; ++y) {
        const size_t lahde = alku + rivi * (korkeus < 0 ? y : rivit - 1 - y);
        for (int x = 0; x < leveys; ++x) {
            const unsigned char* p = &t[lahde + 3 * x];
            kuva.pikselit[static_cast<size_t>(y) * leveys + x] = p[0] | p[1] << 8 | p[2] << 16;
        }
    }
    return kuva;
}

int erot(const Kuva& a, const Kuva& b, int x0, int y0, int x1, int y1) {
    int maara = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            maara += a(x, y) != b(x, y);
        }
    }
    return maara;
}

int vareja(const Kuva& kuva, uint32_t vari, int x0, int y0, int x1, int y1) {
    int maara = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            maara += kuva(x, y) == vari;
        }
    }
    return maara;
}

Odotus::Odotus(const char* tausta, int leveys, int korkeus)
    : dc_(CreateCompatibleDC(nullptr)), kartta_(CreateCompatibleBitmap(GetDC(nullptr), leveys, korkeus)) {
    SelectObject(dc_, kartta_);
    HBITMAP kuva =
        tausta ? static_cast<HBITMAP>(LoadImageA(nullptr, tausta, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)) : nullptr;
    if (kuva != nullptr) {
        HDC lahde = CreateCompatibleDC(nullptr);
        HGDIOBJ vanha = SelectObject(lahde, kuva);
        BitBlt(dc_, 0, 0, leveys, korkeus, lahde, 0, 0, SRCCOPY);
        SelectObject(lahde, vanha);
        DeleteDC(lahde);
        DeleteObject(kuva);
    }
    SetBkMode(dc_, TRANSPARENT);
}

Odotus::~Odotus() {
    DeleteDC(dc_);
    DeleteObject(kartta_);
}

void Odotus::teksti(int x, int y, const std::string& teksti, COLORREF vari) {
    SetTextColor(dc_, vari);
    TextOutA(dc_, x, y, teksti.data(), static_cast<int>(teksti.size()));
}

void Odotus::pikseli(int x, int y, COLORREF vari) {
    SetPixel(dc_, x, y, vari);
}

Kuva Odotus::kuva() const {
    const Kartta* kartta = ydin_kartta(kartta_);
    return Kuva{kartta->leveys, kartta->korkeus, {kartta->pikselit.begin(), kartta->pikselit.end()}};
}

void Peliajo::SetUp() {
    lahto_ = fs::current_path();
    const auto* testi = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string nimi =
        "rimputin-" + std::string(testi->test_suite_name()) + "-" + testi->name() + "-" + std::to_string(getpid());
    for (char& c : nimi) {
        c = c == '/' ? '_' : c;  // parameterised tests have slashes in their names
    }
    kansio_ = fs::temp_directory_path() / nimi;
    fs::remove_all(kansio_);
    fs::create_directories(kansio_);
    if (kuvat_) {
        tuo_kuvat(kansio_);
    }
    fs::current_path(kansio_);
    tila_alkuun();  // loads the backgrounds from this folder
    arvoluku_alusta(kSiemen);
    tyhjo_alkuun();
    tyhjo_aseta_kello(kAlku);
}

void Peliajo::TearDown() {
    fs::current_path(lahto_);
    std::error_code virhe;
    fs::remove_all(kansio_, virhe);
}

void Peliajo::kohdassa(uint32_t ms, std::function<void()> toimi) {
    tyhjo_ajasta(kAlku + ms, std::move(toimi));
}

void Peliajo::paina(uint32_t ms, const std::string& nappain) {
    kohdassa(ms, [nappain] { tyhjo_paina(nappain); });
}

void Peliajo::kirjoita(uint32_t ms, const std::string& utf8) {
    kohdassa(ms, [utf8] { tyhjo_kirjoita(utf8); });
}

void Peliajo::kuvaa(uint32_t ms, Kuva& kuva) {
    kohdassa(ms, [&kuva] { kuva = nykyinen_kuva(); });
}

void Peliajo::sulje(uint32_t ms) {
    kohdassa(ms, [] { tyhjo_sulje(); });
}

void Peliajo::skripti(const std::string& teksti) {
    std::vector<Askel> askeleet;
    std::string virhe;
    if (!skripti_jasenna(teksti, askeleet, virhe)) {
        ADD_FAILURE() << "script: " << virhe;
        return;
    }
    skripti_ajasta(askeleet, kAlku);
}

int Peliajo::aja(uint32_t katto) {
    auto katkaistu = std::make_shared<bool>(false);  // outlives the run if the cap never comes
    kohdassa(katto, [katkaistu] {
        *katkaistu = true;
        tyhjo_sulje();
    });
    const int koodi = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, 0);
    EXPECT_FALSE(*katkaistu) << "the game was still running after " << katto << " ms and was closed";
    return koodi;
}

void Peliajo::kirjoita_tulokset(uint32_t tila, const std::vector<Tulos>& lista) {
    static const char* const tiedostot[] = {"Sokkelo1.top", "Sokkelo2.top", "Sokkelo3.top", "Poiminta1.top",
                                            "Poiminta2.top"};
    const uint32_t valinta = paa_valikko_valinta;
    paa_valikko_valinta = tila;
    kirjoitaTiedostoon(tiedostot[tila - 1], lista);
    paa_valikko_valinta = valinta;
}
