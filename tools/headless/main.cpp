// rimputin-headless: runs the real game on the headless backend in the current folder, playing a script.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/portti/tyhjo.h"
#include "tools/headless/skripti.h"
#include "util/satunnainen.h"

namespace {

constexpr int kVirhe = 2;  // exit code for a bad command line or script

const char* const kKaytto = "usage: rimputin-headless [--seed N] [--clock MS] [SCRIPT]\n";

bool lue(const std::string& tiedosto, std::string& teksti) {
    std::ostringstream sisalto;
    if (tiedosto.empty()) {
        sisalto << std::cin.rdbuf();
        teksti = sisalto.str();
        return !std::cin.bad();
    }
    std::ifstream f(tiedosto, std::ios::binary);
    if (!f) {
        return false;
    }
    sisalto << f.rdbuf();
    teksti = sisalto.str();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string tiedosto;
    uint32_t kello = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        uint32_t siemen = 0;
        if ((a == "--seed" || a == "--clock") && i + 1 < argc &&
            skripti_luku(argv[i + 1], a == "--seed" ? siemen : kello)) {
            if (a == "--seed") {
                arvoluku_alusta(siemen);
            }
            ++i;
        } else if (a.empty() || a[0] == '-' || !tiedosto.empty()) {
            std::fprintf(stderr, "rimputin-headless: bad argument '%s'\n%s", a.c_str(), kKaytto);
            return kVirhe;
        } else {
            tiedosto = a;
        }
    }
    std::string teksti;
    std::vector<Askel> askeleet;
    std::string virhe;
    if (!lue(tiedosto, teksti)) {
        std::fprintf(stderr, "rimputin-headless: cannot read the script %s\n", tiedosto.c_str());
        return kVirhe;
    }
    if (!skripti_jasenna(teksti, askeleet, virhe)) {
        std::fprintf(stderr, "rimputin-headless: %s: %s\n", tiedosto.empty() ? "stdin" : tiedosto.c_str(),
                     virhe.c_str());
        return kVirhe;
    }
    tyhjo_aseta_kello(kello);
    skripti_ajasta(askeleet, kello);
    char komentorivi[] = "";
    return WinMain(GetModuleHandleA(nullptr), nullptr, komentorivi, 10);
}
