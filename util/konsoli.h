// Console helpers for text programs; the game itself never calls them.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

uint32_t kysyluku(std::string kehote, uint32_t alaraja, uint32_t ylaraja, bool oletus = true);
void tyhjennaruutu();
void tauko();
std::string haeAika();

// The same prompt on given streams (the tests use string streams).
uint32_t kysyluku(std::istream& sisaan, std::ostream& ulos, std::string kehote, uint32_t alaraja, uint32_t ylaraja,
                  bool oletus = true);
