// The inner sums of the record checksum, open to tests so a wrong letter can be traced to its step.
#pragma once

#include <cstdint>
#include <string>

#include "results/tulos.h"

// The accumulator after the fourteen time steps alone.
uint32_t tarkisteAikaosa(uint32_t aika);
// The accumulator just before the letters are taken: time, name, file name and menu choice.
uint32_t tarkisteSumma(const Tulos& tulos, const std::string& tiedosto);
