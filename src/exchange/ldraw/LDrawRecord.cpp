#include "exchange/ldraw/LDrawRecord.h"

#include "base/Text.h"

namespace {
// Reads blank-separated tokens from a 0-based position. A token that is not a number is left in
// place for the next read, so a missing field shifts nothing after it.
class TRowReader {
public:
    TRowReader(const std::string& line, size_t position) : Line(line), Position(position) {}

    int32_t Integer() {
        if (Position >= Line.size())
            return 0;
        size_t end = TokenEnd();
        char first = Line[Position];
        if (first != '-' && (first < '0' || first > '9'))
            return 0;
        int32_t value = StrToInt(std::string_view(Line).substr(Position, end - Position));
        Position = end + 1;
        return value;
    }

    std::string Text() {
        if (Position >= Line.size())
            return "";
        size_t end = TokenEnd();
        std::string token = Line.substr(Position, end - Position);
        Position = end + 1;
        return token;
    }

private:
    size_t TokenEnd() const {
        size_t blank = Line.find(' ', Position);
        return blank == std::string::npos ? Line.size() : blank;
    }

    const std::string& Line;
    size_t Position;
};
} // namespace

std::string FormatLDrawRecord(const TLDrawRecord& r) {
    std::string row(1, r.Kind);
    for (int32_t value : {r.SizeA, r.SizeB, r.Plates, r.HasStuds, r.LDrawColour, r.xOffset,
                          r.yOffset, r.zOffset, r.RotOffset})
        row += " " + std::to_string(value);
    row +=
        " " + r.PartName + ".DAT " + std::to_string(r.Variant) + " " + r.DefFile + " " + r.DefPart;
    return row;
}

TLDrawRecord ParseLDrawRecord(const std::string& row) {
    TLDrawRecord r;
    r.Kind = row.empty() ? 0 : row[0];
    TRowReader reader(row, 2);
    for (int32_t* field : {&r.SizeA, &r.SizeB, &r.Plates, &r.HasStuds, &r.LDrawColour, &r.xOffset,
                           &r.yOffset, &r.zOffset, &r.RotOffset})
        *field = reader.Integer();
    r.PartName = reader.Text();
    // The extension is cut by length, whatever it is.
    r.PartName.resize(r.PartName.size() > 4 ? r.PartName.size() - 4 : 0);
    r.Variant = reader.Integer();
    r.DefFile = reader.Text();
    r.DefPart = reader.Text();
    return r;
}
