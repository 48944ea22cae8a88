// Results: the record, its time text and checksum, the result files and the total-time merge.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Tulos {
    std::string nimi;
    uint32_t aika = 0;
};

std::string aika2string(uint32_t ms);
std::string laskeTarkiste(Tulos tulos, std::string tiedosto);
void kirjoitaTiedostoon(std::string tiedosto, const std::vector<Tulos>& lista);
void lueTiedostosta(std::string tiedosto, std::vector<Tulos>& lista);
void lueTiedostostaTaydentaen(std::string tiedosto, std::vector<Tulos>& lista);
