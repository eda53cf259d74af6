#pragma once
// File names on this platform: the program folder, names from data files that may use '\',
// and the case-insensitive fall-back look-up for names that differ only in letter case.

#include <string>
#include <string_view>

// The program's folder with a trailing '/'. Set once at start (the executable's folder, or the
// command-line tool's --app-dir).
const std::string& AppDir();
void SetAppDir(std::string dir);
// The folder of the running executable, with a trailing '/'.
std::string ExecutableDir();

// '\' becomes '/'.
std::string NormaliseSeparators(std::string_view name);

// The existing file for a name from data: the name itself (separators normalised) when it
// exists, otherwise a case-insensitive match, component by component; the normalised name when
// nothing matches.
std::string ResolveFileName(std::string_view name);
bool FileExists(const std::string& name);
