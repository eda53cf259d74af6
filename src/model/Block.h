#pragma once
// One brick of a model: an axis-aligned box with kind, colour, turn, flags, identity, group
// and building step. The kind letter selects the class; the renderer draws it.

#include <cstdint>
#include <memory>
#include <string>

class TDrawClass;

class TBlock {
public:
    TDrawClass* Definition = nullptr; // general blocks only; owned by the part cache
    bool Selected = false;
    int32_t X = 0, Y = 0, Z = 0;
    int32_t SX = 0, SY = 0, SZ = 0;
    int32_t Turn = 0;
    bool Studs = false;
    int32_t Colour = 0; // red in the low byte, blue in the high byte
    bool Transparent = false;
    bool Baseplate = false;
    char Kind = 0;
    // Before the name, so that what the frame's pre-pass reads of each brick shares its first
    // cache lines.
    int32_t Group = 0;
    int32_t Step = 0;
    int32_t Variant = 0;
    std::string PartID;

    TBlock() = default; // every field zero, as the readers expect
    virtual ~TBlock() = default;
    TBlock(const TBlock&) = delete;
    TBlock& operator=(const TBlock&) = delete;

    // The kind letter of this class ('B' for TBlock).
    virtual char ClassKind() const { return 'B'; }
    // A new empty brick of this object's own class.
    virtual std::unique_ptr<TBlock> NewOfSameClass() const;

    // Binds a part definition (general blocks); every other class ignores it.
    virtual TBlock& SetDefinition(const std::string& file, const std::string& part);
    // The virtual constructor: X, Y, SX, SY in studs, Z, SZ in plates.
    virtual void Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz,
                        int32_t colour, bool studs, bool baseplate, bool transparent,
                        const std::string& partID);
    virtual void Rotate();
    virtual std::string SaveToString() const;
    void GetPosition(int32_t position[3]) const;
    virtual int32_t TopAt(int32_t x, int32_t y, int32_t w, int32_t d) const;

    // Far faces, computed wide so that no coordinate can overflow.
    int64_t FarX() const { return int64_t(X) + SX; }
    int64_t FarY() const { return int64_t(Y) + SY; }
    int64_t FarZ() const { return int64_t(Z) + SZ; }
};

// A new empty brick of the class for a kind letter (any letter without a class gives TBlock).
std::unique_ptr<TBlock> NewBlockOfKind(char kind);

// The brick of a text form written by SaveToString; raises
// "Illegal string to CreateFromString: " + text on a wrong field count.
std::unique_ptr<TBlock> CreateFromString(const std::string& text);

// A copy of the brick's class and fields; group 0 and not selected.
std::unique_ptr<TBlock> Clone(const TBlock& brick);

// The brick for a palette key such as "B2x4x3", "2x2x1|3022" or "Gparts.dat,stdblock";
// nullptr when the letter names no kind.
std::unique_ptr<TBlock> CreateBrickFromKey(const std::string& key);

// Refuses a typed identity that the text forms cannot store faithfully (a ':' or a blank would
// shift the fields on reading) with a message; identities read from files are never checked.
void CheckTypedPartID(const std::string& partID);

// True for a 3 x 2 sloped brick in either orientation (its Variant is 1).
bool IsThreeByTwoSlope(const TBlock& brick);

// True for a kind letter that has a class of its own (B, R, T, N, C, I, E, W, D, O, G).
bool IsKindLetter(char kind);
