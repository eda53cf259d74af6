#include "base/FileIO.h"
#include "base/Text.h"
#include "model/BlockList.h"
#include "model/ModelFile.h"

#include <algorithm>

namespace {
bool StartsNumber(char c) {
    return c == '-' || (c >= '0' && c <= '9');
}

// End (0-based) of the token that starts at the 0-based index.
size_t TokenEnd(const std::string& s, size_t start) {
    size_t blank = s.find(' ', start);
    return blank == std::string::npos ? s.size() : blank;
}

// Version 0 stores studs and plates; wrapping keeps absurd values defined.
int32_t Scaled(int32_t value, uint32_t factor) {
    return int32_t(uint32_t(value) * factor);
}

// The line from its second character on, at most 255 characters, without surrounding blanks.
std::string Remainder(const std::string& line) {
    return Trim(std::string_view(line).substr(1, 255));
}

// Smallest near faces and largest far faces of the bricks seen so far.
struct TExtents {
    bool Any = false;
    int64_t Min[3] = {99999, 99999, 99999};
    int64_t Max[3] = {-99999, -99999, -99999};

    void Widen(const TBlock& b) {
        const int64_t near[3] = {b.X, b.Y, b.Z};
        const int64_t far[3] = {b.FarX(), b.FarY(), b.FarZ()};
        for (int i = 0; i < 3; ++i) {
            Min[i] = Any ? std::min(Min[i], near[i]) : near[i];
            Max[i] = Any ? std::max(Max[i], far[i]) : far[i];
        }
        Any = true;
    }
};

void ReadHeader(TBlockList& list, const std::string& line) {
    std::string s = Remainder(line);
    size_t p = 1;
    list.FileRotX = ReadInt(s, p, 0);
    list.FileRotZ = ReadInt(s, p, 0);
    list.FileScaleBar = ReadInt(s, p, 0);
    list.FileOffsetX = ReadInt(s, p, 0);
    list.FileOffsetY = ReadInt(s, p, 0);
    list.FileStuds = ReadInt(s, p, 0);
    list.Version = ReadInt(s, p, 0);
}
} // namespace

int32_t ReadInt(const std::string& s, size_t& p, int32_t defaultValue) {
    if (p < 1 || p > s.size() || !StartsNumber(s[p - 1]))
        return defaultValue;
    size_t end = TokenEnd(s, p - 1);
    int32_t value = StrToInt(std::string_view(s).substr(p - 1, end - (p - 1)));
    p = end + 2;
    return value;
}

std::string ReadToken(const std::string& s, size_t& p, const std::string& defaultValue) {
    if (p < 1 || p > s.size())
        return defaultValue;
    size_t end = TokenEnd(s, p - 1);
    std::string token = s.substr(p - 1, end - (p - 1));
    p = end + 2;
    return token;
}

std::unique_ptr<TBlock> ReadBrickLine(const std::string& line, int32_t version) {
    char c = line.empty() ? ' ' : line[0];
    std::unique_ptr<TBlock> b = NewBlockOfKind(c);
    b->Kind = c == ' ' ? 'B' : c;
    std::string s = line.empty() ? std::string() : Remainder(line);
    size_t p = 1;
    // Other versions leave the box unread, so the colour takes the line's first value.
    if (version == 0 || version == 1) {
        uint32_t across = version == 0 ? 20 : 1, up = version == 0 ? 8 : 1;
        b->X = Scaled(ReadInt(s, p, 0), across);
        b->Y = Scaled(ReadInt(s, p, 0), across);
        b->Z = Scaled(ReadInt(s, p, 0), up);
        b->SX = Scaled(ReadInt(s, p, 0), across);
        b->SY = Scaled(ReadInt(s, p, 0), across);
        b->SZ = Scaled(ReadInt(s, p, 0), up);
    }
    b->Colour = ReadInt(s, p, 0);
    b->Studs = ReadInt(s, p, 0) != 0;
    b->Baseplate = ReadInt(s, p, 0) != 0;
    b->Turn = ReadInt(s, p, 0);
    b->Transparent = ReadInt(s, p, 0) != 0;
    if (c == 'T')
        b->Variant = IsThreeByTwoSlope(*b) ? 1 : 0;
    if (c == 'G') {
        std::string file = ReadToken(s, p, "parts.dat");
        std::string part = ReadToken(s, p, "stdblock");
        b->SetDefinition(file, part);
    }
    b->Group = ReadInt(s, p, 0);
    GroupCounter = std::max(GroupCounter, b->Group);
    b->PartID = ReadToken(s, p, "");
    b->Step = ReadInt(s, p, 0);
    return b;
}

void ReadModelText(TBlockList& list, std::string_view text) {
    TBrickVector read;
    TExtents extents;
    try {
        for (const std::string& line : SplitLines(text)) {
            if (line.empty())
                continue;
            if (line[0] == '=') {
                ReadHeader(list, line);
                continue;
            }
            read.push_back(ReadBrickLine(line, list.Version));
            if (!read.back()->Baseplate)
                extents.Widen(*read.back());
        }
    } catch (...) {
        // The bricks read before the faulty line stay in the model.
        list.InsertAllSorted(std::move(read));
        throw;
    }
    list.InsertAllSorted(std::move(read));
    list.MinX = extents.Min[0];
    list.MinY = extents.Min[1];
    list.MinZ = extents.Min[2];
    list.SizeX = extents.Max[0] - extents.Min[0];
    list.SizeY = extents.Max[1] - extents.Min[1];
    list.SizeZ = extents.Max[2] - extents.Min[2];
    list.SortedOctant = -2;
}

void TBlockList::LoadFromFile(const std::string& fileName) {
    ReadModelText(*this, ReadWholeFile(fileName));
}
