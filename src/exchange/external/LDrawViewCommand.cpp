#include "exchange/external/LDrawViewCommand.h"

#include "base/LDrawColours.h"
#include "base/Text.h"
#include "exchange/external/GeneralNumber.h"
#include "exchange/external/ProgramCall.h"

#include <cmath>
#include <numbers>

std::string LDrawViewOptions(const TExternalView& view, bool fastStuds) {
    std::string options = fastStuds ? "-FS " : "";
    int x = RoundHalfEven(view.OriginX - view.Width / 2);
    int y = RoundHalfEven(view.OriginY - view.Height / 2 - 70);
    options += "-O" + std::to_string(x) + "," + std::to_string(y) + " ";
    // The turn about the vertical axis by a, then the tilt about the x axis by b.
    double a = 2 * std::numbers::pi - view.Turn;
    double b = std::numbers::pi / 2 - view.Tilt;
    const double matrix[9] = {std::cos(a),
                              0.0,
                              std::sin(a),
                              std::sin(b) * std::sin(a),
                              std::cos(b),
                              -std::sin(b) * std::cos(a),
                              -std::sin(a) * std::cos(b),
                              std::sin(b),
                              std::cos(b) * std::cos(a)};
    options += "-a";
    for (int i = 0; i < 9; ++i)
        options += GeneralNumber(matrix[i], 3) + (i < 8 ? "," : " ");
    return options;
}

double LDrawViewScale(const std::string& ldrawProg, double scale) {
    return SameText(ldrawProg.substr(0, 5), "ldraw") ? scale / 1.5 : scale;
}

std::string LDrawViewCommand(const std::string& ldrawProg, const std::string& ldrawTest,
                             const TExternalView& view, bool fastStuds) {
    return ldrawProg + "  -s" + GeneralNumber(LDrawViewScale(ldrawProg, view.Scale)) + " -b" +
           std::to_string(LDrawColourOf(view.Background)) + " " +
           LDrawViewOptions(view, fastStuds) + " " + ldrawTest;
}

std::vector<std::string> LDrawViewArguments(const std::string& ldrawProg,
                                            const std::string& ldrawTest, const TExternalView& view,
                                            bool fastStuds) {
    std::vector<std::string> arguments = CommandWords(
        "-s" + GeneralNumber(LDrawViewScale(ldrawProg, view.Scale)) + " -b" +
        std::to_string(LDrawColourOf(view.Background)) + " " + LDrawViewOptions(view, fastStuds));
    arguments.push_back(ldrawTest);
    return arguments;
}
