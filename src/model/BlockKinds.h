#pragma once
// The classes of the built-in brick kinds; the renderer has a drawer for each.

#include "model/Block.h"

#define TESSARYN_BLOCK_CLASS_BASICS(Class, Letter)                                                 \
    char ClassKind() const override {                                                              \
        return Letter;                                                                             \
    }                                                                                              \
    std::unique_ptr<TBlock> NewOfSameClass() const override {                                      \
        return std::make_unique<Class>();                                                          \
    }

class TRoundBlock : public TBlock {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoundBlock, 'R')
    void Rotate() override {} // a round brick looks the same from every side
};

// The sloped family: plain slope, ridge, ridge end, corner and ridge corner.
class TRoof : public TBlock {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoof, 'T')
    void Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz, int32_t colour,
                bool studs, bool baseplate, bool transparent, const std::string& partID) override;
};

class TRoofTop : public TRoof {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoofTop, 'N')
    void Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz, int32_t colour,
                bool studs, bool baseplate, bool transparent, const std::string& partID) override;
};

class TRoofTopEnd : public TRoofTop {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoofTopEnd, 'E')
};

class TRoofCorner : public TRoof {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoofCorner, 'C')
    void Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz, int32_t colour,
                bool studs, bool baseplate, bool transparent, const std::string& partID) override;
};

class TRoofTopCorner : public TRoofCorner {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoofTopCorner, 'I')
};

// A window frame with sill and glass; doors and wheels share its drawing.
class TWindow : public TBlock {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TWindow, 'W')
};

// A door frame with two leaves: no sill and no glass.
class TDoor : public TWindow {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TDoor, 'D')
};

// Two disks with a tread between them; never studs or tube rings.
class TWheel : public TWindow {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TWheel, 'O')
};
