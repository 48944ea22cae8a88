// Random numbers: the game's own process-wide generator (0 ... 32767, the same sequence everywhere).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The generator itself, as srand/rand of the run-time library would be.
void satunnainen_siemen(uint32_t siemen);
uint32_t satunnainen_seuraava();  // 0 ... 32767

uint32_t arvoluku(uint32_t a, uint32_t b);
int32_t arvointluku(int32_t a, int32_t b);

// Shuffles a list uniformly, drawing from the same generator.
void sekoita(std::vector<uint32_t>& lista);
void sekoita(uint32_t* lista, size_t pituus);  // the same on a plain array (the carving's few candidates)

// Seeds the generator with a fixed number and marks it seeded (scenario runner, tests).
void arvoluku_alusta(uint32_t siemen);
