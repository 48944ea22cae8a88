// Draws the game's four background pictures (tausta1.bmp ... tausta4.bmp) and a small icon at build time.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The pictures are 800 x 600, as the game's window.
constexpr int LEVEYS = 800;
constexpr int KORKEUS = 600;

// A picture being drawn: pixels 0x00RRGGBB, row by row from the top.
struct Kuva {
    int leveys;
    int korkeus;
    std::vector<uint32_t> pikselit;
};

constexpr uint32_t vari(int r, int g, int b) {
    return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}
int punainen(uint32_t v) {
    return int(v >> 16 & 0xFF);
}
int vihrea(uint32_t v) {
    return int(v >> 8 & 0xFF);
}
int sininen(uint32_t v) {
    return int(v & 0xFF);
}

// The palette follows the game's own colours: walls 0x000014 (very dark blue), the heads-up fields' light blue
// (16, 223, 248), the trail's pale yellow, the red player and the green goal.
constexpr uint32_t YO_YLA = vari(8, 16, 42);   // night blue at the top of the dark backgrounds
constexpr uint32_t YO_ALA = vari(16, 38, 68);  // ... and at their bottom
constexpr uint32_t SEINA = vari(0, 0, 20);     // the maze walls' colour in play
constexpr uint32_t VAALEANSININEN = vari(16, 223, 248);
constexpr uint32_t KERMA = vari(246, 243, 234);  // the light panels under black texts
constexpr uint32_t KEHYS = vari(120, 200, 225);  // the panels' thin border
constexpr uint32_t VARJO = vari(4, 8, 22);       // shadows under panels and letters
constexpr uint32_t JALKI = vari(255, 255, 100);
constexpr uint32_t UKKELI = vari(255, 0, 0);
constexpr uint32_t MAALI = vari(0, 255, 0);

uint32_t sekoita(uint32_t a, uint32_t b, int osa, int kaikki) {
    auto kanava = [&](int x, int y) { return x + (y - x) * osa / kaikki; };
    return vari(kanava(punainen(a), punainen(b)), kanava(vihrea(a), vihrea(b)), kanava(sininen(a), sininen(b)));
}

Kuva uusi_kuva(int leveys, int korkeus) {
    return {leveys, korkeus, std::vector<uint32_t>(size_t(leveys * korkeus))};
}

void aseta(Kuva& k, int x, int y, uint32_t v) {
    if (x >= 0 && y >= 0 && x < k.leveys && y < k.korkeus) {
        k.pikselit[size_t(y * k.leveys + x)] = v;
    }
}

// Fills x0 <= x < x1, y0 <= y < y1.
void tayta(Kuva& k, int x0, int y0, int x1, int y1, uint32_t v) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            aseta(k, x, y, v);
        }
    }
}

void liukuvari(Kuva& k, uint32_t yla, uint32_t ala) {
    for (int y = 0; y < k.korkeus; ++y) {
        tayta(k, 0, y, k.leveys, y + 1, sekoita(yla, ala, y, k.korkeus - 1));
    }
}

// A rectangle with its corners cut round by r pixels.
void pyorea_laatikko(Kuva& k, int x0, int y0, int x1, int y1, int r, uint32_t v) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int dx = x < x0 + r ? x0 + r - x : (x >= x1 - r ? x - (x1 - r - 1) : 0);
            int dy = y < y0 + r ? y0 + r - y : (y >= y1 - r ? y - (y1 - r - 1) : 0);
            if (dx * dx + dy * dy <= r * r) {
                aseta(k, x, y, v);
            }
        }
    }
}

// A light panel for black texts: a soft shadow, a thin light-blue border and a cream inside.
void paneeli(Kuva& k, int x0, int y0, int x1, int y1) {
    pyorea_laatikko(k, x0 + 5, y0 + 6, x1 + 5, y1 + 6, 10, VARJO);
    pyorea_laatikko(k, x0, y0, x1, y1, 10, KEHYS);
    pyorea_laatikko(k, x0 + 2, y0 + 2, x1 - 2, y1 - 2, 8, KERMA);
}

// The letters of the name, drawn from blocks like a maze's walls; rows 0-6 stand on the baseline, 7-8 descend.
struct Kirjain {
    int leveys;
    std::array<const char*, 9> rivit;
};
const std::array<Kirjain, 8> NIMI = {{
    {5, {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#", ".....", "....."}},
    {1, {"#", ".", "#", "#", "#", "#", "#", ".", "."}},
    {5, {".....", ".....", "####.", "#.#.#", "#.#.#", "#.#.#", "#.#.#", ".....", "....."}},
    {4, {"....", "....", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."}},
    {4, {"....", "....", "#..#", "#..#", "#..#", "#..#", ".###", "....", "...."}},
    {4, {".#..", ".#..", "###.", ".#..", ".#..", ".#..", "..##", "....", "...."}},
    {1, {"#", ".", "#", "#", "#", "#", "#", ".", "."}},
    {4, {"....", "....", "###.", "#..#", "#..#", "#..#", "#..#", "....", "...."}},
}};

// Width in blocks of "Rimputin" with one empty column between letters.
int nimen_leveys() {
    int leveys = -1;
    for (const Kirjain& k : NIMI) {
        leveys += k.leveys + 1;
    }
    return leveys;
}

// One block of a letter: lit from the top left, shaded to the bottom right, with a gap that keeps blocks apart.
void lohko(Kuva& k, int x, int y, int koko, uint32_t v) {
    int rako = koko >= 12 ? 2 : (koko >= 6 ? 1 : 0);
    int reuna = rako;
    tayta(k, x, y, x + koko - rako, y + koko - rako, sekoita(v, SEINA, 1, 3));
    tayta(k, x, y, x + koko - rako - reuna, y + koko - rako - reuna, sekoita(v, vari(255, 255, 255), 1, 3));
    tayta(k, x + reuna, y + reuna, x + koko - rako - reuna, y + koko - rako - reuna, v);
}

// Draws "Rimputin" with its top-left block at (x, y), each block koko pixels, over a shadow.
void piirra_nimi(Kuva& k, int x, int y, int koko, uint32_t v) {
    int varjo = koko / 4 + 1;
    for (int kerros = 0; kerros < 2; ++kerros) {
        int vasen = x;
        for (const Kirjain& kirjain : NIMI) {
            for (int r = 0; r < 9; ++r) {
                for (int s = 0; s < kirjain.leveys; ++s) {
                    if (kirjain.rivit[size_t(r)][s] != '#') {
                        continue;
                    }
                    int px = vasen + s * koko, py = y + r * koko;
                    if (kerros == 0) {
                        tayta(k, px + varjo, py + varjo, px + koko + varjo - 1, py + koko + varjo - 1, VARJO);
                    } else {
                        lohko(k, px, py, koko, v);
                    }
                }
            }
            vasen += (kirjain.leveys + 1) * koko;
        }
    }
}

// A maze grid of odd size, 1 wall and 0 open, carved by a depth-first walk from (1, 1) with a fixed
// pseudo-random sequence, so that every build draws the same pictures.
struct Ruudukko {
    int leveys;
    int korkeus;
    std::vector<uint8_t> solut;
    uint8_t& at(int x, int y) { return solut[size_t(y * leveys + x)]; }
};

Ruudukko tee_ruudukko(int leveys, int korkeus, uint32_t siemen) {
    Ruudukko g{leveys, korkeus, std::vector<uint8_t>(size_t(leveys * korkeus), 1)};
    std::vector<std::pair<int, int>> pino{{1, 1}};
    g.at(1, 1) = 0;
    const int dx[4] = {2, -2, 0, 0}, dy[4] = {0, 0, 2, -2};
    while (!pino.empty()) {
        auto [x, y] = pino.back();
        int vapaat[4], n = 0;
        for (int i = 0; i < 4; ++i) {
            int nx = x + dx[i], ny = y + dy[i];
            if (nx > 0 && ny > 0 && nx < leveys - 1 && ny < korkeus - 1 && g.at(nx, ny) == 1) {
                vapaat[n++] = i;
            }
        }
        if (n == 0) {
            pino.pop_back();
            continue;
        }
        siemen = siemen * 1664525u + 1013904223u;
        int i = vapaat[(siemen >> 16) % uint32_t(n)];
        g.at(x + dx[i] / 2, y + dy[i] / 2) = 0;
        g.at(x + dx[i], y + dy[i]) = 0;
        pino.push_back({x + dx[i], y + dy[i]});
    }
    return g;
}

// The open cells on the way from (1, 1) to (tx, ty), found breadth-first, as indexes from the start on.
std::vector<int> reitti(const Ruudukko& g, int tx, int ty) {
    std::vector<int> mista(g.solut.size(), -1);
    std::vector<int> jono{1 * g.leveys + 1};
    mista[size_t(jono[0])] = jono[0];
    for (size_t i = 0; i < jono.size(); ++i) {
        int p = jono[i];
        for (int naapuri : {p + 1, p - 1, p + g.leveys, p - g.leveys}) {
            if (g.solut[size_t(naapuri)] == 0 && mista[size_t(naapuri)] < 0) {
                mista[size_t(naapuri)] = p;
                jono.push_back(naapuri);
            }
        }
    }
    std::vector<int> tie;
    for (int p = ty * g.leveys + tx; mista[size_t(p)] >= 0; p = mista[size_t(p)]) {
        tie.push_back(p);
        if (mista[size_t(p)] == p) {
            break;
        }
    }
    std::reverse(tie.begin(), tie.end());
    return tie;
}

// Draws a grid with its top-left cell at (x0, y0): walls in one colour, the marked way in another, open cells
// left as they are.
void piirra_ruudukko(Kuva& k, Ruudukko& g, int x0, int y0, int koko, uint32_t seina, uint32_t reitti) {
    for (int y = 0; y < g.korkeus; ++y) {
        for (int x = 0; x < g.leveys; ++x) {
            if (g.at(x, y) == 1) {
                tayta(k, x0 + x * koko, y0 + y * koko, x0 + (x + 1) * koko, y0 + (y + 1) * koko, seina);
            } else if (g.at(x, y) == 2) {
                tayta(k, x0 + x * koko + 1, y0 + y * koko + 1, x0 + (x + 1) * koko - 1, y0 + (y + 1) * koko - 1,
                      reitti);
            }
        }
    }
}

// A faint maze over the whole picture, for the screens whose panels stand on it.
void taustasokkelo(Kuva& k, uint32_t siemen) {
    Ruudukko g = tee_ruudukko(41, 31, siemen);
    for (int y = 0; y < g.korkeus; ++y) {
        for (int x = 0; x < g.leveys; ++x) {
            if (g.at(x, y) == 1) {
                uint32_t alla = k.pikselit[size_t(std::min(y * 20, KORKEUS - 1) * LEVEYS)];
                tayta(k, x * 20 - 10, y * 20 - 10, x * 20 + 10, y * 20 + 10, sekoita(alla, VAALEANSININEN, 1, 22));
            }
        }
    }
}

// Title: the name large, and below it a maze that a red marker has walked half-way along its trail to the goal.
// The band around (655, 242) stays plain night blue: the green version text stands there.
Kuva otsikko() {
    Kuva k = uusi_kuva(LEVEYS, KORKEUS);
    liukuvari(k, YO_YLA, YO_ALA);
    int koko = 16;
    piirra_nimi(k, (LEVEYS - nimen_leveys() * koko) / 2, 56, koko, VAALEANSININEN);
    Ruudukko g = tee_ruudukko(37, 13, 2024);
    std::vector<int> tie = reitti(g, 35, 11);
    size_t puolivali = tie.size() / 2;
    for (size_t i = 0; i < puolivali; ++i) {
        g.solut[size_t(tie[i])] = 2;
    }
    int x0 = (LEVEYS - 37 * 20) / 2, y0 = 312;
    tayta(k, x0 - 6, y0 - 6, x0 + 37 * 20 + 6, y0 + 13 * 20 + 6, VARJO);
    tayta(k, x0, y0, x0 + 37 * 20, y0 + 13 * 20, vari(250, 250, 246));
    piirra_ruudukko(k, g, x0, y0, 20, SEINA, JALKI);
    auto ruutu = [&](int p, uint32_t v) {
        int x = x0 + p % g.leveys * 20, y = y0 + p / g.leveys * 20;
        tayta(k, x + 3, y + 3, x + 17, y + 17, v);
    };
    ruutu(tie.back(), MAALI);
    ruutu(tie[puolivali], UKKELI);
    return k;
}

// Playing field: the top 30 rows are the heads-up strip, in the light blue that the game clears its fields with;
// the rest is the walls' colour, so the margins beside a smaller maze read as more wall.
Kuva pelikentta() {
    Kuva k = uusi_kuva(LEVEYS, KORKEUS);
    tayta(k, 0, 0, LEVEYS, KORKEUS, SEINA);
    tayta(k, 0, 0, LEVEYS, 30, VAALEANSININEN);
    return k;
}

// Menu: the choices' and instructions' panel on the left (the longest instruction line reaches x 414 in an
// 8-pixel font), the list's panel on the right, and the green texts (the version at
// (155, 22), the player line at (500, 10)) on the dark top where green reads well, beside a small name.
Kuva valikko() {
    Kuva k = uusi_kuva(LEVEYS, KORKEUS);
    liukuvari(k, YO_YLA, YO_ALA);
    taustasokkelo(k, 7);
    tayta(k, 0, 0, LEVEYS, 50, YO_YLA);
    tayta(k, 0, 50, LEVEYS, 52, KEHYS);
    piirra_nimi(k, 8, 6, 4, VAALEANSININEN);
    paneeli(k, 38, 96, 424, 494);
    paneeli(k, 436, 96, LEVEYS + 20, 500);
    return k;
}

// Name entry: one panel holding the prompt at (70, 90) and the name typed below it, the name small below.
Kuva nimensyotto() {
    Kuva k = uusi_kuva(LEVEYS, KORKEUS);
    liukuvari(k, YO_YLA, YO_ALA);
    taustasokkelo(k, 11);
    paneeli(k, 46, 68, 430, 158);
    int koko = 10;
    piirra_nimi(k, (LEVEYS - nimen_leveys() * koko) / 2, 330, koko, VAALEANSININEN);
    return k;
}

void kirjoita_le(std::string& b, uint32_t arvo, int tavuja) {
    for (int i = 0; i < tavuja; ++i) {
        b.push_back(char(arvo >> (8 * i) & 0xFF));
    }
}

// 24-bit uncompressed BMP, rows bottom-up, each row padded to four bytes.
bool tallenna_bmp(const Kuva& k, const std::string& polku) {
    int rivi = (k.leveys * 3 + 3) / 4 * 4;
    std::string b = "BM";
    kirjoita_le(b, uint32_t(54 + rivi * k.korkeus), 4);
    kirjoita_le(b, 0, 4);
    kirjoita_le(b, 54, 4);
    for (uint32_t kentta : {40u, uint32_t(k.leveys), uint32_t(k.korkeus)}) {
        kirjoita_le(b, kentta, 4);
    }
    kirjoita_le(b, 1, 2);
    kirjoita_le(b, 24, 2);
    for (uint32_t kentta : {0u, uint32_t(rivi * k.korkeus), 2835u, 2835u, 0u, 0u}) {
        kirjoita_le(b, kentta, 4);
    }
    for (int y = k.korkeus - 1; y >= 0; --y) {
        for (int x = 0; x < k.leveys; ++x) {
            kirjoita_le(b, k.pikselit[size_t(y * k.leveys + x)], 3);
        }
        b.append(size_t(rivi - k.leveys * 3), '\0');
    }
    FILE* f = std::fopen(polku.c_str(), "wb");
    bool ok = f && std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return (f && std::fclose(f) == 0) && ok;
}

uint32_t crc32(const std::string& data, size_t alku) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = alku; i < data.size(); ++i) {
        c ^= uint8_t(data[i]);
        for (int j = 0; j < 8; ++j) {
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        }
    }
    return ~c;
}

void kirjoita_be(std::string& b, uint32_t arvo) {
    for (int i = 3; i >= 0; --i) {
        b.push_back(char(arvo >> (8 * i) & 0xFF));
    }
}

void png_lohko(std::string& png, const char* tyyppi, const std::string& data) {
    kirjoita_be(png, uint32_t(data.size()));
    size_t alku = png.size();
    png += tyyppi;
    png += data;
    kirjoita_be(png, crc32(png, alku));
}

// A small RGB PNG; the picture is tiny, so its zlib stream holds one stored (uncompressed) block.
bool tallenna_png(const Kuva& k, const std::string& polku) {
    std::string raaka;
    for (int y = 0; y < k.korkeus; ++y) {
        raaka.push_back('\0');
        for (int x = 0; x < k.leveys; ++x) {
            uint32_t v = k.pikselit[size_t(y * k.leveys + x)];
            raaka += {char(punainen(v)), char(vihrea(v)), char(sininen(v))};
        }
    }
    uint32_t a = 1, b = 0;
    for (char c : raaka) {
        a = (a + uint8_t(c)) % 65521u;
        b = (b + a) % 65521u;
    }
    std::string z = {'\x78', '\x01', '\x01'};
    kirjoita_le(z, uint32_t(raaka.size()), 2);
    kirjoita_le(z, uint32_t(~raaka.size() & 0xFFFF), 2);
    z += raaka;
    kirjoita_be(z, b << 16 | a);
    std::string ihdr;
    kirjoita_be(ihdr, uint32_t(k.leveys));
    kirjoita_be(ihdr, uint32_t(k.korkeus));
    ihdr += {'\x08', '\x02', '\0', '\0', '\0'};
    std::string png = "\x89PNG\r\n\x1a\n";
    png_lohko(png, "IHDR", ihdr);
    png_lohko(png, "IDAT", z);
    png_lohko(png, "IEND", "");
    FILE* f = std::fopen(polku.c_str(), "wb");
    bool ok = f && std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return (f && std::fclose(f) == 0) && ok;
}

// The icon: a little maze with the red marker and the green goal.
Kuva kuvake() {
    Kuva k = uusi_kuva(48, 48);
    tayta(k, 0, 0, 48, 48, vari(250, 250, 246));
    Ruudukko g = tee_ruudukko(11, 11, 5);
    piirra_ruudukko(k, g, 2, 2, 4, SEINA, JALKI);
    tayta(k, 6, 6, 10, 10, UKKELI);
    tayta(k, 38, 38, 42, 42, MAALI);
    return k;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER   (writes tausta1.bmp ... tausta4.bmp and rimputin.png there)\n",
                     argv[0]);
        return 2;
    }
    std::string kansio = std::string(argv[1]) + "/";
    bool ok = tallenna_bmp(otsikko(), kansio + "tausta1.bmp") && tallenna_bmp(pelikentta(), kansio + "tausta2.bmp") &&
              tallenna_bmp(valikko(), kansio + "tausta3.bmp") && tallenna_bmp(nimensyotto(), kansio + "tausta4.bmp") &&
              tallenna_png(kuvake(), kansio + "rimputin.png");
    if (!ok) {
        std::fprintf(stderr, "%s: cannot write the pictures into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
