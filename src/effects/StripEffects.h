#pragma once

#include "effects/EffectProc.h"

// Styles 12, 13, 16, 17 and their vertical twins 29, 30, 33, 34: the new picture in two pieces
// from the sides, or a flat part followed by the next band of the picture stretched over the
// rest of the screen.
EffectProcedure RevealInFromSides;      // 12
EffectProcedure ExpandInFromSides;      // 13
EffectProcedure BuildUpFromRight;       // 16
EffectProcedure BuildUpFromLeft;        // 17
EffectProcedure SlideInFromTopBottom;   // 29
EffectProcedure ExpandInFromTopBottom;  // 30
EffectProcedure BuildUpFromBottom;      // 33, catalogued as "Expand from bottom"
EffectProcedure BuildUpFromTop;         // 34, catalogued as "Expand in from top"
