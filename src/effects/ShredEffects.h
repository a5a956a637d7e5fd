#pragma once

#include "effects/EffectProc.h"

// Styles 65 to 68, 76 to 79 and 100 to 109: the new picture shows through ragged strips of
// random length (CreateShredRegion) in rows, columns or both; the lengths are drawn anew from
// the process-wide generator in every frame, so the edge flickers as it advances.
EffectProcedure UnevenShredFromRight;                // 65
EffectProcedure UnevenShredFromLeft;                 // 66
EffectProcedure UnevenShredOutFromMiddleHoriz;       // 67
EffectProcedure UnevenShredInToMiddleHoriz;          // 68
EffectProcedure UnevenShredFromBottom;               // 76
EffectProcedure UnevenShredFromTop;                  // 77
EffectProcedure UnevenShredFromHorizon;              // 78
EffectProcedure UnevenShredInToHorizon;              // 79
EffectProcedure UnevenShredFromBottomAndRight;       // 100
EffectProcedure UnevenShredFromTopAndRight;          // 101
EffectProcedure UnevenShredFromBottomAndLeft;        // 102
EffectProcedure UnevenShredFromTopAndLeft;           // 103
EffectProcedure UnevenShredFromHorizAndRight;        // 104
EffectProcedure UnevenShredFromHorizAndLeft;         // 105
EffectProcedure UnevenShredFromBottomAndVertMiddle;  // 106
EffectProcedure UnevenShredFromTopAndVertMiddle;     // 107
EffectProcedure UnevenShredFromCentre;               // 108
EffectProcedure UnevenShredToCentre;                 // 109
