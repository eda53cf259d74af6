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

// A window frame with sill and glass; doors and wheels share its drawing in the brick frame of
// the turn. Each face operation draws one face or face set of the frame shape.
class TWindow : public TBlock {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TWindow, 'W')
    virtual void WindowBack(TDrawObject& target);
    virtual void WindowLeftOuter(TDrawObject& target);
    virtual void WindowLeftInner(TDrawObject& target);
    virtual void WindowBottom(TDrawObject& target);
    virtual void WindowSillSlope(TDrawObject& target);
    virtual void WindowExtra1(TDrawObject& target);
    virtual void WindowSillTop(TDrawObject& target);
    virtual void WindowSillStep(TDrawObject& target);
    virtual void WindowSillBack(TDrawObject& target);
    virtual void WindowRightOuter(TDrawObject& target);
    virtual void WindowRightInner(TDrawObject& target);
    virtual void WindowTop(TDrawObject& target);
    virtual void WindowLintel(TDrawObject& target);
    virtual void WindowInset(TDrawObject& target);
    virtual void WindowSillRiser(TDrawObject& target);
    virtual void WindowFront(TDrawObject& target);
    virtual void WindowGlass(TDrawObject& target);
    void DrawOctant0(TDrawObject& target) override;
    void DrawOctant1(TDrawObject& target) override;
    void DrawOctant2(TDrawObject& target) override;
    void DrawOctant3(TDrawObject& target) override;
    void DrawOctant4(TDrawObject& target) override;
    void DrawOctant5(TDrawObject& target) override;
    void DrawOctant6(TDrawObject& target) override;
    void DrawOctant7(TDrawObject& target) override;
    void Draw(TDrawObject& target) override;
};

// A door frame with two leaves: no sill and no glass.
class TDoor : public TWindow {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TDoor, 'D')
    void WindowLeftOuter(TDrawObject& target) override;
    void WindowLeftInner(TDrawObject& target) override;
    void WindowSillSlope(TDrawObject&) override {}
    void WindowSillTop(TDrawObject&) override {}
    void WindowSillStep(TDrawObject&) override {}
    void WindowSillBack(TDrawObject&) override {}
    void WindowRightOuter(TDrawObject& target) override;
    void WindowRightInner(TDrawObject& target) override;
    void WindowInset(TDrawObject& target) override;
    void WindowSillRiser(TDrawObject&) override {}
    void WindowFront(TDrawObject& target) override;
    void WindowGlass(TDrawObject&) override {}
};

// Two disks with a tread between them; never studs or tube rings.
class TWheel : public TWindow {
public:
    TESSARYN_BLOCK_CLASS_BASICS(TWheel, 'O')
    void DrawOctant0(TDrawObject& target) override;
    void DrawOctant1(TDrawObject& target) override;
    void DrawOctant2(TDrawObject& target) override;
    void DrawOctant3(TDrawObject& target) override;
    void DrawOctant4(TDrawObject& target) override;
    void DrawOctant5(TDrawObject& target) override;
    void DrawOctant6(TDrawObject& target) override;
    void DrawOctant7(TDrawObject& target) override;
    void DrawStuds(TDrawObject&) override {}
    void DrawUnderside(TDrawObject&) override {}
};
