// Inside the result files: whole-file bytes in and out, and the record parser both readers share.
#pragma once

#include <string>
#include <vector>

#include "results/tulos.h"

// What one pass over a result file's bytes gives.
struct Luenta {
    std::vector<Tulos> tulokset;  // the records whose checksum matched, in file order
    bool kokonaan = true;         // every record matched and the reading went on to the file's end
};

// Reads the whole file as raw bytes; false (and nothing) when it cannot be opened or read.
bool lueTavut(const std::string& tiedosto, std::string& tavut);
// Parses the bytes of the file named tiedosto; checksums use that name and paa_valikko_valinta.
Luenta lueTietueet(const std::string& tavut, const std::string& tiedosto);
// The bytes of a result file holding lista: three CR LF lines per record.
std::string muotoileTietueet(const std::string& tiedosto, const std::vector<Tulos>& lista);
