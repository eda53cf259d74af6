#pragma once
// The shipped data folder (or another given one) as the program's folder while one object
// lives, with the part definitions cache empty before and after, and the folder before it
// restored at the end.

#include "base/FileNames.h"
#include "parts/PartCache.h"

#include <string>

class TShippedAppDir {
public:
    explicit TShippedAppDir(const std::string& folder = TESSARYN_SHIPPED_DATA) {
        ClearDrawClasses();
        SetAppDir(folder);
    }
    ~TShippedAppDir() {
        ClearDrawClasses();
        SetAppDir(Saved);
    }
    TShippedAppDir(const TShippedAppDir&) = delete;
    TShippedAppDir& operator=(const TShippedAppDir&) = delete;

private:
    std::string Saved = AppDir();
};
