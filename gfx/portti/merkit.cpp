// UTF-8 to Windows-1252: a strict decoder and the code page's table for 0x80-0x9F.
#include "gfx/portti/merkit.h"

namespace {

// Code points of the bytes 0x80-0x9F; 0 where the code page leaves the byte undefined.
constexpr uint16_t kVali[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool jatko(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Decodes one character at 'i'. Returns how many bytes it took (at least 1) and sets 'koodi' to the
// code point, or to -1 when the bytes are malformed (overlong, surrogate, beyond U+10FFFF, cut short).
size_t pura(std::string_view s, size_t i, int64_t& koodi) {
    const auto c = static_cast<unsigned char>(s[i]);
    koodi = -1;
    if (c < 0x80) {
        koodi = c;
        return 1;
    }
    const size_t pituus = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (pituus == 0 || c > 0xF4) {
        return 1;  // a stray continuation byte or a lead byte no character starts with
    }
    int64_t arvo = c & (0x7F >> pituus);
    for (size_t k = 1; k < pituus; ++k) {
        if (i + k >= s.size() || !jatko(static_cast<unsigned char>(s[i + k]))) {
            return k;  // cut short: resume at the byte that broke the sequence
        }
        arvo = (arvo << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    constexpr int64_t kPienin[5] = {0, 0, 0x80, 0x800, 0x10000};
    const bool kelpaa = arvo >= kPienin[pituus] && arvo <= 0x10FFFF && (arvo < 0xD800 || arvo > 0xDFFF);
    koodi = kelpaa ? arvo : -1;
    return pituus;
}

}  // namespace

int merkki_1252(uint32_t koodi) {
    if (koodi < 0x80 || (koodi >= 0xA0 && koodi <= 0xFF)) {
        return static_cast<int>(koodi);
    }
    for (int i = 0; i < 32; ++i) {
        if (kVali[i] != 0 && kVali[i] == koodi) {
            return 0x80 + i;
        }
    }
    return -1;
}

std::string merkit_1252(std::string_view utf8) {
    std::string tulos;
    for (size_t i = 0; i < utf8.size();) {
        int64_t koodi = 0;
        i += pura(utf8, i, koodi);
        const int tavu = koodi < 0 ? -1 : merkki_1252(static_cast<uint32_t>(koodi));
        if (tavu >= 0) {
            tulos.push_back(static_cast<char>(tavu));
        }
    }
    return tulos;
}
