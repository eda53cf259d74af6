#include "exchange/external/ViewerCall.h"

#include "base/Text.h"
#include "exchange/external/GeneralNumber.h"
#include "exchange/external/LDrawViewCommand.h"

#include <cmath>
#include <filesystem>
#include <numbers>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The configured viewer as a file of the LDraw folder, made absolute since it runs there.
std::string InLibrary(const std::string& ldrawLib, const std::string& ldrawProg) {
    std::error_code ec;
    fs::path file = fs::path(ldrawLib.empty() ? "." : ldrawLib) / ldrawProg;
    if (ldrawProg.empty() || !fs::is_regular_file(file, ec))
        return {};
    fs::path full = fs::absolute(file, ec);
    return ec ? file.string() : full.lexically_normal().string();
}

// Hundredths of a degree are finer than any view bar moves; the float angles' residues go.
std::string Degrees(double radians) {
    double degrees = std::round(radians * 180 / std::numbers::pi * 100) / 100;
    return GeneralNumber(degrees == 0 ? 0.0 : degrees);
}

bool HoldsParts(const std::string& ldrawLib) {
    std::error_code ec;
    return fs::is_directory(fs::path(ldrawLib) / "parts", ec) ||
           fs::is_directory(fs::path(ldrawLib) / "PARTS", ec);
}

} // namespace

bool IsLeoCad(const std::string& program) {
    return SameText(fs::path(program).filename().string(), "leocad");
}

std::optional<std::string> FindViewer(const std::string& ldrawLib, const std::string& ldrawProg) {
    if (std::string inLibrary = InLibrary(ldrawLib, ldrawProg); !inLibrary.empty())
        return inLibrary;
    if (ldrawProg.find('/') != std::string::npos) {
        if (access(ldrawProg.c_str(), X_OK) == 0)
            return ldrawProg;
    } else if (!FindOnPath(ldrawProg).empty()) {
        return ldrawProg;
    }
    if (std::string leoCad = FindOnPath("leocad"); !leoCad.empty())
        return leoCad;
    return std::nullopt;
}

std::vector<std::string> LeoCadArguments(const TExternalView& view, const std::string& ldrawTest,
                                         const std::string& library) {
    // The same turns as the viewer matrix: latitude b = pi/2 - tilt above the horizon,
    // longitude a = 2 pi - turn, both LeoCAD's angles from the front.
    double latitude = std::numbers::pi / 2 - view.Tilt;
    double longitude = std::fmod(2 * std::numbers::pi - view.Turn, 2 * std::numbers::pi);
    if (longitude < 0)
        longitude += 2 * std::numbers::pi;
    std::vector<std::string> arguments = {"--orthographic", "--camera-angles", Degrees(latitude),
                                          Degrees(longitude)};
    if (view.Width > 0 && view.Height > 0)
        arguments.insert(arguments.end(),
                         {"-w", std::to_string(view.Width), "-h", std::to_string(view.Height)});
    if (!library.empty())
        arguments.insert(arguments.end(), {"-l", library});
    arguments.push_back(ldrawTest);
    return arguments;
}

TProgramCall ViewerCall(const std::string& ldrawLib, const std::string& ldrawProg,
                        const std::string& ldrawTest, const TExternalView& view, bool fastStuds) {
    std::string program = FindViewer(ldrawLib, ldrawProg).value_or(ldrawProg);
    if (!IsLeoCad(program))
        return {program, LDrawViewArguments(ldrawProg, ldrawTest, view, fastStuds)};
    std::string library;
    if (HoldsParts(ldrawLib)) {
        std::error_code ec;
        library = fs::absolute(ldrawLib, ec).lexically_normal().string();
    }
    return {program, LeoCadArguments(view, ldrawTest, library)};
}
