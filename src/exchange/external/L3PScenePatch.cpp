#include "exchange/external/L3PScenePatch.h"

#include "base/Text.h"
#include "exchange/external/GeneralNumber.h"
#include "exchange/external/L2PScene.h"

namespace {

bool Contains(const std::string& line, const char* text) {
    return line.find(text) != std::string::npos;
}

bool StartsWith(const std::string& text, std::string_view start) {
    return text.compare(0, start.size(), start) == 0;
}

void FixColours(std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = Trim(lines[i]);
        // A declaration on the last line has no pigment line after it to replace.
        bool hasNext = i + 1 < lines.size();
        if (StartsWith(line, "#declare Color3") && hasNext)
            lines[i + 1] = "pigment { rgb 0.7*<0.1,0.5,0.2> }";
        if (StartsWith(line, "#declare Color10") && hasNext)
            lines[i + 1] = "pigment { rgb <0.0,1,0.0392157> }";
        if (StartsWith(line, "#declare Color42") && hasNext)
            lines[i + 1] = "pigment { rgbf <0.0,1,0.0392157,0.85> }";
        if (StartsWith(line, "#declare PCT"))
            lines[i].clear();
    }
}

size_t FindLine(const std::vector<std::string>& lines, const char* text) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (SameText(lines[i], text))
            return i;
    return lines.size();
}

void SetBackground(std::vector<std::string>& lines, int32_t colour) {
    size_t i = FindLine(lines, "// Background:") + 1;
    if (i < lines.size() && Contains(lines[i], "background"))
        lines[i] = PovBackground(colour);
}

// The camera block's location line, searched no further than the block's closing brace.
size_t FindLocation(const std::vector<std::string>& lines, size_t i) {
    for (; i < lines.size(); ++i) {
        if (Contains(lines[i], "location"))
            return i;
        if (Contains(lines[i], "}"))
            break;
    }
    return lines.size();
}

void SetCamera(std::vector<std::string>& lines, const TExternalView& view,
               const TModelBounds& bounds) {
    size_t i = FindLine(lines, "camera {");
    if (i == lines.size())
        return;
    ++i;
    if (i < lines.size() && Contains(lines[i], "PCT"))
        lines[i] = "    #declare PCT = 300 // Percentage further away";
    size_t location = FindLocation(lines, i);
    bool placed = location < lines.size();
    if (placed) {
        i = location;
        if (Contains(lines[i], "vaxis_rotate"))
            lines.erase(lines.begin() + std::ptrdiff_t(i));
        double distance = 1000 / view.Scale;
        std::string text = "    location <" +
                           GeneralNumber(-distance * view.SinTurn * view.SinTilt) + "," +
                           GeneralNumber(-distance * view.CosTilt) + "," +
                           GeneralNumber(-distance * view.CosTurn * view.SinTilt) + ">";
        if (i < lines.size())
            lines[i] = text;
        else
            lines.push_back(text);
    }
    TModelMiddle middle = MiddleOf(bounds);
    std::string lookAt = "    look_at <" + std::to_string(middle.X) + ", " +
                         std::to_string(-middle.Z) + ", " + std::to_string(-middle.Y) + ">";
    for (; i < lines.size(); ++i) {
        if (Contains(lines[i], "angle") || Contains(lines[i], "}"))
            break;
        if (placed && Contains(lines[i], "look_at"))
            lines[i] = lookAt;
    }
    // A block without a location keeps its aim; one that runs to the end of the file gets its
    // angle at the end.
    if (i < lines.size() && Contains(lines[i], "angle"))
        lines[i] = "    angle 25";
    else
        lines.insert(lines.begin() + std::ptrdiff_t(i), "    angle 25");
}

} // namespace

void PatchL3PScene(std::vector<std::string>& lines, const TExternalView& view,
                   const TModelBounds& bounds) {
    FixColours(lines);
    SetBackground(lines, view.Background);
    SetCamera(lines, view, bounds);
}
