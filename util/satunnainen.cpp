// Random numbers: the game's own generator, arvoluku/arvointluku and the list shuffle of the maze carving.
#include "util/satunnainen.h"

#include <ctime>
#include <utility>

#include "shell/tila.h"

namespace {

// State of the process-wide generator; the same start as an unseeded run-time library generator.
uint32_t tila = 1;

// One uniform draw from 0 ... raja - 1: draws past the largest multiple of raja are thrown away, so no
// value is more likely than another. Ranges above 15 bits take two draws for 30 bits.
uint32_t tasainen(uint32_t raja) {
    // The maze carving shuffles lists of two to four: the same draws, without dividing by a variable.
    if (raja == 2 || raja == 4) {
        return satunnainen_seuraava() & (raja - 1);  // 32768 is their multiple: no draw is thrown away
    }
    if (raja == 3) {
        uint32_t r;
        do {
            r = satunnainen_seuraava();
        } while (r >= 32766u);
        return r % 3u;
    }
    const bool levea = raja > 32768u;
    const uint32_t kaikki = levea ? (1u << 30) : 32768u;
    const uint32_t kelpaa = kaikki - kaikki % raja;
    uint32_t r;
    do {
        r = satunnainen_seuraava();
        if (levea) {
            r = (r << 15) | satunnainen_seuraava();
        }
    } while (r >= kelpaa);
    return r % raja;
}

}  // namespace

void satunnainen_siemen(uint32_t siemen) {
    tila = siemen;
}

uint32_t satunnainen_seuraava() {
    // A plain 32-bit linear congruential step; the low bits of such a generator repeat quickly, so the
    // value is taken from bits 16 ... 30.
    tila = tila * 1103515245u + 12345u;
    return (tila >> 16) & 0x7FFFu;
}

uint32_t arvoluku(uint32_t a, uint32_t b) {
    if (!arvoluku_onkoalustettu) {
        satunnainen_siemen(static_cast<uint32_t>(std::time(nullptr)));
        arvoluku_onkoalustettu = true;
    }
    if (a > b) {
        return arvoluku(b, a);
    }
    const uint32_t n = b - a + 1;
    const uint32_t r = satunnainen_seuraava();
    uint32_t arvo;
    if (n == 0) {
        // The whole 32-bit range: n wrapped to 0 and stands for 2^32, so the wide-range rule applies.
        arvo = a + r * (0xFFFFFFFFu / 32767u);
    } else if (n <= 32766) {
        arvo = a + (r * n) / 32767u;
    } else {
        arvo = a + r * (n / 32767u);
    }
    // Only r = 32767 can land one past the range (and wrap past 2^32 when b is the largest value).
    if (arvo < a || arvo > b) {
        return b;
    }
    return arvo;
}

int32_t arvointluku(int32_t a, int32_t b) {
    if (a < b) {
        return static_cast<int32_t>(static_cast<uint32_t>(a) +
                                    arvoluku(0, static_cast<uint32_t>(b) - static_cast<uint32_t>(a)));
    }
    return static_cast<int32_t>(static_cast<uint32_t>(b) +
                                arvoluku(0, static_cast<uint32_t>(a) - static_cast<uint32_t>(b)));
}

void sekoita(uint32_t* lista, size_t pituus) {
    // Fisher-Yates from the back: each place takes one of the elements not placed yet.
    for (size_t i = pituus; i > 1; --i) {
        const uint32_t j = tasainen(static_cast<uint32_t>(i));
        std::swap(lista[i - 1], lista[j]);
    }
}

void sekoita(std::vector<uint32_t>& lista) {
    sekoita(lista.data(), lista.size());
}

void arvoluku_alusta(uint32_t siemen) {
    satunnainen_siemen(siemen);
    arvoluku_onkoalustettu = true;
}
