#pragma once

#include "effects/EffectProc.h"

// Styles 136 to 142: slats, or a grid of squares, that open to show the new picture; evenly
// spaced slats open about their centre lines, uneven ones (spaced by the progress itself) from
// one side of each period.
EffectProcedure BlindVertically;        // 136
EffectProcedure BlindHorizontally;      // 137
EffectProcedure UnevenBlindFromLeft;    // 138
EffectProcedure UnevenBlindFromRight;   // 139
EffectProcedure UnevenBlindFromTop;     // 140
EffectProcedure UnevenBlindFromBottom;  // 141
EffectProcedure RectangularShred;       // 142
