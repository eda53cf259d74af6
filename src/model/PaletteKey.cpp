#include "model/PaletteKey.h"

#include "base/FileNames.h"
#include "base/Text.h"

bool IsSubAssemblyKey(std::string_view key) {
    std::string trimmed = Trim(key);
    return !trimmed.empty() && trimmed[0] == 'M';
}

std::string KeyBody(std::string_view key) {
    return Trim(key.substr(0, key.find('|')));
}

std::string KeyPartID(std::string_view key) {
    size_t bar = key.find('|');
    return bar == std::string_view::npos ? std::string() : Trim(key.substr(bar + 1));
}

std::string KeyWithPartID(std::string_view key, std::string_view partID) {
    return KeyBody(key) + "|" + std::string(partID);
}

std::string SubAssemblyName(std::string_view key) {
    std::string body = KeyBody(key);
    return body.empty() ? body : Trim(std::string_view(body).substr(1));
}

std::string SubAssemblyFile(std::string_view key) {
    std::string name = NormaliseSeparators(SubAssemblyName(key));
    if (name.empty() || name[0] != '/')
        name = AppDir() + name;
    return ResolveFileName(name + ".lgo");
}

TRowText PaletteRowText(std::string_view key) {
    std::string trimmed = Trim(key);
    size_t bar = trimmed.find('|');
    if (bar == std::string::npos)
        return {trimmed, false};
    return {trimmed.substr(bar + 1, 255), true};
}
