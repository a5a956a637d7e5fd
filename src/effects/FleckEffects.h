#pragma once

#include "effects/EffectProc.h"

// Styles 123 to 126: a solid part advances from one edge with a fringe of loose squares ahead
// of it (CreateSpeckleRegion), drawn anew from the process-wide generator in every frame.
EffectProcedure SpeckleAppearFromRight;   // 123
EffectProcedure SpeckleAppearFromLeft;    // 124
EffectProcedure SpeckleAppearFromBottom;  // 125
EffectProcedure SpeckleAppearFromTop;     // 126

// Style 127: squares that switch to the new picture in a random order fixed by the picture's
// size, so that a square once shown stays shown.
EffectProcedure RandomSquaresAppear;  // 127
