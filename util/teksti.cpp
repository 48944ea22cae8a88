// Text and number helpers: decimal conversion, padding, trimming, blank tests and byte-wise upper-casing.
#include "util/teksti.h"

#include <algorithm>

namespace {

// Only a-z change: the Windows-1252 letters such as 0xE4 stay as they are.
char isoksi(char merkki) {
    return (merkki >= 'a' && merkki <= 'z') ? static_cast<char>(merkki - 'a' + 'A') : merkki;
}

}  // namespace

std::string int2string(uint32_t luku) {
    if (luku == 0) {
        return "0";
    }
    std::string numerot;
    while (luku != 0) {
        numerot.push_back(static_cast<char>('0' + luku % 10));
        luku /= 10;
    }
    std::reverse(numerot.begin(), numerot.end());
    return numerot;
}

std::string int2string(int32_t luku) {
    if (luku >= 0) {
        return int2string(static_cast<uint32_t>(luku));
    }
    // Negated in unsigned arithmetic, so the smallest value has a magnitude too.
    std::string teksti = "-";
    teksti += int2string(0u - static_cast<uint32_t>(luku));
    return teksti;
}

std::string int2string2(uint32_t luku) {
    std::string teksti = luku <= 9 ? "0" : "";
    teksti += int2string(luku);
    return teksti;
}

// Reads an unsigned decimal number after leading white space, as a stream extraction would, except that a
// minus sign fails instead of wrapping around; a value above 4294967295 fails too. Failure gives 0.
int32_t string2int(const std::string& teksti) {
    size_t kohta = 0;
    while (kohta < teksti.size() && onValilyonti(teksti[kohta])) {
        ++kohta;
    }
    if (kohta < teksti.size() && teksti[kohta] == '+') {
        ++kohta;
    }
    uint64_t arvo = 0;
    size_t numeroita = 0;
    for (; kohta < teksti.size() && teksti[kohta] >= '0' && teksti[kohta] <= '9'; ++kohta, ++numeroita) {
        arvo = arvo * 10 + static_cast<uint64_t>(teksti[kohta] - '0');
        if (arvo > UINT32_MAX) {
            return 0;
        }
    }
    return numeroita == 0 ? 0 : static_cast<int32_t>(static_cast<uint32_t>(arvo));
}

std::string pidenna(std::string teksti, uint32_t leveys) {
    if (teksti.size() < leveys) {
        teksti.append(leveys - teksti.size(), ' ');
    }
    return teksti;
}

std::string pidenna(uint32_t luku, uint32_t leveys) {
    return pidenna(int2string(luku), leveys);
}

std::string pidenna(int32_t luku, uint32_t leveys) {
    return pidenna(int2string(luku), leveys);
}

std::string_view lyhennaNakyma(std::string_view teksti) {
    auto alku = std::find_if_not(teksti.begin(), teksti.end(), onValilyonti);
    auto loppu = std::find_if_not(teksti.rbegin(), teksti.rend(), onValilyonti).base();
    if (alku >= loppu) {
        return {};
    }
    return teksti.substr(static_cast<size_t>(alku - teksti.begin()), static_cast<size_t>(loppu - alku));
}

std::string lyhenna(std::string teksti) {
    return std::string(lyhennaNakyma(teksti));
}

bool onkotyhja(const std::string& teksti) {
    return std::all_of(teksti.begin(), teksti.end(), onValilyonti);
}

std::string toUpper(const std::string& teksti) {
    std::string isot(teksti);
    std::transform(isot.begin(), isot.end(), isot.begin(), isoksi);
    return isot;
}

// Bytes are compared as signed 8-bit values, so 0x80..0xFF order before every 7-bit character.
bool aakkosta(const std::string& eka, const std::string& toka) {
    const size_t yhteinen = std::min(eka.size(), toka.size());
    for (size_t i = 0; i < yhteinen; ++i) {
        const auto a = static_cast<int8_t>(isoksi(eka[i]));
        const auto b = static_cast<int8_t>(isoksi(toka[i]));
        if (a != b) {
            return a < b;
        }
    }
    return true;
}
