#include "base/Error.h"
#include "base/LDrawColours.h"
#include "base/Text.h"
#include "parts/DrawClass.h"
#include "parts/PartFile.h"
#include "parts/PartValueReader.h"

#include <map>

namespace {
// Counts beyond these come only from damaged or hostile files.
constexpr int32_t MaxPolygonCount = 10000;
constexpr int32_t MaxStudCount = 10000;

// The key lines of a section, names without regard to case, the first line of a key winning.
class TKeyValues {
public:
    explicit TKeyValues(const TLines& lines) {
        for (const std::string& line : lines) {
            size_t equals = line.find('=');
            if (equals != std::string::npos)
                Values.emplace(LowerCase(line.substr(0, equals)), line.substr(equals + 1));
        }
    }
    bool Has(const std::string& key) const { return Values.count(LowerCase(key)) != 0; }
    std::string Get(const std::string& key) const {
        auto it = Values.find(LowerCase(key));
        return it == Values.end() ? std::string() : it->second;
    }

private:
    std::map<std::string, std::string> Values;
};

// Whole-value integers may stand after blanks, as the platform's conversion allows.
std::string WithoutLeadingBlanks(const std::string& text) {
    size_t start = text.find_first_not_of(" \t");
    return start == std::string::npos ? std::string() : text.substr(start);
}

// Reads one section's keys into a definition; messages name the part and the file read.
class TSectionReader {
public:
    TSectionReader(const TLines& lines, TDrawClass& definition, std::string part, std::string file)
        : Keys(lines), D(definition), Part(std::move(part)), File(std::move(file)) {}

    void Read() {
        ReadPolygons();
        for (int octant = 0; octant < 8; ++octant)
            ReadOrder(octant);
        ReadStuds("TS", D.TopStudPolygon, D.TopStuds);
        ReadStuds("BS", D.BottomStudPolygon, D.BottomStuds);
        ReadVariant();
        ReadBitmap();
        TPartValueReader offsets(Keys.Get("RO"));
        for (auto& pair : D.RotOffsets)
            for (int32_t& value : pair)
                value = offsets.Number();
    }

private:
    std::string Where() const { return "part " + Part + " in file " + File; }

    void ReadPolygons() {
        int32_t count = StrToInt(WithoutLeadingBlanks(Keys.Get("NP")));
        if (count < 0 || count > MaxPolygonCount)
            throw TError("Part " + Part + " in file " + File + " has an illegal polygon count " +
                         std::to_string(count));
        TPartValueReader box(Keys.Get("BB"));
        D.BBX = box.Number();
        D.BBY = box.Number();
        D.BBZ = box.Number();
        D.Polygons.resize(size_t(count));
        for (int32_t i = 0; i < count; ++i)
            ReadPolygon(i);
    }

    void ReadPolygon(int32_t i) {
        TPartValueReader value(Keys.Get("P" + std::to_string(i + 1)));
        TPolygon& polygon = D.Polygons[size_t(i)];
        int32_t count = value.Number();
        std::string which = "Polygon " + std::to_string(i + 1) + " of " + Where();
        if (count > MaxPolygonPoints)
            throw TError(which + " has more than " + std::to_string(MaxPolygonPoints) + " points");
        if (count < 0)
            throw TError(which + " has a negative point count");
        polygon.EdgeFlags = value.Number();
        polygon.Points.resize(size_t(count));
        for (TPoint3& p : polygon.Points) {
            p.X = value.Number();
            p.Y = value.Number();
            p.Z = value.Number();
        }
        polygon.Detail = value.Number();
        polygon.PolyColour = value.Number();
        // The writer ends a line with -1 for black made see-through (black is 1): only a number
        // after it is an LDraw colour.
        if (polygon.PolyColour == -1) {
            int32_t ldraw = value.Number();
            if (!value.Stuck())
                polygon.PolyColour = ColourOfLDrawNumber(ldraw);
        }
    }

    // Entries naming no polygon are dropped: drawing them could only fail.
    void ReadOrder(int octant) {
        TPartValueReader value(Keys.Get("Q" + std::to_string(octant + 1)));
        TIntegerList& order = D.DrawOrder[size_t(octant)];
        int32_t count = value.Number();
        for (int32_t k = 0; k < count; ++k) {
            int32_t poly = value.Number();
            if (value.Stuck())
                break;
            if (poly >= 1 && poly <= D.PolygonCount())
                order.Add(poly - 1);
        }
    }

    void ReadStuds(const std::string& key, int32_t& polygon, std::vector<TPoint3>& studs) {
        std::string text = Keys.Get(key);
        if (text.size() <= 8)
            return;
        TPartValueReader value(text);
        int32_t number = value.Number();
        // A stud polygon that does not exist reads as none.
        polygon = number >= 1 && number <= D.PolygonCount() ? number - 1 : -1;
        int32_t count = value.Number();
        if (count < 0 || count > MaxStudCount)
            throw TError(key + " of " + Where() + " has an illegal stud count " +
                         std::to_string(count));
        int32_t z = D.FirstPointZ(polygon);
        studs.resize(size_t(count));
        for (TPoint3& stud : studs) {
            stud.X = value.Number();
            stud.Y = value.Number();
            stud.Z = value.Peek() == ';' ? value.Number() : z;
        }
    }

    void ReadVariant() {
        if (!Keys.Has("LD"))
            return;
        try {
            D.PartVariant = StrToInt(WithoutLeadingBlanks(Keys.Get("LD")));
        } catch (const TError&) {
            // Not a number: the part simply has no variant.
        }
    }

    void ReadBitmap() {
        TPartValueReader value(Keys.Get("BM"));
        int32_t number = value.Number();
        D.BitmapFile = value.Token();
        D.BitmapPolygon = number >= 1 && number <= D.PolygonCount() ? number - 1 : -1;
    }

    TKeyValues Keys;
    TDrawClass& D;
    std::string Part, File;
};
} // namespace

TDrawClass::TDrawClass(const std::string& file, const std::string& part) {
    TLines lines;
    std::string usedName;
    LoadPartSection(file, part, lines, usedName);
    std::string shortPart = part;
    if (EndsWithNoCase(shortPart, ".dat"))
        shortPart.resize(shortPart.size() - 4);
    TSectionReader(lines, *this, shortPart, usedName).Read();
    FileName = file;
    PartName = part;
}
