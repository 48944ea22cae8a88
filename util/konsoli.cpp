// Console helpers for text programs: a number prompt, clearing the screen, a pause and the date as text.
#include "util/konsoli.h"

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <sstream>
#include <utility>

#include "shell/tila.h"
#include "util/teksti.h"

namespace {

// The message for a number outside the range; the line break flushes it.
void kirjoita_aluevirhe(std::ostream& ulos, uint32_t alaraja, uint32_t ylaraja) {
    if (alaraja == ylaraja) {
        ulos << APU_VIRHE1 << ylaraja << "." << std::endl;
    } else {
        ulos << APU_VIRHE2 << alaraja << " - " << ylaraja << "." << std::endl;
    }
}

}  // namespace

uint32_t kysyluku(std::istream& sisaan, std::ostream& ulos, std::string kehote, uint32_t alaraja, uint32_t ylaraja,
                  bool oletus) {
    uint32_t arvo = 0;
    bool hyvaksytty = false;
    do {
        ulos << kehote;
        std::string rivi;
        const bool loppui = !std::getline(sisaan, rivi);
        if (oletus && onkotyhja(rivi)) {
            arvo = ylaraja;
            hyvaksytty = true;
        }
        std::istringstream luku(rivi);
        unsigned int luettu = 0;
        if (luku >> luettu) {
            arvo = luettu;
            hyvaksytty = true;
        }
        bool virhe_kirjoitettu = false;
        if (hyvaksytty && (arvo < alaraja || arvo > ylaraja)) {
            kirjoita_aluevirhe(ulos, alaraja, ylaraja);
            virhe_kirjoitettu = true;
            hyvaksytty = false;
        }
        // Once the input has ended no line can ever be accepted; asking again would hang for good.
        if (loppui && !hyvaksytty) {
            if (!virhe_kirjoitettu) {
                kirjoita_aluevirhe(ulos, alaraja, ylaraja);
            }
            return alaraja;
        }
    } while (!hyvaksytty);
    return arvo;
}

uint32_t kysyluku(std::string kehote, uint32_t alaraja, uint32_t ylaraja, bool oletus) {
    return kysyluku(std::cin, std::cout, std::move(kehote), alaraja, ylaraja, oletus);
}

#ifdef _WIN32
void tyhjennaruutu() {
    (void)std::system("cls");
}

void tauko() {
    (void)std::system("pause");
}
#else
// Without "cls" and "pause": the terminal's own clear sequence, and a wait for one line.
void tyhjennaruutu() {
    std::cout << "\x1b[2J\x1b[H" << std::flush;
}

void tauko() {
    std::cout << std::flush;
    std::string rivi;
    std::getline(std::cin, rivi);
}
#endif

std::string haeAika() {
    const std::time_t nyt = std::time(nullptr);
    const char* teksti = std::ctime(&nyt);
    // ctime gives no text for a time it cannot show.
    return teksti != nullptr ? std::string(teksti) : std::string();
}
