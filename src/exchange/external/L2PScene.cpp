#include "exchange/external/L2PScene.h"

#include "exchange/external/GeneralNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

double L2PCameraDistance(const TModelBounds& bounds) {
    int64_t largest =
        std::max({std::llabs(bounds.MaxX - bounds.MinX), std::llabs(bounds.MaxY - bounds.MinY),
                  std::llabs(bounds.MaxZ - bounds.MinZ)});
    return 9 * std::cbrt(double(largest));
}

std::string PovBackground(int32_t colour) {
    auto channel = [colour](int shift) { return GeneralNumber((colour >> shift & 0xFF) / 255.0); };
    return "background { color rgb <" + channel(0) + "," + channel(8) + "," + channel(16) + ">}";
}

std::vector<std::string> L2PSceneLines(const TExternalView& view, const TModelBounds& bounds) {
    double distance = L2PCameraDistance(bounds) / view.Scale;
    TModelMiddle middle = MiddleOf(bounds);
    std::string location =
        " location <" + GeneralNumber(-distance * view.CosTurn * view.SinTilt) +
        "*LG_BRICK_WIDTH, " + GeneralNumber(-distance * view.SinTurn * view.SinTilt) +
        "*LG_BRICK_WIDTH, " + GeneralNumber(distance * view.CosTilt) + "*LG_BRICK_HEIGHT>";
    std::string lookAt = " look_at <" + std::to_string(-middle.Y / 20) + "*LG_BRICK_WIDTH, " +
                         std::to_string(middle.X / 20) + "*LG_BRICK_WIDTH, " +
                         std::to_string(middle.Z / 24) + "*LG_BRICK_HEIGHT>";
    return {"#version 3.0",
            "#include \"lg_color.inc\"",
            "#include \"lg_defs.inc\"",
            "",
            "#include \"test.inc\"",
            "",
            PovBackground(view.Background),
            "/*object {",
            " plane { z, -1*LG_TOP_HEIGHT } // locate the plane below a baseplate",
            "  pigment {color DarkGreen}",
            "}*/",
            "",
            "light_source { <-50, -35, 45> color White }",
            "light_source { <20, 60, 50> color White }",
            "light_source { <-45, -45, 30> color White }",
            "",
            "camera {",
            location,
            " angle 20",
            " sky <0, 0, 1>",
            " up <0, 1, 0>",
            lookAt,
            "}"};
}

std::string PovRayCommand(const std::string& povRayEng, const std::string& sceneFile) {
    return povRayEng + " +I" + sceneFile + " -V +W320 +H240";
}
