// Inside the result files: whole-file bytes in and out, and the record parser both readers share.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "results/tulos.h"

// Reads the whole file as raw bytes; false (and nothing) when it cannot be opened or read.
bool lueTavut(const std::string& tiedosto, std::string& tavut);
// Parses the bytes of the file named tiedosto (checksums use that name and paa_valikko_valinta) and hands each
// record whose checksum matches to hyvaksy, if given, in file order. True when the file was read cleanly through:
// every record matched and the reading went on to the file's end.
bool lueTietueet(const std::string& tavut, const std::string& tiedosto,
                 const std::function<void(std::string_view nimi, uint32_t aika)>& hyvaksy);

// The bytes of a result file holding lista: three CR LF lines per record.
std::string muotoileTietueet(const std::string& tiedosto, const std::vector<Tulos>& lista);
