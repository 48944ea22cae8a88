// Fuzz target: arbitrary bytes as a scenario script. The parser must not crash, and a script it takes must
// hold only steps the runner can carry out: lines in order, known keys, a length the clock can compare.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/portti/tyhjo.h"
#include "tools/headless/skripti.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t koko) {
    const std::string teksti(reinterpret_cast<const char*>(data), koko);
    std::vector<Askel> askeleet;
    std::string virhe;
    if (!skripti_jasenna(teksti, askeleet, virhe)) {
        if (virhe.rfind("line ", 0) != 0) {
            std::abort();  // every error names its line
        }
        return 0;
    }
    int edellinen = 0;
    uint64_t kesto = 0;
    for (const Askel& a : askeleet) {
        const bool nappain = a.komento == Komento::Paina || a.komento == Komento::Pida || a.komento == Komento::Paasta;
        if (a.rivi <= edellinen || (nappain && tyhjo_nappain(a.arvo) < 0) ||
            (a.komento == Komento::Kuva && a.arvo.empty())) {
            std::abort();
        }
        edellinen = a.rivi;
        kesto += a.ms;
    }
    if (kesto > 0x7FFFFFFF) {
        std::abort();
    }
    return 0;
}
