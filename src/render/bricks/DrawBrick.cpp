// The one drawing entry: the brick's kind picks its drawer here rather than through virtual
// members of the brick classes, so the model knows nothing of how bricks are drawn.

#include "model/BlockKinds.h"
#include "model/GeneralBlock.h"
#include "render/bricks/BrickDrawers.h"

void TBlock::Draw(TDrawObject& target) {
    switch (ClassKind()) {
    case 'R':
        TRoundBlockDrawer(*this).Draw(target);
        break;
    case 'T':
        TRoofDrawer(*this).Draw(target);
        break;
    case 'N':
        TRoofTopDrawer(*this).Draw(target);
        break;
    case 'E':
        TRoofTopEndDrawer(*this).Draw(target);
        break;
    case 'C':
        TRoofCornerDrawer(*this).Draw(target);
        break;
    case 'I':
        TRoofTopCornerDrawer(*this).Draw(target);
        break;
    case 'W':
        TWindowDrawer(*this).Draw(target);
        break;
    case 'D':
        TDoorDrawer(*this).Draw(target);
        break;
    case 'O':
        TWheelDrawer(*this).Draw(target);
        break;
    case 'G':
        TGeneralBlockDrawer(static_cast<TGeneralBlock&>(*this)).Draw(target);
        break;
    default:
        TBlockDrawer(*this).Draw(target);
        break;
    }
}
