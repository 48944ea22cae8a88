// Scenario scripts: the parser of the script language and the scheduling of its steps on the virtual clock.
#include "tools/headless/skripti.h"

#include <cstdio>
#include <limits>
#include <sstream>

#include "gfx/portti/tyhjo.h"

namespace {

// The longest script, in virtual milliseconds: moments are compared with wrap-around, so a script must end
// within half the clock's range of its start.
constexpr uint64_t kPisinSkripti = std::numeric_limits<int32_t>::max();

bool tyhja(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string ilman_reunoja(const std::string& s) {
    size_t alku = 0;
    size_t loppu = s.size();
    while (alku < loppu && tyhja(s[alku])) {
        ++alku;
    }
    while (loppu > alku && tyhja(s[loppu - 1])) {
        --loppu;
    }
    return s.substr(alku, loppu - alku);
}

// Parses one line that holds a command into 'askel'; returns the error text, empty when it is good.
std::string jasenna_rivi(const std::string& rivi, Askel& askel) {
    size_t vali = 0;
    while (vali < rivi.size() && !tyhja(rivi[vali])) {
        ++vali;
    }
    const std::string komento = rivi.substr(0, vali);
    // 'type' takes the rest of the line as it stands after its one separating blank; the others are trimmed.
    const std::string loput = vali < rivi.size() ? rivi.substr(vali + 1) : std::string();
    const std::string arvo = ilman_reunoja(loput);
    if (komento == "wait") {
        askel.komento = Komento::Odota;
        return skripti_luku(arvo, askel.ms) ? "" : "malformed number '" + arvo + "'";
    }
    const struct {
        const char* nimi;
        Komento komento;
    } kNappaimet[] = {{"key", Komento::Paina}, {"hold", Komento::Pida}, {"release", Komento::Paasta}};
    for (const auto& k : kNappaimet) {
        if (komento == k.nimi) {
            askel.komento = k.komento;
            askel.arvo = arvo;
            return tyhjo_nappain(arvo) >= 0 ? "" : "unknown key name '" + arvo + "'";
        }
    }
    if (komento == "type") {
        askel.komento = Komento::Kirjoita;
        askel.arvo = loput.empty() || loput.back() != '\r' ? loput : loput.substr(0, loput.size() - 1);
        return "";
    }
    if (komento == "shot") {
        askel.komento = Komento::Kuva;
        askel.arvo = arvo;
        return arvo.empty() ? "shot needs a file name" : "";
    }
    if (komento == "close") {
        askel.komento = Komento::Sulje;
        return arvo.empty() ? "" : "close takes nothing after it";
    }
    return "unknown command '" + komento + "'";
}

void tee(const Askel& askel) {
    switch (askel.komento) {
        case Komento::Paina:
            tyhjo_paina(askel.arvo);
            break;
        case Komento::Pida:
            tyhjo_pida(askel.arvo);
            break;
        case Komento::Paasta:
            tyhjo_paasta(askel.arvo);
            break;
        case Komento::Kirjoita:
            tyhjo_kirjoita(askel.arvo);
            break;
        case Komento::Kuva:
            if (!tyhjo_tallenna(askel.arvo)) {
                std::fprintf(stderr, "line %d: cannot write %s\n", askel.rivi, askel.arvo.c_str());
            }
            break;
        case Komento::Sulje:
            tyhjo_sulje();
            break;
        case Komento::Odota:
            break;
    }
}

}  // namespace

bool skripti_luku(const std::string& teksti, uint32_t& arvo) {
    if (teksti.empty() || teksti.size() > 10) {
        return false;
    }
    uint64_t summa = 0;
    for (char c : teksti) {
        if (c < '0' || c > '9') {
            return false;
        }
        summa = summa * 10 + static_cast<uint64_t>(c - '0');
    }
    arvo = static_cast<uint32_t>(summa);
    return summa <= std::numeric_limits<uint32_t>::max();
}

bool skripti_jasenna(const std::string& teksti, std::vector<Askel>& askeleet, std::string& virhe) {
    askeleet.clear();
    // A byte order mark, as some editors write at the start of a UTF-8 file, is not part of the first line.
    std::istringstream sisaan(teksti.rfind("\xEF\xBB\xBF", 0) == 0 ? teksti.substr(3) : teksti);
    std::string rivi;
    uint64_t kesto = 0;
    for (int numero = 1; std::getline(sisaan, rivi); ++numero) {
        const std::string sisalto = ilman_reunoja(rivi);
        if (sisalto.empty() || sisalto[0] == '#') {
            continue;
        }
        size_t alku = 0;
        while (tyhja(rivi[alku])) {
            ++alku;
        }
        Askel askel;
        askel.rivi = numero;
        std::string vika = jasenna_rivi(rivi.substr(alku), askel);
        kesto += askel.ms;
        if (vika.empty() && kesto > kPisinSkripti) {
            vika = "the script runs longer than " + std::to_string(kPisinSkripti) + " ms";
        }
        if (!vika.empty()) {
            virhe = "line " + std::to_string(numero) + ": " + vika;
            return false;
        }
        askeleet.push_back(askel);
    }
    return true;
}

void skripti_ajasta(const std::vector<Askel>& askeleet, uint32_t alku) {
    uint32_t hetki = alku;
    for (const Askel& askel : askeleet) {
        if (askel.komento == Komento::Odota) {
            hetki += askel.ms;
        } else {
            tyhjo_ajasta(hetki, [askel] { tee(askel); });
        }
    }
    tyhjo_ajasta(hetki, [] { tyhjo_sulje(); });
}
