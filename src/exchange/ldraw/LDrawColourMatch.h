#pragma once
// Snapping colours to the built-in LDraw colour table, so a model exports without surprises.

#include <cstdint>

class TBlockList;

// The colour of the table entry nearest by squared red, green and blue distance; the earlier
// entry wins a tie.
int32_t NearestLDrawTableColour(int32_t colour);

// Every brick of the model takes the nearest table colour.
void MatchLDrawColours(TBlockList& model);
