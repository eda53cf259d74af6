#include "cli/RenderOptions.h"

#include "base/Error.h"
#include "base/Text.h"

#include <cctype>

namespace {
const std::string* ValueOf(const TCliArgs& args, const std::string& name) {
    auto it = args.Values.find(name);
    return it == args.Values.end() ? nullptr : &it->second;
}

TError BadValue(const std::string& name, const std::string& text, const std::string& wanted) {
    return TError(name + " must be " + wanted + ", not \"" + text + "\"");
}
} // namespace

std::optional<std::vector<int32_t>> IntListOption(const TCliArgs& args, const std::string& name,
                                                  size_t count, char sep) {
    const std::string* text = ValueOf(args, name);
    if (!text)
        return std::nullopt;
    std::string wanted = std::to_string(count) + " integers separated by '" + sep + "'";
    std::vector<int32_t> values;
    size_t start = 0;
    while (true) {
        size_t end = text->find(sep, start);
        std::string part = text->substr(start, end == std::string::npos ? end : end - start);
        try {
            values.push_back(StrToInt(part));
        } catch (const TError&) {
            throw BadValue(name, *text, wanted);
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (values.size() != count)
        throw BadValue(name, *text, wanted);
    return values;
}

int32_t IntOption(const TCliArgs& args, const std::string& name, int32_t fallback, int32_t lowest,
                  int32_t highest) {
    auto values = IntListOption(args, name, 1, ',');
    if (!values)
        return fallback;
    int32_t value = (*values)[0];
    if (value < lowest || value > highest)
        throw BadValue(name, *ValueOf(args, name),
                       "an integer from " + std::to_string(lowest) + " to " +
                           std::to_string(highest));
    return value;
}

uint32_t HexColourOption(const TCliArgs& args, const std::string& name, uint32_t fallback) {
    const std::string* text = ValueOf(args, name);
    if (!text)
        return fallback;
    if (text->size() != 6)
        throw BadValue(name, *text, "six hex digits RRGGBB");
    uint32_t rgb = 0;
    for (char c : *text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            throw BadValue(name, *text, "six hex digits RRGGBB");
        rgb = rgb << 4 | uint32_t(std::isdigit(static_cast<unsigned char>(c))
                                      ? c - '0'
                                      : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    }
    // RRGGBB as written; colour values keep red in the low byte.
    return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}
