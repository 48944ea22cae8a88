// Result files copied between machines: the bytes below were written by the native (Linux) build. Every build,
// the Windows one under Wine included, must read them as the same records and write the same list back byte
// for byte, so a file written by either build reads as valid in the other.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/results/kansio.h"

namespace {

struct Tiedosto {
    const char* nimi;
    uint32_t tila;
    std::vector<Tulos> lista;
    std::string tavut;  // as the native build wrote the list
};

const std::vector<Tiedosto> kTiedostot = {
    {"Sokkelo1.top",
     1,
     {{"  \xC5sa \xD6hman  ", 4321}, {"\x80uro \xFF \x8A\x9E", 65432}, {"Pelaaja", 86399999}},
     "  \xC5sa \xD6hman  \r\n4321\r\nWKUO-QCEA\r\n"
     "\x80uro \xFF \x8A\x9E\r\n65432\r\nOJQC-AADA\r\n"
     "Pelaaja\r\n86399999\r\nMBLM-MBAD\r\n"},
    {"Poiminta2.top",
     5,
     {{" \xE6\xF8\xE5 \xC6\xD8\xC5 \xDF", 1},
      {"Pelaaja ", 123456},
      {"\x9C"
       "d\xE8 \x86 ",
       4294967295u}},
     " \xE6\xF8\xE5 \xC6\xD8\xC5 \xDF\r\n1\r\nQGMJ-TCAA\r\n"
     "Pelaaja \r\n123456\r\nVGIT-ZHIB\r\n"
     "\x9C"
     "d\xE8 \x86 \r\n4294967295\r\nGPFA-AAAA\r\n"},
};

using Siirto = TulosKansio;

TEST_F(Siirto, AFileFromTheOtherBuildReadsWholeAndIsWrittenBackByteForByte) {
    for (const Tiedosto& t : kTiedostot) {
        SCOPED_TRACE(t.nimi);
        paa_valikko_valinta = t.tila;
        kirjoitaTiedostoon(t.nimi, t.lista);
        EXPECT_EQ(lue(t.nimi), t.tavut);
        kirjoita(t.nimi, t.tavut);
        std::vector<Tulos> luettu;
        lueTiedostosta(t.nimi, luettu);
        EXPECT_EQ(parit(luettu), parit(t.lista));
    }
}

}  // namespace
