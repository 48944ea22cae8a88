// Crash-safe replacement of a file: a temporary beside it, flushed to the disk, then renamed over it.
#pragma once

#include <string>

// Writes sisalto as the new content of tiedosto; at every moment the file holds either its old or its new
// bytes, complete. On any failure the temporary is removed, the old file is untouched and false comes back.
bool tallennaTurvallisesti(const std::string& tiedosto, const std::string& sisalto);

// Called after the temporary has been written and flushed, before it is renamed over the target; returning
// false fails the save there. Tests set it to stand in for a crash or a full disk; the game leaves it empty.
extern bool (*tallennus_ennen_vaihtoa)(const std::string& valiaikainen, const std::string& kohde);
