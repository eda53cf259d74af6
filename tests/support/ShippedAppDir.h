#pragma once
// The shipped data folder as the program's folder while one object lives, with the part
// definitions cache empty before and after, and the folder before it restored at the end.

#include "base/FileNames.h"
#include "parts/PartCache.h"

#include <string>

class TShippedAppDir {
public:
    TShippedAppDir() {
        ClearDrawClasses();
        SetAppDir(TESSARYN_SHIPPED_DATA);
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
