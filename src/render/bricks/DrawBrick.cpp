#include "render/bricks/DrawBrick.h"

#include "model/BlockKinds.h"
#include "model/GeneralBlock.h"
#include "render/bricks/BrickDrawers.h"

bool DrawNearestFirst(const TBlock& brick, TDrawObject& target) {
    switch (brick.ClassKind()) {
    case 'B':
        return DrawBoxNearestFirst(brick, target);
    case 'T':
        return TRoofDrawer(brick).DrawNearestFirst(target);
    case 'N':
        return TRoofTopDrawer(brick).DrawNearestFirst(target);
    case 'E':
        return TRoofTopEndDrawer(brick).DrawNearestFirst(target);
    case 'C':
        return TRoofCornerDrawer(brick).DrawNearestFirst(target);
    case 'I':
        return TRoofTopCornerDrawer(brick).DrawNearestFirst(target);
    case 'R':
        return TRoundBlockDrawer(brick).DrawNearestFirst(target);
    case 'D':
        return TDoorDrawer(brick).DrawNearestFirst(target);
    case 'O':
        return TWheelDrawer(brick).DrawNearestFirst(target);
    case 'G':
        return TGeneralBlockDrawer(static_cast<const TGeneralBlock&>(brick))
            .DrawNearestFirst(target);
    default:
        return false;
    }
}

void DrawBrick(const TBlock& brick, TDrawObject& target) {
    switch (brick.ClassKind()) {
    case 'R':
        TRoundBlockDrawer(brick).Draw(target);
        break;
    case 'T':
        TRoofDrawer(brick).Draw(target);
        break;
    case 'N':
        TRoofTopDrawer(brick).Draw(target);
        break;
    case 'E':
        TRoofTopEndDrawer(brick).Draw(target);
        break;
    case 'C':
        TRoofCornerDrawer(brick).Draw(target);
        break;
    case 'I':
        TRoofTopCornerDrawer(brick).Draw(target);
        break;
    case 'W':
        TWindowDrawer(brick).Draw(target);
        break;
    case 'D':
        TDoorDrawer(brick).Draw(target);
        break;
    case 'O':
        TWheelDrawer(brick).Draw(target);
        break;
    case 'G':
        TGeneralBlockDrawer(static_cast<const TGeneralBlock&>(brick)).Draw(target);
        break;
    default:
        TBlockDrawer(brick).Draw(target);
        break;
    }
}
