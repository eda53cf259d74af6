#include "exchange/instructions/PartCounts.h"

#include "model/Block.h"
#include "model/GeneralBlock.h"

#include <algorithm>
#include <map>

namespace {

const char* KindName(const TPartKind& kind) {
    switch (kind.Kind) {
    case 'R':
        return "Round brick";
    case 'T':
        return "Slope";
    case 'N':
        return "Ridge";
    case 'C':
        return "Slope corner";
    case 'I':
        return "Ridge corner";
    case 'E':
        return "Ridge end";
    case 'W':
        return "Window";
    case 'D':
        return "Door";
    case 'O':
        return "Wheel";
    default:
        break;
    }
    if (kind.Baseplate)
        return "Baseplate";
    if (kind.Height == 8)
        return kind.Studs ? "Plate" : "Tile";
    return "Brick";
}

// Studs and plates as the palette writes them; a size off the grid keeps its model units.
std::string Units(int32_t value, int32_t per) {
    return value % per == 0 ? std::to_string(value / per) : std::to_string(value) + "u";
}

} // namespace

TPartKind PartKindOf(const TBlock& brick) {
    TPartKind kind;
    kind.Kind = brick.Kind == ' ' || brick.Kind == 0 ? 'B' : brick.Kind;
    kind.Long = std::max(brick.SX, brick.SY);
    kind.Short = std::min(brick.SX, brick.SY);
    kind.Height = brick.SZ;
    kind.Studs = brick.Studs;
    kind.Baseplate = brick.Baseplate;
    if (const auto* general = dynamic_cast<const TGeneralBlock*>(&brick)) {
        kind.DefFile = general->FileName();
        kind.DefPart = general->PartName();
    }
    kind.PartID = brick.PartID;
    kind.Colour = brick.Colour;
    kind.Transparent = brick.Transparent;
    return kind;
}

std::vector<TPartCount> CountParts(const std::vector<TBlock*>& bricks) {
    std::map<TPartKind, TPartCount> parts;
    for (const TBlock* brick : bricks) {
        TPartKind kind = PartKindOf(*brick);
        TPartCount& part = parts[kind];
        if (!part.Sample)
            part = {std::move(kind), brick, 0};
        ++part.Count;
    }
    std::vector<TPartCount> list;
    list.reserve(parts.size());
    for (auto& [kind, part] : parts)
        list.push_back(std::move(part));
    return list;
}

std::string PartDescription(const TPartKind& kind) {
    if (kind.Kind == 'G')
        return "Part " + kind.DefPart;
    const std::string name = KindName(kind);
    std::string text = name + " " + Units(kind.Long, 20) + " x " + Units(kind.Short, 20);
    // Plates, tiles and baseplates say their height by their name; a brick is 3 plates high.
    const bool heightNamed = name == "Plate" || name == "Tile" || name == "Baseplate";
    if (!heightNamed && kind.Height != 24)
        text += " x " + Units(kind.Height, 8) + (kind.Height == 8 ? " plate" : " plates");
    if (!kind.Studs && name != "Tile" && kind.Kind != 'O')
        text += " without studs";
    return text;
}

std::string PartTextForm(const TPartKind& kind) {
    if (kind.Kind == 'G')
        return "G " + kind.DefFile + ", " + kind.DefPart;
    return std::string(1, kind.Kind) + Units(kind.Long, 20) + "x" + Units(kind.Short, 20) + "x" +
           Units(kind.Height, 8);
}
