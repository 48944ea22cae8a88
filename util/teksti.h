// Text and number helpers shared by the game: decimal conversion, padding, trimming, blank tests, case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string int2string(uint32_t luku);
std::string int2string(int32_t luku);
std::string int2string2(uint32_t luku);
int32_t string2int(const std::string& teksti);
std::string pidenna(std::string teksti, uint32_t leveys);
std::string pidenna(uint32_t luku, uint32_t leveys);
std::string pidenna(int32_t luku, uint32_t leveys);
std::string lyhenna(std::string teksti);
std::string_view lyhennaNakyma(std::string_view teksti);  // lyhenna without a copy: a view into the text
// The six bytes the C locale calls space; bytes 0x80 and above never are, whatever their sign. Inline: the
// result reader asks it of every byte it skips.
inline bool onValilyonti(char merkki) {
    return merkki == ' ' || merkki == '\t' || merkki == '\n' || merkki == '\v' || merkki == '\f' || merkki == '\r';
}
bool onkotyhja(const std::string& teksti);
std::string toUpper(const std::string& teksti);
bool aakkosta(const std::string& eka, const std::string& toka);
