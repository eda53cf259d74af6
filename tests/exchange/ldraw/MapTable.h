#pragma once
// Mapping tables written into a test's folder.

#include "exchange/ldraw/LDrawMap.h"
#include "support/TempFolder.h"

#include <initializer_list>
#include <string>

// The table "ts2ld.lst" of the given rows, each ended by CR LF.
inline void WriteMapTable(const TTempFolder& folder, std::initializer_list<std::string> rows) {
    std::string text;
    for (const std::string& row : rows)
        text += row + "\r\n";
    folder.Write("ts2ld.lst", text);
}
