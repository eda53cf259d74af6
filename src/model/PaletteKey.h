#pragma once
// The parts of a palette key: its body, the part ID after '|', and the model a sub-assembly
// key ("M name") names.

#include <string>
#include <string_view>

// The trimmed key begins with 'M': a combination model rather than a brick.
bool IsSubAssemblyKey(std::string_view key);

// The trimmed text before the first '|' (the whole trimmed key when there is none).
std::string KeyBody(std::string_view key);
// The trimmed text after the first '|'; empty when there is none.
std::string KeyPartID(std::string_view key);
// The body with the new part ID after a '|'.
std::string KeyWithPartID(std::string_view key, std::string_view partID);

// The model name of a sub-assembly key: the text after the 'M' and before any '|', trimmed.
std::string SubAssemblyName(std::string_view key);
// The model file of a sub-assembly key: AppDir + name + ".lgo" (an absolute name stays as it
// is), found without regard to letter case and with '\' read as '/'.
std::string SubAssemblyFile(std::string_view key);

// The text a palette row shows: the part ID (at most 255 characters) when the key has a '|',
// otherwise the whole trimmed key, which is then shown in dark red.
struct TRowText {
    std::string Text;
    bool IsPartID = false;
};
TRowText PaletteRowText(std::string_view key);
