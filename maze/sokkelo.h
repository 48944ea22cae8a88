// The maze grid, its drawing and its generation.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/win32.h"

// Columns of signed 32-bit cells, indexed [x][y]; a cell's kind is its value modulo 10.
using Ruudukko = std::vector<std::vector<int32_t>>;

void piirra_sokkelo(Ruudukko ruudukko, HDC dc);
void teesokkelo(Ruudukko& ruudukko, uint32_t leveys, uint32_t korkeus);
void teesokkelo_rekursio(Ruudukko& ruudukko, uint32_t x, uint32_t y, uint32_t tulosuunta, uint32_t syvyys);
