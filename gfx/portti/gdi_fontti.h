// The core's one bitmap font: a glyph for every byte, generated at build time from unifont.
#pragma once

#include <cstdint>

constexpr int kFontinKorkeus = 16;

// One glyph: how far the pen moves, and its rows with the leftmost pixel in bit 15.
struct FonttiMerkki {
    int leveys;
    uint16_t rivit[kFontinKorkeus];
};

// Indexed by the byte (Windows-1252); bytes without a character show a hollow box.
extern const FonttiMerkki fontti_merkit[256];
