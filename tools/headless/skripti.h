// Scenario scripts for the headless backend: parse the script language into steps, schedule them on the
// virtual clock. The runner rimputin-headless uses this; so can a test that plays the game in-process:
//
//     std::vector<Askel> askeleet;
//     std::string virhe;
//     ASSERT_TRUE(skripti_jasenna("wait 100\nkey Return\ntype Anna\nshot a.bmp\n", askeleet, virhe)) << virhe;
//     tyhjo_alkuun();                    // clock 0, empty queue (call before each game in one process)
//     skripti_ajasta(askeleet, tyhjo_kello());
//     int koodi = WinMain(GetModuleHandleA(nullptr), nullptr, komentorivi, 10);
//
// The steps then happen inside the game's own Sleep calls, each at its moment; after the last one the
// window gets WM_CLOSE as from its close box, so WinMain returns.
//
// The language, one command a line ('#' starts a comment line; blank lines are ignored):
//     wait MS        let the game run for MS milliseconds of its clock
//     key NAME       press and release a key: key-down, the character it types if any, key-up
//     hold NAME      press a key and keep it held (GetAsyncKeyState sees it until released)
//     release NAME   release a held key
//     type TEXT      type the rest of the line (UTF-8 here, one WM_CHAR per Windows-1252 byte to the game)
//     shot FILE      save what the window shows now as a 24-bit BMP of the client area
//     close          close the window as the close box does
// Key names: Return, Escape, Up, Down, Left, Right, BackSpace, Tab, space, a-z, A-Z, 0-9.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class Komento { Odota, Paina, Pida, Paasta, Kirjoita, Kuva, Sulje };

struct Askel {
    int rivi = 0;  // line number in the script, from 1
    Komento komento = Komento::Odota;
    uint32_t ms = 0;   // wait
    std::string arvo;  // key name, text or file name
};

// Parses a whole script. On an error (unknown command, unknown key name, malformed number, missing
// argument) returns false with 'virhe' naming the line: "line 3: unknown key name 'Foo'".
bool skripti_jasenna(const std::string& teksti, std::vector<Askel>& askeleet, std::string& virhe);

// A number as the script and the runner's options write it: decimal digits only, 0 ... 2^32 - 1.
bool skripti_luku(const std::string& teksti, uint32_t& arvo);

// Schedules the steps on the headless backend, the first moment being 'alku', then the closing of the
// window at the end. A shot that cannot be written is reported on standard error.
void skripti_ajasta(const std::vector<Askel>& askeleet, uint32_t alku);
