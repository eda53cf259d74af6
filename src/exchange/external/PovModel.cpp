#include "exchange/external/PovModel.h"

#include "base/LDrawColours.h"
#include "exchange/external/CrLfLines.h"
#include "exchange/external/ExternalView.h"
#include "exchange/external/GeneralNumber.h"
#include "model/Block.h"
#include "render/ViewControls.h"

#include <map>
#include <set>

namespace {

constexpr int StudPitch = 20, StudRadius = 6, StudHeight = 4;
// A mapping row may give any size; beyond a large baseplate's studs a top stays plain rather
// than filling the scene with millions of cylinders.
constexpr int64_t MostStuds = 10000;

std::string Rgb(int32_t colour) {
    auto channel = [colour](int shift) {
        return GeneralNumber((colour >> shift & 0xFF) / 255.0, 6);
    };
    return "rgb <" + channel(0) + "," + channel(8) + "," + channel(16) + ">";
}

std::string Vector(int64_t x, int64_t y, int64_t z) {
    return "<" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(z) + ">";
}

// Textures are named after the LDraw colour numbers, transparent ones 32 higher as LDraw
// numbers them.
std::string TextureName(const TBlock& brick) {
    int number = LDrawColourOf(brick.Colour);
    if (!brick.Transparent)
        return "Color" + std::to_string(number);
    return number < 32 ? "Color" + std::to_string(number | 32)
                       : "ColorTrans" + std::to_string(number);
}

void AppendTextures(std::vector<std::string>& lines, const std::vector<const TBlock*>& bricks) {
    std::map<std::string, const TBlock*> used;
    for (const TBlock* brick : bricks)
        used.emplace(TextureName(*brick), brick);
    for (const auto& [name, brick] : used) {
        std::string pigment =
            "    pigment { color " + Rgb(ColourOfLDraw(LDrawColourOf(brick->Colour)));
        lines.push_back("#declare " + name + " = texture {");
        lines.push_back(pigment + (brick->Transparent ? " filter 0.6 }" : " }"));
        lines.push_back("    finish { ambient 0.25 diffuse 0.7 phong 0.3 }");
        lines.push_back("}");
    }
}

void AppendBrick(std::vector<std::string>& lines, const TBlock& brick) {
    std::string box = "box { " + Vector(brick.X, brick.Y, brick.Z) + ", " +
                      Vector(brick.FarX(), brick.FarY(), brick.FarZ()) + " }";
    std::string texture = " texture { " + TextureName(brick) + " } }";
    int64_t studs = int64_t(brick.SX / StudPitch) * (brick.SY / StudPitch);
    if (!brick.Studs || studs < 1 || studs > MostStuds) {
        lines.push_back("    object { " + box + texture);
        return;
    }
    lines.push_back("    union { " + box);
    int64_t top = brick.FarZ();
    for (int64_t x = brick.X + StudPitch / 2; x < brick.FarX(); x += StudPitch)
        for (int64_t y = brick.Y + StudPitch / 2; y < brick.FarY(); y += StudPitch)
            lines.push_back("        cylinder { " + Vector(x, y, top) + ", " +
                            Vector(x, y, top + StudHeight) + ", " + std::to_string(StudRadius) +
                            " }");
    lines.push_back("   " + texture);
}

// The bricks in model units, turned into the scene's axes by the matrix.
void AppendModel(std::vector<std::string>& lines, const std::vector<const TBlock*>& bricks,
                 const std::string& matrix) {
    if (bricks.empty()) {
        lines.push_back("// No bricks.");
        return;
    }
    lines.push_back("union {");
    for (const TBlock* brick : bricks)
        AppendBrick(lines, *brick);
    lines.push_back("    matrix " + matrix);
    lines.push_back("}");
}

} // namespace

std::string PovModelInclude(const std::vector<const TBlock*>& bricks, const std::string& source) {
    std::vector<std::string> lines = {"// " + source + " for POV-Ray, converted by tessaryn-cli",
                                      ""};
    AppendTextures(lines, bricks);
    lines.push_back("");
    AppendModel(lines, bricks,
                "<0, LG_BRICK_WIDTH / 20, 0, -LG_BRICK_WIDTH / 20, 0, 0, 0, 0, "
                "LG_BRICK_HEIGHT / 24, 0, 0, 0>");
    return JoinCrLf(lines);
}

std::string PovModelScene(const std::vector<const TBlock*>& bricks, const std::string& source) {
    TModelBounds bounds;
    for (const TBlock* brick : bricks)
        bounds.Add(*brick);
    TModelMiddle m = MiddleOf(bounds);
    // LDraw axes: x = X, y = -Z (down), z = -Y.
    auto light = [&](int x, int y, int z) {
        return "light_source { " + Vector(m.X + x, -m.Z + y, -m.Y + z) + " color rgb 1 }";
    };
    std::vector<std::string> lines = {"// " + source +
                                          " for POV-Ray in LDraw units, converted by tessaryn-cli",
                                      "#version 3.0", ""};
    AppendTextures(lines, bricks);
    lines.insert(lines.end(), {"", "// Background:", "background { color rgb <1,1,1> }", "",
                               light(-1000, -1800, -1300), light(800, -2000, 1500),
                               light(-1800, -1200, 1800), "", "// Camera:", "camera {",
                               "    location " + Vector(m.X, -m.Z - 700, -m.Y - 700),
                               "    sky <0,-1,0>", "    right <-4/3,0,0>",
                               "    look_at " + Vector(m.X, -m.Z, -m.Y), "    angle 25", "}", ""});
    AppendModel(lines, bricks, "<1, 0, 0, 0, 0, -1, 0, -1, 0, 0, 0, 0>");
    return JoinCrLf(lines);
}

std::string PovColourInclude() {
    std::vector<std::string> lines = {"// The LDraw colours of Tessaryn's table, by number.", ""};
    std::set<int> declared;
    for (const TLDrawColour& c : LDrawColourTable) {
        if (!declared.insert(c.Number).second)
            continue;
        lines.push_back("#declare LG_Colour_" + std::to_string(c.Number) + " = color " +
                        Rgb(c.Colour()) + "; // " + c.Name);
    }
    lines.insert(lines.end(), {"", "#declare White = color rgb <1,1,1>;",
                               "#declare DarkGreen = color rgb <0,0.39,0>;"});
    return JoinCrLf(lines);
}

std::string PovSizeInclude() {
    return JoinCrLf({"// Brick sizes in scene units: one stud pitch across is one unit.",
                     "#declare LG_BRICK_WIDTH = 1;", "#declare LG_BRICK_HEIGHT = 1.2;",
                     "#declare LG_PLATE_HEIGHT = LG_BRICK_HEIGHT / 3;",
                     "// The height of a stud above a brick's top.",
                     "#declare LG_TOP_HEIGHT = 0.2;"});
}
