#include "render/bricks/DrawBrick.h"

#include "model/BlockKinds.h"
#include "model/GeneralBlock.h"
#include "render/bricks/BrickDrawers.h"

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
