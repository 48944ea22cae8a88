// Typed text to the game's characters: UTF-8 (SDL's text input, the scenario scripts) to Windows-1252 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The Windows-1252 byte of a Unicode code point, or -1 when the code page has no such character.
int merkki_1252(uint32_t koodi);

// Every character of 'utf8' that Windows-1252 has, as its byte; other characters and malformed bytes are
// dropped, and decoding picks up again at the next byte that can start a character.
std::string merkit_1252(std::string_view utf8);
