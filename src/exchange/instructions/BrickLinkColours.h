#pragma once
// The shipped, editable table from LDraw colour numbers to BrickLink colour numbers, for
// wanted lists.

#include <map>
#include <optional>
#include <string>

class TBrickLinkColours {
public:
    // Reads "bricklink.lst": per line an LDraw number, a BrickLink number and optionally the
    // colour's name; ';' starts a comment. A malformed line raises with its number.
    static TBrickLinkColours FromText(const std::string& text, const std::string& fileName);
    static TBrickLinkColours Load(const std::string& fileName);

    std::optional<int> Find(int ldrawColour) const;
    void Add(int ldrawColour, int brickLinkColour) { Rows[ldrawColour] = brickLinkColour; }

private:
    std::map<int, int> Rows;
};

// The table's file in the program's folder.
std::string BrickLinkColourFile();
