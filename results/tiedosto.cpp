// The result files: their byte format, the record parser, the reader and the crash-safe writer.
#include "results/tiedosto.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "results/tarkiste.h"
#include "results/turvatallennus.h"
#include "util/teksti.h"

namespace {

// A read position in a file's bytes with the failed state of a text stream: once failed, nothing more is read.
struct Kohdistin {
    const std::string& tavut;
    size_t kohta = 0;
    bool epaonnistui = false;
};

// Reads up to the next LF and drops one CR standing right before it, so CR LF and LF files read alike.
// At the end of the bytes no line can be read: the reading fails and the line is empty.
bool lueRivi(Kohdistin& k, std::string_view& rivi) {
    rivi = {};
    if (k.epaonnistui || k.kohta >= k.tavut.size()) {
        k.epaonnistui = true;
        return false;
    }
    const size_t lf = k.tavut.find('\n', k.kohta);
    size_t loppu = lf == std::string::npos ? k.tavut.size() : lf;
    if (lf != std::string::npos && loppu > k.kohta && k.tavut[loppu - 1] == '\r') {
        --loppu;
    }
    rivi = std::string_view(k.tavut).substr(k.kohta, loppu - k.kohta);
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
// It comes back trimmed of white space at both ends.
std::string_view lueTarkisteRivi(Kohdistin& k) {
    std::string_view rivi;
    while (lueRivi(k, rivi) && rivi.empty()) {
    }
    return lyhennaNakyma(rivi);
}

}  // namespace

bool lueTavut(const std::string& tiedosto, std::string& tavut) {
    tavut.clear();
    std::FILE* kahva = std::fopen(tiedosto.c_str(), "rb");
    if (kahva == nullptr) {
        return false;
    }
    // Sized from the file's length, then read to its real end, should the length have been wrong.
    size_t luettu = 0;
    if (std::fseek(kahva, 0, SEEK_END) == 0) {
        const long pituus = std::ftell(kahva);
        // A folder opens as well, and its length can read as anything: past 1 GiB, grow by reading instead.
        tavut.resize(pituus > 0 && pituus < (1L << 30) ? static_cast<size_t>(pituus) + 1 : 4096);
    }
    std::rewind(kahva);
    while ((luettu += std::fread(tavut.data() + luettu, 1, tavut.size() - luettu, kahva)) == tavut.size()) {
        tavut.resize(tavut.size() * 2 + 4096);
    }
    tavut.resize(luettu);
    const bool kunnossa = std::ferror(kahva) == 0;
    std::fclose(kahva);
    if (!kunnossa) {
        tavut.clear();
    }
    return kunnossa;
}

// The checksum is computed as laskeTarkiste does, with the file's part taken once for the whole file.
bool lueTietueet(const std::string& tavut, const std::string& tiedosto,
                 const std::function<void(std::string_view nimi, uint32_t aika)>& hyvaksy) {
    Kohdistin k{tavut};
    const uint32_t tiedostoosa = tarkisteTiedostoosa(tiedosto);
    bool kokonaan = true;
    std::string_view nimi;
    uint32_t aika = 0;
    while (!k.epaonnistui) {
        if (!lueRivi(k, nimi)) {
            return kokonaan;  // the end of the file where a record may begin
        }
        if (nimi.empty() || !lueAika(k, aika)) {
            break;
        }
        const uint32_t s = tarkisteAikaosa(aika) + tarkisteNimiosa(nimi) + tiedostoosa;
        if (lueTarkisteRivi(k) != tarkisteKirjaimet(s).teksti()) {
            kokonaan = false;
        } else if (hyvaksy) {
            hyvaksy(nimi, aika);
        }
    }
    return false;  // stopped short of the end: whatever follows is not in the list
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
    // Room for every record the bytes can hold: three lines each, at least 13 bytes each. Growing the list record
    // by record would copy it over and over for a large file.
    const size_t riveja = static_cast<size_t>(std::count(tavut.begin(), tavut.end(), '\n'));
    lista.reserve(lista.size() + std::min(riveja / 3, tavut.size() / 13) + 1);
    lueTietueet(tavut, tiedosto, [&lista](std::string_view nimi, uint32_t aika) {
        lista.push_back({std::string(nimi), aika});
    });
}

// The list replaces the file. When the old file holds anything its reading would not keep (a record with a wrong
// checksum, or bytes after the point where reading stopped), its exact bytes are first kept as "<name>.bak", so a
// damaged record cannot silently take the good ones after it along. If that backup cannot be made, the old file
// stays as it is and the list is not stored.
void kirjoitaTiedostoon(std::string tiedosto, const std::vector<Tulos>& lista) {
    std::string vanha;
    if (lueTavut(tiedosto, vanha) && !lueTietueet(vanha, tiedosto, {}) &&
        !tallennaTurvallisesti(tiedosto + ".bak", vanha)) {
        return;
    }
    tallennaTurvallisesti(tiedosto, muotoileTietueet(tiedosto, lista));
}
