// Crash-safe file replacement, the same on Linux and on Windows.
#include "results/turvatallennus.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>

#include "gfx/win32.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

bool (*tallennus_ennen_vaihtoa)(const std::string& valiaikainen, const std::string& kohde) = nullptr;

namespace {

// Pushes the file's bytes past the system's caches, so a power cut after the rename cannot leave it empty.
bool levylle(std::FILE* tiedosto) {
    if (std::fflush(tiedosto) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(tiedosto)) == 0;
#else
    return fsync(fileno(tiedosto)) == 0;
#endif
}

#ifndef _WIN32
// Makes the rename itself durable; a failure here leaves a complete file either way, so it is not reported.
void kansioLevylle(const std::string& tiedosto) {
    const size_t viiva = tiedosto.find_last_of('/');
    const std::string kansio = viiva == std::string::npos ? "." : tiedosto.substr(0, viiva == 0 ? 1 : viiva);
    const int kahva = open(kansio.c_str(), O_RDONLY);
    if (kahva >= 0) {
        fsync(kahva);
        close(kahva);
    }
}
#endif

// Puts the temporary in the target's place in one step, replacing an existing target.
bool vaihda(const std::string& valiaikainen, const std::string& kohde) {
#ifdef _WIN32
    // Plain rename fails on Windows when the target exists.
    return MoveFileExA(valiaikainen.c_str(), kohde.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    if (std::rename(valiaikainen.c_str(), kohde.c_str()) != 0) {
        return false;
    }
    kansioLevylle(kohde);
    return true;
#endif
}

// Writes and flushes the temporary; true only when every byte reached the disk and the file closed cleanly.
bool kirjoitaValiaikainen(std::FILE* tiedosto, const std::string& sisalto) {
    bool kunnossa = std::fwrite(sisalto.data(), 1, sisalto.size(), tiedosto) == sisalto.size();
    kunnossa = kunnossa && levylle(tiedosto);
    return std::fclose(tiedosto) == 0 && kunnossa;
}

}  // namespace

bool tallennaTurvallisesti(const std::string& tiedosto, const std::string& sisalto) {
    // Beside the target, so the rename never crosses file systems.
    const std::string valiaikainen = tiedosto + ".tmp";
    std::FILE* kahva = std::fopen(valiaikainen.c_str(), "wb");
    if (kahva == nullptr) {
        return false;
    }
    bool kunnossa = kirjoitaValiaikainen(kahva, sisalto);
    kunnossa = kunnossa && (tallennus_ennen_vaihtoa == nullptr || tallennus_ennen_vaihtoa(valiaikainen, tiedosto));
    kunnossa = kunnossa && vaihda(valiaikainen, tiedosto);
    if (!kunnossa) {
        std::remove(valiaikainen.c_str());
    }
    return kunnossa;
}
