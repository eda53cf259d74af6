#include "exchange/ldraw/LDrawFileNames.h"

#include "base/Text.h"

bool IsLDrawFileName(std::string_view fileName) {
    return LowerCase(fileName).find(".dat") != std::string::npos ||
           EndsWithNoCase(fileName, ".ldr") || EndsWithNoCase(fileName, ".mpd");
}
