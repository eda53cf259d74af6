#pragma once
// Which file names are read as LDraw rather than as model files.

#include <string_view>

// ".dat" anywhere in the name (a backup copy keeps its further extension), or a name ending in
// ".ldr" or ".mpd"; letter case ignored.
bool IsLDrawFileName(std::string_view fileName);
