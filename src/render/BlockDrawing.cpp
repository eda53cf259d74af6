#include "model/Block.h"

// Drawing of the plain box; the renderer fills these in.
void TBlock::DrawOctant0(TDrawObject&) {}
void TBlock::DrawOctant1(TDrawObject&) {}
void TBlock::DrawOctant2(TDrawObject&) {}
void TBlock::DrawOctant3(TDrawObject&) {}
void TBlock::DrawOctant4(TDrawObject&) {}
void TBlock::DrawOctant5(TDrawObject&) {}
void TBlock::DrawOctant6(TDrawObject&) {}
void TBlock::DrawOctant7(TDrawObject&) {}
void TBlock::DrawStuds(TDrawObject&) {}
void TBlock::DrawUnderside(TDrawObject&) {}
bool TBlock::HitTest(const TDrawObject&, int, int) const {
    return false;
}
void TBlock::Draw(TDrawObject&) {}
