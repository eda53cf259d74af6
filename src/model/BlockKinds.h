#pragma once
// The classes of the built-in brick kinds. Their shapes are drawn in src/render.

#include "model/Block.h"

class TRoofFrame;

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
    void DrawStuds(TDrawObject& target) override;
    void Draw(TDrawObject& target) override;
};

// The sloped family. Each kind draws its turn-0 shape in a frame that the brick's turn rotates
// into the world; the groups draw the faces on one side of that shape.
class TRoof : public TBlock {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoof, 'T')
    void Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz, int32_t colour,
                bool studs, bool baseplate, bool transparent, const std::string& partID) override;
    void DrawStuds(TDrawObject& target) override;
    void Draw(TDrawObject& target) override;

    virtual void DrawFrontGroup(const TRoofFrame& frame); // frame +Y side
    virtual void DrawBackGroup(const TRoofFrame& frame);  // frame -Y side
    virtual void DrawTopGroup(const TRoofFrame& frame, bool studsShown);
    virtual void DrawBottomGroup(const TRoofFrame& frame, bool studsShown);
    virtual void DrawLeftGroup(const TRoofFrame& frame);  // frame -X side
    virtual void DrawRightGroup(const TRoofFrame& frame); // frame +X side
};

class TRoofTop : public TRoof {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoofTop, 'N')
    void Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz, int32_t colour,
                bool studs, bool baseplate, bool transparent, const std::string& partID) override;
    void DrawFrontGroup(const TRoofFrame& frame) override;
    void DrawBackGroup(const TRoofFrame& frame) override;
    void DrawTopGroup(const TRoofFrame& frame, bool studsShown) override;
    void DrawLeftGroup(const TRoofFrame& frame) override;
    void DrawRightGroup(const TRoofFrame& frame) override;
};

class TRoofTopEnd : public TRoofTop {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoofTopEnd, 'E')
    void DrawFrontGroup(const TRoofFrame& frame) override;
    void DrawBackGroup(const TRoofFrame& frame) override;
    void DrawTopGroup(const TRoofFrame& frame, bool studsShown) override;
    void DrawLeftGroup(const TRoofFrame& frame) override;
};

class TRoofCorner : public TRoof {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoofCorner, 'C')
    void Create(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz, int32_t colour,
                bool studs, bool baseplate, bool transparent, const std::string& partID) override;
    void DrawStuds(TDrawObject& target) override;
    void DrawFrontGroup(const TRoofFrame& frame) override;
    void DrawBackGroup(const TRoofFrame& frame) override;
    void DrawTopGroup(const TRoofFrame& frame, bool studsShown) override;
    void DrawLeftGroup(const TRoofFrame& frame) override;
};

class TRoofTopCorner : public TRoofCorner {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TRoofTopCorner, 'I')
    void DrawFrontGroup(const TRoofFrame& frame) override;
    void DrawBackGroup(const TRoofFrame& frame) override;
    void DrawTopGroup(const TRoofFrame& frame, bool studsShown) override;
    void DrawLeftGroup(const TRoofFrame& frame) override;
    void DrawRightGroup(const TRoofFrame& frame) override;
};

class TWindow : public TBlock {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TWindow, 'W')
};

class TDoor : public TWindow {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TDoor, 'D')
};

class TWheel : public TWindow {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TWheel, 'O')
};
