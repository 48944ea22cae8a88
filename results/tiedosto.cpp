// The result files: their byte format, the record parser, the reader and the crash-safe writer.
#include "results/tiedosto.h"

#include <cstdio>

#include "results/turvatallennus.h"
#include "util/teksti.h"

namespace {

// A read position in a file's bytes with the failed state of a text stream: once failed, nothing more is read.
struct Kohdistin {
    const std::string& tavut;
    size_t kohta = 0;
    bool epaonnistui = false;
};

bool onValilyonti(char merkki) {
    return merkki == ' ' || merkki == '\t' || merkki == '\n' || merkki == '\v' || merkki == '\f' || merkki == '\r';
}

// Reads up to the next LF and drops one CR standing right before it, so CR LF and LF files read alike.
// At the end of the bytes no line can be read: the reading fails and the line is empty.
bool lueRivi(Kohdistin& k, std::string& rivi) {
    rivi.clear();
    if (k.epaonnistui || k.kohta >= k.tavut.size()) {
        k.epaonnistui = true;
        return false;
    }
    const size_t lf = k.tavut.find('\n', k.kohta);
    size_t loppu = lf == std::string::npos ? k.tavut.size() : lf;
    if (lf != std::string::npos && loppu > k.kohta && k.tavut[loppu - 1] == '\r') {
        --loppu;
    }
    rivi.assign(k.tavut, k.kohta, loppu - k.kohta);
    k.kohta = lf == std::string::npos ? k.tavut.size() : lf + 1;
    return true;
}

// Reads an unsigned 32-bit decimal number the way a formatted extraction does: white space (empty lines too)
// skipped, an optional "+", the digits up to the first other byte, which stays unread. No digit, a "-", a value
// above 4294967295 or the end of the bytes fail the reading.
bool lueAika(Kohdistin& k, uint32_t& aika) {
    while (k.kohta < k.tavut.size() && onValilyonti(k.tavut[k.kohta])) {
        ++k.kohta;
    }
    if (k.kohta < k.tavut.size() && k.tavut[k.kohta] == '+') {
        ++k.kohta;
    }
    uint64_t arvo = 0;
    const size_t alku = k.kohta;
    for (; k.kohta < k.tavut.size() && k.tavut[k.kohta] >= '0' && k.tavut[k.kohta] <= '9'; ++k.kohta) {
        arvo = arvo * 10 + static_cast<uint64_t>(k.tavut[k.kohta] - '0');
        if (arvo > UINT32_MAX) {
            k.epaonnistui = true;
            return false;
        }
    }
    k.epaonnistui = k.kohta == alku;
    aika = static_cast<uint32_t>(arvo);
    return !k.epaonnistui;
}

// The checksum line is the first line that is not empty; normally the first one read is the time line's rest.
std::string lueTarkisteRivi(Kohdistin& k) {
    std::string rivi;
    while (lueRivi(k, rivi) && rivi.empty()) {
    }
    return rivi;
}

}  // namespace

bool lueTavut(const std::string& tiedosto, std::string& tavut) {
    tavut.clear();
    std::FILE* kahva = std::fopen(tiedosto.c_str(), "rb");
    if (kahva == nullptr) {
        return false;
    }
    // Straight into the string, growing it by doubling; a short read means the end of the file or an error.
    size_t luettu = 0;
    tavut.resize(4096);
    while ((luettu += std::fread(tavut.data() + luettu, 1, tavut.size() - luettu, kahva)) == tavut.size()) {
        tavut.resize(tavut.size() * 2);
    }
    tavut.resize(luettu);
    const bool kunnossa = std::ferror(kahva) == 0;
    std::fclose(kahva);
    if (!kunnossa) {
        tavut.clear();
    }
    return kunnossa;
}

Luenta lueTietueet(const std::string& tavut, const std::string& tiedosto) {
    Luenta luenta;
    Kohdistin k{tavut};
    Tulos tulos;
    while (!k.epaonnistui) {
        if (!lueRivi(k, tulos.nimi)) {
            return luenta;  // the end of the file where a record may begin: read cleanly through
        }
        if (tulos.nimi.empty() || !lueAika(k, tulos.aika)) {
            break;
        }
        if (lyhenna(lueTarkisteRivi(k)) == laskeTarkiste(tulos, tiedosto)) {
            luenta.tulokset.push_back(tulos);
        } else {
            luenta.kokonaan = false;
        }
    }
    // Stopped short of the end: whatever follows is not in the list.
    luenta.kokonaan = false;
    return luenta;
}

std::string muotoileTietueet(const std::string& tiedosto, const std::vector<Tulos>& lista) {
    std::string tavut;
    for (const Tulos& tulos : lista) {
        tavut += tulos.nimi + "\r\n" + int2string(tulos.aika) + "\r\n" + laskeTarkiste(tulos, tiedosto) + "\r\n";
    }
    return tavut;
}

void lueTiedostosta(std::string tiedosto, std::vector<Tulos>& lista) {
    std::string tavut;
    if (!lueTavut(tiedosto, tavut)) {
        return;
    }
    Luenta luenta = lueTietueet(tavut, tiedosto);
    lista.insert(lista.end(), luenta.tulokset.begin(), luenta.tulokset.end());
}

// The list replaces the file. When the old file holds anything its reading would not keep (a record with a wrong
// checksum, or bytes after the point where reading stopped), its exact bytes are first kept as "<name>.bak", so a
// damaged record cannot silently take the good ones after it along. If that backup cannot be made, the old file
// stays as it is and the list is not stored.
void kirjoitaTiedostoon(std::string tiedosto, const std::vector<Tulos>& lista) {
    std::string vanha;
    if (lueTavut(tiedosto, vanha) && !lueTietueet(vanha, tiedosto).kokonaan &&
        !tallennaTurvallisesti(tiedosto + ".bak", vanha)) {
        return;
    }
    tallennaTurvallisesti(tiedosto, muotoileTietueet(tiedosto, lista));
}
