#include "model/Block.h"

#include "base/Error.h"
#include "base/Text.h"
#include "model/BlockKinds.h"
#include "model/GeneralBlock.h"

#include <vector>

std::unique_ptr<TBlock> TBlock::NewOfSameClass() const {
    return std::make_unique<TBlock>();
}

TBlock& TBlock::SetDefinition(const std::string&, const std::string&) {
    return *this;
}

void TBlock::Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz,
                    int32_t colour, bool studs, bool baseplate, bool transparent,
                    const std::string& partID) {
    // Unsigned arithmetic wraps instead of overflowing on absurd sizes from a key.
    X = int32_t(uint32_t(x) * 20u);
    Y = int32_t(uint32_t(y) * 20u);
    Z = int32_t(uint32_t(z) * 8u);
    SX = int32_t(uint32_t(sx) * 20u);
    SY = int32_t(uint32_t(sy) * 20u);
    SZ = int32_t(uint32_t(sz) * 8u);
    Colour = colour;
    Studs = studs;
    Baseplate = baseplate;
    Transparent = transparent;
    PartID = partID;
    Kind = ClassKind();
    Definition = nullptr;
    Group = Step = Variant = Turn = 0;
    Selected = false;
}

void TRoof::Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz,
                   int32_t colour, bool studs, bool baseplate, bool transparent,
                   const std::string& partID) {
    TBlock::Create(x, y, z, sx, sy, sz, colour, studs, baseplate, transparent, partID);
    if (sx == 3 && sy == 2)
        Variant = 1;
}

void TRoofTop::Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz,
                      int32_t colour, bool studs, bool baseplate, bool transparent,
                      const std::string& partID) {
    TRoof::Create(x, y, z, sx, sy, sz, colour, studs, baseplate, transparent, partID);
    Variant = 0;
}

void TRoofCorner::Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz,
                         int32_t colour, bool studs, bool baseplate, bool transparent,
                         const std::string& partID) {
    // Only the plain sloped brick has a 3 x 2 variant; the readers derive it for kind T alone.
    TRoof::Create(x, y, z, sx, sy, sz, colour, studs, baseplate, transparent, partID);
    Variant = 0;
}

void TBlock::Rotate() {
    Turn = int32_t((int64_t(Turn) + 1) % 4); // a Turn read from a file may be any value
    std::swap(SX, SY);
}

static std::string Flag(bool b) {
    return b ? "1" : "0";
}

static std::string CommonFields(const TBlock& b) {
    return std::string(1, b.Kind) + ":" + std::to_string(b.X) + ":" + std::to_string(b.Y) + ":" +
           std::to_string(b.Z) + ":" + std::to_string(b.SX) + ":" + std::to_string(b.SY) + ":" +
           std::to_string(b.SZ) + ":" + std::to_string(b.Colour) + ":" + Flag(b.Studs) + ":" +
           Flag(b.Baseplate) + ":" + std::to_string(b.Turn) + ":" + Flag(b.Transparent);
}

std::string TBlock::SaveToString() const {
    return CommonFields(*this) + ":" + std::to_string(Group) + ":" + PartID + ":" +
           std::to_string(Step);
}

std::string SaveGeneralBlockToString(const TGeneralBlock& b) {
    if (b.Kind != 'G')
        return b.TBlock::SaveToString();
    return CommonFields(b) + ":" + b.FileName() + ":" + b.PartName() + ":" +
           std::to_string(b.Group) + ":" + b.PartID + ":" + std::to_string(b.Step);
}

void TBlock::GetPosition(int32_t position[3]) const {
    position[0] = X;
    position[1] = Y;
    position[2] = Z;
}

int32_t TBlock::TopAt(int32_t x, int32_t y, int32_t w, int32_t d) const {
    bool overlaps = int64_t(x) + w > X && FarX() > x && int64_t(y) + d > Y && FarY() > y;
    return overlaps ? int32_t(FarZ()) : 0;
}

bool IsKindLetter(char kind) {
    switch (kind) {
    case 'B':
    case 'R':
    case 'T':
    case 'N':
    case 'C':
    case 'I':
    case 'E':
    case 'W':
    case 'D':
    case 'O':
    case 'G':
        return true;
    default:
        return false;
    }
}

std::unique_ptr<TBlock> NewBlockOfKind(char kind) {
    switch (kind) {
    case 'R':
        return std::make_unique<TRoundBlock>();
    case 'T':
        return std::make_unique<TRoof>();
    case 'N':
        return std::make_unique<TRoofTop>();
    case 'C':
        return std::make_unique<TRoofCorner>();
    case 'I':
        return std::make_unique<TRoofTopCorner>();
    case 'E':
        return std::make_unique<TRoofTopEnd>();
    case 'W':
        return std::make_unique<TWindow>();
    case 'D':
        return std::make_unique<TDoor>();
    case 'O':
        return std::make_unique<TWheel>();
    case 'G':
        return std::make_unique<TGeneralBlock>();
    default:
        return std::make_unique<TBlock>();
    }
}

void CheckTypedPartID(const std::string& partID) {
    if (partID.find_first_of(": ") != std::string::npos)
        throw TError("A part ID must not contain ':' or blanks: \"" + partID + "\"");
}

// A 3 x 2 sloped brick in either orientation.
bool IsThreeByTwoSlope(const TBlock& b) {
    return (b.Turn % 2 != 0 && b.SX == 40 && b.SY == 60) ||
           (b.Turn % 2 == 0 && b.SX == 60 && b.SY == 40);
}

std::unique_ptr<TBlock> CreateFromString(const std::string& text) {
    bool general = !text.empty() && text[0] == 'G';
    size_t expected = general ? 17 : 15;
    std::vector<std::string> fields;
    size_t start = 0;
    while (start < text.size()) {
        size_t colon = text.find(':', start);
        if (colon == std::string::npos) {
            fields.push_back(text.substr(start));
            break;
        }
        fields.push_back(text.substr(start, colon - start));
        start = colon + 1;
    }
    if (fields.size() != expected)
        throw TError("Illegal string to CreateFromString: " + text);

    std::unique_ptr<TBlock> b = NewBlockOfKind(general ? 'G' : text[0]);
    b->Kind = fields[0].empty() ? 0 : fields[0][0];
    b->X = StrToInt(fields[1]);
    b->Y = StrToInt(fields[2]);
    b->Z = StrToInt(fields[3]);
    b->SX = StrToInt(fields[4]);
    b->SY = StrToInt(fields[5]);
    b->SZ = StrToInt(fields[6]);
    b->Colour = StrToInt(fields[7]);
    b->Studs = fields[8] == "1";
    b->Baseplate = fields[9] == "1";
    b->Turn = StrToInt(fields[10]);
    b->Transparent = fields[11] == "1";
    if (general) {
        b->SetDefinition(fields[12], fields[13]);
        b->Group = StrToInt(fields[14]);
        b->PartID = fields[15];
        b->Step = StrToInt(fields[16]);
    } else {
        b->Group = StrToInt(fields[12]);
        b->PartID = fields[13];
        b->Step = StrToInt(fields[14]);
        if (b->Kind == 'T')
            b->Variant = IsThreeByTwoSlope(*b) ? 1 : 0;
    }
    return b;
}

std::unique_ptr<TBlock> Clone(const TBlock& brick) {
    std::unique_ptr<TBlock> copy = brick.NewOfSameClass();
    copy->Kind = brick.Kind;
    copy->X = brick.X;
    copy->Y = brick.Y;
    copy->Z = brick.Z;
    copy->SX = brick.SX;
    copy->SY = brick.SY;
    copy->SZ = brick.SZ;
    copy->Colour = brick.Colour;
    copy->Transparent = brick.Transparent;
    copy->Studs = brick.Studs;
    copy->Baseplate = brick.Baseplate;
    copy->Turn = brick.Turn;
    copy->Definition = brick.Definition;
    copy->PartID = brick.PartID;
    copy->Variant = brick.Variant;
    copy->Step = brick.Step;
    return copy;
}

std::unique_ptr<TBlock> CreateBrickFromKey(const std::string& fullKey) {
    std::string key = fullKey;
    std::string partID;
    if (size_t bar = key.find('|'); bar != std::string::npos) {
        partID = key.substr(bar + 1, 255);
        key.resize(bar);
    }
    char kind = 'B';
    if (!key.empty() && key[0] >= 'A' && key[0] <= 'Z') {
        kind = key[0];
        key.erase(0, 1);
    }
    if (!IsKindLetter(kind))
        return nullptr;
    std::unique_ptr<TBlock> b = NewBlockOfKind(kind);
    if (kind == 'G') {
        size_t comma = key.find(',');
        std::string file = Trim(key.substr(0, comma));
        std::string part = comma == std::string::npos ? "" : Trim(key.substr(comma + 1, 255));
        b->Create(0, 0, 0, 0, 0, 0, 0xFFFFFF, true, false, false, partID);
        b->SetDefinition(file, part);
        return b;
    }
    size_t x1 = key.find('x');
    size_t x2 = x1 == std::string::npos ? std::string::npos : key.find('x', x1 + 1);
    auto number = [](const std::string& s) {
        size_t first = s.find_first_not_of(' ');
        return StrToInt(first == std::string::npos ? "" : std::string_view(s).substr(first));
    };
    int32_t a = number(key.substr(0, x1));
    int32_t bsize = number(x1 == std::string::npos ? "" : key.substr(x1 + 1, x2 - x1 - 1));
    int32_t c = number(x2 == std::string::npos ? "" : key.substr(x2 + 1));
    b->Create(0, 0, 0, a, bsize, c, 0xFFFFFF, true, false, false, partID);
    return b;
}
