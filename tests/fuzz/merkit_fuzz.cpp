// Fuzz target: arbitrary bytes as typed UTF-8 text. The converter must stay in bounds, never give a byte the
// code page leaves undefined, and what it gives must come back unchanged through UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gfx/portti/merkit.h"

namespace {

// The code point of each Windows-1252 byte, found through the converter's own table once.
const uint32_t* koodit() {
    static uint32_t taulu[256] = {};
    static const bool valmis = [] {
        for (uint32_t k = 0; k <= 0x2122; ++k) {
            if (merkki_1252(k) >= 0) {
                taulu[merkki_1252(k)] = k;
            }
        }
        return true;
    }();
    (void)valmis;
    return taulu;
}

std::string utf8(const std::string& tavut) {
    std::string s;
    for (unsigned char c : tavut) {
        const uint32_t k = koodit()[c];
        if (k < 0x80) {
            s += static_cast<char>(k);
        } else if (k < 0x800) {
            s += static_cast<char>(0xC0 | (k >> 6));
            s += static_cast<char>(0x80 | (k & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (k >> 12));
            s += static_cast<char>(0x80 | ((k >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (k & 0x3F));
        }
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t koko) {
    const std::string tulos = merkit_1252(std::string_view(reinterpret_cast<const char*>(data), koko));
    if (tulos.size() > koko) {
        std::abort();
    }
    for (unsigned char c : tulos) {
        if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) {
            std::abort();
        }
    }
    if (merkit_1252(utf8(tulos)) != tulos) {
        std::abort();
    }
    return 0;
}
