// The parts of the record checksum: open to tests, so a wrong letter can be traced to its step, and to the
// readers, which take the file's part once per file instead of once per record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "results/tulos.h"

// The accumulator after the fourteen time steps alone.
uint32_t tarkisteAikaosa(uint32_t aika);
// What the name adds.
uint32_t tarkisteNimiosa(std::string_view nimi);
// What the file name and the current paa_valikko_valinta add.
uint32_t tarkisteTiedostoosa(const std::string& tiedosto);
// The accumulator just before the letters are taken: time, name, file name and menu choice.
uint32_t tarkisteSumma(const Tulos& tulos, const std::string& tiedosto);

// The nine characters of the text for a final accumulator.
struct Tarkisteteksti {
    char merkit[9];
    std::string_view teksti() const { return {merkit, sizeof merkit}; }
};
Tarkisteteksti tarkisteKirjaimet(uint32_t s);
