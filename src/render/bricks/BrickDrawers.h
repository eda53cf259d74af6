#pragma once
// One drawer class per brick kind, mirroring the brick classes. DrawBrick picks the drawer by
// the brick's kind, so the brick classes carry no drawing and the model builds without the
// renderer.

class TBlock;
class TDrawContext;
class TDrawObject;
class TGeneralBlock;
class TRoofFrame;

// A plain brick: a box with studs on top and tube rings underneath.
class TBlockDrawer {
public:
    explicit TBlockDrawer(const TBlock& brick) : Brick(brick) {}
    virtual ~TBlockDrawer() = default;
    TBlockDrawer(const TBlockDrawer&) = delete;
    TBlockDrawer& operator=(const TBlockDrawer&) = delete;

    virtual void Draw(TDrawObject& target);
    // The brick's faces in painter's order for an octant (0 to 7).
    virtual void DrawOctant(TDrawObject& target, int octant);
    virtual void DrawStuds(TDrawObject& target);
    virtual void DrawUnderside(TDrawObject& target);

protected:
    const TBlock& Brick;
};

class TRoundBlockDrawer : public TBlockDrawer {
public:
    using TBlockDrawer::TBlockDrawer;
    void Draw(TDrawObject& target) override;
    void DrawStuds(TDrawObject& target) override;
    // As DrawBoxNearestFirst does for the plain box.
    bool DrawNearestFirst(TDrawObject& target);

private:
    // The body, ellipses and studs or tube ring, in painter's order or the other way.
    void DrawParts(TDrawObject& target, bool nearestFirst);
};

// The sloped family. Each kind draws its turn-0 shape in a frame that the brick's turn rotates
// into the world; the groups draw the faces on one side of that shape.
class TRoofDrawer : public TBlockDrawer {
public:
    using TBlockDrawer::TBlockDrawer;
    void Draw(TDrawObject& target) override;
    void DrawStuds(TDrawObject& target) override;

    // As DrawBoxNearestFirst does for the plain box.
    bool DrawNearestFirst(TDrawObject& target);

    virtual void DrawFrontGroup(const TRoofFrame& frame); // frame +Y side
    virtual void DrawBackGroup(const TRoofFrame& frame);  // frame -Y side
    virtual void DrawTopGroup(const TRoofFrame& frame, bool studsShown);
    virtual void DrawBottomGroup(const TRoofFrame& frame, bool studsShown);
    virtual void DrawLeftGroup(const TRoofFrame& frame);  // frame -X side
    virtual void DrawRightGroup(const TRoofFrame& frame); // frame +X side

protected:
    // The groups the view sees, in painter's order.
    void DrawGroups(const TRoofFrame& frame, const TDrawContext& context);
    // Studs or tube rings where the groups draw them, or only their place among the kept faces.
    void StudsAmongFaces(const TRoofFrame& frame);
    void UndersideAmongFaces(const TRoofFrame& frame);
};

class TRoofTopDrawer : public TRoofDrawer {
public:
    using TRoofDrawer::TRoofDrawer;
    void DrawFrontGroup(const TRoofFrame& frame) override;
    void DrawBackGroup(const TRoofFrame& frame) override;
    void DrawTopGroup(const TRoofFrame& frame, bool studsShown) override;
    void DrawLeftGroup(const TRoofFrame& frame) override;
    void DrawRightGroup(const TRoofFrame& frame) override;
};

class TRoofTopEndDrawer : public TRoofTopDrawer {
public:
    using TRoofTopDrawer::TRoofTopDrawer;
    void DrawFrontGroup(const TRoofFrame& frame) override;
    void DrawBackGroup(const TRoofFrame& frame) override;
    void DrawTopGroup(const TRoofFrame& frame, bool studsShown) override;
    void DrawLeftGroup(const TRoofFrame& frame) override;
};

class TRoofCornerDrawer : public TRoofDrawer {
public:
    using TRoofDrawer::TRoofDrawer;
    void DrawStuds(TDrawObject& target) override;
    void DrawFrontGroup(const TRoofFrame& frame) override;
    void DrawBackGroup(const TRoofFrame& frame) override;
    void DrawTopGroup(const TRoofFrame& frame, bool studsShown) override;
    void DrawLeftGroup(const TRoofFrame& frame) override;
};

class TRoofTopCornerDrawer : public TRoofCornerDrawer {
public:
    using TRoofCornerDrawer::TRoofCornerDrawer;
    void DrawFrontGroup(const TRoofFrame& frame) override;
    void DrawBackGroup(const TRoofFrame& frame) override;
    void DrawTopGroup(const TRoofFrame& frame, bool studsShown) override;
    void DrawLeftGroup(const TRoofFrame& frame) override;
    void DrawRightGroup(const TRoofFrame& frame) override;
};

// A window frame with sill and glass; doors and wheels share its drawing in the brick frame of
// the turn. Each face operation draws one face or face set of the frame shape.
class TWindowDrawer : public TBlockDrawer {
public:
    using TBlockDrawer::TBlockDrawer;
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
    void DrawOctant(TDrawObject& target, int octant) override;
    void Draw(TDrawObject& target) override;
    // As DrawBoxNearestFirst does for the plain box; for doors and wheels, whose frames have no
    // glass.
    bool DrawNearestFirst(TDrawObject& target);
};

// A door frame with two leaves: no sill and no glass.
class TDoorDrawer : public TWindowDrawer {
public:
    using TWindowDrawer::TWindowDrawer;
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
class TWheelDrawer : public TWindowDrawer {
public:
    using TWindowDrawer::TWindowDrawer;
    void DrawOctant(TDrawObject& target, int octant) override;
    void DrawStuds(TDrawObject&) override {}
    void DrawUnderside(TDrawObject&) override {}
};

// The definition's polygons, studs and tubes.
class TGeneralBlockDrawer : public TBlockDrawer {
public:
    explicit TGeneralBlockDrawer(const TGeneralBlock& block);
    void Draw(TDrawObject& target) override;
    // As DrawBoxNearestFirst does for the plain box; not for a part with hatched polygons or a
    // decoration.
    bool DrawNearestFirst(TDrawObject& target);
    void DrawStuds(TDrawObject& target) override;
    void DrawUnderside(TDrawObject& target) override;

private:
    const TGeneralBlock& Block;
};
