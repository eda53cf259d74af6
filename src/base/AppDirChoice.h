#pragma once
// Which folder the program works in: the executable's own folder when the data lies beside it
// (the build tree or a copied folder), or, for an installed program, a folder of the user's own
// that is filled from the read-only installed data.

#include <string>

struct TAppDirChoice {
    std::string AppDir;     // with a trailing '/'
    std::string ShippedDir; // installed data to fill AppDir from; empty when AppDir is used as is
};

// exeDir is the executable's folder with a trailing '/'; xdgDataHome and home are the values of
// XDG_DATA_HOME and HOME (null when unset). Raises TError when an installed program finds no
// home folder for the user's data.
TAppDirChoice ChooseAppDir(const std::string& exeDir, const char* xdgDataHome, const char* home);
